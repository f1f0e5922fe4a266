// TControlCanvas: a canvas bound to a control. During a paint it adopts the
// paint's DC; outside one it takes a DC of its own on first use (for a
// window-less control, the parent's with the origin at the control's corner
// and clipped to its bounds) and gives it back at FreeHandle, which the
// application calls when it goes idle and the control on a move.
#pragma once

#include "canvas.h"
#include "hwnd.h"

class TControl;

class TControlCanvas : public TCanvas {
  MORVANT_CLASS(TControlCanvas, TCanvas)
 public:
  TControlCanvas() = default;
  ~TControlCanvas() override;

  TControl* GetControl() const { return control_; }
  void SetControl(TControl* Value);
  // Gives back a DC the canvas took itself.
  void FreeHandle();
  // Frees the DCs that every control canvas took outside a paint.
  static void FreeDeviceContexts();

 protected:
  void CreateHandle() override;

 private:
  TControl* control_ = nullptr;
  HWND ownWindow_ = nullptr;
  HDC ownDC_ = nullptr;
};
