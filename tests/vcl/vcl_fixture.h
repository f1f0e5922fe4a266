// Shared pieces of the class-library suites: the headless application and
// small controls that log what happens to them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "customcontrol.h"
#include "forms.h"
#include "graphiccontrol.h"
#include "headless_app.h"

// A focusable windowed control that records its enter and exit.
class TLoggingControl : public TCustomControl {
  MORVANT_CLASS(TLoggingControl, TCustomControl)
 public:
  TLoggingControl(TComponent* AOwner, std::vector<std::string>* Log) : TCustomControl(AOwner), log_(Log) {
    SetTabStop(true);
    SetBounds(0, 0, 50, 20);
  }

 protected:
  void DoEnter() override {
    if (log_) log_->push_back("enter " + std::string(GetName().c_str()));
    TCustomControl::DoEnter();
  }
  void DoExit() override {
    if (log_) log_->push_back("exit " + std::string(GetName().c_str()));
    TCustomControl::DoExit();
  }

 private:
  std::vector<std::string>* log_;
};

// A window-less control that fills its bounds with one colour.
class TSwatch : public TGraphicControl {
  MORVANT_CLASS(TSwatch, TGraphicControl)
 public:
  explicit TSwatch(TComponent* AOwner) : TGraphicControl(AOwner) { controlStyle_.Include(csOpaque); }
  TColor Fill = clRed;
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    GetCanvas()->GetBrush()->SetColor(Fill);
    GetCanvas()->FillRect(TRect(0, 0, GetWidth(), GetHeight()));
  }
};

class VclTest : public ::testing::Test {
 protected:
  TestSupport::HeadlessApp app;

  // A plain shown form of the given client size at (100, 100).
  TForm* ShownForm(int clientWidth = 300, int clientHeight = 200) {
    TForm* f = app.create_form<TForm>();
    f->SetBounds(100, 100, f->GetWidth(), f->GetHeight());
    f->SetClientWidth(clientWidth);
    f->SetClientHeight(clientHeight);
    f->Show();
    app.pump();
    return f;
  }
};
