// Exclusive button groups, the drop-down menu and the accelerator.
#include <string>
#include <vector>

#include "keyboard.h"
#include "menus.h"
#include "vyrbtn_fixture.h"

using namespace Vyrbtn;
using S = Vyrgraph::TVyrButtonState;

namespace {

class ButtonGroupTest : public ButtonTest {
 protected:
  std::vector<TProbeSpeedButton*> group;

  void MakeGroup(bool AllowAllUp) {
    for (int i = 0; i < 3; ++i) {
      TProbeSpeedButton* button = NewButton(10 + 30 * i, 10);
      button->SetGroupIndex(1);
      button->SetAllowAllUp(AllowAllUp);
      group.push_back(button);
    }
  }
  std::vector<bool> PressedOnes() const {
    std::vector<bool> out;
    for (auto* b : group) out.push_back(b->GetPressed());
    return out;
  }
};

TEST_F(ButtonGroupTest, PressingAMemberReleasesTheOthers) {
  MakeGroup(false);
  ClickOn(group[0]);
  EXPECT_EQ(PressedOnes(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(group[0]->clicks, 1);
  ClickOn(group[1]);
  EXPECT_EQ(PressedOnes(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(group[0]->GetState(), S::bsUp);
  EXPECT_EQ(group[1]->GetState(), S::bsOptionSet);

  // Without AllowAllUp the pressed one stays pressed, and clicking it is no
  // click.
  ClickOn(group[1]);
  EXPECT_EQ(PressedOnes(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(group[1]->clicks, 1);
  group[1]->SetPressed(false);
  EXPECT_TRUE(group[1]->GetPressed());
}

TEST_F(ButtonGroupTest, AllowAllUpSpreadsThroughTheGroupAndLetsAllGoUp) {
  MakeGroup(false);
  group[1]->SetPressed(true);
  group[2]->SetAllowAllUp(true);
  for (auto* b : group) EXPECT_TRUE(b->GetAllowAllUp());
  ClickOn(group[1]);
  EXPECT_EQ(PressedOnes(), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(group[1]->clicks, 1);
  EXPECT_EQ(group[1]->GetState(), S::bsUp);

  // Another group and the ungrouped are none of this group's business.
  TProbeSpeedButton* other = NewButton(10, 50);
  other->SetGroupIndex(2);
  other->SetPressed(true);
  group[0]->SetPressed(true);
  EXPECT_TRUE(other->GetPressed());
  EXPECT_FALSE(other->GetAllowAllUp());

  TProbeSpeedButton* loose = NewButton(50, 50);
  loose->SetPressed(true);
  EXPECT_FALSE(loose->GetPressed());
  EXPECT_EQ(loose->GetState(), S::bsUp);
}

TEST_F(ButtonGroupTest, TheAcceleratorClicksOrTogglesAsTheMouseWould) {
  TProbeSpeedButton* loose = NewButton(10, 10, 60, 22);
  loose->SetCaption("&Laden");
  EXPECT_EQ(loose->Perform(CM_DIALOGCHAR, 'x', 0), 0);
  EXPECT_EQ(loose->Perform(CM_DIALOGCHAR, 'l', 0), 1);
  EXPECT_EQ(loose->clicks, 1);
  EXPECT_FALSE(loose->GetMouseOver()) << "the cursor is elsewhere";
  loose->SetEnabled(false);
  EXPECT_EQ(loose->Perform(CM_DIALOGCHAR, 'l', 0), 0);

  MakeGroup(false);
  group[0]->SetCaption("&A");
  group[1]->SetCaption("&B");
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'b', 0), 1);
  EXPECT_EQ(PressedOnes(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(group[1]->clicks, 1);
  form->Perform(CM_DIALOGCHAR, 'b', 0);
  EXPECT_TRUE(group[1]->GetPressed()) << "the pressed one stays without AllowAllUp";
  EXPECT_EQ(group[1]->clicks, 1);
  form->Perform(CM_DIALOGCHAR, 'a', 0);
  EXPECT_EQ(PressedOnes(), (std::vector<bool>{true, false, false}));
}

class ButtonDropDownTest : public ButtonTest {
 protected:
  TPopupMenu* menu = nullptr;
  TProbeSpeedButton* button = nullptr;
  int drops = 0;
  std::vector<std::string> chosen;

  void SetUp() override {
    ButtonTest::SetUp();
    menu = TObject::Create<TPopupMenu>(form);
    auto* item = TObject::Create<TMenuItem>(menu);
    item->SetCaption("&Neu");
    item->OnClick = TNotifyEvent([this](TObject*) { chosen.push_back("Neu"); });
    menu->GetItems()->Add(item);
    button = NewButton(10, 10, 40, 22);
    button->SetDropDownMenu(menu);
    button->OnDropDown = TNotifyEvent([this](TObject*) {
      ++drops;
      EXPECT_EQ(button->GetState(), S::bsDropDownOpen);
      app.key(VK_ESCAPE);
    });
  }
};

TEST_F(ButtonDropDownTest, APressOpensTheMenuAndTheClicksThatCloseItGoNowhere) {
  TProbeSpeedButton* neighbour = NewButton(100, 10);
  int downs = 0, ups = 0;
  neighbour->OnMouseDown = TMouseEvent([&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; });
  neighbour->OnMouseUp = TMouseEvent([&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; });
  button->OnDropDown = TNotifyEvent([&](TObject*) {
    ++drops;
    // A click beside the menu closes it; its release comes after.
    const TPoint p = neighbour->ClientToScreen(TPoint(5, 5));
    app.host().PostMouseDown(p.x, p.y);
    app.host().PostMouseUp(p.x, p.y);
  });
  Press(button, 5, 5);
  app.pump();
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(button->clicks, 0) << "the menu is the click";
  EXPECT_FALSE(button->GetTracking());
  EXPECT_EQ(button->GetState(), S::bsMouseOver);
  EXPECT_EQ(ups, 0);
  EXPECT_EQ(neighbour->clicks, 0);
  EXPECT_EQ(GetCaptureControl(), nullptr);
  ClickOn(neighbour);
  EXPECT_EQ(neighbour->clicks, 1) << "the mouse works on afterwards";
}

TEST_F(ButtonDropDownTest, WithTheComboPartOnlyItsPixelsOpenTheMenu) {
  button->SetDropDownCombo(true);
  EXPECT_EQ(button->GetWidth(), 52) << "widened by the part";
  EXPECT_TRUE(button->GetDropDownComboActive());
  ClickOn(button, 38, 5);
  EXPECT_EQ(drops, 0);
  EXPECT_EQ(button->clicks, 1) << "the face is an ordinary button";
  ClickOn(button, 40, 5);
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(button->clicks, 1);
  button->SetDropDownComboWidth(16);
  EXPECT_EQ(button->GetWidth(), 56);
  button->SetDropDownCombo(false);
  EXPECT_EQ(button->GetWidth(), 40);

  // The menu going away takes the combo part with it.
  button->SetDropDownCombo(true);
  menu->Free();
  EXPECT_EQ(button->GetDropDownMenu(), nullptr);
  EXPECT_FALSE(button->GetDropDownComboActive());
}

TEST_F(ButtonDropDownTest, TheAcceleratorOpensTheMenuToo) {
  button->SetCaption("&Datei");
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'd', 0), 1);
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(button->GetState(), S::bsMouseOver);
}

// The chosen item runs inside the popup: when it frees the button, the
// drop-down ends without touching it, by the mouse and by the accelerator.
TEST_F(ButtonDropDownTest, AnItemThatFreesTheButtonEndsTheDropDownWithoutIt) {
  TProbeSpeedButton* neighbour = NewButton(100, 10);
  for (bool byKey : {false, true}) {
    TProbeSpeedButton* doomed = NewButton(10, 40, 40, 22);
    doomed->SetCaption("&Datei");
    doomed->SetDropDownMenu(menu);
    doomed->OnDropDown = TNotifyEvent([this](TObject*) { app.key('N', 0, "n"); });
    menu->GetItems()->GetItems(0)->OnClick = TNotifyEvent([doomed](TObject*) { doomed->Free(); });
    const int controls = form->GetControlCount();
    if (byKey)
      EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'd', 0), 1);
    else
      Press(doomed, 5, 5);
    app.pump();
    EXPECT_EQ(form->GetControlCount(), controls - 1) << byKey;
    EXPECT_EQ(GetCaptureControl(), nullptr) << byKey;
    ClickOn(neighbour);
    EXPECT_EQ(neighbour->clicks, byKey ? 2 : 1) << "the mouse works on afterwards";
  }
}

// An item that hides the button leaves no hot look behind.
TEST_F(ButtonDropDownTest, AnItemThatHidesTheButtonEndsItsHotLook) {
  for (bool byKey : {false, true}) {
    button->SetCaption("&Datei");
    button->OnDropDown = TNotifyEvent([this](TObject*) { app.key('N', 0, "n"); });
    menu->GetItems()->GetItems(0)->OnClick = TNotifyEvent([this](TObject*) { button->SetVisible(false); });
    if (byKey) {
      EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'd', 0), 1);
    } else {
      MoveTo(button, 5, 5);
      ASSERT_EQ(button->GetState(), S::bsMouseOver);
      Press(button, 5, 5);
    }
    app.pump();
    EXPECT_EQ(button->GetState(), S::bsUp) << byKey;
    EXPECT_FALSE(button->GetMouseOver()) << byKey;
    EXPECT_EQ(button->GetHotTimer(), 0) << byKey;
    button->SetVisible(true);
    MoveAway();
  }
}

// The press that opened the menu and the clicks that closed it are the
// button's window's; what other windows are sent meanwhile reaches them.
TEST_F(ButtonDropDownTest, OtherWindowsKeepTheirMouseMessages) {
  auto* other = TObject::Create<TForm>(Application);
  other->SetBounds(500, 400, 200, 100);
  other->Show();
  app.pump();
  int otherMoves = 0, ownMoves = 0;
  other->OnMouseMove = TMouseMoveEvent([&](TObject*, TShiftState, int, int) { ++otherMoves; });
  form->OnMouseMove = TMouseMoveEvent([&](TObject*, TShiftState, int, int) { ++ownMoves; });
  button->OnDropDown = TNotifyEvent([this](TObject*) { app.key('N', 0, "n"); });
  menu->GetItems()->GetItems(0)->OnClick = TNotifyEvent([&](TObject*) {
    PostMessage(other->GetHandle(), WM_MOUSEMOVE, 0, MakePointLParam(5, 5));
    PostMessage(form->GetHandle(), WM_MOUSEMOVE, 0, MakePointLParam(390, 290));
  });
  Press(button, 5, 5);
  app.pump();
  EXPECT_EQ(otherMoves, 1);
  EXPECT_EQ(ownMoves, 0);
  other->Free();
}

}  // namespace
