#include "drawing_fixture.h"
#include "syscolors.h"

using namespace Vyrutils;

class BitmapDrawTest : public DrawingTest {
 protected:
  // Draws with the flags onto a recording canvas and answers the placement.
  TRect Place(int SrcW, int SrcH, const TRect& Dest, std::uint16_t Flags) {
    auto src = MakeBitmap(std::max(SrcW, 1), std::max(SrcH, 1));
    TCanvas canvas;
    canvas.SetHandle(rec.Handle());
    const TRect placed = VyrBmpDrawExt(&canvas, Dest, src->GetCanvas(), TRect(0, 0, SrcW, SrcH), Flags, 0, nullptr, nullptr);
    canvas.SetHandle(nullptr);
    return placed;
  }
  RecordingDC rec{200, 200};
};

TEST_F(BitmapDrawTest, PlacementByFlags) {
  struct Case {
    int srcW, srcH;
    TRect dest;
    std::uint16_t flags;
    TRect want;
  } cases[] = {
      {15, 15, TRect(0, 0, 10, 10), 0x0008, TRect(-2, -2, 13, 13)},
      {20, 10, TRect(0, 0, 100, 30), 0x0000, TRect(0, 0, 20, 10)},
      {20, 10, TRect(0, 0, 100, 30), 0x0010, TRect(0, 0, 100, 30)},
      {20, 10, TRect(0, 0, 100, 30), 0x0210, TRect(0, 0, 60, 30)},
      {20, 10, TRect(0, 0, 100, 30), 0x0410, TRect(0, 0, 100, 50)},
      {20, 10, TRect(0, 0, 100, 30), 0x0610, TRect(0, 0, 60, 30)},
      {20, 10, TRect(0, 0, 100, 30), 0x0018, TRect(0, 0, 100, 30)},
      {4, 4, TRect(0, 0, 10, 10), 0x0020, TRect(0, 0, 4, 4)},
      {5, 5, TRect(3, 3, 3, 9), 0x0000, TRect()},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Place(c.srcW, c.srcH, c.dest, c.flags), c.want) << c.srcW << "x" << c.srcH << " flags " << c.flags;
}

TEST_F(BitmapDrawTest, TilesReachPastTheDestination) {
  Place(4, 4, TRect(0, 0, 10, 10), 0x0020);
  const auto blits = CallsNamed(rec.Calls(), "StretchBlt");
  ASSERT_EQ(blits.size(), 16u);
  EXPECT_EQ(blits[0].Pos("StretchBlt(0,0,4,4,"), 1);
  EXPECT_EQ(blits[3].Pos("StretchBlt(12,0,4,4,"), 1);
  EXPECT_EQ(blits[15].Pos("StretchBlt(12,12,4,4,"), 1);
}

TEST_F(BitmapDrawTest, ZeroWidthSourceDrawsOneDegenerateTile) {
  const TRect placed = Place(0, 4, TRect(0, 0, 10, 10), 0x0020);
  EXPECT_EQ(placed, TRect(0, 0, 10, 10));
  EXPECT_EQ(CallsNamed(rec.Calls(), "StretchBlt").size(), 1u);
}

TEST_F(BitmapDrawTest, TransparentModesKeepTheBackground) {
  // Source [red, white / white, red]: white is transparent in each mode.
  const std::vector<TColor> source{clRed, clWhite, clWhite, clRed};
  const TRect at(0, 0, 2, 2);
  {
    auto src = FromPixels(2, 2, source);
    auto dst = MakeBitmap(2, 2, clBlue);
    VyrBmpDraw(dst->GetCanvas(), at, src.get(), 0x0040, clWhite);
    EXPECT_EQ(Px(dst.get(), 0, 0), clRed);
    EXPECT_EQ(Px(dst.get(), 1, 0), clBlue);
  }
  {
    auto src = FromPixels(2, 2, source);
    auto mask = FromPixels(2, 2, {clBlack, clWhite, clWhite, clBlack});
    auto image = FromPixels(2, 2, {clRed, clBlack, clBlack, clRed});
    auto dst = MakeBitmap(2, 2, clBlue);
    VyrBmpDrawExt(dst->GetCanvas(), at, image->GetCanvas(), at, 0x0100, 0, nullptr, mask->GetCanvas());
    EXPECT_EQ(Px(dst.get(), 0, 0), clRed);
    EXPECT_EQ(Px(dst.get(), 0, 1), clBlue);
    EXPECT_EQ(Px(dst.get(), 1, 1), clRed);
  }
  {
    auto src = FromPixels(2, 2, source);
    src->SetTransparentColor(clWhite);
    auto dst = MakeBitmap(2, 2, clBlue);
    VyrBmpDraw(dst->GetCanvas(), at, src.get(), 0x0080, clLime);
    EXPECT_EQ(Px(dst.get(), 0, 0), clRed);
    EXPECT_EQ(Px(dst.get(), 1, 0), clLime);
  }
}

// A canvas selects its font and brush again before it copies, which sets the
// DC's text and back colours: the mask must not take the caller's colours.
TEST_F(BitmapDrawTest, TransparentDrawIgnoresTheCanvasFontAndBrushColours) {
  for (const std::uint16_t flags : {std::uint16_t(0x0040), std::uint16_t(0x0080)}) {
    auto src = FromPixels(2, 1, {clRed, clWhite});
    src->SetTransparentColor(clWhite);
    auto dst = MakeBitmap(2, 1, clBlue);
    dst->GetCanvas()->GetFont()->SetColor(clYellow);
    dst->GetCanvas()->GetBrush()->SetColor(clNavy);
    dst->GetCanvas()->GetBrush()->SetStyle(bsClear);
    VyrBmpDraw(dst->GetCanvas(), TRect(0, 0, 2, 1), src.get(), flags, clWhite);
    EXPECT_EQ(Px(dst.get(), 0, 0), clRed) << flags;
    EXPECT_EQ(Px(dst.get(), 1, 0), flags == 0x0040 ? clBlue : clWhite) << flags;
    EXPECT_EQ(dst->GetCanvas()->GetFont()->GetColor(), clYellow);
    if (flags == 0x0040) { EXPECT_EQ(dst->GetCanvas()->GetBrush()->GetStyle(), bsClear); }  // 0x0080 fills with a brush
  }
}

TEST_F(BitmapDrawTest, ClipDrawKeepsTheCallersClip) {
  auto src = MakeBitmap(4, 4, clRed);
  auto dst = MakeBitmap(20, 20, clBlue);
  HDC dc = dst->GetCanvas()->GetHandle();
  IntersectClipRect(dc, 0, 0, 15, 15);
  VyrBmpClipDraw(dst->GetCanvas(), TRect(0, 0, 6, 6), src.get(), 0x0021, 0, 0);
  EXPECT_EQ(Px(dst.get(), 5, 5), clRed);
  EXPECT_EQ(Px(dst.get(), 6, 6), clBlue);  // the tiles beyond were clipped
  RECT box{};
  GetClipBox(dc, &box);
  EXPECT_EQ(TRect(box), TRect(0, 0, 15, 15));
}

TEST_F(BitmapDrawTest, GrayscaleTones) {
  auto plain = MakeBitmap(3, 3, clOlive);
  TBitmap gray;
  VyrBmpCreateGrayscale(&gray, plain.get());
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Px(&gray, x, y), clOlive);

  auto two = FromPixels(2, 1, {clWhite, static_cast<TColor>(0x646464)});
  VyrBmpCreateGrayscale(&gray, two.get());
  EXPECT_EQ(Px(&gray, 0, 0), clWhite);
  EXPECT_EQ(Px(&gray, 1, 0), Rgb(clBtnShadow));
}

TEST_F(BitmapDrawTest, MaskDrawShowsTheTextureWhereTheMaskHoldsText) {
  auto overlay = FromPixels(4, 1, {clRed, clWhite, clRed, clWhite});
  auto back = FromPixels(4, 1, {clBlue, clLime, clBlue, clLime});
  auto dst = MakeBitmap(4, 1, clBlack);
  VyrMaskBmpDraw(dst->GetCanvas(), TRect(0, 0, 4, 1), overlay.get(), back.get(), clRed, clWhite);
  EXPECT_EQ(Px(dst.get(), 0, 0), clBlue);
  EXPECT_EQ(Px(dst.get(), 1, 0), clBlack);
  EXPECT_EQ(Px(dst.get(), 2, 0), clBlue);
  EXPECT_EQ(Px(dst.get(), 3, 0), clBlack);
}

TEST_F(BitmapDrawTest, TextureStartsAtTheOffset) {
  std::vector<TColor> pixels;
  for (int i = 0; i < 16; ++i) pixels.push_back(static_cast<TColor>(0x010101 * (i + 1)));
  auto texture = FromPixels(4, 4, pixels);
  auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y * 4 + x)]; };
  auto dst = MakeBitmap(6, 6, clBlack);
  VyrFillTexture(dst->GetCanvas()->GetHandle(), TRect(0, 0, 6, 6), texture.get(), TPoint(1, 2));
  EXPECT_EQ(Px(dst.get(), 0, 0), at(1, 2));
  EXPECT_EQ(Px(dst.get(), 3, 0), at(0, 2));
  EXPECT_EQ(Px(dst.get(), 0, 2), at(1, 0));
  EXPECT_EQ(Px(dst.get(), 5, 5), at(2, 3));

  auto untouched = MakeBitmap(6, 6, clBlack);
  VyrFillTexture(untouched->GetCanvas()->GetHandle(), TRect(0, 0, 6, 6), texture.get(), TPoint(-1, 0));
  EXPECT_EQ(Px(untouched.get(), 0, 0), clBlack);
}

TEST_F(BitmapDrawTest, PatternTurnsWhiteIntoThePattern) {
  auto pattern = MakeBitmap(8, 8, clRed);
  auto dst = FromPixels(2, 1, {clWhite, clBlack});
  VyrFillPattern(dst->GetCanvas()->GetHandle(), TRect(0, 0, 2, 1), pattern.get());
  EXPECT_EQ(Px(dst.get(), 0, 0), clRed);
  EXPECT_EQ(Px(dst.get(), 1, 0), clBlack);
}

TEST_F(BitmapDrawTest, DisabledGlyphIsEmbossed) {
  auto glyph = MakeBitmap(4, 4, clWhite);
  glyph->GetCanvas()->SetPixels(1, 1, clBlack);
  auto dest = MakeBitmap(6, 6, clRed);
  VyrBmpDrawDisabledState(dest.get(), glyph.get(), 0, 0);
  EXPECT_EQ(Px(dest.get(), 1, 1), Rgb(clBtnShadow));
  EXPECT_EQ(Px(dest.get(), 2, 2), Rgb(clBtnHighlight));
  EXPECT_EQ(Px(dest.get(), 0, 0), clWhite) << "filled with the glyph's transparent colour";
}

TEST_F(BitmapDrawTest, FrameShadowFillsRightAndBottomAndFrames) {
  auto bmp = MakeBitmap(10, 10, clWhite);
  TRect r(0, 0, 10, 10);
  EXPECT_TRUE(VyrDrawFrameShadow(bmp->GetCanvas(), r, clBlack, clBlue, clRed, 2, 1, false, 0));
  EXPECT_EQ(r, TRect(1, 1, 7, 7));
  EXPECT_EQ(Px(bmp.get(), 9, 5), clBlue);
  EXPECT_EQ(Px(bmp.get(), 5, 9), clBlue);
  EXPECT_EQ(Px(bmp.get(), 9, 0), clRed) << "corner gap in the back colour";
  EXPECT_EQ(Px(bmp.get(), 0, 9), clRed);
  EXPECT_EQ(Px(bmp.get(), 0, 0), clBlack);
  EXPECT_EQ(Px(bmp.get(), 4, 4), clWhite);
}
