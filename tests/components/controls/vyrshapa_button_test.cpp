// The shape buttons: the hit test against the shape, the face colour of
// each state and when the hot look repaints, the pressed looks of the two
// styles, the fill picture from the face list and the form text.
#include <functional>
#include <string>

#include "form_text.h"
#include "vyrbtn_fixture.h"
#include "vyrcont.h"
#include "vyrgrapa.h"
#include "vyrshapa.h"

using namespace Vyrshapa;
using S = Vyrgraph::TVyrButtonState;

namespace {

// A shape button that counts its repaints and clicks.
class TProbeShapeButton : public TVyrShapeButton {
  MORVANT_COMPONENT(TProbeShapeButton, TVyrShapeButton)
 public:
  explicit TProbeShapeButton(TComponent* AOwner) : TVyrShapeButton(AOwner) {
    OnClick = TNotifyEvent([this](TObject*) { ++clicks; });
  }
  void Invalidate() override {
    ++repaints;
    TVyrShapeButton::Invalidate();
  }
  void Paint() override {
    ++repaints;
    TVyrShapeButton::Paint();
  }
  int repaints = 0;
  int clicks = 0;
};
void TProbeShapeButton::Publish(TPublisher<TProbeShapeButton>&) {}

class ShapeButtonTest : public ButtonTest {
 protected:
  TUnitStartup shapeUnits{{Vyrgrapa::Unit, Vyrshapa::Unit}};

  template <class T>
  T* NewShapeButton(int Width = 60, int Height = 40) {
    auto* button = Place<T>(form, 20, 20, Width, Height);
    button->GetColors()->SetUp(clRed);
    app.pump();
    return button;
  }
};

TEST_F(ShapeButtonTest, OnlyTheShapeAnswersTheMouse) {
  auto* button = NewShapeButton<TProbeShapeButton>();
  button->GetShape()->SetShape(TVyrShapeType::stEllipse);
  app.pump();
  EXPECT_EQ(Shown(button, 27, 17), Rgb(clRed));
  ClickOn(button, 2, 2);
  EXPECT_EQ(button->clicks, 0) << "the corner of the rectangle";
  ClickOn(button, 27, 17);
  EXPECT_EQ(button->clicks, 1);
  // Rectangle and round rectangle take their own regions; a polygon its outline.
  struct Case {
    TVyrShapeType shape;
    TPoint inside, outside;
  };
  for (const Case& c : {Case{TVyrShapeType::stRectangle, TPoint(1, 1), TPoint(58, 38)},
                        Case{TVyrShapeType::stRoundRect, TPoint(27, 1), TPoint(0, 0)},
                        Case{TVyrShapeType::stDiamond, TPoint(27, 17), TPoint(2, 2)}}) {
    button->GetShape()->SetShape(c.shape);
    EXPECT_TRUE(button->VerifyTransparency(c.inside.x, c.inside.y)) << static_cast<int>(c.shape);
    EXPECT_FALSE(button->VerifyTransparency(c.outside.x, c.outside.y)) << static_cast<int>(c.shape);
  }
}

TEST_F(ShapeButtonTest, TheFaceFollowsTheStateAndAnUnchangedHotFaceDoesNotRepaint) {
  auto* button = NewShapeButton<TProbeShapeButton>();
  button->GetColors()->SetMouseOver(clRed);
  app.pump();
  button->repaints = 0;
  button->StateChange(S::bsMouseOver);
  button->StateChange(S::bsUp);
  EXPECT_EQ(button->repaints, 0);

  struct Case {
    S state;
    TColor face;
  };
  button->GetColors()->SetMouseOver(clLime);
  button->GetColors()->SetDown(clBlue);
  button->GetColors()->SetOptionSet(clYellow);
  button->GetColors()->SetDisabled(clGray);
  for (const Case& c : {Case{S::bsMouseOver, clLime}, Case{S::bsDown, clBlue}, Case{S::bsOptionSet, clYellow},
                        Case{S::bsDisabledUp, clGray}, Case{S::bsUp, clRed}}) {
    button->StateChange(c.state);
    app.pump();
    EXPECT_EQ(Shown(button, 27, 17), Rgb(c.face)) << static_cast<int>(c.state);
  }
}

TEST_F(ShapeButtonTest, PressedTheShadowStyleDropsItsShadowAndThe3DStyleSinksItsBevel) {
  auto* shadowed = NewShapeButton<TVyrShapeButton>();
  EXPECT_EQ(shadowed->GetPressedOffset(), 6);
  EXPECT_EQ(Shown(shadowed, 57, 37), Rgb(clBtnShadow));
  shadowed->StateChange(S::bsDown);
  app.pump();
  EXPECT_NE(Shown(shadowed, 57, 37), Rgb(clBtnShadow));

  auto* raised = Place<TVyr3DShapeButton>(form, 100, 100, 60, 40);
  raised->GetColors()->SetUp(clRed);
  raised->GetColors()->SetDown(clRed);
  app.pump();
  EXPECT_EQ(raised->GetStyle(), TVyrShapeButtonStyle::sbs3D);
  EXPECT_TRUE(raised->GetBevel3D());
  EXPECT_EQ(Shown(raised, 58, 38), Rgb(clBtnShadow)) << "no shadow room: the bevel reaches the corner";
  const TColor upLeft = Shown(raised, 0, 20);
  raised->StateChange(S::bsDown);
  app.pump();
  EXPECT_NE(Shown(raised, 0, 20), upLeft) << "the bevel turns inset";
  EXPECT_EQ(Shown(raised, 0, 20), Rgb(clBtnShadow));
}

// The caption goes into the rectangle the outline leaves inside its bevel:
// the 3D style draws no shadow and leaves no room for one.
TEST_F(ShapeButtonTest, TheCaptionIsCentredInsideTheBevelAndShiftsWhenPressed) {
  // The middle of what is not face inside bevel and shadow.
  const auto inkCentre = [](TControl* Control) {
    return BoundsMiddle(InkBounds(Control, TRect(10, 10, Control->GetWidth() - 10, Control->GetHeight() - 10),
                         [](TColor Pixel) { return Pixel != Rgb(clRed); }));
  };
  struct Case {
    const char* name;
    std::function<TVyrCustomShapeButton*()> make;
    TPoint up, down;
  };
  for (const Case& c : std::initializer_list<Case>{
           {"3D", [this] { return NewShapeButton<TVyr3DShapeButton>(100, 100); }, TPoint(50, 49), TPoint(52, 51)},
           // The shadow's 6 pixels are left out at the right and bottom, and
           // pressed the face moves onto them.
           {"shadow", [this] { return NewShapeButton<TVyrShapeButton>(100, 100); }, TPoint(47, 46),
            TPoint(53, 52)}}) {
    TVyrCustomShapeButton* button = c.make();
    button->GetColors()->SetDown(clRed);
    button->SetCaption("W");
    app.pump();
    EXPECT_EQ(inkCentre(button), c.up) << c.name;
    button->StateChange(S::bsDown);
    app.pump();
    EXPECT_EQ(inkCentre(button), c.down) << c.name << " pressed";
    button->Free();
  }
}

TEST_F(ShapeButtonTest, TheFillModeShowsTheFaceListPicture) {
  auto* list = TObject::Create<Vyrcont::TVyrImageList>(form);
  auto* strip = TObject::Create<Vyrcont::TVyrImageListItem>(8, 8);
  TBitmap blue;
  blue.SetSize(8, 8);
  blue.GetCanvas()->GetBrush()->SetColor(clBlue);
  blue.GetCanvas()->FillRect(TRect(0, 0, 8, 8));
  strip->Add(&blue, nullptr);
  list->Add(strip);
  auto* button = NewShapeButton<TVyrShapeLabelButton>();
  button->GetShapeFill()->SetStyle(TVyrFillStyle::sfBitmapList);
  button->SetBtnFaceImageList(list);
  app.pump();
  EXPECT_EQ(Shown(button, 27, 17), Rgb(clBlue));
  button->SetBtnFaceIndex(0, -1);
  EXPECT_EQ(button->GetShapeFillImageIndex(), 0) << "a negative index is ignored";
  list->Free();
  EXPECT_EQ(button->GetShapeFillImageList(), nullptr);
  button->SetMode(TVyrShapeButtonMode::sbmShapeFast);
  EXPECT_TRUE(button->GetFillBitmap()->GetEmpty());
}

TEST_F(ShapeButtonTest, EveryClassComesBackFromItsFormTextAndTheOldCaptionClipIsSkipped) {
  auto* plain = NewShapeButton<TVyrShapeButton>();
  plain->SetName("Plain");
  plain->GetShape()->SetShape(TVyrShapeType::stStar);
  plain->GetColors()->SetDown(clNavy);
  plain->SetGroupIndex(2);
  auto* label = NewShapeButton<TVyrShapeLabelButton>();
  label->SetName("Label");
  label->GetShapeFill()->SetStyle(TVyrFillStyle::sfGradient);
  auto* raised = NewShapeButton<TVyr3DShapeButton>();
  raised->SetName("Raised");
  raised->SetTransparent(true);
  auto* raisedLabel = NewShapeButton<TVyr3DShapeLabelButton>();
  raisedLabel->SetName("RaisedLabel");
  raisedLabel->SetShapeStyle(TVyrShapeButtonStyle::sbsShadow);

  auto controls = [](TForm* Form) {
    const std::string text = TestSupport::WrittenFormText(Form);
    return text.substr(text.find("  object "));
  };
  const std::string written = controls(form);
  std::string text = TestSupport::WrittenFormText(form);
  const std::string head = "object Plain: TVyrShapeButton\n";
  text.insert(text.find(head) + head.size(), "    CaptionClip = True\n");
  auto* second = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(text, second);
  EXPECT_EQ(controls(second), written);
  auto* copy = dynamic_cast_object<TVyrShapeButton>(second->FindComponent("Plain"));
  auto* raisedCopy = dynamic_cast_object<TVyr3DShapeLabelButton>(second->FindComponent("RaisedLabel"));
  ASSERT_TRUE(copy && raisedCopy);
  EXPECT_EQ(copy->GetShape()->GetShape(), TVyrShapeType::stStar);
  EXPECT_EQ(copy->GetColors()->GetDown(), clNavy);
  EXPECT_EQ(raisedCopy->GetStyle(), TVyrShapeButtonStyle::sbsShadow);
  EXPECT_EQ(raisedCopy->GetMode(), TVyrShapeButtonMode::sbmShapeFill);
  for (const char* line : {"Colors.Up = clRed", "Colors.Down = clNavy", "GroupIndex = 2", "ShapeFill.Style = sfGradient",
                           "Transparent = True", "Style = sbsShadow"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  for (const char* absent : {"CaptionClip", "Style = sbs3D", "Mode = sbmShapeFill", "AllowMouseOver"})
    EXPECT_EQ(written.find(absent), std::string::npos) << absent;
  second->Free();
}

}  // namespace
