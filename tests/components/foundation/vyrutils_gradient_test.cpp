#include <cstdint>

#include "drawing_fixture.h"
#include "rgn.h"
#include "tlist.h"

using namespace Vyrutils;
using Vyrgraph::TVyrGradientStyle;

namespace {

std::vector<TColor> Colours(TList& List) {
  std::vector<TColor> out;
  for (int i = 0; i < List.GetCount(); ++i)
    out.push_back(static_cast<TColor>(reinterpret_cast<std::intptr_t>(List.GetItems(i))));
  return out;
}

}  // namespace

class GradientTest : public DrawingTest {};

TEST_F(GradientTest, ColourLists) {
  TList list;
  VyrGradientCreateColorList(clBlack, clWhite, 3, &list);
  EXPECT_EQ(Colours(list), (std::vector<TColor>{0x000000, 0x808080, 0xFFFFFF}));
  VyrGradientCreateColorList(clRed, clWhite, 1, &list);
  EXPECT_EQ(Colours(list), std::vector<TColor>{clRed});
  VyrGradientCreateColorList(clBlue, clWhite, 0, &list);
  EXPECT_EQ(Colours(list), std::vector<TColor>{clRed}) << "Count 0 leaves the list";
  VyrGradientCreateColorList(clBtnFace, clBtnFace, 2, &list);
  EXPECT_EQ(Colours(list)[0], Rgb(clBtnFace)) << "system colours resolved";
  EXPECT_EQ(VyrGradientCreatePalette(nullptr), nullptr);
}

TEST_F(GradientTest, HorizontalBandsSplitByMulDiv) {
  TList list;
  VyrGradientCreateColorList(clRed, clBlue, 3, &list);
  const std::vector<TColor> colours = Colours(list);
  auto bmp = MakeBitmap(10, 1, clWhite);
  VyrGradientPaintExt(bmp->GetCanvas(), TRect(0, 0, 10, 1), TVyrGradientStyle::gstHorizontal, &list, nullptr, 0, 0);
  const int band[10] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(Px(bmp.get(), x, 0), colours[static_cast<size_t>(band[x])]) << x;
}

TEST_F(GradientTest, OneColourCornerFillsExactlyTheRect) {
  TList list;
  VyrGradientCreateColorList(clRed, clRed, 1, &list);
  auto bmp = MakeBitmap(12, 12, clWhite);
  VyrGradientPaintExt(bmp->GetCanvas(), TRect(2, 2, 10, 10), TVyrGradientStyle::gstBottomLeft, &list, nullptr, 0, 0);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 2 && x < 10 && y >= 2 && y < 10;
      EXPECT_EQ(Px(bmp.get(), x, y), inside ? clRed : clWhite) << x << "," << y;
    }
}

TEST_F(GradientTest, OffscreenPaintGivesTheSamePixels) {
  TList list;
  VyrGradientCreateColorList(clRed, clBlue, 7, &list);
  for (TVyrGradientStyle style : {TVyrGradientStyle::gstVertical, TVyrGradientStyle::gstSquare,
                                  TVyrGradientStyle::gstElliptic, TVyrGradientStyle::gstTopRight}) {
    auto direct = MakeBitmap(30, 20, clWhite);
    auto offscreen = MakeBitmap(30, 20, clWhite);
    VyrGradientPaintExt(direct->GetCanvas(), TRect(3, 2, 27, 18), style, &list, nullptr, 0, 0);
    VyrGradientPaintExt(offscreen->GetCanvas(), TRect(3, 2, 27, 18), style, &list, nullptr, 0x0004, 0);
    // Inside the rect: the elliptic bands reach past it, which only direct
    // painting shows.
    for (int y = 2; y < 18; ++y)
      for (int x = 3; x < 27; ++x)
        ASSERT_EQ(Px(direct.get(), x, y), Px(offscreen.get(), x, y)) << int(style) << " at " << x << "," << y;
  }
}

TEST_F(GradientTest, SquareBandsStayInsideTheRect) {
  TList list;
  VyrGradientCreateColorList(clRed, clBlue, 5, &list);
  for (const TSize size : {TSize(24, 16), TSize(25, 17), TSize(2, 2), TSize(1, 1)}) {
    auto bmp = MakeBitmap(int(size.cx) + 6, int(size.cy) + 6, clWhite);
    const TRect rect(3, 3, 3 + int(size.cx), 3 + int(size.cy));
    VyrGradientPaintExt(bmp->GetCanvas(), rect, TVyrGradientStyle::gstSquare, &list, nullptr, 0, 0);
    for (int y = 0; y < bmp->GetHeight(); ++y)
      for (int x = 0; x < bmp->GetWidth(); ++x) {
        const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
        ASSERT_EQ(Px(bmp.get(), x, y) != clWhite, inside) << size.cx << "x" << size.cy << " at " << x << "," << y;
      }
  }
}

TEST_F(GradientTest, NothingToPaintForAnEmptyListOrRect) {
  TList empty;
  TList list;
  VyrGradientCreateColorList(clBlack, clWhite, 3, &list);
  auto bmp = MakeBitmap(4, 4, clRed);
  VyrGradientPaintExt(bmp->GetCanvas(), TRect(0, 0, 4, 4), TVyrGradientStyle::gstVertical, &empty, nullptr, 0, 0);
  VyrGradientPaintExt(bmp->GetCanvas(), TRect(0, 0, 0, 4), TVyrGradientStyle::gstVertical, &list, nullptr, 0, 0);
  VyrGradientPaintExt(bmp->GetCanvas(), TRect(0, 0, 4, 4), TVyrGradientStyle::gstVertical, nullptr, nullptr, 0, 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Px(bmp.get(), x, y), clRed);
}

TEST_F(GradientTest, ClippedPaintKeepsTheCallersClip) {
  auto bmp = MakeBitmap(20, 20, clRed);
  HDC dc = bmp->GetCanvas()->GetHandle();
  IntersectClipRect(dc, 1, 1, 19, 19);
  // The clip rectangle moved by (2, 3) through the offset word.
  VyrGradientPaint(bmp->GetCanvas(), TRect(0, 0, 10, 10), clBlue, clBlue, 2, TVyrGradientStyle::gstTopLeft, 0x0001,
                   (3 << 16) | 2);
  EXPECT_EQ(Px(bmp.get(), 1, 1), clRed);
  EXPECT_EQ(Px(bmp.get(), 2, 3), clBlue);
  EXPECT_EQ(Px(bmp.get(), 10, 10), clRed);
  RECT box{};
  GetClipBox(dc, &box);
  EXPECT_EQ(TRect(box), TRect(1, 1, 19, 19));
}
