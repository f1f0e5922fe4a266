// The docked buttons: where they sit beside their control, how they follow
// it and move it along, and their hooks on its window procedure coming and
// going in any order.
#include <algorithm>
#include <string>
#include <vector>

#include "form_text.h"
#include "stdctrls_edit.h"
#include "vyrbtn_fixture.h"
#include "vyrstdcs.h"
#include "window.h"

using namespace Vyrbtn;
using Vyrstdcs::TVyrDockPosition;
using P = Vyrstdcs::TVyrDockPosition;

namespace {

class ButtonDockTest : public ButtonTest {
 public:
  TUnitStartup labels{{Vyrstdcs::Unit}};

  TEdit* NewEdit() {
    auto* edit = Place<TEdit>(form, 10, 10, 100, 21);
    app.pump();
    return edit;
  }
  template <class B>
  B* Docked(TEdit* Edit, TVyrDockPosition Position = P::dpRight, bool Adjust = true) {
    // At the size it makes itself.
    auto* button = TObject::Create<B>(form);
    button->SetParent(form);
    button->SetBounds(300, 200, button->GetWidth(), button->GetHeight());
    button->SetPosition(Position);
    button->SetAdjustDockedSize(Adjust);
    button->SetControl(Edit);
    app.pump();
    return button;
  }
};

template <class B>
void PlacementCases(ButtonDockTest& T, const char* Name) {
  struct Case {
    TVyrDockPosition position;
    bool adjust;
    TRect bounds;
  };
  const Case cases[] = {{P::dpRight, true, Bounds(111, 10, 22, 21)},  {P::dpRight, false, Bounds(111, 10, 22, 22)},
                        {P::dpLeft, true, Bounds(-13, 10, 22, 21)},   {P::dpBottom, true, Bounds(10, 32, 100, 22)},
                        {P::dpTop, true, Bounds(10, -13, 100, 22)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(Name) + " position " + std::to_string(static_cast<int>(c.position)));
    TEdit* edit = T.NewEdit();
    auto* button = T.Docked<B>(edit, c.position, c.adjust);
    EXPECT_EQ(button->GetBoundsRect(), c.bounds);
    button->Free();
    edit->Free();
  }
}

TEST_F(ButtonDockTest, TheButtonSitsOnItsSideAtTheMargin) {
  PlacementCases<TVyrDockSpeedButton>(*this, "speed");
  PlacementCases<TVyrDockButton>(*this, "windowed");
  TEdit* edit = NewEdit();
  auto* office = Docked<TVyrDockOfficeButton>(edit);
  EXPECT_EQ(office->GetBoundsRect(), Bounds(111, 10, 23, 21));
}

template <class B>
void FollowCases(ButtonDockTest& T, const char* Name) {
  SCOPED_TRACE(Name);
  TEdit* edit = T.NewEdit();
  auto* button = T.Docked<B>(edit);
  edit->SetBounds(40, 60, 150, 30);
  EXPECT_EQ(button->GetBoundsRect(), Bounds(191, 60, 22, 30));
  edit->SetBounds(10, 10, 100, 21);
  button->SetBounds(200, 50, 22, 21);
  EXPECT_EQ(edit->GetBoundsRect(), Bounds(99, 50, 100, 21)) << "moved along";
  button->SetReflectOwnChanges(false);
  button->SetBounds(250, 50, 22, 21);
  EXPECT_EQ(edit->GetBoundsRect(), Bounds(99, 50, 100, 21));
  button->SetReflectOwnChanges(true);

  edit->SetEnabled(false);
  EXPECT_FALSE(button->GetEnabled());
  edit->SetEnabled(true);
  EXPECT_TRUE(button->GetEnabled());
  edit->SetVisible(false);
  EXPECT_FALSE(button->GetVisible());
  edit->SetBounds(20, 100, 100, 21);
  edit->SetVisible(true);
  EXPECT_TRUE(button->GetVisible());
  EXPECT_EQ(button->GetBoundsRect(), Bounds(121, 100, 22, 21));

  edit->SetAlign(alTop);
  const TRect before = button->GetBoundsRect();
  edit->SetBounds(0, 0, 400, 40);
  EXPECT_EQ(button->GetBoundsRect(), before) << "an aligned control is not followed";
  button->SetBounds(300, 250, 22, 21);
  EXPECT_EQ(edit->GetTop(), 0) << "nor moved";
  button->Free();
  edit->Free();
}

TEST_F(ButtonDockTest, TheButtonFollowsItsControlAndMovesItAlong) {
  FollowCases<TVyrDockSpeedButton>(*this, "speed");
  FollowCases<TVyrDockButton>(*this, "windowed");
}

TEST_F(ButtonDockTest, HooksComeAndGoInAnyOrderAndTheControlWorksOn) {
  const std::vector<std::vector<int>> orders = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  for (const auto& order : orders) {
    for (bool freeThem : {false, true}) {
      SCOPED_TRACE(std::to_string(order[0]) + std::to_string(order[1]) + std::to_string(order[2]) +
                   (freeThem ? " freed" : " undocked"));
      TEdit* edit = NewEdit();
      const auto original = GetWindowLongPtr(edit->GetHandle(), GWLP_WNDPROC);
      auto* speed = Docked<TVyrDockSpeedButton>(edit, P::dpRight);
      auto* windowed = Docked<TVyrDockButton>(edit, P::dpBottom);
      auto* label = Place<Vyrstdcs::TVyrDockLabel>(form, 300, 250, 40, 15);
      label->SetPosition(P::dpLeft);
      label->SetControl(edit);
      std::vector<TControl*> docked = {speed, windowed, label};
      std::vector<bool> gone(3, false);
      int x = 10;
      for (int which : order) {
        if (freeThem)
          docked[which]->Free();
        else if (which == 0)
          speed->SetDocked(false);
        else if (which == 1)
          windowed->SetDocked(false);
        else
          label->SetDocked(false);
        gone[which] = true;
        x += 30;
        edit->SetBounds(x, 60, 100, 21);
        if (!gone[0]) {
          EXPECT_EQ(speed->GetLeft(), x + 101);
        }
        if (!gone[1]) {
          EXPECT_EQ(windowed->GetTop(), 82);
        }
        if (!gone[2]) {
          EXPECT_EQ(label->GetLeft() + label->GetWidth() + 1, x);
        }
        SetWindowText(edit->GetHandle(), "Text");
        EXPECT_EQ(edit->GetText(), AnsiString("Text"));
        SetWindowText(edit->GetHandle(), "");
      }
      // Back in reverse order, every link came off the chain.
      if (order == std::vector<int>{2, 1, 0}) {
        EXPECT_EQ(GetWindowLongPtr(edit->GetHandle(), GWLP_WNDPROC), original);
      }
      if (!freeThem) {
        speed->Free();
        windowed->Free();
        label->Free();
      }
      edit->Free();
    }
  }
}

TEST_F(ButtonDockTest, ANewWindowOfTheControlIsForgottenOrHookedAgain) {
  TEdit* edit = NewEdit();
  auto* speed = Docked<TVyrDockSpeedButton>(edit, P::dpRight);
  auto* windowed = Docked<TVyrDockButton>(edit, P::dpBottom);
  edit->RecreateWnd();
  edit->HandleNeeded();
  EXPECT_EQ(speed->GetControl(), nullptr) << "the speed button forgets it";
  app.pump();
  EXPECT_EQ(windowed->GetControl(), edit);
  edit->SetBounds(50, 60, 100, 21);
  EXPECT_EQ(windowed->GetBoundsRect(), Bounds(50, 82, 100, 22)) << "follows the new window";
}

TEST_F(ButtonDockTest, AClickBesideTheControlFocusesItOnlyWhenItCan) {
  TEdit* edit = NewEdit();
  auto* other = Place<TEdit>(form, 10, 200, 100, 21);
  auto* speed = Docked<TVyrDockSpeedButton>(edit);
  other->SetFocus();
  app.pump();
  edit->SetEnabled(false);
  speed->SetEnabled(true);
  ClickOn(speed);
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(form->GetActiveControl(), other);
  edit->SetEnabled(true);
  ClickOn(speed);
  EXPECT_TRUE(edit->Focused());
}

TEST_F(ButtonDockTest, TheOlderAdjustSizeIsReadAndNeverWritten) {
  const std::string text = R"(object Host: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object Edit: TEdit
    Left = 10
    Top = 10
    Width = 100
    Height = 21
  end
  object Speed: TVyrDockSpeedButton
    AdjustSize = False
    Control = Edit
    Position = dpTop
    Margin = 3
  end
  object Office: TVyrDockOfficeButton
    Control = Edit
    Style = ubsKorvel
  end
  object Windowed: TVyrDockButton
    Control = Edit
    Docked = False
    ReflectOwnChanges = False
    GlyphKind = gkFile
  end
end
)";
  auto* loaded = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(text, loaded);
  auto* speed = dynamic_cast_object<TVyrDockSpeedButton>(loaded->FindComponent("Speed"));
  auto* office = dynamic_cast_object<TVyrDockOfficeButton>(loaded->FindComponent("Office"));
  auto* windowed = dynamic_cast_object<TVyrDockButton>(loaded->FindComponent("Windowed"));
  ASSERT_TRUE(speed && office && windowed);
  EXPECT_FALSE(speed->GetAdjustDockedSize());
  EXPECT_EQ(speed->GetPosition(), P::dpTop);
  EXPECT_EQ(speed->GetMargin(), 3);
  EXPECT_EQ(speed->GetControl(), loaded->FindComponent("Edit"));
  EXPECT_EQ(office->GetStyle(), Vyrgraph::TVyrUserButtonStyle::ubsKorvel);
  EXPECT_FALSE(windowed->GetDocked());
  EXPECT_FALSE(windowed->GetReflectOwnChanges());
  EXPECT_EQ(windowed->GetGlyphKind(), TVyrGlyphKind::gkFile);

  const std::string written = TestSupport::WrittenFormText(loaded);
  EXPECT_EQ(written.find("AdjustSize ="), std::string::npos) << written;
  EXPECT_NE(written.find("AdjustDockedSize = False"), std::string::npos) << written;
  loaded->Free();
  auto* again = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(written, again);
  EXPECT_EQ(TestSupport::WrittenFormText(again), written);
}

}  // namespace
