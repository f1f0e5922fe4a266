// A form with every control of this family in its usual states. With
// MORVANT_SCREENSHOTS naming a folder, the window is saved there as
// buttons.png, so that the look can be judged by eye.
#include <cstdlib>
#include <string>

#include "buttons_fixture.h"
#include "stdctrls_button.h"
#include "stdctrls_check.h"
#include "stdctrls_edit.h"
#include "stdctrls_label.h"
#include "stdctrls_radio.h"

TEST_F(ButtonsTest, FormWithEveryButtonAndFieldPaintsInTheClassicLook) {
  TForm* f = ShownForm(360, 230);
  f->SetCaption("Knöpfe und Felder");
  auto* label = TObject::Create<TLabel>(f);
  label->SetParent(f);
  label->SetBounds(12, 14, 60, 17);
  label->SetCaption("&Name:");
  auto* name = Add<TEdit>(f, 70, 10, 150);
  name->SetText("Spielebene Größe");
  auto* readOnly = Add<TEdit>(f, 70, 38, 150);
  readOnly->SetText("nur lesen");
  readOnly->SetReadOnly(true);
  auto* disabledEdit = Add<TEdit>(f, 70, 66, 150);
  disabledEdit->SetText("gesperrt");
  disabledEdit->SetEnabled(false);

  auto* sound = Add<TCheckBox>(f, 240, 12, 110);
  sound->SetCaption("&Ton");
  sound->SetChecked(true);
  auto* music = Add<TCheckBox>(f, 240, 34, 110);
  music->SetCaption("Musik");
  auto* grey = Add<TCheckBox>(f, 240, 56, 110);
  grey->SetCaption("Teilweise");
  grey->SetAllowGrayed(true);
  grey->SetState(cbGrayed);
  auto* off = Add<TCheckBox>(f, 240, 78, 110);
  off->SetCaption("Gesperrt");
  off->SetEnabled(false);

  auto* easy = Add<TRadioButton>(f, 12, 100, 100);
  easy->SetCaption("&Leicht");
  auto* hard = Add<TRadioButton>(f, 12, 122, 100);
  hard->SetCaption("Schwer");
  hard->SetChecked(true);
  auto* right = Add<TRadioButton>(f, 120, 100, 110);
  right->SetCaption("Rechts");
  right->SetAlignment(taLeftJustify);

  auto* ok = Add<TButton>(f, 110, 190);
  ok->SetCaption("OK");
  ok->SetDefault(true);
  auto* cancel = Add<TButton>(f, 195, 190);
  cancel->SetCaption("Abbrechen");
  cancel->SetCancel(true);
  auto* help = Add<TButton>(f, 280, 190);
  help->SetCaption("&Hilfe");
  help->SetEnabled(false);
  auto* held = Add<TButton>(f, 12, 190);
  held->SetCaption("Gedrückt");

  name->SetFocus();
  name->SetSelStart(11);
  name->SetSelLength(7);
  held->Perform(BM_SETSTATE, 1, 0);
  app.pump();

  EXPECT_EQ(Pixel(ok, 10, 0), Rgb(clBlack));               // the default ring
  EXPECT_EQ(Pixel(held, 10, 0), Rgb(clBtnShadow));         // pushed: sunken
  EXPECT_EQ(Pixel(cancel, 10, 0), Rgb(cl3DLight));         // raised, as the message box's
  EXPECT_GT(CountPixels(name, TRect(0, 0, name->GetClientWidth(), 17), clHighlight), 50);  // the selection
  EXPECT_GT(CountPixels(help, TRect(4, 4, 71, 21), clBtnHighlight), 3);                  // embossed caption

  const char* folder = std::getenv("MORVANT_SCREENSHOTS");
  if (folder) { EXPECT_TRUE(TestSupport::SaveWindowPng(f->GetHandle(), std::string(folder) + "/buttons.png")); }

  // A focused button takes the ring from the default one and shows the
  // dotted rectangle; so does a focused check box around its caption.
  cancel->SetFocus();
  app.pump();
  EXPECT_EQ(Pixel(ok, 10, 0), Rgb(cl3DLight));
  EXPECT_EQ(Pixel(cancel, 10, 0), Rgb(clBlack));
  if (folder) { EXPECT_TRUE(TestSupport::SaveWindowPng(f->GetHandle(), std::string(folder) + "/buttons-focus.png")); }
}
