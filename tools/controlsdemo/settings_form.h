// The second form: the component library's label, check box and track bar,
// set as the game's settings dialog sets them, with a label that reports
// every change, to drive by keys and mouse in a real window.
#pragma once

#include "forms.h"
#include "vyrextca.h"
#include "vyrgroup.h"
#include "vyrstdcs.h"

class TSettingsDemoForm : public TForm {
  MORVANT_COMPONENT(TSettingsDemoForm, TForm)
 public:
  explicit TSettingsDemoForm(TComponent* AOwner) : TForm(AOwner) {}

  Vyrstdcs::TVyrLabel* SpeedLabel = nullptr;
  Vyrextca::TVyrTrackBar* SpeedBar = nullptr;
  Vyrgroup::TVyrCheckBox* MusicBox = nullptr;
  Vyrstdcs::TVyrLabel* ReportLabel = nullptr;

 private:
  void SpeedBarChange(TObject* Sender);
  void MusicBoxChange(TObject* Sender);
};

extern TSettingsDemoForm* SettingsDemoForm;
