// BMP and PNG round trips at every depth and row order, the colour tables
// they carry, and files that must be refused.
#include <gtest/gtest.h>

#include <cstring>

#include "bmp_codec.h"
#include "png_codec.h"

namespace {

// A picture whose colours all lie in the fixed table of `bpp`, with distinct
// rows so that a flipped row order shows.
RasterImage TestPicture(int width, int height, int bpp) {
  const std::vector<RGBQUAD>& table = FixedColorTable(bpp <= 8 ? bpp : 8);
  RasterImage image;
  image.Width = width;
  image.Height = height;
  image.Pixels.resize(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * width + x;
      const RGBQUAD& q = table[(x * 7 + y * 3) % table.size()];
      image.Pixels[i] = bpp <= 8 ? static_cast<Pixel>(q.rgbRed << 16 | q.rgbGreen << 8 | q.rgbBlue) : (static_cast<std::uint32_t>(x * 37 + y * 91) * 0x010305) & 0xFFFFFF;
    }
  return image;
}

struct DepthCase {
  int Bpp;
  bool TopDown;
};

class BmpRoundTrip : public testing::TestWithParam<DepthCase> {};

TEST_P(BmpRoundTrip, ReloadsTheSamePixels) {
  const auto [bpp, topDown] = GetParam();
  // Odd widths exercise the row padding of every depth.
  const RasterImage original = TestPicture(13, 5, bpp);
  const std::vector<std::uint8_t> file = EncodeBmp(original, bpp, topDown);
  RasterImage loaded;
  std::string error;
  ASSERT_TRUE(DecodeBmp(file, loaded, &error)) << error;
  EXPECT_EQ(loaded.Width, 13);
  EXPECT_EQ(loaded.Height, 5);
  EXPECT_EQ(loaded.BitsPerPixel, bpp);
  EXPECT_EQ(loaded.Pixels, original.Pixels);
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpRoundTrip,
                         testing::Values(DepthCase{1, false}, DepthCase{1, true}, DepthCase{4, false}, DepthCase{4, true},
                                         DepthCase{8, false}, DepthCase{8, true}, DepthCase{24, false},
                                         DepthCase{24, true}, DepthCase{32, false}, DepthCase{32, true}));

TEST(BmpCodec, KeepsAPictureOwnColoursWhenTheyFit) {
  RasterImage image;
  image.Width = 3;
  image.Height = 1;
  image.Pixels = {0x123456, 0xABCDEF, 0x123456};
  RasterImage loaded;
  ASSERT_TRUE(DecodeBmp(EncodeBmp(image, 1), loaded));
  EXPECT_EQ(loaded.Pixels, image.Pixels);
  EXPECT_EQ(loaded.Palette, (std::vector<std::uint32_t>{0x123456, 0xABCDEF}));
}

TEST(BmpCodec, ReducesToTheNearestTableColour) {
  RasterImage image = TestPicture(40, 1, 24);  // more colours than 16
  image.Pixels[0] = 0x7F0101;                  // nearest standard colour: maroon
  RasterImage loaded;
  ASSERT_TRUE(DecodeBmp(EncodeBmp(image, 4), loaded));
  EXPECT_EQ(loaded.Pixels[0], 0x800000u);
}

// A hand-made 2 x 2 file: 32 bits with BI_BITFIELDS masks after a plain header.
std::vector<std::uint8_t> Bitfields32() {
  std::vector<std::uint8_t> f(14 + 40 + 12 + 16, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(&f[at], &v, 4); };
  f[0] = 'B', f[1] = 'M';
  put32(2, static_cast<std::uint32_t>(f.size()));
  put32(10, 14 + 40 + 12);
  put32(14, 40);
  put32(18, 2);
  put32(22, 2);
  f[26] = 1, f[28] = 32;
  put32(30, 3);  // BI_BITFIELDS
  // Red in the top byte, green, blue, then an unused byte.
  put32(54, 0xFF000000), put32(58, 0x00FF0000), put32(62, 0x0000FF00);
  put32(66, 0x11223300), put32(70, 0x44556600), put32(74, 0xAABBCC00), put32(78, 0x01020300);
  return f;
}

TEST(BmpCodec, ReadsBitfieldsBottomUp) {
  RasterImage image;
  std::string error;
  ASSERT_TRUE(DecodeBmp(Bitfields32(), image, &error)) << error;
  EXPECT_EQ(image.Pixels, (std::vector<std::uint32_t>{0xAABBCC, 0x010203, 0x112233, 0x445566}));
}

TEST(BmpCodec, ReadsRle8) {
  // 4 x 2: bottom row a run of 4 x index 1; top row a literal 0,1,1,0.
  std::vector<std::uint8_t> f(14 + 40 + 8, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(&f[at], &v, 4); };
  f[0] = 'B', f[1] = 'M';
  put32(10, 14 + 40 + 8);
  put32(14, 40), put32(18, 4), put32(22, 2);
  f[26] = 1, f[28] = 8;
  put32(30, 1);  // BI_RLE8
  put32(46, 2);  // two colours
  put32(54, 0x000000), put32(58, 0xFF0000);
  const std::uint8_t data[] = {4, 1, 0, 0, 0, 4, 0, 1, 1, 0, 0, 1};
  f.insert(f.end(), std::begin(data), std::end(data));
  RasterImage image;
  std::string error;
  ASSERT_TRUE(DecodeBmp(f, image, &error)) << error;
  EXPECT_EQ(image.Pixels, (std::vector<std::uint32_t>{0, 0xFF0000, 0xFF0000, 0, 0xFF0000, 0xFF0000, 0xFF0000,
                                                      0xFF0000}));
}

TEST(BmpCodec, RefusesBadFiles) {
  const std::vector<std::uint8_t> good = EncodeBmp(TestPicture(8, 8, 24), 24);
  struct Damage {
    const char* What;
    std::size_t Offset;
    std::uint32_t Value;
  };
  const Damage cases[] = {
      {"magic", 0, 'X'},
      {"header size", 14, 20},
      {"zero width", 18, 0},
      {"huge width", 18, 0x7FFFFFFF},
      {"huge height", 22, 0x80000000},
      {"bit depth", 28, 7},
      {"compression", 30, 9},
      {"pixels past the end", 10, 0xFFFFFF00},
  };
  for (const Damage& d : cases) {
    std::vector<std::uint8_t> bad = good;
    std::memcpy(&bad[d.Offset], &d.Value, d.Offset == 0 ? 1 : (d.Offset == 28 ? 2 : 4));
    RasterImage image;
    std::string error;
    EXPECT_FALSE(DecodeBmp(bad, image, &error)) << d.What;
    EXPECT_FALSE(error.empty()) << d.What;
  }
  for (std::size_t cut : {std::size_t{0}, std::size_t{13}, std::size_t{30}, good.size() - 40}) {
    RasterImage image;
    EXPECT_FALSE(DecodeBmp(std::span(good).first(cut), image)) << "cut at " << cut;
  }
}

TEST(PngCodec, RoundTripsEveryLayout) {
  RasterImage rgb = TestPicture(17, 9, 24);
  RasterImage loaded;
  std::string error;
  ASSERT_TRUE(DecodePng(EncodePng(rgb, PngLayout::Rgb), loaded, &error)) << error;
  EXPECT_FALSE(loaded.HasAlpha);
  EXPECT_EQ(loaded.Pixels, rgb.Pixels);

  RasterImage rgba = rgb;
  for (std::size_t i = 0; i < rgba.Pixels.size(); ++i) rgba.Pixels[i] |= static_cast<std::uint32_t>(i * 13 % 256) << 24;
  ASSERT_TRUE(DecodePng(EncodePng(rgba, PngLayout::Rgba), loaded, &error)) << error;
  EXPECT_TRUE(loaded.HasAlpha);
  EXPECT_EQ(loaded.Pixels, rgba.Pixels);

  const RasterImage indexed = TestPicture(17, 9, 8);
  ASSERT_TRUE(DecodePng(EncodePng(indexed, PngLayout::Palette), loaded, &error)) << error;
  EXPECT_EQ(loaded.Pixels, indexed.Pixels);
}

TEST(PngCodec, RefusesBadFiles) {
  const std::vector<std::uint8_t> good = EncodePng(TestPicture(16, 16, 24), PngLayout::Rgb);
  RasterImage image;
  std::string error;
  EXPECT_FALSE(DecodePng(std::span(good).first(7), image, &error));
  EXPECT_FALSE(DecodePng(std::span(good).first(good.size() / 2), image, &error));
  EXPECT_FALSE(error.empty());

  std::vector<std::uint8_t> corrupt = good;
  corrupt[good.size() / 2] ^= 0xFF;  // inside the image data: a CRC or inflate error
  EXPECT_FALSE(DecodePng(corrupt, image, &error));

  // A header that claims 60000 x 60000 pixels over a tiny file.
  std::vector<std::uint8_t> bomb = good;
  const std::uint8_t side[4] = {0, 0, 0xEA, 0x60};
  std::memcpy(&bomb[16], side, 4);
  std::memcpy(&bomb[20], side, 4);
  EXPECT_FALSE(DecodePng(bomb, image, &error));
  EXPECT_EQ(image.Width, 0) << "a refused file leaves the image alone";
}

}  // namespace
