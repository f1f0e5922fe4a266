// The dialog suites: the standard-control fixture with a small folder tree
// in the program folder, and ways to reach the controls of the form a
// dialog shows. A test drives a form by queueing input from the dialog's
// OnShow; the form's modal loop then takes it in order. Then(step) runs a
// step once everything queued before it has been handled (a timer ticks
// only when the virtual clock moves, which it does when the queue is
// empty), so a step can look at the form between inputs.
#pragma once

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <fstream>
#include <string>

#include "dialogs_common.h"
#include "folders.h"
#include "forms.h"
#include "msgbox.h"
#include "keyboard.h"
#include "stdctrls_fixture.h"
#include "tscreen.h"
#include "ttimer.h"

class DialogTest : public StdCtrlsTest {
 protected:
  DialogTest() : savedDir_(GetCurrentDir()) {
    levels = app.program_folder() + "/levels";
    std::filesystem::create_directories(levels + "/alt");
    for (const char* name : {"welt1.dat", "welt2.dat", "notiz.txt", "alt/welt0.dat"})
      std::ofstream(levels + "/" + name) << "x";
    // A form the test's input did not close would wait for ever: after a
    // while of virtual time it is cancelled, and the test fails.
    watchdog_ = TObject::Create<TTimer>(Application);
    watchdog_->SetInterval(5000);
    watchdog_->SetOnTimer([](TObject*) {
      if (TCustomForm* form = Screen->GetActiveForm(); form && form->IsModal()) {
        ADD_FAILURE() << "the dialog was still open";
        form->SetModalResult(mrCancel);
      }
    });
  }
  ~DialogTest() override { SetCurrentDir(savedDir_); }

  void Then(std::function<void()> step) {
    steps_.push_back(std::move(step));
    if (!stepper_) {
      stepper_ = TObject::Create<TTimer>(Application);
      stepper_->SetInterval(10);
      stepper_->SetOnTimer([this](TObject*) {
        if (steps_.empty()) return;
        std::function<void()> step = std::move(steps_.front());
        steps_.pop_front();
        step();
      });
    }
  }

  // A control of the dialog's form by name; fails the test when absent.
  template <class T>
  static T* Part(TCommonDialog* dialog, const char* name) {
    TCustomForm* form = dialog->GetForm();
    T* part = form ? dynamic_cast<T*>(form->FindComponent(name)) : nullptr;
    EXPECT_NE(part, nullptr) << name;
    return part;
  }
  // A click on the middle of a control, or of a rectangle of its client area.
  void ClickOn(TControl* control) {
    if (control) app.click(control, control->GetClientRect().Width() / 2, control->GetClientRect().Height() / 2);
  }
  void ClickOn(TControl* control, const TRect& r) {
    if (control) app.click(control, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  // With MORVANT_DIALOG_SHOTS set to a folder, the dialog's window goes
  // there as a PNG, to be looked at by a person.
  static void Screenshot(TCommonDialog* dialog, const std::string& name) {
    const char* folder = std::getenv("MORVANT_DIALOG_SHOTS");
    if (!folder || !dialog->GetForm()) return;
    RedrawWindow(dialog->GetForm()->GetHandle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    TestSupport::SaveWindowPng(dialog->GetForm()->GetHandle(), std::string(folder) + "/" + name + ".png");
  }
  void NoScriptAnswer() { app.host().QueueAnswer(Backend::AskAnswer{0, {}}); }

  std::string levels;

 private:
  AnsiString savedDir_;
  std::deque<std::function<void()>> steps_;
  TTimer* stepper_ = nullptr;
  TTimer* watchdog_ = nullptr;
};
