// The third form: the library's windowed, image-face, picture and docked
// buttons, with a label that reports every click and state, to drive by
// keys and mouse in a real window.
#pragma once

#include "forms.h"
#include "menus.h"
#include "stdctrls_edit.h"
#include "vyrbtn.h"
#include "vyrcont.h"
#include "vyrmms_buttons.h"
#include "vyrstdcs.h"

class TButtonsDemoForm : public TForm {
  MORVANT_COMPONENT(TButtonsDemoForm, TForm)
 public:
  explicit TButtonsDemoForm(TComponent* AOwner) : TForm(AOwner) {}

  TPopupMenu* ChoiceMenu = nullptr;
  Vyrbtn::TVyrButton* MenuButton = nullptr;
  Vyrbtn::TVyrButton* RepeatButton = nullptr;
  Vyrcont::TVyrImageList* FaceList = nullptr;
  Vyrbtn::TVyrMMButton* FaceButton = nullptr;
  Vyrmms::TVyr3DEffectButton* EffectButton = nullptr;
  TEdit* DockEdit = nullptr;
  Vyrbtn::TVyrDockSpeedButton* DockSpeed = nullptr;
  Vyrbtn::TVyrDockButton* DockWindowed = nullptr;
  Vyrstdcs::TVyrLabel* ReportLabel = nullptr;

 private:
  void FormCreate(TObject* Sender);
  void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
  void ButtonClick(TObject* Sender);
  void ButtonEnter(TObject* Sender);
  void ButtonExit(TObject* Sender);
  void MenuDropDown(TObject* Sender);
  void ChoiceClick(TObject* Sender);
  void Report(const AnsiString& Text);

  int repeats_ = 0;
};

extern TButtonsDemoForm* ButtonsDemoForm;
