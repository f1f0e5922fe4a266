#include "dialogs_color.h"

#include "dialogs_colorform.h"
#include "dialogs_customcolors.h"
#include "msgbox.h"


void TColorDialog::Publish(TPublisher<TColorDialog>& P) {
  P.Color("Color", &TColorDialog::GetColor, &TColorDialog::SetColor, clBlack);
  P.Strings("CustomColors", &TColorDialog::GetCustomColors);
  P.Set("Options", &TColorDialog::GetOptions, &TColorDialog::SetOptions,
        {"cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor", "cdAnyColor"}, 0);
}

TColorDialog::TColorDialog(TComponent* AOwner) : TCommonDialog(AOwner), customColors_(new TStringList) {}

TColorDialog::~TColorDialog() { delete customColors_; }

void TColorDialog::SetCustomColors(TStrings* Value) { customColors_->Assign(Value); }

bool TColorDialog::Execute() {
  const AnsiString current = TCustomColorSlots::FormatValue(ColorToRGB(color_));
  const std::optional<Backend::AskAnswer> answer =
      AskHost("ColorDialog", "Farbe", current.str(), static_cast<unsigned>(options_.Bits()));
  if (!answer) return ExecuteForm();
  if (answer->Result != IDOK) return false;
  if (answer->Text.empty()) return true;
  const std::optional<TColor> chosen =
      TCustomColorSlots::ParseValue(AnsiString(answer->Text.data(), answer->Text.size()));
  if (!chosen) return false;
  color_ = *chosen;
  return true;
}

bool TColorDialog::ExecuteForm() {
  TCustomColorSlots slots;
  slots.Read(*customColors_);
  TColorDialogForm* form = TCustomForm::Create<TColorDialogForm>(nullptr);
  form->Setup(ColorToRGB(color_), slots, options_.Contains(cdFullOpen), !options_.Contains(cdPreventFullOpen));
  TColor chosen = color_;
  form->OnAccepted = [&](TColor Color, const TCustomColorSlots& Custom) {
    chosen = Color;
    slots = Custom;
  };
  if (RunForm(form) != mrOk) return false;
  color_ = chosen;
  slots.WriteBack(*customColors_);
  return true;
}
