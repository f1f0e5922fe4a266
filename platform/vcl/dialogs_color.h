// TColorDialog: asks for a colour.
//
// Execute asks the host first (headless: the test's script; its answer text
// is the colour in the custom colours' hexadecimal form, "0000FF" for red;
// an empty text confirms the colour as it is, a text that is no colour is
// not confirmed; IDCANCEL cancels). Without an answer it shows the colour
// form: the 48 basic colours and the 16 custom colours as swatches, and,
// when full open, the "Farben definieren" part with red, green and blue
// fields (see dialogs_colorform.h).
//
// CustomColors holds "FarbeA=..." .. "FarbeP=..." lines (see
// dialogs_customcolors.h); a confirmed form writes the custom colours the
// user defined back into it, leaving every other line as it was.
// Options: cdFullOpen shows the defining part at once, cdPreventFullOpen
// disables its button; cdShowHelp, cdSolidColor and cdAnyColor are kept
// for the caller (every colour here is solid).
#pragma once

#include "colors.h"
#include "dialogs_common.h"
#include "sets.h"
#include "tstrings.h"

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = TSet<TColorDialogOption>;

class TColorDialog : public TCommonDialog {
  MORVANT_COMPONENT(TColorDialog, TCommonDialog)
 public:
  explicit TColorDialog(TComponent* AOwner);
  ~TColorDialog() override;

  TColor GetColor() const { return color_; }
  void SetColor(TColor Value) { color_ = Value; }
  TStrings* GetCustomColors() const { return customColors_; }
  void SetCustomColors(TStrings* Value);
  TColorDialogOptions GetOptions() const { return options_; }
  void SetOptions(TColorDialogOptions Value) { options_ = Value; }

  bool Execute() override;

 private:
  bool ExecuteForm();

  TColor color_ = clBlack;
  TStrings* customColors_;
  TColorDialogOptions options_;
};
