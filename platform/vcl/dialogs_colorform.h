// The colour dialog's form: "Grundfarben" (48 basic colours) and
// "Benutzerdefinierte Farben" (the 16 custom ones) as swatch grids, the
// "Farben definieren" button that opens the defining part on the right
// (a preview and "Rot", "Grün", "Blau" fields of 0 .. 255, and "Farben
// hinzufügen", which puts the colour into the chosen custom swatch, else
// the first unused one, else the next in turn), OK and "Abbrechen".
//
// Enter is OK, Escape "Abbrechen", Tab moves between the parts, the
// arrows move within a grid; a double click on a swatch takes it.
// The controls are named for callers and tests: "BasicGrid",
// "CustomGrid", "DefineButton", "RedEdit", "GreenEdit", "BlueEdit",
// "AddButton", "Preview", "OkButton", "CancelButton".
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "colors.h"
#include "dialogs_customcolors.h"
#include "forms.h"

class TButton;
class TEdit;
class TColorSwatchGrid;
class TLabel;
class TPanel;

class TColorDialogForm : public TForm {
  MORVANT_CLASS(TColorDialogForm, TForm)
 public:
  explicit TColorDialogForm(TComponent* AOwner);

  // Color is an RGB colour (no system colour).
  void Setup(TColor Color, const TCustomColorSlots& Custom, bool FullOpen, bool CanFullOpen);

  TColor GetCurrentColor() const { return current_; }
  bool GetFullOpen() const { return fullOpen_; }
  void SetFullOpen(bool Value);

  // Called when OK confirms, before the form closes.
  std::function<void(TColor Color, const TCustomColorSlots& Custom)> OnAccepted;

  static const std::array<TColor, 48>& BasicColors();

 private:
  void Choose(TColor Color);
  void ShowChannels();
  void BasicChanged(TObject* Sender);
  void CustomChanged(TObject* Sender);
  void ChannelChanged(TObject* Sender);
  void DefineClick(TObject* Sender);
  void AddClick(TObject* Sender);
  void OkClick(TObject* Sender);
  void SwatchDblClick(TObject* Sender);

  TLabel* MakeLabel(const char* Caption, int X, int Y);
  TEdit* MakeChannel(const char* Name, const char* Caption, int Y);

  TColorSwatchGrid* basic_ = nullptr;
  TColorSwatchGrid* custom_ = nullptr;
  TButton* define_ = nullptr;
  TPanel* preview_ = nullptr;
  TEdit* red_ = nullptr;
  TEdit* green_ = nullptr;
  TEdit* blue_ = nullptr;
  TButton* add_ = nullptr;
  TButton* ok_ = nullptr;
  TButton* cancel_ = nullptr;
  std::vector<TControl*> defineParts_;
  TCustomColorSlots slots_;
  TColor current_ = clBlack;
  bool fullOpen_ = false;
  bool showingChannels_ = false;
  int nextSlot_ = 0;
};
