// TCustomControl: a windowed control that paints itself through its Canvas
// in a virtual Paint; the base of the library's windowed controls.
#pragma once

#include <memory>

#include "controlcanvas.h"
#include "wincontrol.h"

class TCustomControl : public TWinControl {
  MORVANT_CLASS(TCustomControl, TWinControl)
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  TCanvas* GetCanvas() const { return canvas_.get(); }

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC DC) override;
  void DestroyWnd() override;

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};
