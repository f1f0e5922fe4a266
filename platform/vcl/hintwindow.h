// THintWindow: the small window that shows a control's hint. It is a
// top-level tool window with a thin border in the hint colour, shown
// without taking the activation or the focus, so that the form under the
// mouse stays the active one.
//
// A hint text may hold two parts, "short|long": the window shows the short
// one, the application's Hint (for a status bar) is the long one.
#pragma once

#include "customcontrol.h"

class THintWindow : public TCustomControl {
  MORVANT_CLASS(THintWindow, TCustomControl)
 public:
  explicit THintWindow(TComponent* AOwner);

  // The bounds that Text needs, at most MaxWidth wide (it wraps at words),
  // with the border and the margins; left and top are 0.
  virtual TRect CalcHintRect(int MaxWidth, const AnsiString& AHint, void* AData);
  // Shows AHint in Rect (screen coordinates), moved inside the desktop.
  virtual void ActivateHint(TRect Rect, const AnsiString& AHint);
  // Hides the window and lets it go; the next ActivateHint makes a new one.
  void ReleaseHandle();
  bool IsShown() const;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
};

// The part before the first '|' (all of Hint when there is none).
AnsiString GetShortHint(const AnsiString& Hint);
// The part after the first '|' (all of Hint when there is none).
AnsiString GetLongHint(const AnsiString& Hint);
