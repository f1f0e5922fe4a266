#include <cstdlib>
#include <set>
#include <utility>

#include "drawing_fixture.h"
#include "drawedge.h"

using namespace Vyrutils;
using Vyrgraph::TVyrBevelStyle;
using Vyrgraph::TVyrBorderStyle;
using Vyrgraph::TVyrButtonState;
using Vyrgraph::TVyrUserButtonStyle;

namespace {

constexpr TColor kGrey = 0x808080;
constexpr TColor kCanvas = 0x00FF00;

struct PixelWant {
  int x, y;
  TColor color;
};

}  // namespace

class FrameTest : public DrawingTest {};

TEST_F(FrameTest, Frame3DNothingToDrawLeavesPixelsAndRect) {
  struct Case {
    TVyrBevelStyle style;
    int width;
  } cases[] = {{TVyrBevelStyle::bvRaised, 0}, {TVyrBevelStyle::bvNone, 2}, {TVyrBevelStyle::bvShadow, 2}};
  for (const Case& c : cases) {
    auto bmp = MakeBitmap(6, 6, kCanvas);
    TRect r(0, 0, 6, 6);
    EXPECT_FALSE(VyrDrawFrame3D(bmp->GetCanvas(), r, c.style, clWhite, kGrey, c.width));
    EXPECT_EQ(r, TRect(0, 0, 6, 6));
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x) ASSERT_EQ(Px(bmp.get(), x, y), kCanvas) << int(c.style) << " at " << x << "," << y;
  }
}

TEST_F(FrameTest, Frame3DStylesPaintTheirColoursAndShrink) {
  struct Case {
    TVyrBevelStyle style;
    int size;
    TRect after;
    std::vector<PixelWant> pixels;
  } cases[] = {
      {TVyrBevelStyle::bvRaised, 4, TRect(1, 1, 3, 3),
       {{0, 0, clWhite}, {0, 1, clWhite}, {0, 2, clWhite}, {0, 3, clWhite}, {1, 0, clWhite}, {2, 0, clWhite},
        {3, 0, kGrey}, {3, 1, kGrey}, {3, 2, kGrey}, {3, 3, kGrey}, {1, 3, kGrey}, {2, 3, kGrey}, {1, 1, kCanvas}}},
      {TVyrBevelStyle::bvNormal, 4, TRect(1, 1, 3, 3), {{0, 0, clBlack}, {0, 3, clBlack}, {3, 0, clBlack}, {3, 3, clBlack}}},
      {TVyrBevelStyle::bvLowered, 4, TRect(1, 1, 3, 3), {{0, 0, kGrey}, {3, 3, clWhite}}},
      {TVyrBevelStyle::bvFrameLowered, 6, TRect(2, 2, 4, 4),
       {{0, 0, kGrey}, {4, 4, kGrey}, {1, 1, clWhite}, {5, 5, clWhite}, {5, 0, kCanvas}}},
  };
  for (const Case& c : cases) {
    auto bmp = MakeBitmap(c.size, c.size, kCanvas);
    TRect r(0, 0, c.size, c.size);
    EXPECT_TRUE(VyrDrawFrame3D(bmp->GetCanvas(), r, c.style, clWhite, kGrey, 1));
    EXPECT_EQ(r, c.after) << int(c.style);
    for (const PixelWant& p : c.pixels)
      EXPECT_EQ(Px(bmp.get(), p.x, p.y), p.color) << int(c.style) << " at " << p.x << "," << p.y;
  }
}

TEST_F(FrameTest, WideRaisedFrameFillsBothTriangles) {
  auto bmp = MakeBitmap(10, 10, kCanvas);
  TRect r(0, 0, 10, 10);
  VyrDrawFrame3D(bmp->GetCanvas(), r, TVyrBevelStyle::bvRaised, clWhite, kGrey, 3);
  EXPECT_EQ(r, TRect(3, 3, 7, 7));
  EXPECT_EQ(Px(bmp.get(), 1, 1), clWhite);
  EXPECT_EQ(Px(bmp.get(), 8, 8), kGrey);
  EXPECT_EQ(Px(bmp.get(), 5, 5), kCanvas);
}

TEST_F(FrameTest, BorderColoursItsTwoCorners) {
  auto bmp = MakeBitmap(4, 4, kCanvas);
  VyrDrawBorder(bmp->GetCanvas(), TRect(0, 0, 4, 4), clRed, clBlue);
  EXPECT_EQ(Px(bmp.get(), 0, 0), clRed);
  EXPECT_EQ(Px(bmp.get(), 0, 3), clRed);
  EXPECT_EQ(Px(bmp.get(), 3, 0), clBlue);
  EXPECT_EQ(Px(bmp.get(), 3, 3), clBlue);
  EXPECT_EQ(Px(bmp.get(), 1, 1), kCanvas);
}

TEST_F(FrameTest, TrianglesCoverTheirRowsExactly) {
  using Pixels = std::set<std::pair<int, int>>;
  auto painted = [&](int size, bool down) {
    auto bmp = MakeBitmap(40, 40, clWhite);
    VyrDrawTriangle(bmp->GetCanvas(), 5, 5, size, clBlack, down, true);
    Pixels out;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x)
        if (Px(bmp.get(), x, y) == clBlack) out.insert({x - 5, y - 5});
    return out;
  };
  EXPECT_EQ(painted(3, true), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {1, 1}, {2, 1}, {3, 1}, {2, 2}}));
  EXPECT_EQ(painted(3, false), (Pixels{{1, 0}, {0, 1}, {1, 1}, {2, 1}, {-1, 2}, {0, 2}, {1, 2}, {2, 2}, {3, 2}}));
  EXPECT_TRUE(painted(1, true).empty());
  EXPECT_TRUE(painted(16, false).empty());
}

TEST_F(FrameTest, StandardFramesMakeTheirEdgeCalls) {
  struct Case {
    TVyrBorderStyle style;
    std::vector<AnsiString> calls;
    TRect after;
  } cases[] = {
      {TVyrBorderStyle::lsNone, {}, TRect(0, 0, 20, 20)},
      {TVyrBorderStyle::lsSingle, {"DrawEdge(0,0,20,20,2,12291)", "DrawEdge(1,1,20,20,1,12)"}, TRect(1, 1, 20, 20)},
      {TVyrBorderStyle::lsLowered, {"DrawEdge(0,0,20,20,10,12303)"}, TRect(2, 2, 18, 18)},
      {TVyrBorderStyle::lsRaised, {"DrawEdge(0,0,20,20,5,12303)"}, TRect(2, 2, 18, 18)},
      {TVyrBorderStyle::lsRaisedspb, {"DrawEdge(0,0,20,20,1,12303)", "DrawEdge(1,1,19,19,4,8204)"}, TRect(1, 1, 18, 18)},
      {TVyrBorderStyle::lsLoweredspb, {"DrawEdge(0,0,20,20,2,8207)", "DrawEdge(1,1,19,19,8,8195)"}, TRect(2, 2, 19, 19)},
      {TVyrBorderStyle::lsRaisedExt, {"DrawEdge(0,0,20,20,1,12303)", "DrawEdge(1,1,19,19,4,8204)"}, TRect(2, 2, 18, 18)},
      {TVyrBorderStyle::lsLoweredExt, {"DrawEdge(0,0,20,20,2,8207)", "DrawEdge(1,1,19,19,8,8195)"}, TRect(2, 2, 18, 18)},
      {TVyrBorderStyle::lsFrameInset, {"DrawEdge(0,0,20,20,6,8207)"}, TRect(2, 2, 18, 18)},
      {TVyrBorderStyle::lsFrameOffset, {"DrawEdge(0,0,20,20,4,8207)", "DrawEdge(1,1,19,19,2,8207)"}, TRect(2, 2, 18, 18)},
      {TVyrBorderStyle::lsWindowBorder, {"DrawEdge(0,0,20,20,1,8204)", "DrawEdge(1,1,19,19,4,8207)"}, TRect(2, 2, 18, 18)},
      {TVyrBorderStyle::lsSingleRaised, {"DrawEdge(0,0,20,20,4,8207)"}, TRect(1, 1, 19, 19)},
      {TVyrBorderStyle::lsSingleLowered, {"DrawEdge(0,0,20,20,2,8207)"}, TRect(1, 1, 19, 19)},
      {TVyrBorderStyle::lsDoubleRaised, {"DrawEdge(0,0,20,20,4,8207)", "DrawEdge(1,1,19,19,4,8207)"}, TRect(2, 2, 18, 18)},
      {TVyrBorderStyle::lsDoubleLowered, {"DrawEdge(0,0,20,20,2,8207)", "DrawEdge(1,1,19,19,2,8207)"}, TRect(2, 2, 18, 18)},
  };
  for (const Case& c : cases) {
    RecordingDC rec(20, 20);
    TCanvas canvas;
    canvas.SetHandle(rec.Handle());
    TRect r(0, 0, 20, 20);
    EXPECT_TRUE(VyrDrawStdFrame(&canvas, r, c.style, 0));
    EXPECT_EQ(CallsNamed(rec.Calls(), "DrawEdge"), c.calls) << int(c.style);
    EXPECT_EQ(r, c.after) << int(c.style);
    canvas.SetHandle(nullptr);
  }
  EXPECT_EQ(VyrDrawStdFrameExt(TVyrBorderStyle::lsNone), 0);
  EXPECT_EQ(VyrDrawStdFrameExt(TVyrBorderStyle::lsSingle), 1);
  EXPECT_EQ(VyrDrawStdFrameExt(TVyrBorderStyle::lsLowered), 2);
}

TEST_F(FrameTest, StandardFramesAddTheCallersFlagsToTheirEdgesButSome) {
  // Per edge call: whether BF_MIDDLE given by the caller reaches it.
  struct Case {
    TVyrBorderStyle style;
    std::vector<bool> takesFlags;
  } cases[] = {
      {TVyrBorderStyle::lsSingle, {true, false}},       {TVyrBorderStyle::lsLowered, {true}},
      {TVyrBorderStyle::lsRaised, {true}},              {TVyrBorderStyle::lsRaisedspb, {true, false}},
      {TVyrBorderStyle::lsLoweredspb, {true, true}},    {TVyrBorderStyle::lsRaisedExt, {true, false}},
      {TVyrBorderStyle::lsLoweredExt, {true, false}},   {TVyrBorderStyle::lsFrameInset, {true}},
      {TVyrBorderStyle::lsFrameOffset, {true, true}},   {TVyrBorderStyle::lsWindowBorder, {true, true}},
      {TVyrBorderStyle::lsSingleRaised, {true}},        {TVyrBorderStyle::lsSingleLowered, {true}},
      {TVyrBorderStyle::lsDoubleRaised, {true, true}},  {TVyrBorderStyle::lsDoubleLowered, {true, true}},
  };
  auto edgeFlags = [](TVyrBorderStyle style, std::uint16_t flags) {
    RecordingDC rec(20, 20);
    TCanvas canvas;
    canvas.SetHandle(rec.Handle());
    TRect r(0, 0, 20, 20);
    VyrDrawStdFrame(&canvas, r, style, flags);
    canvas.SetHandle(nullptr);
    std::vector<long> out;
    for (const AnsiString& call : CallsNamed(rec.Calls(), "DrawEdge")) {
      const std::string text = call.c_str();
      out.push_back(std::strtol(text.c_str() + text.rfind(',') + 1, nullptr, 10));
    }
    return out;
  };
  for (const Case& c : cases) {
    const auto plain = edgeFlags(c.style, 0), middle = edgeFlags(c.style, BF_MIDDLE);
    ASSERT_EQ(plain.size(), c.takesFlags.size()) << int(c.style);
    ASSERT_EQ(middle.size(), c.takesFlags.size()) << int(c.style);
    for (std::size_t i = 0; i < plain.size(); ++i)
      EXPECT_EQ(middle[i] - plain[i], c.takesFlags[i] ? BF_MIDDLE : 0) << int(c.style) << " call " << i;
  }
}

TEST_F(FrameTest, StandardFrameAddsTheCallersFlagsAndAcceptsUnknownStyles) {
  RecordingDC rec(20, 20);
  TCanvas canvas;
  canvas.SetHandle(rec.Handle());
  TRect r(0, 0, 20, 20);
  VyrDrawStdFrame(&canvas, r, TVyrBorderStyle::lsSingleLowered, BF_MIDDLE);
  EXPECT_EQ(CallsNamed(rec.Calls(), "DrawEdge"), std::vector<AnsiString>{"DrawEdge(0,0,20,20,2,10255)"});
  rec.Clear();
  EXPECT_TRUE(VyrDrawStdFrame(&canvas, r, static_cast<TVyrBorderStyle>(15), 0));
  EXPECT_TRUE(CallsNamed(rec.Calls(), "DrawEdge").empty());
  canvas.SetHandle(nullptr);
}

TEST_F(FrameTest, ButtonFaceContentAreas) {
  struct Case {
    TVyrUserButtonStyle style;
    TVyrButtonState state;
    std::uint16_t flags;
    TRect content;
  } cases[] = {
      {TVyrUserButtonStyle::ubsWin40, TVyrButtonState::bsUp, 0x04, TRect(3, 3, 37, 17)},
      {TVyrUserButtonStyle::ubsWin40, TVyrButtonState::bsDown, 0x04, TRect(4, 4, 38, 18)},
      {TVyrUserButtonStyle::ubsWin40, TVyrButtonState::bsUp, 0x24, TRect(4, 4, 36, 16)},
      {TVyrUserButtonStyle::ubsKorvel, TVyrButtonState::bsOptionSet, 0x00, TRect(4, 4, 38, 18)},
  };
  for (const Case& c : cases) {
    auto bmp = MakeBitmap(40, 20);
    TRect r(0, 0, 40, 20);
    EXPECT_TRUE(VyrDrawBtnFace(bmp->GetCanvas(), false, r, c.style, c.state, c.flags, clBtnFace));
    EXPECT_EQ(r, c.content) << int(c.style) << "/" << int(c.state) << "/" << c.flags;
  }
}

TEST_F(FrameTest, AutoDetectDrawsAsWin40) {
  auto draw = [&](TVyrUserButtonStyle style) {
    auto bmp = MakeBitmap(40, 20);
    TRect r(0, 0, 40, 20);
    VyrDrawBtnFace(bmp->GetCanvas(), false, r, style, TVyrButtonState::bsUp, 0x04, clBtnFace);
    std::vector<TColor> pixels;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 40; ++x) pixels.push_back(Px(bmp.get(), x, y));
    return pixels;
  };
  EXPECT_EQ(draw(TVyrUserButtonStyle::ubsAutoDetect), draw(TVyrUserButtonStyle::ubsWin40));
}

TEST_F(FrameTest, OptionSetFaceIsFilledWithTheCheckerboard) {
  auto bmp = MakeBitmap(40, 20, clRed);
  TRect r(0, 0, 40, 20);
  VyrDrawBtnFace(bmp->GetCanvas(), false, r, TVyrUserButtonStyle::ubsWin40, TVyrButtonState::bsOptionSet, 0x04, clBtnFace);
  // Inside the frame the two squares of the brush bitmap alternate.
  const TColor a = Px(bmp.get(), 10, 10), b = Px(bmp.get(), 11, 10);
  EXPECT_NE(a, b);
  EXPECT_EQ(Px(bmp.get(), 11, 11), a);
  EXPECT_TRUE(a == Rgb(clBtnFace) || b == Rgb(clBtnFace));
}
