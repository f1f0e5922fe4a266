// The world chooser: the built-in worlds in a list, with the level count,
// the difficulty and the number of solved levels of the one selected.
#pragma once

#include "comctrls_progressbar.h"
#include "forms.h"
#include "stdctrls_button.h"
#include "stdctrls_listbox.h"
#include "vyrforma.h"
#include "vyrstdcs.h"

class TForm3 : public TForm {
  MORVANT_COMPONENT(TForm3, TForm)
 public:
  explicit TForm3(TComponent* AOwner);

  TListBox* ListBox1 = nullptr;
  Vyrstdcs::TVyrLabel* VyrLabel2 = nullptr;
  Vyrstdcs::TVyrLabel* VyrLabel3 = nullptr;
  Vyrstdcs::TVyrLabel* VyrLabel1 = nullptr;
  Vyrstdcs::TVyrLabel* VyrLabel4 = nullptr;
  Vyrstdcs::TVyrLabel* VyrLabel5 = nullptr;
  TProgressBar* ProgressBar1 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  Vyrforma::TVyrFormFill* VyrFormFill1 = nullptr;

  void FormActivate(TObject* Sender);
  void ListBox1Click(TObject* Sender);
};

extern TForm3* Form3;
