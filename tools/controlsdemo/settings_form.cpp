#include "settings_form.h"

#include "sysutils.h"

TSettingsDemoForm* SettingsDemoForm = nullptr;

void TSettingsDemoForm::Publish(TPublisher<TSettingsDemoForm>& P) {
  P.Field("SpeedLabel", &TSettingsDemoForm::SpeedLabel);
  P.Field("SpeedBar", &TSettingsDemoForm::SpeedBar);
  P.Field("MusicBox", &TSettingsDemoForm::MusicBox);
  P.Field("ReportLabel", &TSettingsDemoForm::ReportLabel);
  P.Method("SpeedBarChange", &TSettingsDemoForm::SpeedBarChange);
  P.Method("MusicBoxChange", &TSettingsDemoForm::MusicBoxChange);
}

void TSettingsDemoForm::SpeedBarChange(TObject*) {
  ReportLabel->SetCaption(AnsiString("Geschwindigkeit: ") + IntToStr(SpeedBar->GetPosition()));
}

void TSettingsDemoForm::MusicBoxChange(TObject*) {
  ReportLabel->SetCaption(MusicBox->GetChecked() ? AnsiString("Musik an") : AnsiString("Musik aus"));
}
