#include "buttons_form.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "bitmap_class.h"
#include "canvas.h"
#include "colors.h"
#include "keyboard.h"
#include "sysutils.h"

TButtonsDemoForm* ButtonsDemoForm = nullptr;

void TButtonsDemoForm::Publish(TPublisher<TButtonsDemoForm>& P) {
  using F = TButtonsDemoForm;
  P.Field("ChoiceMenu", &F::ChoiceMenu);
  P.Field("MenuButton", &F::MenuButton);
  P.Field("RepeatButton", &F::RepeatButton);
  P.Field("FaceList", &F::FaceList);
  P.Field("FaceButton", &F::FaceButton);
  P.Field("EffectButton", &F::EffectButton);
  P.Field("DockEdit", &F::DockEdit);
  P.Field("DockSpeed", &F::DockSpeed);
  P.Field("DockWindowed", &F::DockWindowed);
  P.Field("ReportLabel", &F::ReportLabel);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormKeyDown", &F::FormKeyDown);
  P.Method("ButtonClick", &F::ButtonClick);
  P.Method("ButtonEnter", &F::ButtonEnter);
  P.Method("ButtonExit", &F::ButtonExit);
  P.Method("MenuDropDown", &F::MenuDropDown);
  P.Method("ChoiceClick", &F::ChoiceClick);
}

namespace {

// A disc of Colour on Ground, Size pixels across.
std::unique_ptr<TBitmap> Disc(int Size, TColor Colour, TColor Ground) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(Size, Size);
  TCanvas* canvas = bitmap->GetCanvas();
  canvas->GetBrush()->SetColor(Ground);
  canvas->FillRect(TRect(0, 0, Size, Size));
  const double r = Size / 2.0 - 1;
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x)
      if (std::hypot(x + 0.5 - Size / 2.0, y + 0.5 - Size / 2.0) <= r) canvas->SetPixels(x, y, Colour);
  return bitmap;
}

}  // namespace

// The pictures are drawn here rather than stored in the form: a red disc
// at rest and a blue one pressed, each on white, which counts as nothing.
void TButtonsDemoForm::FormCreate(TObject*) {
  auto* strip = TObject::Create<Vyrcont::TVyrImageListItem>(20, 20);
  strip->Add(Disc(20, clRed, clWhite).get(), nullptr);
  strip->Add(Disc(20, clBlue, clWhite).get(), nullptr);
  FaceList->Add(strip);
  FaceButton->SetButtonFaceIndex(Vyrgraph::TVyrButtonState::bsUp, Vyrbtn::VyrFaceIndex(0, 0));
  FaceButton->SetButtonFaceIndex(Vyrgraph::TVyrButtonState::bsDown, Vyrbtn::VyrFaceIndex(0, 1));
  FaceButton->SetTransColor(clWhite);

  const int side = EffectButton->GetWidth();
  auto mask = Disc(side, clBlack, clWhite);
  EffectButton->Set3DPics(Disc(side, clLime, clGreen).get(), Disc(side, clGreen, clLime).get(),
                          Disc(side, clSilver, clGray).get(), mask.get(), mask.get(), mask.get());
}

void TButtonsDemoForm::Report(const AnsiString& Text) { ReportLabel->SetCaption(Text); }

void TButtonsDemoForm::ButtonClick(TObject* Sender) {
  if (Sender == RepeatButton) {
    Report("Wiederholen: " + IntToStr(++repeats_));
    return;
  }
  auto* component = dynamic_cast_object<TComponent>(Sender);
  Report((component ? component->GetName() : AnsiString("?")) + " geklickt");
}

void TButtonsDemoForm::ButtonEnter(TObject* Sender) {
  if (auto* c = dynamic_cast_object<TComponent>(Sender)) Report(c->GetName() + ": Maus darauf");
}

void TButtonsDemoForm::ButtonExit(TObject* Sender) {
  if (auto* c = dynamic_cast_object<TComponent>(Sender)) Report(c->GetName() + ": Maus weg");
}

void TButtonsDemoForm::MenuDropDown(TObject*) { Report("Menü offen"); }

void TButtonsDemoForm::ChoiceClick(TObject* Sender) {
  auto* item = dynamic_cast_object<TMenuItem>(Sender);
  if (!item) return;
  std::string caption = item->GetCaption().str();
  caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
  Report(AnsiString("Gewählt: ") + caption.c_str());
}

// F5 moves the edit right and widens it, F6 brings it back: the docked
// buttons go along.
void TButtonsDemoForm::FormKeyDown(TObject*, Word& Key, TShiftState) {
  if (Key == VK_F5) {
    DockEdit->SetBounds(DockEdit->GetLeft() + 10, DockEdit->GetTop(), DockEdit->GetWidth() + 10,
                        DockEdit->GetHeight());
    Report("Feld bei " + IntToStr(DockEdit->GetLeft()) + ", " + IntToStr(DockEdit->GetWidth()) + " breit");
    Key = 0;
  } else if (Key == VK_F6) {
    DockEdit->SetBounds(12, 170, 150, 21);
    Report("Feld zurück");
    Key = 0;
  }
}
