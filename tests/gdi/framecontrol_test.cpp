#include <gtest/gtest.h>

#include <vector>

#include "memory_dc.h"

namespace {

constexpr COLORREF kOlive = RGB(128, 128, 0);

int CountColour(const MemoryDC& dc, int w, int h, COLORREF c) {
  int n = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) n += dc.At(x, y) == c;
  return n;
}

TEST(FrameControl, RadioLeavesPixelsOutsideItsCircle) {
  MemoryDC dc(13, 13, kOlive);
  TRect r(0, 0, 13, 13);
  ASSERT_TRUE(DrawFrameControl(dc.dc(), &r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED));
  EXPECT_EQ(dc.At(0, 0), kOlive);
  EXPECT_EQ(dc.At(11, 11), kOlive);
  EXPECT_EQ(dc.At(12, 6), kOlive);
  EXPECT_EQ(dc.At(4, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(dc.At(5, 5), GetSysColor(COLOR_WINDOWTEXT));  // the dot
  EXPECT_EQ(dc.At(3, 3), GetSysColor(COLOR_WINDOW));
}

TEST(FrameControl, CheckBoxFramesAndCheckMark) {
  MemoryDC dc(13, 13, kOlive);
  TRect r(0, 0, 13, 13);
  DrawFrameControl(dc.dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK);
  EXPECT_EQ(CountColour(dc, 13, 13, kOlive), 0);  // the box covers its cell
  EXPECT_EQ(dc.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(dc.At(12, 12), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(dc.At(1, 1), GetSysColor(COLOR_3DDKSHADOW));
  for (int y = 2; y < 11; ++y)
    for (int x = 2; x < 11; ++x) ASSERT_EQ(dc.At(x, y), GetSysColor(COLOR_WINDOW)) << x << "," << y;  // no mark
  DrawFrameControl(dc.dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  EXPECT_EQ(dc.At(3, 5), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(dc.At(9, 3), GetSysColor(COLOR_WINDOWTEXT));
  DrawFrameControl(dc.dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE);
  EXPECT_EQ(dc.At(3, 5), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(dc.At(5, 3), GetSysColor(COLOR_BTNFACE));
}

// The one push-button face of the program (message box, TButton): up, a
// raised edge round the button face; pushed, a sunken one; inactive, the
// same face (only the caption greys).
TEST(FrameControl, PushButtonFaceUpPushedAndInactive) {
  struct Case {
    UINT state;
    COLORREF topLeft, bottomRight, second;  // (0,0), (w-1,h-1), (1,1)
  };
  const COLORREF face = GetSysColor(COLOR_BTNFACE), shadow = GetSysColor(COLOR_BTNSHADOW);
  const Case cases[] = {
      {0, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT)},
      {DFCS_INACTIVE, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT)},
      {DFCS_PUSHED, shadow, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW)},
  };
  for (const Case& c : cases) {
    MemoryDC dc(20, 12, kOlive);
    TRect r(0, 0, 20, 12);
    ASSERT_TRUE(DrawFrameControl(dc.dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | c.state));
    EXPECT_EQ(dc.At(0, 0), c.topLeft) << c.state;
    EXPECT_EQ(dc.At(19, 11), c.bottomRight) << c.state;
    EXPECT_EQ(dc.At(1, 1), c.second) << c.state;
    EXPECT_EQ(dc.At(10, 6), face) << c.state;
    EXPECT_EQ(CountColour(dc, 20, 12, kOlive), 0) << c.state;
    EXPECT_EQ(r, TRect(2, 2, 18, 10)) << c.state;  // the face inside the edge
  }
}

// Three ridges across the corner, each a light line above two dark ones,
// and nothing else touched.
TEST(FrameControl, SizeGripRidgesInTheCorner) {
  MemoryDC dc(16, 16, kOlive);
  TRect r(0, 0, 16, 16);
  ASSERT_TRUE(DrawFrameControl(dc.dc(), &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP));
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  // Along the bottom row, from the left: light, dark, dark, then the next ridge.
  const int row = 15;
  const COLORREF expected[16] = {kOlive, kOlive, kOlive, kOlive, light, dark, dark, kOlive,
                                 light,  dark,   dark,   kOlive, light, dark, dark, kOlive};
  for (int x = 0; x < 16; ++x) EXPECT_EQ(dc.At(x, row), expected[x]) << x;
  EXPECT_EQ(dc.At(15, 4), light);  // the far ridge reaches up the right side
  EXPECT_EQ(dc.At(15, 3), kOlive);
  EXPECT_EQ(dc.At(3, 3), kOlive);
  EXPECT_EQ(CountColour(dc, 16, 16, light), 12 + 8 + 4);
}

// The close mark of each caption button the frames draw: the small caption's
// 10 x 10 (a 6 x 6 face inside the raised edge), the normal caption's and
// message box's 16 x 14, and that one pushed (the mark one pixel down and
// right). The maps cover the face; '#' is the mark, '.' the face colour.
TEST(FrameControl, CloseButtonCrossPerButtonSize) {
  struct Case {
    int width, height;
    UINT state;
    std::vector<const char*> face;
  };
  const Case cases[] = {
      {10, 10, 0, {"......", ".#..#.", "..##..", "..##..", ".#..#.", "......"}},
      {16,
       14,
       0,
       {"............", "............", "...##..##...", "....####....", ".....##.....", "....####....", "...##..##...",
        "............", "............", "............"}},
      {16,
       14,
       DFCS_PUSHED,
       {"............", "............", "............", "....##..##..", ".....####...", "......##....", ".....####...",
        "....##..##..", "............", "............"}},
  };
  const COLORREF mark = GetSysColor(COLOR_BTNTEXT), face = GetSysColor(COLOR_BTNFACE);
  for (const Case& c : cases) {
    MemoryDC dc(c.width, c.height, kOlive);
    TRect r(0, 0, c.width, c.height);
    ASSERT_TRUE(DrawFrameControl(dc.dc(), &r, DFC_CAPTION, DFCS_CAPTIONCLOSE | c.state));
    for (int y = 0; y < static_cast<int>(c.face.size()); ++y)
      for (int x = 0; c.face[y][x]; ++x)
        ASSERT_EQ(dc.At(x + 2, y + 2), c.face[y][x] == '#' ? mark : face)
            << c.width << "x" << c.height << " state " << c.state << " at " << x << "," << y;
  }
}

TEST(Recording, LogsOutermostCallsWithTheirArguments) {
  RecordingDC rec(20, 20);
  TRect r(1, 2, 30, 40);
  FillRect(rec.Handle(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(GetPixel(rec.Handle(), 1, 2), RGB(0, 0, 0));  // it draws too
  TRect e(0, 0, 10, 10);
  DrawEdge(rec.Handle(), &e, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  PatBlt(rec.Handle(), 0, 0, 5, 5, PATCOPY);
  const auto calls = rec.Calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0], "FillRect(1,2,30,40)");
  EXPECT_EQ(calls[1], AnsiString("DrawEdge(0,0,10,10,5,") + AnsiString(BF_RECT | BF_MIDDLE) + ")");
  EXPECT_EQ(calls[2], AnsiString("PatBlt(0,0,5,5,") + AnsiString(static_cast<long long>(PATCOPY)) + ")");
  rec.Clear();
  StopRecording(rec.Handle());
  PatBlt(rec.Handle(), 0, 0, 5, 5, PATCOPY);
  EXPECT_TRUE(rec.Calls().empty());
}

}  // namespace
