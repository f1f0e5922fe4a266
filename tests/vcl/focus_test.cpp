#include "focus.h"
#include "keyboard.h"
#include "vcl_fixture.h"

namespace {

class FocusTest : public VclTest {
 protected:
  void SetUp() override {
    form = app.create_form<TForm>();
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    for (const char* name : {"A", "B", "C", "D"}) {
      auto* c = TObject::Create<TLoggingControl>(form, &log);
      c->SetName(name);
      c->SetParent(form);
      controls.push_back(c);
    }
  }

  TForm* form = nullptr;
  std::vector<TLoggingControl*> controls;
  std::vector<std::string> log;
};

}  // namespace

TEST_F(FocusTest, ShowingFocusesTheFirstInTabOrderAndTabWalksTheOrder) {
  controls[2]->SetTabOrder(0);  // C, A, B, D
  form->Show();
  app.pump();
  EXPECT_TRUE(controls[2]->Focused());
  EXPECT_EQ(form->GetActiveControl(), controls[2]);

  const std::vector<int> forward = {0, 1, 3, 2};  // wraps back to C
  for (int expected : forward) {
    app.key(VK_TAB);
    app.pump();
    EXPECT_TRUE(controls[static_cast<std::size_t>(expected)]->Focused()) << "expected " << expected;
  }
  app.key(VK_TAB, Backend::modShift);
  app.pump();
  EXPECT_TRUE(controls[3]->Focused());
}

TEST_F(FocusTest, TabSkipsControlsThatCannotTakeTheFocus) {
  controls[1]->SetEnabled(false);
  controls[2]->Hide();
  controls[3]->SetTabStop(false);
  form->Show();
  app.pump();
  ASSERT_TRUE(controls[0]->Focused());
  app.key(VK_TAB);
  app.pump();
  EXPECT_TRUE(controls[0]->Focused());
  EXPECT_FALSE(controls[1]->CanFocus());
  EXPECT_FALSE(controls[2]->CanFocus());
}

TEST_F(FocusTest, EnterAndExitFollowTheFocusInOrder) {
  form->Show();
  app.pump();
  controls[3]->SetFocus();
  app.pump();
  EXPECT_EQ(log, (std::vector<std::string>{"enter A", "exit A", "enter D"}));
  EXPECT_EQ(GetFocus(), controls[3]->GetHandle());
}

TEST_F(FocusTest, ControlsOfAHiddenFormCannotFocusAndActiveControlWaits) {
  EXPECT_FALSE(controls[1]->CanFocus());
  controls[1]->SetFocus();
  EXPECT_EQ(form->GetActiveControl(), controls[1]);
  form->Show();
  app.pump();
  EXPECT_TRUE(controls[1]->Focused());
}

TEST_F(FocusTest, KeyPreviewShowsKeysToTheFormFirstAndItMayEatThem) {
  form->SetKeyPreview(true);
  std::vector<std::string> keys;
  form->OnKeyDown = [&](TObject*, Word& key, TShiftState) {
    keys.push_back("form");
    if (key == 'X') key = 0;
  };
  controls[0]->OnKeyDown = [&](TObject*, Word&, TShiftState) { keys.push_back("control"); };
  form->Show();
  app.pump();
  app.key('Q');
  app.key('X');
  app.pump();
  EXPECT_EQ(keys, (std::vector<std::string>{"form", "control", "form"}));
}

TEST_F(FocusTest, AFormWithoutFocusableControlsGetsEveryKey) {
  for (TLoggingControl* c : controls) c->SetTabStop(false), c->SetEnabled(false);
  std::vector<Word> keys;
  form->OnKeyDown = [&](TObject*, Word& key, TShiftState) { keys.push_back(key); };
  form->Show();
  app.pump();
  for (int vk : std::initializer_list<int>{VK_LEFT, VK_NEXT, VK_ADD, VK_F1, VK_TAB, 'K'}) app.key(vk);
  app.pump();
  EXPECT_EQ(keys, (std::vector<Word>{VK_LEFT, VK_NEXT, VK_ADD, VK_F1, VK_TAB, 'K'}));
}
