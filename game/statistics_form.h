// The statistics dialog: the solved levels, their best step counts and the
// running counts of steps and attempts, read anew from the registry every
// time it is shown.
#pragma once

#include "forms.h"
#include "stdctrls_button.h"
#include "stdctrls_label.h"

class TForm6 : public TForm {
  MORVANT_COMPONENT(TForm6, TForm)
 public:
  explicit TForm6(TComponent* AOwner);

  // The captions, in rows from top to bottom.
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TLabel* Label5 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label11 = nullptr;
  // The values beside them.
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* Label8 = nullptr;
  TLabel* Label9 = nullptr;
  TLabel* Label10 = nullptr;
  TLabel* Label12 = nullptr;
  TButton* Button1 = nullptr;

  void FormActivate(TObject* Sender);
};

extern TForm6* Form6;
