// The two test forms, read from forms/shaped_form.form (a borderless form
// shaped like the game's About box) and forms/filled_form.form (a dialog
// with a filled background).
#pragma once

#include "forms.h"
#include "stdctrls_button.h"
#include "vyrforma.h"
#include "vyrregion.h"

class TShapedTestForm : public TForm {
  MORVANT_COMPONENT(TShapedTestForm, TForm)
 public:
  using TForm::TForm;
  TButton* Button1 = nullptr;
  Vyrregion::TVyrFormShape* VyrFormShape1 = nullptr;
  int Clicks = 0;
  void Button1Click(TObject*) { ++Clicks; }
};

inline void TShapedTestForm::Publish(TPublisher<TShapedTestForm>& P) {
  P.Field("Button1", &TShapedTestForm::Button1);
  P.Field("VyrFormShape1", &TShapedTestForm::VyrFormShape1);
  P.Method("Button1Click", &TShapedTestForm::Button1Click);
}

class TFilledTestForm : public TForm {
  MORVANT_COMPONENT(TFilledTestForm, TForm)
 public:
  using TForm::TForm;
  TButton* Button1 = nullptr;
  Vyrforma::TVyrFormFill* VyrFormFill1 = nullptr;
};

inline void TFilledTestForm::Publish(TPublisher<TFilledTestForm>& P) {
  P.Field("Button1", &TFilledTestForm::Button1);
  P.Field("VyrFormFill1", &TFilledTestForm::VyrFormFill1);
}

// The colour of the test forms' 32 x 32 pictures at (X, Y) of a tiled fill:
// four squares of 16.
inline TColor TiledQuadrant(const TColor (&Quadrants)[4], int X, int Y) {
  return Quadrants[(X % 32 >= 16 ? 1 : 0) + (Y % 32 >= 16 ? 2 : 0)];
}
// In the platform's $00BBGGRR form.
inline constexpr TColor kShieldPicture[4] = {0x3060C0, 0x40A0E0, 0xC08040, 0x906030};
inline constexpr TColor kFilledPicture[4] = {0x60A020, 0xD0F0F0, 0xA04080, 0x805020};
