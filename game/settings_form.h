// The settings dialog: the step speed, the replay delay and the five
// switches. The main window fills it in and takes its answers.
#pragma once

#include "forms.h"
#include "stdctrls_button.h"
#include "vyrextca.h"
#include "vyrforma.h"
#include "vyrgroup.h"
#include "vyrstdcs.h"

class TForm4 : public TForm {
  MORVANT_COMPONENT(TForm4, TForm)
 public:
  explicit TForm4(TComponent* AOwner);

  Vyrstdcs::TVyrLabel* VyrLabel1 = nullptr;
  Vyrstdcs::TVyrLabel* VyrLabel2 = nullptr;
  Vyrstdcs::TVyrLabel* VyrLabel3 = nullptr;
  Vyrstdcs::TVyrLabel* VyrLabel4 = nullptr;
  Vyrstdcs::TVyrLabel* VyrLabel5 = nullptr;
  Vyrstdcs::TVyrLabel* VyrLabel6 = nullptr;
  Vyrextca::TVyrTrackBar* VyrTrackBar1 = nullptr;
  Vyrextca::TVyrTrackBar* VyrTrackBar2 = nullptr;
  Vyrgroup::TVyrCheckBox* VyrCheckBox1 = nullptr;
  Vyrgroup::TVyrCheckBox* VyrCheckBox2 = nullptr;
  Vyrgroup::TVyrCheckBox* VyrCheckBox3 = nullptr;
  Vyrgroup::TVyrCheckBox* VyrCheckBox4 = nullptr;
  Vyrgroup::TVyrCheckBox* VyrCheckBox5 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  Vyrforma::TVyrFormFill* VyrFormFill1 = nullptr;
};

extern TForm4* Form4;
