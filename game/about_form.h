// The About box: the game's name, its version and the maker's address on a
// borderless window; OK, Enter and Esc close it.
#pragma once

#include "forms.h"
#include "stdctrls_button.h"
#include "vyrregion.h"
#include "vyrstdcs.h"

class TForm2 : public TForm {
  MORVANT_COMPONENT(TForm2, TForm)
 public:
  explicit TForm2(TComponent* AOwner);

  Vyrstdcs::TVyrLabel* VyrLabel2 = nullptr;
  Vyrstdcs::TVyrLabel* VyrLabel1 = nullptr;
  Vyrstdcs::TVyrLabel* VyrLabel3 = nullptr;
  TButton* Button1 = nullptr;
  Vyrregion::TVyrFormShape* VyrFormShape1 = nullptr;
};

extern TForm2* Form2;
