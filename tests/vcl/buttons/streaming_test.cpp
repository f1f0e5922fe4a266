#include <string>

#include "application.h"
#include "buttons_fixture.h"
#include "classregistry.h"
#include "formres.h"
#include "formtext.h"
#include "stdctrls_button.h"
#include "stdctrls_check.h"
#include "stdctrls_edit.h"
#include "stdctrls_radio.h"
#include "streams.h"

namespace {

// A form whose handlers the stream binds by name.
class TSettingsForm : public TForm {
  MORVANT_COMPONENT(TSettingsForm, TForm)
 public:
  explicit TSettingsForm(TComponent* AOwner) : TForm(AOwner) {}
  int Clicks = 0;
  void ChoiceClick(TObject*) { ++Clicks; }
};

void TSettingsForm::Publish(TPublisher<TSettingsForm>& P) { P.Method("ChoiceClick", &TSettingsForm::ChoiceClick); }

const char* kDialogText = R"(object Settings: TSettingsForm
  Left = 120
  Top = 80
  BorderStyle = bsDialog
  Caption = 'Einstellungen'
  ClientHeight = 140
  ClientWidth = 260
  object NameEdit: TEdit
    Left = 8
    Top = 8
    Width = 160
    Height = 21
    MaxLength = 20
    TabOrder = 0
    Text = 'Spielebene Größe'
  end
  object SoundCheck: TCheckBox
    Left = 8
    Top = 36
    Width = 120
    Height = 17
    Caption = '&Ton'
    OnClick = ChoiceClick
    Checked = True
    TabOrder = 1
  end
  object EasyRadio: TRadioButton
    Left = 8
    Top = 58
    Caption = 'Leicht'
    TabOrder = 2
  end
  object HardRadio: TRadioButton
    Left = 8
    Top = 78
    Caption = 'Schwer'
    OnClick = ChoiceClick
    Checked = True
    TabOrder = 3
  end
  object OkButton: TButton
    Left = 96
    Top = 104
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 4
  end
  object CancelButton: TButton
    Left = 176
    Top = 104
    Caption = 'Abbrechen'
    Cancel = True
    ModalResult = 2
    TabOrder = 5
  end
end
)";

TSettingsForm* ReadForm(const char* text) {
  TStringStream source{AnsiString(text)};
  TMemoryStream binary;
  ObjectTextToBinary(&source, &binary);
  binary.SetPosition(0);
  auto* form = TObject::Create<TSettingsForm>(Application);
  ReadComponentFromStream(&binary, form);
  return form;
}

std::string FormText(TComponent* form) {
  TMemoryStream binary;
  WriteComponentToStream(&binary, form);
  binary.SetPosition(0);
  TStringStream text{AnsiString()};
  ObjectBinaryToText(&binary, &text);
  return text.GetDataString().c_str();
}

}  // namespace

TEST_F(ButtonsTest, DialogReadFromFormTextWorksAndWritesItsControlsBack) {
  RegisterClass(TSettingsForm::StaticClass());
  TSettingsForm* form = ReadForm(kDialogText);
  auto* edit = dynamic_cast_object<TEdit>(form->FindComponent("NameEdit"));
  auto* sound = dynamic_cast_object<TCheckBox>(form->FindComponent("SoundCheck"));
  auto* easy = dynamic_cast_object<TRadioButton>(form->FindComponent("EasyRadio"));
  auto* hard = dynamic_cast_object<TRadioButton>(form->FindComponent("HardRadio"));
  auto* ok = dynamic_cast_object<TButton>(form->FindComponent("OkButton"));
  auto* cancel = dynamic_cast_object<TButton>(form->FindComponent("CancelButton"));
  ASSERT_TRUE(edit && sound && easy && hard && ok && cancel);
  EXPECT_EQ(edit->GetText(), "Spielebene Größe");
  EXPECT_EQ(edit->GetMaxLength(), 20);
  EXPECT_TRUE(sound->GetChecked());
  EXPECT_FALSE(easy->GetChecked());
  EXPECT_TRUE(hard->GetChecked());
  // What the stream set was no click; a change afterwards is.
  EXPECT_EQ(form->Clicks, 0);
  sound->SetChecked(false);
  EXPECT_EQ(form->Clicks, 1);
  sound->SetChecked(true);
  EXPECT_TRUE(ok->GetDefault());
  EXPECT_EQ(ok->GetModalResult(), mrOk);
  EXPECT_TRUE(cancel->GetCancel());
  EXPECT_EQ(ok->GetBoundsRect(), TRect(96, 104, 171, 129));

  // Each control writes what it read; the field's text is its Text, once.
  const std::string written = FormText(edit) + FormText(sound) + FormText(hard) + FormText(ok) + FormText(cancel);
  for (const char* line : {"Text = 'Spielebene Gr", "MaxLength = 20", "Default = True", "ModalResult = 1",
                           "Cancel = True", "Checked = True", "Caption = '&Ton'"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  EXPECT_EQ(written.find("Caption = 'Spielebene"), std::string::npos);
  // A field is white and a button grey of their own: neither writes it.
  EXPECT_EQ(written.find("Color"), std::string::npos) << written;

  // The streamed dialog answers the keyboard: the edit has the focus, the
  // typed text replaces the selected text, Enter is OK.
  form->OnShow = [&](TObject*) {
    app.text("!");
    app.key(VK_RETURN);
  };
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(edit->GetText(), "!");
  delete form;
  UnRegisterClass(TSettingsForm::StaticClass());
}
