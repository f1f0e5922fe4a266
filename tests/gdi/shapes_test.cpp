#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "brush.h"
#include "dc.h"
#include "fill.h"
#include "gdiobj.h"
#include "pen.h"
#include "recording_dc.h"
#include "rgn.h"
#include "rop.h"
#include "shapes.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF, kPen = 0x0000FF, kBrush = 0x00FF00, kBack = 0xFF0000;

// A small white canvas with a red pen and a green brush selected; pictures
// of it use '.' for white, 'P' for the pen, 'B' for the brush, 'K' for the
// background colour and '?' for anything else.
class ShapesTest : public ::testing::Test {
 protected:
  static constexpr int kSize = 12;
  RecordingDC canvas{kSize, kSize};
  HDC dc = canvas.Handle();
  HPEN pen = nullptr;
  HBRUSH brush = CreateSolidBrush(kBrush);

  void SetUp() override {
    Clear();
    UsePen(PS_SOLID, 1);
    SelectObject(dc, brush);
  }
  void TearDown() override {
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(pen);
    DeleteObject(brush);
  }
  void Clear() {
    const RECT all{{0}, {0}, {kSize}, {kSize}};
    HBRUSH white = CreateSolidBrush(kWhite);
    FillRect(dc, &all, white);
    DeleteObject(white);
  }
  void UsePen(int style, int width, COLORREF color = kPen) {
    HPEN next = CreatePen(style, width, color);
    SelectObject(dc, next);
    if (pen) DeleteObject(pen);
    pen = next;
  }
  std::vector<std::string> Picture(int width = kSize, int height = kSize) {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
      std::string row;
      for (int x = 0; x < width; ++x) {
        const COLORREF c = GetPixel(dc, x, y);
        row += c == kWhite ? '.' : c == kPen ? 'P' : c == kBrush ? 'B' : c == kBack ? 'K' : '?';
      }
      rows.push_back(row);
    }
    return rows;
  }
  using Rows = std::vector<std::string>;
};

TEST_F(ShapesTest, RectanglePenInsideAndNullPenShrink) {
  Rectangle(dc, 1, 1, 6, 5);
  EXPECT_EQ(Picture(7, 6), (Rows{".......", ".PPPPP.", ".PBBBP.", ".PBBBP.", ".PPPPP.", "......."}));
  Clear();
  UsePen(PS_NULL, 1);
  Rectangle(dc, 1, 1, 6, 5);
  EXPECT_EQ(Picture(7, 6), (Rows{".......", ".BBBB..", ".BBBB..", ".BBBB..", ".......", "......."}));
}

TEST_F(ShapesTest, RectangleInvertedCornersAreNormalised) {
  // The one-pixel corner mark drawn with its corners given top-right first.
  Rectangle(dc, 4, 1, 5, 0);
  EXPECT_EQ(Picture(6, 2), (Rows{"....P.", "......"}));
  Clear();
  Rectangle(dc, 6, 5, 1, 1);
  EXPECT_EQ(Picture(7, 6)[1], ".PPPPP.");
  EXPECT_EQ(Picture(7, 6)[4], ".PPPPP.");
}

TEST_F(ShapesTest, WidePenIsCentredAndInsideFrameStaysIn) {
  UsePen(PS_SOLID, 2);
  Rectangle(dc, 2, 2, 8, 8);
  // Width 2 reaches one pixel outside the box on each side, symmetrically.
  EXPECT_EQ(Picture(10, 10), (Rows{"..........", ".PPPPPPPP.", ".PPPPPPPP.", ".PPBBBBPP.", ".PPBBBBPP.",
                                   ".PPBBBBPP.", ".PPBBBBPP.", ".PPPPPPPP.", ".PPPPPPPP.", ".........."}));
  Clear();
  UsePen(PS_INSIDEFRAME, 2);
  Rectangle(dc, 2, 2, 8, 8);
  const Rows inside = Picture(10, 10);
  EXPECT_EQ(inside[1], "..........");
  EXPECT_EQ(inside[2], "..PPPPPP..");
  EXPECT_EQ(inside[4], "..PPBBPP..");
}

TEST_F(ShapesTest, LinesLeaveOutTheirEndPoint) {
  MoveToEx(dc, 1, 1, nullptr);
  LineTo(dc, 5, 1);
  POINT pos;
  GetCurrentPositionEx(dc, &pos);
  EXPECT_EQ(pos.x, 5);
  EXPECT_EQ(pos.y, 1);
  EXPECT_EQ(Picture(7, 2)[1], ".PPPP..");
  // A closed frame drawn with XOR: a pixel drawn twice would vanish.
  Clear();
  SetROP2(dc, R2_XORPEN);
  UsePen(PS_SOLID, 1, kPen ^ kWhite);
  const POINT frame[] = {{{1}, {1}}, {{5}, {1}}, {{5}, {4}}, {{1}, {4}}, {{1}, {1}}};
  Polyline(dc, frame, 5);
  EXPECT_EQ(Picture(7, 6), (Rows{".......", ".PPPPP.", ".P...P.", ".P...P.", ".PPPPP.", "......."}));
  SetROP2(dc, R2_COPYPEN);
}

TEST_F(ShapesTest, DottedPenGapsFollowBackgroundMode) {
  UsePen(PS_DOT, 1);
  SetBkColor(dc, kBack);
  SetBkMode(dc, OPAQUE);
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, 12, 0);
  EXPECT_EQ(Picture(12, 1)[0], "PPPKKKPPPKKK");
  SetBkMode(dc, TRANSPARENT);
  MoveToEx(dc, 0, 1, nullptr);
  LineTo(dc, 12, 1);
  EXPECT_EQ(Picture(12, 2)[1], "PPP...PPP...");
}

TEST_F(ShapesTest, EllipseWithAndWithoutPen) {
  Ellipse(dc, 0, 0, 6, 6);
  // A one-pixel outline steps diagonally round the corners.
  EXPECT_EQ(Picture(7, 7), (Rows{".PPPP..", "PBBBBP.", "PBBBBP.", "PBBBBP.", "PBBBBP.", ".PPPP..", "......."}));
  Clear();
  UsePen(PS_NULL, 1);
  Ellipse(dc, 6, 6, 0, 0);  // inverted box, no pen: one pixel short on the right and bottom
  EXPECT_EQ(Picture(7, 7), (Rows{".BBB...", "BBBBB..", "BBBBB..", "BBBBB..", ".BBB...", ".......", "......."}));
}

TEST_F(ShapesTest, PolygonFillLeavesRightAndBottomEdgesToThePen) {
  const POINT square[] = {{{1}, {1}}, {{5}, {1}}, {{5}, {4}}, {{1}, {4}}};
  UsePen(PS_NULL, 1);
  Polygon(dc, square, 4);
  EXPECT_EQ(Picture(7, 6), (Rows{".......", ".BBBB..", ".BBBB..", ".BBBB..", ".......", "......."}));
  Clear();
  UsePen(PS_SOLID, 1);
  Polygon(dc, square, 4);
  EXPECT_EQ(Picture(7, 6), (Rows{".......", ".PPPPP.", ".PBBBP.", ".PBBBP.", ".PPPPP.", "......."}));
  // With a clear brush only the outline.
  Clear();
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  Polygon(dc, square, 4);
  EXPECT_EQ(Picture(7, 6)[2], ".P...P.");
  SelectObject(dc, brush);
}

TEST_F(ShapesTest, ArcAndPieHalves) {
  // From the top to the bottom counter-clockwise: the left half.
  Arc(dc, 0, 0, 10, 10, 5, 0, 5, 10);
  const Rows arc = Picture(10, 10);
  for (int y = 0; y < 10; ++y) EXPECT_EQ(arc[y].substr(5), ".....") << y;
  EXPECT_EQ(arc[5][0], 'P');
  Clear();
  Pie(dc, 0, 0, 10, 10, 5, 0, 5, 10);
  const Rows pie = Picture(10, 10);
  EXPECT_EQ(pie[5][2], 'B');
  EXPECT_EQ(pie[5][7], '.');
  EXPECT_EQ(pie[5][0], 'P');
  // Start and end on one radial: the whole ellipse, as Ellipse outlines it.
  Clear();
  Arc(dc, 0, 0, 10, 10, 10, 5, 10, 5);
  const Rows whole = Picture(10, 10);
  Clear();
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  Ellipse(dc, 0, 0, 10, 10);
  EXPECT_EQ(Picture(10, 10), whole);
  SelectObject(dc, brush);
}

TEST_F(ShapesTest, RoundRectCorners) {
  UsePen(PS_NULL, 1);
  RoundRect(dc, 0, 0, 9, 7, 4, 4);
  const Rows r = Picture(9, 7);
  EXPECT_EQ(r[0], ".BBBBBB..");
  EXPECT_EQ(r[1], "BBBBBBBB.");
  EXPECT_EQ(r[5], ".BBBBBB..");
  EXPECT_EQ(r[6], ".........");
}

TEST_F(ShapesTest, ClipRegionLimitsFillsAndShapes) {
  HRGN clip = CreateRectRgn(2, 2, 6, 6);
  EXPECT_EQ(SelectClipRgn(dc, clip), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(dc, 3, 3, 5, 5), COMPLEXREGION);
  RECT box;
  EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
  EXPECT_EQ(TRect(box), TRect(2, 2, 6, 6));
  HBRUSH blue = CreateSolidBrush(kPen);
  const RECT all{{0}, {0}, {kSize}, {kSize}};
  FillRect(dc, &all, blue);
  SelectClipRgn(dc, nullptr);
  EXPECT_EQ(Picture(7, 7), (Rows{".......", ".......", "..PPPP.", "..P..P.", "..P..P.", "..PPPP.", "......."}));
  // The DC kept a copy: changing the region afterwards changes nothing.
  SetRectRgn(clip, 0, 0, 1, 1);
  IntersectClipRect(dc, 0, 0, 3, 3);
  HRGN got = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(dc, got), 1);
  RECT gotBox;
  EXPECT_EQ(GetRgnBox(got, &gotBox), SIMPLEREGION);
  EXPECT_EQ(TRect(gotBox), TRect(0, 0, 3, 3));
  SelectClipRgn(dc, nullptr);
  EXPECT_EQ(GetClipRgn(dc, got), 0);
  // Selecting a region object clips as SelectClipRgn does.
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(SelectObject(dc, clip)), static_cast<std::uintptr_t>(SIMPLEREGION));
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(TRect(box), TRect(0, 0, 1, 1));
  SelectClipRgn(dc, nullptr);
  DeleteObject(got);
  DeleteObject(blue);
  DeleteObject(clip);
}

TEST_F(ShapesTest, FrameRgnPaintsInsideTheBorder) {
  HRGN ring = CreateRectRgn(1, 1, 7, 6);
  HRGN hole = CreateRectRgn(3, 3, 5, 4);
  CombineRgn(ring, ring, hole, RGN_DIFF);
  HBRUSH red = CreateSolidBrush(kPen);
  FrameRgn(dc, ring, red, 1, 1);
  // The hole has a border of its own.
  EXPECT_EQ(Picture(8, 7), (Rows{"........", ".PPPPPP.", ".P.PP.P.", ".PP..PP.", ".P.PP.P.", ".PPPPPP.", "........"}));
  Clear();
  FillRgn(dc, ring, red);
  EXPECT_EQ(Picture(8, 7)[3], ".PP..PP.");
  InvertRgn(dc, ring);
  EXPECT_EQ(Picture(8, 7)[3], ".??..??.");
  DeleteObject(red);
  DeleteObject(hole);
  DeleteObject(ring);
}

// A figure far larger than the surface is built only where it can show:
// it returns at once, and what shows is what a surface large enough shows.
TEST_F(ShapesTest, FiguresFarLargerThanTheSurfaceDrawOnlyWhatShows) {
  // Boxes whose width still fits 32 bits.
  constexpr int kHuge = 1 << 29;
  Ellipse(dc, -kHuge, -kHuge, kHuge, kHuge);
  EXPECT_EQ(GetPixel(dc, 5, 5), kBrush);
  Pie(dc, -kHuge, -kHuge, kHuge, kHuge, kHuge, 0, -kHuge, 0);
  RoundRect(dc, -kHuge, -kHuge, kHuge, kHuge, 40, 40);
  Rectangle(dc, -kHuge, 3, kHuge, kHuge);
  Arc(dc, -kHuge, 6, kHuge, kHuge, 0, 0, 1, 0);
  EXPECT_EQ(GetPixel(dc, 5, 2), kBrush);
  EXPECT_EQ(GetPixel(dc, 5, 3), kPen) << "the top edge of the rectangle";

  // The same ellipse cut by the surface and drawn whole on a larger one.
  for (auto draw : {+[](HDC d, int o) { Ellipse(d, o - 9, o - 5, o + 15, o + 20); },
                    +[](HDC d, int o) { Pie(d, o - 9, o - 5, o + 15, o + 20, o + 15, o, o - 9, o); },
                    +[](HDC d, int o) { RoundRect(d, o - 9, o - 5, o + 15, o + 20, 12, 9); }}) {
    Clear();
    draw(dc, 0);
    RecordingDC large(3 * kSize, 3 * kSize);
    SelectObject(large.Handle(), pen);
    SelectObject(large.Handle(), brush);
    const RECT all{{0}, {0}, {3 * kSize}, {3 * kSize}};
    HBRUSH white = CreateSolidBrush(kWhite);
    FillRect(large.Handle(), &all, white);
    DeleteObject(white);
    draw(large.Handle(), kSize);
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        ASSERT_EQ(GetPixel(dc, x, y), GetPixel(large.Handle(), x + kSize, y + kSize)) << x << "," << y;
    SelectObject(large.Handle(), GetStockObject(BLACK_PEN));
    SelectObject(large.Handle(), GetStockObject(WHITE_BRUSH));
  }
}

TEST_F(ShapesTest, RecordedCallsCarryTheirArguments) {
  canvas.Clear();
  Rectangle(dc, 1, 2, 3, 4);
  const std::vector<POINT> sign{{{89}, {2}}, {{129}, {22}}, {{89}, {42}}};
  Polygon(dc, sign.data(), 3);
  Polyline(dc, sign.data(), 2);
  MoveToEx(dc, 0, 0, nullptr);
  PolylineTo(dc, sign.data() + 1, 2);
  const std::vector<POINT> two{{{0}, {0}}, {{4}, {0}}, {{0}, {4}}, {{1}, {1}}, {{5}, {1}}, {{1}, {5}}};
  const INT counts[] = {3, 3};
  PolyPolygon(dc, two.data(), counts, 2);
  // Points in logical units, whatever the mapping.
  SetWindowOrgEx(dc, 10, 10, nullptr);
  Polyline(dc, sign.data(), 2);
  SetWindowOrgEx(dc, 0, 0, nullptr);
  Polygon(dc, nullptr, 3);
  const auto calls = canvas.Calls();
  ASSERT_EQ(calls.size(), 7u);
  EXPECT_EQ(calls[0], AnsiString("Rectangle(1,2,3,4)"));
  EXPECT_EQ(calls[1], AnsiString("Polygon(89,2,129,22,89,42)")) << "its inner PolyPolygon is not logged again";
  EXPECT_EQ(calls[2], AnsiString("Polyline(89,2,129,22)"));
  EXPECT_EQ(calls[3], AnsiString("PolylineTo(129,22,89,42)"));
  EXPECT_EQ(calls[4], AnsiString("PolyPolygon(3,3;0,0,4,0,0,4,1,1,5,1,1,5)"));
  EXPECT_EQ(calls[5], AnsiString("Polyline(89,2,129,22)"));
  EXPECT_EQ(calls[6], AnsiString("Polygon(3)")) << "no points to read";
}

}  // namespace
