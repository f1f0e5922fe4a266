// The region controls: their windows follow their size and region, the
// button's border follows its state, Space and the mouse click it once, the
// caption can be placed at a point, and every class streams.
#include <functional>
#include <string>

#include "controls_fixture.h"
#include "exceptions.h"
#include "keyboard.h"
#include "paint.h"
#include "rgn.h"
#include "unitstartup.h"
#include "vyrextcs.h"
#include "vyrrctrl.h"

using namespace Vyrrctrl;
using Vyrregion::TVyrRegionShape;
using RB = Vyrregion::TVyrRegionBorderStyle;

namespace {

// A region form that counts its paints.
class TProbeRegionForm : public TVyrRegionForm {
  MORVANT_COMPONENT(TProbeRegionForm, TVyrRegionForm)
 public:
  explicit TProbeRegionForm(TComponent* AOwner) : TVyrRegionForm(AOwner) {}
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TVyrRegionForm::Paint();
  }
};
void TProbeRegionForm::Publish(TPublisher<TProbeRegionForm>&) {}

class RegionControlsTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrextcs::Unit, Vyrrctrl::Unit}};
  TForm* form = nullptr;
  void SetUp() override { form = NewForm(clWhite); }

  // The box of the window region, or an empty rect when it has none.
  static TRect RegionBox(TWinControl* Control) {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    TRect box(0, 0, 0, 0);
    if (GetWindowRgn(Control->GetHandle(), rgn) != ERROR) GetRgnBox(rgn, &box);
    DeleteObject(rgn);
    return box;
  }
  static bool InRegion(TWinControl* Control, int X, int Y) {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    const bool inside = GetWindowRgn(Control->GetHandle(), rgn) != ERROR && PtInRegion(rgn, X, Y);
    DeleteObject(rgn);
    return inside;
  }

  // The box of the pixels that are not Ground.
  static TRect InkBox(TWinControl* Control, TColor Ground) {
    return InkBounds(Control, Control->GetClientRect(), [Ground](TColor Pixel) { return Pixel != Rgb(Ground); });
  }

  TVyrWndButtonShape* NewButton(int Left = 20, int Top = 20) {
    auto* button = Place<TVyrWndButtonShape>(form, Left, Top, 120, 60);
    button->SetCaption("OK");
    app.pump();
    return button;
  }
};

TEST_F(RegionControlsTest, PanelAndButtonWindowsFollowTheirSizeAndShape) {
  const std::vector<std::function<TWinControl*(TVyrRegion*&)>> makers{
      [&](TVyrRegion*& region) {
        auto* panel = Place<TVyrPanelShape>(form, 10, 10, 80, 40);
        region = panel->GetRegion();
        return panel;
      },
      [&](TVyrRegion*& region) {
        auto* button = Place<TVyrWndButtonShape>(form, 10, 10, 80, 40);
        region = button->GetRegion();
        return button;
      }};
  for (const auto& make : makers) {
    TVyrRegion* region = nullptr;
    TWinControl* control = make(region);
    app.pump();
    region->SetRegionShape(TVyrRegionShape::rsElliptic);
    EXPECT_EQ(RegionBox(control), TRect(0, 0, 80, 40)) << control->ClassName().c_str();
    EXPECT_FALSE(InRegion(control, 1, 1)) << "an ellipse leaves the corners out";
    EXPECT_TRUE(InRegion(control, 40, 20));
    control->SetBounds(10, 10, 160, 90);
    EXPECT_EQ(RegionBox(control), TRect(0, 0, 160, 90)) << "at once, without a paint";
    EXPECT_TRUE(InRegion(control, 150, 45));
    region->SetRegionShape(TVyrRegionShape::rsRect);
    EXPECT_TRUE(InRegion(control, 1, 1)) << "a change of shape re-shapes the window";
    control->Free();
  }
}

TEST_F(RegionControlsTest, ThePanelPaintsItsBorderInsideTheEdgeUnlessItHasNone) {
  auto* panel = Place<TVyrPanelShape>(form, 10, 10, 80, 40);
  panel->GetRegion()->SetRegionShape(TVyrRegionShape::rsRect);
  panel->SetColor(clWhite);
  app.pump();
  auto dark = [&] {
    int n = 0;
    for (int y = 0; y < 40; ++y) n += Shown(panel, 2, y) == Rgb(clBlack);
    return n;
  };
  EXPECT_FALSE(panel->GetEmpty());
  EXPECT_GT(dark(), 20) << "the outline, 2 wide round the rect inset by 2";
  EXPECT_EQ(Shown(panel, 40, 20), Rgb(clWhite));
  panel->GetRegion()->GetBorder()->SetStyle(RB::rbNone);
  app.pump();
  EXPECT_TRUE(panel->GetEmpty());
  EXPECT_EQ(dark(), 0);
}

TEST_F(RegionControlsTest, APanelWithoutBorderKeepsItsCaption) {
  auto* panel = Place<TVyrPanelShape>(form, 10, 10, 160, 80);
  panel->GetRegion()->SetRegionShape(TVyrRegionShape::rsRect);
  panel->SetColor(clWhite);
  panel->SetCaption("Hallo");
  const auto letters = [&] {
    return InkBounds(panel, TRect(20, 20, 140, 60), [](TColor Pixel) { return Pixel != Rgb(clWhite); });
  };
  app.pump();
  const TRect bordered = letters();
  ASSERT_LT(bordered.left, bordered.right) << "the caption";
  panel->GetRegion()->GetBorder()->SetStyle(RB::rbNone);
  app.pump();
  EXPECT_FALSE(panel->GetEmpty()) << "a caption is not empty";
  EXPECT_EQ(letters(), bordered) << "only the border is left out";
}

TEST_F(RegionControlsTest, TheButtonBorderFollowsStyleStateAndFlat) {
  struct Case {
    TVyrWndButtonStyle style;
    RB rest, held;
  };
  const Case cases[] = {{TVyrWndButtonStyle::wbWin40, RB::rbSingleRaised, RB::rbSingleLowered},
                        {TVyrWndButtonStyle::wbWin31, RB::rbRaisedpsb, RB::rbLoweredpsb},
                        {TVyrWndButtonStyle::wbSimple, RB::rbRaised, RB::rbLowered}};
  auto* other = Place<TVyrWndButtonShape>(form, 200, 200, 60, 30);
  auto* button = NewButton();
  for (const Case& c : cases) {
    button->SetStyle(c.style);
    EXPECT_EQ(button->CurrentBorderStyle(), c.rest);
    app.host().PostMouseDown(button->ClientToScreen(TPoint(60, 30)).x, button->ClientToScreen(TPoint(60, 30)).y);
    app.pump();
    EXPECT_TRUE(button->IsDown());
    EXPECT_EQ(button->CurrentBorderStyle(), c.held) << "held by the mouse";
    app.host().PostMouseUp(button->ClientToScreen(TPoint(60, 30)).x, button->ClientToScreen(TPoint(60, 30)).y);
    app.pump();
    EXPECT_EQ(button->CurrentBorderStyle(), c.rest);
    app.host().PostKeyDown(VK_SPACE);
    app.pump();
    EXPECT_EQ(button->CurrentBorderStyle(), c.held) << "held by Space";
    app.host().PostKeyUp(VK_SPACE);
    app.pump();
    EXPECT_EQ(button->CurrentBorderStyle(), c.rest);
  }
  button->SetFlat(true);
  EXPECT_NE(button->CurrentBorderStyle(), RB::rbNone) << "focused";
  other->SetFocus();
  app.pump();
  EXPECT_FALSE(button->IsFocused());
  EXPECT_EQ(button->CurrentBorderStyle(), RB::rbNone) << "flat, without focus or mouse";
}

TEST_F(RegionControlsTest, SpaceAndTheMouseClickOnceEach) {
  auto* button = NewButton();
  int clicks = 0;
  button->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
  button->SetFocus();
  app.pump();
  app.host().PostKeyDown(VK_SPACE);
  app.host().PostKeyDown(VK_SPACE, 0, true);
  app.pump();
  EXPECT_EQ(clicks, 0) << "the click comes on release";
  app.host().PostKeyUp(VK_SPACE);
  app.pump();
  EXPECT_EQ(clicks, 1);
  app.host().PostKeyUp(VK_SPACE);
  app.pump();
  EXPECT_EQ(clicks, 1) << "a release without a press";
  app.click(button, 60, 30);
  app.pump();
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(button->IsDown());
}

TEST_F(RegionControlsTest, TheCaptionSitsAtItsStartPointOrWhereTheLayoutPutsIt) {
  auto* other = Place<TVyrWndButtonShape>(form, 200, 200, 60, 30);
  auto* button = NewButton();
  button->GetRegion()->SetRegionShape(TVyrRegionShape::rsRect);
  button->SetFlat(true);
  other->SetFocus();
  app.pump();
  ASSERT_EQ(button->CurrentBorderStyle(), RB::rbNone);
  const TRect centred = InkBox(button, clBtnFace);
  ASSERT_LT(centred.Left, centred.Right) << "the caption shows";
  EXPECT_NEAR((centred.Left + centred.Right) / 2, 60, 3);
  EXPECT_NEAR((centred.Top + centred.Bottom) / 2, 30, 3);

  button->SetCaptionStart(TPoint(10, 30));
  app.pump();
  const TRect placed = InkBox(button, clBtnFace);
  const TRect block = button->CaptionBlock();
  // The block's measure keeps a little room round the letters.
  EXPECT_GE(placed.Left, 10);
  EXPECT_LE(placed.Left, 13);
  EXPECT_LE(placed.Bottom, 30);
  EXPECT_GE(placed.Bottom, 30 - block.Height() / 2);
  EXPECT_GE(placed.Top, 30 - block.Height());
  EXPECT_LT(placed.Left, centred.Left) << "moved";

  button->SetCaptionStart(TPoint(-1, -1));
  app.pump();
  EXPECT_EQ(InkBox(button, clBtnFace), centred) << "back to the layout";
}

TEST_F(RegionControlsTest, EveryClassComesBackFromItsFormText) {
  const std::string text = R"(object Host: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  object Panel: TVyrPanelShape
    Left = 4
    Top = 5
    Width = 100
    Height = 80
    Region.Shape = rsOctagon
    Region.Border.Style = rbRaised
    UseRgnBitmap = False
    object Button: TVyrWndButtonShape
      Left = 10
      Top = 10
      Width = 70
      Height = 40
      Caption = 'Los'
      EnterColorChange = True
      FocusStyle = 2
      ModalResult = 1
      MultiLine = False
      RepeatedClick = True
      RepeatingInterval = 250
      Style = wbWin31
      CaptionStart = {0A0000001E000000}
    end
  end
end
)";
  auto* first = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(text, first);
  auto* panel = dynamic_cast_object<TVyrPanelShape>(first->FindComponent("Panel"));
  auto* button = dynamic_cast_object<TVyrWndButtonShape>(first->FindComponent("Button"));
  ASSERT_TRUE(panel && button);
  EXPECT_EQ(panel->GetRegion()->GetShape(), TVyrRegionShape::rsOctagon);
  EXPECT_FALSE(panel->GetUseRgnBitmap());
  EXPECT_EQ(button->GetCaptionStart(), TPoint(10, 30));
  EXPECT_EQ(button->GetFocusStyle(), 2);
  EXPECT_EQ(button->GetRepeatingInterval(), 250);
  EXPECT_EQ(button->GetStyle(), TVyrWndButtonStyle::wbWin31);
  EXPECT_FALSE(button->GetMultiLine());

  const std::string written = TestSupport::WrittenFormText(first);
  first->Free();
  auto* second = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(written, second);
  EXPECT_EQ(TestSupport::WrittenFormText(second), written);
  for (const char* line : {"Region.Shape = rsOctagon", "Style = wbWin31", "0A0000001E000000}"})
    EXPECT_NE(written.find(line), std::string::npos) << line;

  // The position is written even at its default.
  auto* fresh = Place<TVyrWndButtonShape>(form, 0, 0, 50, 20);
  fresh->SetName("Fresh");
  EXPECT_NE(TestSupport::WrittenFormText(form).find("FFFFFFFFFFFFFFFF}"), std::string::npos);
}

TEST_F(RegionControlsTest, ACaptionStartOfAnotherLengthThanEightBytesFailsTheLoad) {
  for (const char* block : {"{}", "{0A000000}", "{0A0000001E00000001}", "{0A0000001E0000000A0000001E000000}"}) {
    auto* host = TObject::Create<TForm>(Application);
    const std::string text =
        std::string("object Host: TForm\n  object Button: TVyrWndButtonShape\n    CaptionStart = ") + block +
        "\n  end\nend\n";
    try {
      TestSupport::ReadFormText(text, host);
      ADD_FAILURE() << block << " was taken";
    } catch (const EReadError& e) {
      EXPECT_NE(std::string(e.Message.c_str()).find("CaptionStart"), std::string::npos) << e.Message.c_str();
    }
    host->Free();
  }
}

// A caption start at the ends of the integer range paints its caption out
// of sight, without an overflow on the way.
TEST_F(RegionControlsTest, ACaptionStartFarOutsideIsPaintedOutOfSight) {
  auto* host = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText("object Host: TForm\n  Width = 300\n  Height = 200\n"
                            "  object Button: TVyrWndButtonShape\n    Width = 120\n    Height = 60\n"
                            "    Caption = 'OK'\n    Flat = True\n    Region.Shape = rsRect\n"
                            "    CaptionStart = {FFFFFF7F00000080}\n  end\nend\n",
                            host);
  host->Show();
  app.pump();
  auto* button = dynamic_cast_object<TVyrWndButtonShape>(host->FindComponent("Button"));
  ASSERT_TRUE(button);
  EXPECT_EQ(button->GetCaptionStart(), TPoint(2147483647, -2147483647 - 1));
  for (bool down : {false, true}) {
    button->SetFocus();
    if (down) app.host().PostKeyDown(VK_SPACE);
    app.pump();
    button->Repaint();
    // Inside the border only the caption could show.
    const TRect inside = InkBounds(button, TRect(6, 6, 114, 54), [](TColor Pixel) { return Pixel != Rgb(clBtnFace); });
    EXPECT_LT(inside.right, inside.left) << (down ? "held" : "at rest") << ": nothing in sight";
  }
  for (const Backend::AskRecord& box : app.boxes()) ADD_FAILURE() << box.Text;
  host->Free();
}

TEST_F(RegionControlsTest, TheRegionFormIsShapedByItsRegion) {
  auto* shaped = TObject::Create<TVyrRegionForm>(Application);
  shaped->SetBounds(0, 0, 200, 150);
  shaped->GetRegion()->SetRegionShape(TVyrRegionShape::rsElliptic);
  shaped->Show();
  app.pump();
  // The window region is in window coordinates: the client's lies inside
  // the frame.
  const TPoint origin = shaped->ClientToScreen(TPoint(0, 0));
  const TPoint offset(origin.x - shaped->GetLeft(), origin.y - shaped->GetTop());
  const TRect client = shaped->GetClientRect();
  EXPECT_EQ(offset, TPoint(4, 23)) << "a sizeable frame";
  EXPECT_FALSE(InRegion(shaped, offset.x + 1, offset.y + 1));
  EXPECT_TRUE(InRegion(shaped, offset.x + client.Width() / 2, offset.y + client.Height() / 2));
  shaped->GetRegion()->SetRegionShape(TVyrRegionShape::rsRect);
  EXPECT_EQ(RegionBox(shaped), TRect(4, 23, 196, 146));
  shaped->SetClientWidth(300);
  app.pump();
  EXPECT_EQ(RegionBox(shaped), TRect(4, 23, 304, 146));

  shaped->SetBorderStyle(bsNone);
  app.pump();
  EXPECT_EQ(RegionBox(shaped), shaped->GetClientRect()) << "without a frame the client is the window";
  shaped->Free();
}

// Handing the window its region repaints it, and the form reshapes on every
// paint: an unchanged outline must not be handed over again.
TEST_F(RegionControlsTest, OneInvalidateOfARegionFormGivesOnePaint) {
  for (TFormBorderStyle border : {bsSizeable, bsNone}) {
    auto* shaped = TObject::Create<TProbeRegionForm>(Application);
    shaped->SetBorderStyle(border);
    shaped->SetBounds(0, 0, 200, 150);
    shaped->GetRegion()->SetRegionShape(TVyrRegionShape::rsStar);
    // Paints one at a time, so that a form repainting itself forever
    // fails here rather than never returns.
    shaped->Show();
    UpdateWindow(shaped->GetHandle());  // the first region, handed over
    UpdateWindow(shaped->GetHandle());
    shaped->paints = 0;
    shaped->Invalidate();
    UpdateWindow(shaped->GetHandle());
    EXPECT_EQ(shaped->paints, 1) << static_cast<int>(border);
    RECT pending{};
    EXPECT_FALSE(GetUpdateRect(shaped->GetHandle(), &pending, FALSE)) << "nothing left to paint";
    shaped->Free();
  }
}

}  // namespace
