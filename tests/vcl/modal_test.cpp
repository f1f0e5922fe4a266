#include "application.h"
#include "focus.h"
#include "keyboard.h"
#include "tscreen.h"
#include "ttimer.h"
#include "vcl_fixture.h"

namespace {

// A dialog that takes its ModalResult from a key: Enter is OK, Esc cancels.
class TKeyDialog : public TForm {
  MORVANT_CLASS(TKeyDialog, TForm)
 public:
  explicit TKeyDialog(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsDialog);
    OnKeyDown = TKeyEvent(this, &TKeyDialog::KeyPressed);
  }
  int Activations = 0;

 private:
  void KeyPressed(TObject*, Word& Key, TShiftState) {
    if (Key == VK_RETURN) SetModalResult(mrOk);
    if (Key == VK_ESCAPE) SetModalResult(mrCancel);
  }
};

class ModalTest : public VclTest {
 protected:
  void SetUp() override {
    main = ShownForm();
    main->OnActivate = [this](TObject*) { ++mainActivations; };
    // The test's form was activated before the handler was set.
    mainActivations = 0;
    dialog = app.create_form<TKeyDialog>();
  }

  // Runs ShowModal with `keys` typed once the dialog is up.
  TModalResult ShowWithKeys(std::vector<int> keys) {
    dialog->OnShow = [this, keys](TObject*) {
      for (int k : keys) app.key(k);
    };
    return dialog->ShowModal();
  }

  TForm* main = nullptr;
  TKeyDialog* dialog = nullptr;
  int mainActivations = 0;
};

}  // namespace

TEST_F(ModalTest, ModalResultEndsTheLoopAndIsReturned) {
  EXPECT_EQ(ShowWithKeys({'A', VK_RETURN}), mrOk);
  EXPECT_FALSE(dialog->GetVisible());
  EXPECT_FALSE(dialog->IsModal());
  EXPECT_EQ(ShowWithKeys({VK_ESCAPE}), mrCancel);
}

TEST_F(ModalTest, OtherWindowsAreDisabledWhileTheDialogRunsAndEnabledAfter) {
  bool mainEnabledDuring = true;
  dialog->OnActivate = [&](TObject*) {
    mainEnabledDuring = IsWindowEnabled(main->GetHandle());
    dialog->SetModalResult(mrOk);
  };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(mainEnabledDuring);
  EXPECT_TRUE(IsWindowEnabled(main->GetHandle()));
  EXPECT_EQ(GetActiveWindow(), main->GetHandle());
}

TEST_F(ModalTest, ClosingTheDialogCancelsItUnlessOnCloseRefuses) {
  int refusals = 1;
  dialog->OnClose = [&](TObject*, TCloseAction& action) {
    if (refusals-- > 0) action = caNone;
  };
  dialog->OnShow = [&](TObject*) {
    PostMessage(dialog->GetHandle(), WM_CLOSE, 0, 0);
    PostMessage(dialog->GetHandle(), WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(refusals, -1);  // the first close was refused, the second taken
}

TEST_F(ModalTest, OnActivateIsNotFiredAgainWhenTheModalChildCloses) {
  ASSERT_EQ(Screen->GetActiveForm(), main);
  EXPECT_EQ(ShowWithKeys({VK_RETURN}), mrOk);
  app.pump();
  EXPECT_EQ(Screen->GetActiveForm(), main);
  EXPECT_EQ(mainActivations, 0);

  // Switching to another form of the program and back does fire it.
  TForm* other = app.create_form<TForm>();
  other->Show();
  app.pump();
  main->Show();
  SetActiveWindow(main->GetHandle());
  app.pump();
  EXPECT_EQ(mainActivations, 1);
}

TEST_F(ModalTest, OnActivateIsNotFiredWhenTheProgramIsSwitchedBackTo) {
  const WindowManager::WindowRecord* record = WindowManager::Find(main->GetHandle());
  ASSERT_NE(record, nullptr);
  app.host().PostFocus(record->Host, false);
  app.pump();
  app.host().PostFocus(record->Host, true);
  app.pump();
  EXPECT_EQ(Screen->GetActiveForm(), main);
  EXPECT_EQ(mainActivations, 0);
}

TEST_F(ModalTest, AMessageBoxClosingDoesNotFireOnActivate) {
  main->OnKeyDown = [](TObject*, Word&, TShiftState) { Application->MessageBox("Level gelöst", "", 0); };
  app.key('M');
  app.pump();
  EXPECT_EQ(app.boxes().size(), 1u);
  EXPECT_EQ(mainActivations, 0);
}

TEST_F(ModalTest, ShowModalOfAVisibleFormIsRefused) {
  EXPECT_THROW(main->ShowModal(), EInvalidOperation);
}

TEST_F(ModalTest, TimersOfOtherWindowsTickDuringTheModalLoop) {
  auto* timer = TObject::Create<TTimer>(main);
  timer->SetInterval(100);
  int ticks = 0;
  timer->SetOnTimer([&](TObject*) {
    if (++ticks == 3) dialog->SetModalResult(mrOk);
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(ticks, 3);
}
