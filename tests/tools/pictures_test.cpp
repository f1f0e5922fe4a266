// The committed pictures of the main window, read with the platform's PNG
// codec: their sizes, the mask rule the sprites are drawn with, the tile
// sheet's layout and the floor patch that is repeated behind the board.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "png_codec.h"

namespace {

constexpr Pixel kBlackPixel = 0x000000;
constexpr Pixel kWhitePixel = 0xFFFFFF;
constexpr Pixel kNavyPixel = 0x000080;

RasterImage LoadPicture(const std::string& name) {
  std::ifstream in(std::string(MORVANT_PICTURES_DIR) + "/" + name, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  RasterImage image;
  std::string error;
  EXPECT_TRUE(DecodePng(bytes, image, &error)) << name << ": " << error;
  return image;
}

Pixel At(const RasterImage& image, int x, int y) { return image.Row(y)[x] & 0xFFFFFF; }

struct PictureSize {
  const char* Name;
  int Width, Height;
};

constexpr PictureSize kPictures[] = {
    {"tiles.png", 640, 160},
    {"figure_left.png", 32, 32},    {"figure_left_mask.png", 32, 32},
    {"figure_right.png", 32, 32},   {"figure_right_mask.png", 32, 32},
    {"mover.png", 32, 32},          {"mover_mask.png", 32, 32},
    {"key1.png", 32, 32},           {"key2.png", 32, 32},
    {"key3.png", 32, 32},           {"key4.png", 32, 32},
    {"key_mask.png", 32, 32},
    {"exit.png", 20, 19},           {"exit_mask.png", 20, 19},
    {"key_indicator1.png", 32, 16}, {"key_indicator2.png", 32, 16},
    {"key_indicator3.png", 32, 16}, {"key_indicator4.png", 32, 16},
    {"exit_symbol.png", 20, 19},
};

TEST(Pictures, EveryPictureHasItsSize) {
  for (const PictureSize& p : kPictures) {
    SCOPED_TRACE(p.Name);
    const RasterImage image = LoadPicture(p.Name);
    EXPECT_EQ(image.Width, p.Width);
    EXPECT_EQ(image.Height, p.Height);
  }
}

struct MaskedSprite {
  const char* Picture;
  const char* Mask;
};

constexpr MaskedSprite kSprites[] = {
    {"figure_left.png", "figure_left_mask.png"},
    {"figure_right.png", "figure_right_mask.png"},
    {"mover.png", "mover_mask.png"},
    {"key1.png", "key_mask.png"},
    {"key2.png", "key_mask.png"},
    {"key3.png", "key_mask.png"},
    {"key4.png", "key_mask.png"},
    {"exit.png", "exit_mask.png"},
};

// AND mask then OR picture shows the cell wherever the mask is white only if
// the picture is black there; a grey mask pixel would tint the cell.
TEST(Pictures, MasksAreBlackOrWhiteAndPicturesBlackWhereTheCellShows) {
  for (const MaskedSprite& s : kSprites) {
    SCOPED_TRACE(s.Picture);
    const RasterImage picture = LoadPicture(s.Picture), mask = LoadPicture(s.Mask);
    ASSERT_EQ(picture.Width, mask.Width);
    ASSERT_EQ(picture.Height, mask.Height);
    int covered = 0, visible = 0;
    for (int y = 0; y < mask.Height; ++y)
      for (int x = 0; x < mask.Width; ++x) {
        const Pixel m = At(mask, x, y), p = At(picture, x, y);
        ASSERT_TRUE(m == kBlackPixel || m == kWhitePixel) << "mask pixel " << x << "," << y;
        if (m == kWhitePixel) {
          ASSERT_EQ(p, kBlackPixel) << "picture pixel " << x << "," << y;
        } else {
          ++covered;
          if (p != kBlackPixel) ++visible;
        }
      }
    // A sprite that covers little or draws black would vanish on the board.
    EXPECT_GT(covered, mask.Width * mask.Height / 8);
    EXPECT_GT(visible, covered / 2);
  }
}

TEST(Pictures, SideColumnPicturesSitOnNavy) {
  for (const char* name : {"key_indicator1.png", "key_indicator2.png", "key_indicator3.png", "key_indicator4.png",
                           "exit_symbol.png"}) {
    SCOPED_TRACE(name);
    const RasterImage image = LoadPicture(name);
    // A transparent picture takes its bottom-left pixel as the see-through
    // colour; every corner stays navy so either drawing looks alike.
    EXPECT_EQ(At(image, 0, image.Height - 1), kNavyPixel);
    EXPECT_EQ(At(image, image.Width - 1, 0), kNavyPixel);
    int drawn = 0;
    for (int y = 0; y < image.Height; ++y)
      for (int x = 0; x < image.Width; ++x) drawn += At(image, x, y) != kNavyPixel;
    EXPECT_GT(drawn, image.Width * image.Height / 6);
  }
}

struct SheetRect {
  const char* What;
  int Left, Top, Right, Bottom;
};

constexpr SheetRect kSheetRects[] = {
    {"goal", 133, 69, 155, 91},          {"box on goal", 133, 133, 155, 155},
    {"box", 133, 101, 155, 123},         {"wall 30", 128, 32, 160, 64},
    {"wall 31", 192, 128, 224, 160},     {"wall 34", 224, 64, 256, 96},
    {"closed gate", 224, 96, 256, 128},  {"door 1", 256, 32, 288, 64},
    {"door 2", 256, 64, 288, 96},        {"door 3", 256, 96, 288, 128},
    {"door 4", 256, 128, 288, 160},      {"stairs both ways", 320, 64, 352, 96},
    {"stairs up", 352, 64, 384, 96},     {"stairs down", 384, 64, 416, 96},
    {"teleporter 1", 512, 0, 544, 32},   {"teleporter 2", 544, 0, 576, 32},
    {"teleporter 3", 576, 0, 608, 32},   {"teleporter 4", 608, 0, 640, 32},
    {"floor patch", 448, 60, 548, 160},
};

bool InAnyRect(int x, int y) {
  for (const SheetRect& r : kSheetRects)
    if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return true;
  return false;
}

// A tile drawn one place off would leave its rectangle partly black and
// paint outside it.
TEST(Pictures, TileSheetHoldsEveryTileAtItsPlaceAndBlackElsewhere) {
  const RasterImage sheet = LoadPicture("tiles.png");
  ASSERT_EQ(sheet.Width, 640);
  ASSERT_EQ(sheet.Height, 160);
  for (const SheetRect& r : kSheetRects) {
    SCOPED_TRACE(r.What);
    int black = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) black += At(sheet, x, y) == kBlackPixel;
    EXPECT_LT(black, (r.Right - r.Left) * (r.Bottom - r.Top) / 10);
    // The tile fills its rectangle out to the corners.
    EXPECT_NE(At(sheet, r.Left, r.Top), kBlackPixel);
    EXPECT_NE(At(sheet, r.Right - 1, r.Bottom - 1), kBlackPixel);
  }
  for (int y = 0; y < sheet.Height; ++y)
    for (int x = 0; x < sheet.Width; ++x)
      if (!InAnyRect(x, y)) {
        ASSERT_EQ(At(sheet, x, y), kBlackPixel) << "pixel " << x << "," << y;
      }
}

int ChannelDistance(Pixel a, Pixel b) {
  return std::abs(static_cast<int>(a >> 16 & 0xFF) - static_cast<int>(b >> 16 & 0xFF)) +
         std::abs(static_cast<int>(a >> 8 & 0xFF) - static_cast<int>(b >> 8 & 0xFF)) +
         std::abs(static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF));
}

// The patch is repeated 16 by 16 times: where it meets its next copy the
// change from pixel to pixel must be no larger than inside the patch.
TEST(Pictures, FloorPatchMeetsItselfWithoutASeam) {
  const RasterImage sheet = LoadPicture("tiles.png");
  constexpr int kLeft = 448, kTop = 60, kSize = 100;
  auto patch = [&](int x, int y) { return At(sheet, kLeft + (x + kSize) % kSize, kTop + (y + kSize) % kSize); };
  long long inside = 0, acrossColumns = 0, acrossRows = 0;
  for (int i = 0; i < kSize; ++i) {
    for (int j = 1; j < kSize; ++j) inside += ChannelDistance(patch(j - 1, i), patch(j, i));
    acrossColumns += ChannelDistance(patch(kSize - 1, i), patch(0, i));
    acrossRows += ChannelDistance(patch(i, kSize - 1), patch(i, 0));
  }
  const double meanInside = static_cast<double>(inside) / (kSize * (kSize - 1));
  EXPECT_LE(acrossColumns / static_cast<double>(kSize), 1.5 * meanInside);
  EXPECT_LE(acrossRows / static_cast<double>(kSize), 1.5 * meanInside);
}

}  // namespace
