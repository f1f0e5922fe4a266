#include <cstdlib>
#include <cstring>

#include "drawing_fixture.h"
#include "font.h"
#include "gdiobj.h"
#include "syscolors.h"
#include "text.h"
#include "vyrgraph.h"

using namespace Vyrutils;
using Vyrgraph::TVyr3DCaption;
using Vyrgraph::TVyrDisabledStyle;
using Vyrgraph::TVyrDrawTextStyle;
using Vyrgraph::TVyrFxCaption;
using Vyrgraph::TVyrThreeDStyle;

namespace {

// The top-left of each logged DrawText, or the point of each ExtTextOut.
std::vector<TPoint> TextPlaces(const std::vector<AnsiString>& Calls) {
  std::vector<TPoint> out;
  for (const AnsiString& c : Calls) {
    if (c.Pos("DrawText(") != 1 && c.Pos("ExtTextOut(") != 1) continue;
    const std::string s = c.c_str();
    const bool draw = c.Pos("DrawText(") == 1;
    // DrawText("text",l,t,r,b,flags) / ExtTextOut(x,y,"text",options)
    const std::size_t numbers = draw ? s.find("\",") + 2 : s.find('(') + 1;
    char* end = nullptr;
    const long x = std::strtol(s.c_str() + numbers, &end, 10);
    const long y = std::strtol(end + 1, nullptr, 10);
    out.push_back(TPoint(static_cast<int>(x), static_cast<int>(y)));
  }
  return out;
}

}  // namespace

class TextDrawTest : public DrawingTest {
 protected:
  void SetUp() override {
    canvas.SetHandle(rec.Handle());
    canvas.GetFont()->SetName("Arial");
    canvas.GetFont()->SetSize(10);
  }
  void TearDown() override { canvas.SetHandle(nullptr); }

  std::vector<TPoint> Draw(TVyr3DCaption& Caption, TVyrDrawTextStyles Styles = {TVyrDrawTextStyle::dtEnabled}) {
    rec.Clear();
    VyrDrawTextExt(&canvas, "Hi", &Caption, TRect(10, 10, 100, 40), 0, Styles, nullptr);
    return TextPlaces(rec.Calls());
  }

  RecordingDC rec{120, 60};
  TCanvas canvas;
};

TEST_F(TextDrawTest, CopiesOfEachStyleInOrder) {
  struct Case {
    TVyrThreeDStyle style;
    std::vector<int> offsets;  // each copy's move from the rect's corner
  } cases[] = {
      {TVyrThreeDStyle::tdNone, {0}},
      {TVyrThreeDStyle::tdSunken, {1, 0}},
      {TVyrThreeDStyle::tdRaised, {0, 1}},
      {TVyrThreeDStyle::tdSunkenShadow, {0, 3, 2}},
      {TVyrThreeDStyle::tdRaisedShadow, {3, 0, 1}},
      {TVyrThreeDStyle::tdShadow, {2, 0}},
  };
  for (const Case& c : cases) {
    TVyr3DCaption caption;
    caption.SetLightDepth(1);
    caption.SetShadowDepth(2);
    caption.SetStyle(c.style);
    std::vector<TPoint> want;
    for (int o : c.offsets) want.push_back(TPoint(10 + o, 10 + o));
    EXPECT_EQ(Draw(caption), want) << int(c.style);
  }
}

TEST_F(TextDrawTest, DisabledCaptions) {
  TVyr3DCaption caption;
  caption.SetStyle(TVyrThreeDStyle::tdShadow);
  caption.SetShadowDepth(2);
  caption.SetDisabledStyle(TVyrDisabledStyle::dsStandard);
  EXPECT_EQ(Draw(caption, {}).size(), 2u) << "dsStandard keeps the style";
  caption.SetDisabledStyle(TVyrDisabledStyle::ds3d);
  EXPECT_EQ(Draw(caption, {}), (std::vector<TPoint>{TPoint(11, 11), TPoint(10, 10)})) << "ds3d draws sunken";
}

TEST_F(TextDrawTest, FaceColoursOnPixels) {
  // A thick face on a bitmap: the face copy of tdNone is the font colour,
  // disabled it is grey.
  for (bool enabled : {true, false}) {
    auto bmp = MakeBitmap(60, 30, clWhite);
    TCanvas* c = bmp->GetCanvas();
    c->GetFont()->SetName("Arial");
    c->GetFont()->SetSize(20);
    c->GetFont()->SetColor(clRed);
    TVyr3DCaption caption;
    caption.SetDisabledStyle(TVyrDisabledStyle::dsStandard);
    VyrDrawTextExt(c, "\xE2\x96\x88", &caption, TRect(0, 0, 60, 30), 0,
                   enabled ? TVyrDrawTextStyles{TVyrDrawTextStyle::dtEnabled} : TVyrDrawTextStyles{}, nullptr);
    bool sawFace = false;
    const TColor want = enabled ? clRed : Rgb(clGrayText);
    for (int y = 0; y < 30 && !sawFace; ++y)
      for (int x = 0; x < 60 && !sawFace; ++x) sawFace = Px(bmp.get(), x, y) == want;
    EXPECT_TRUE(sawFace) << enabled;
  }
}

TEST_F(TextDrawTest, RotatedCaptionLeavesItsTurnedFont) {
  TVyrFxCaption caption;
  caption.SetAngle(45);
  const auto places = Draw(caption);
  ASSERT_EQ(places.size(), 1u);
  EXPECT_EQ(CallsNamed(rec.Calls(), "ExtTextOut").size(), 1u);
  LOGFONT lf;
  GetObject(canvas.GetFont()->GetHandle(), sizeof lf, &lf);
  EXPECT_EQ(lf.lfEscapement, 450);
}

TEST_F(TextDrawTest, ClipOfTheCallerSurvives) {
  IntersectClipRect(rec.Handle(), 5, 5, 90, 50);
  RECT before{}, after{};
  GetClipBox(rec.Handle(), &before);
  TVyr3DCaption caption;
  const TRect clip(20, 20, 30, 30);
  VyrDrawTextExt(&canvas, "Hi", &caption, TRect(10, 10, 100, 40), 0,
                 {TVyrDrawTextStyle::dtEnabled, TVyrDrawTextStyle::dtClip}, &clip);
  GetClipBox(rec.Handle(), &after);
  EXPECT_EQ(TRect(after), TRect(before));
}

TEST_F(TextDrawTest, MeasuringBlanksAndBorder) {
  TVyr3DCaption caption;
  TRect blank(0, 0, 200, 0), empty(0, 0, 200, 0), amp(0, 0, 200, 0);
  VyrDrawTextCalcExt(&canvas, " ", &caption, blank, nullptr, false, true, 0, 0);
  VyrDrawTextCalcExt(&canvas, "", &caption, empty, nullptr, false, true, 0, 0);
  VyrDrawTextCalcExt(&canvas, "&", &caption, amp, nullptr, false, true, 0, 0);
  EXPECT_EQ(empty, blank);
  EXPECT_EQ(amp, blank);
  TRect bordered(0, 0, 200, 0);
  VyrDrawTextCalcExt(&canvas, " ", &caption, bordered, nullptr, false, true, 3, 0);
  EXPECT_EQ(bordered.Width(), blank.Width() + 6);
  EXPECT_EQ(bordered.Height(), blank.Height() + 6);
}

TEST_F(TextDrawTest, RotatedMeasureAtRightAngle) {
  // A font size and text whose extent is even both ways.
  SIZE size{};
  AnsiString text;
  for (int points = 8; points <= 24 && text.IsEmpty(); ++points) {
    canvas.GetFont()->SetSize(points);
    for (const char* t : {"HH", "HHH", "HHHH", "HHHHH"}) {
      GetTextExtentPoint32(canvas.GetHandle(), t, static_cast<int>(std::strlen(t)), &size);
      if (size.cx % 2 == 0 && size.cy % 2 == 0) {
        text = t;
        break;
      }
    }
  }
  ASSERT_FALSE(text.IsEmpty());
  TVyrFxCaption caption;
  caption.SetAngle(90);
  TRect r;
  VyrDrawTextCalcExt(&canvas, text, &caption, r, nullptr, false, false, 0, 0);
  EXPECT_EQ(caption.GetPosX(), 0);
  EXPECT_EQ(caption.GetPosY(), size.cx);
  EXPECT_EQ(r, TRect(0, 0, size.cy + 2, size.cx + 2));
}
