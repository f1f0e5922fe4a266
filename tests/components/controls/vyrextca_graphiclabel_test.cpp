// The graphic label: when a setter repaints, the pixels of plain and of
// pattern-filled letters, its automatic size, Assign and its form text.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "brush_class.h"
#include "controls_fixture.h"
#include "font_class.h"
#include "recording_dc.h"
#include "unitstartup.h"
#include "vyrextca.h"

using namespace Vyrextca;
using TA = TVyrTransLabelAttributes;
using Vyrgraph::TVyrBevelStyle;
using Vyrgraph::TVyrFillStyle;

namespace {

// Counts its paints and the bounds it is given.
class TLabelProbe : public TVyrGraphicLabel {
  MORVANT_COMPONENT(TLabelProbe, TVyrGraphicLabel)
 public:
  explicit TLabelProbe(TComponent* AOwner) : TVyrGraphicLabel(AOwner) {}
  void Paint() override {
    ++paints;
    TVyrGraphicLabel::Paint();
  }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override {
    ++boundsSet;
    TVyrGraphicLabel::SetBounds(ALeft, ATop, AWidth, AHeight);
  }
  int paints = 0;
  int boundsSet = 0;
};
void TLabelProbe::Publish(TPublisher<TLabelProbe>&) {}

class GraphicLabelTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrextca::Unit}};
  TForm* form = nullptr;
  void SetUp() override { form = NewForm(clWhite); }

  TLabelProbe* NewLabel(const char* Caption = "Grüße") {
    auto* label = Place<TLabelProbe>(form, 10, 10, 350, 48);
    label->SetColor(clWhite);
    label->GetFont()->SetColor(clBlue);
    label->SetCaption(Caption);
    app.pump();
    label->paints = 0;
    label->boundsSet = 0;
    return label;
  }
  static void RedFill(TVyrCustomGraphicLabel* Label) {
    Label->GetFillObject()->GetBrush()->SetStyle(bsSolid);
    Label->GetFillObject()->GetBrush()->SetColor(clRed);
    Label->GetFillObject()->SetStyle(TVyrFillStyle::sfBrush);
  }
  // The colours of the label's pixels, with their counts.
  static std::map<TColor, int> Colours(TControl* Control) {
    std::map<TColor, int> out;
    for (int y = 0; y < Control->GetHeight(); ++y)
      for (int x = 0; x < Control->GetWidth(); ++x) ++out[Shown(Control, x, y)];
    return out;
  }
  // The ExtTextOut calls while Change runs.
  static int LettersDrawnBy(TLabelProbe* Label, const std::function<void()>& Change) {
    HDC dc = Label->GetCanvas()->GetHandle();
    StartRecording(dc);
    ClearRecordedCalls(dc);
    Change();
    int n = 0;
    for (const AnsiString& call : RecordedCalls(dc)) n += call.Pos("ExtTextOut(") == 1;
    StopRecording(dc);
    return n;
  }
};

// ---- repaints ----

TEST_F(GraphicLabelTest, SettersRepaintOnlyWhereTheChangeShows) {
  TLabelProbe* label = NewLabel("A");
  label->SetTransform(TVyrTransLabelTypes::tmNone);
  label->SetTransAttr({});
  label->paints = 0;

  label->SetPerspectiveDepth(9);
  EXPECT_EQ(label->GetPerspectiveDepth(), 9);
  EXPECT_EQ(label->paints, 0) << "no perspective to show it";
  const int drawn = LettersDrawnBy(label, [&] { label->SetTransAttr({TA::taPerspective}); });
  EXPECT_EQ(label->paints, 1);
  EXPECT_EQ(drawn, 1 + 9) << "the face and nine depth copies";

  label->paints = 0;
  label->SetToggle(30);
  EXPECT_EQ(label->GetToggle(), 30);
  EXPECT_EQ(label->paints, 0);
  label->SetTransAttr({TA::taToggled});
  label->SetToggle(40);
  EXPECT_EQ(label->paints, 2);
  label->SetToggle(400);
  EXPECT_EQ(label->GetToggle(), 180) << "the toggle's range";

  label->paints = 0;
  label->SetFactor(50);
  EXPECT_EQ(label->paints, 1);
  label->paints = 0;
  label->SetFactor(50);
  label->SetTransform(TVyrTransLabelTypes::tmNone);
  label->SetTransAttr({TA::taToggled});
  label->SetPerspective(TVyrPerspective::tpBird);
  label->SetBrushBack(clBtnFace);
  label->SetInvertCaption(false);
  label->SetAutoSize(false);
  label->SetToggle(180);
  EXPECT_EQ(label->paints, 0) << "equal values";
}

// ---- pixels ----

TEST_F(GraphicLabelTest, PatternFilledLettersShowTheFillAndNoEdgeColours) {
  const TColor red = Rgb(clRed), white = Rgb(clWhite), black = Rgb(clBlack), blue = Rgb(clBlue);
  TLabelProbe* label = NewLabel();
  RedFill(label);
  app.pump();
  auto colours = Colours(label);
  EXPECT_EQ(colours.size(), 2u);
  EXPECT_GT(colours[red], 100);
  EXPECT_EQ(colours[red] + colours[white], 350 * 48);

  label->SetTransAttr({TA::taPerspective, TA::taAutoToggled});
  label->SetPerspectiveDepth(3);
  colours = Colours(label);
  EXPECT_EQ(colours.size(), 3u) << "red, black and white only";
  EXPECT_GT(colours[black], 0);
  EXPECT_GT(colours[red], 100);

  // Letters in the mask's ground would vanish: they take its inverse.
  label->SetTransAttr({TA::taAutoToggled});
  label->SetBrushBack(clBlue);
  colours = Colours(label);
  EXPECT_GT(colours[red], 100);
  EXPECT_EQ(colours[red] + colours[white], 350 * 48);

  label->GetFillObject()->SetStyle(TVyrFillStyle::sfNone);
  colours = Colours(label);
  EXPECT_GT(colours[blue], 100) << "the font's own colour";
  EXPECT_EQ(colours[red], 0);
}

TEST_F(GraphicLabelTest, AnEmptyCaptionPaintsOnlyTheBevel) {
  TLabelProbe* label = NewLabel("");
  label->GetBevel()->SetStyleOuter(TVyrBevelStyle::bvRaised);
  RedFill(label);
  app.pump();
  const int ext = label->BevelExt();
  ASSERT_GT(ext, 0);
  int frame = 0, inside = 0;
  for (int y = 0; y < label->GetHeight(); ++y)
    for (int x = 0; x < label->GetWidth(); ++x) {
      const bool onFrame = x < ext || y < ext || x >= label->GetWidth() - ext || y >= label->GetHeight() - ext;
      const bool ground = Shown(label, x, y) == Rgb(clWhite);
      (onFrame ? frame : inside) += !ground;
    }
  EXPECT_GT(frame, 0);
  EXPECT_EQ(inside, 0);
}

// ---- size and copies ----

TEST_F(GraphicLabelTest, AutoSizeTakesTheMeasuredBoxAndTheBevel) {
  TLabelProbe* label = NewLabel();
  label->GetBevel()->SetStyleOuter(TVyrBevelStyle::bvRaised);
  label->GetBevel()->SetStyleInner(TVyrBevelStyle::bvLowered);
  ASSERT_EQ(label->BevelExt(), 2);
  label->SetTransform(TVyrTransLabelTypes::tmHalfcircle);
  label->SetFactor(300);
  label->SetAutoSize(true);
  TRect R;
  Vyrgrlf::CalcSize(label->GetCanvas(), R, label->GetFont(), label->GetFontFx(), "Grüße",
                    TVyrTransLabelTypes::tmHalfcircle, 0, 300, false, TVyrPerspective::tpBird, 5,
                    {TA::taAutoToggled});
  EXPECT_EQ(label->GetWidth(), R.right + 4);
  EXPECT_EQ(label->GetHeight(), R.bottom + 4);
  EXPECT_EQ(label->GetLeft(), 10);
  EXPECT_EQ(label->GetTop(), 10);
  EXPECT_NE(label->GetWidth(), 350);

  // Without a parent there is no surface to measure on.
  auto* loose = TObject::Create<TVyrGraphicLabel>(form);
  loose->SetCaption("Grüße");
  EXPECT_NO_THROW(loose->SetAutoSize(true));
  EXPECT_EQ(loose->GetWidth(), 350);
}

TEST_F(GraphicLabelTest, AssignCopiesTheCurveButNotInversionOrGround) {
  TLabelProbe* source = NewLabel("Quelle");
  source->SetInvertCaption(true);
  source->SetBrushBack(clYellow);
  source->SetTransform(TVyrTransLabelTypes::tmStairs);
  source->SetTransAttr({TA::taPerspective});
  source->SetPerspectiveDepth(7);
  source->SetFactor(40);
  source->GetFontFx()->SetAngle(30);
  source->GetFont()->SetSize(30);
  RedFill(source);
  source->SetAutoSize(true);

  TLabelProbe* target = NewLabel("Ziel");
  target->Assign(source);
  EXPECT_EQ(target->GetTransform(), TVyrTransLabelTypes::tmStairs);
  EXPECT_EQ(target->GetAttributes(), TVyrTransLabelAttr{TA::taPerspective});
  EXPECT_EQ(target->GetPerspectiveDepth(), 7);
  EXPECT_EQ(target->GetFactor(), 40);
  EXPECT_EQ(target->GetFontFx()->GetAngle(), 30);
  EXPECT_EQ(target->GetFont()->GetSize(), 30);
  EXPECT_EQ(target->GetFillObject()->GetStyle(), TVyrFillStyle::sfBrush);
  EXPECT_TRUE(target->GetAutoSize());
  EXPECT_FALSE(target->GetInvertCaption());
  EXPECT_EQ(target->GetBrushBackColor(), clBtnFace);
  EXPECT_EQ(target->boundsSet, 1) << "measured once, after the copy";
  EXPECT_EQ(target->paints, 1);
}

}  // namespace
