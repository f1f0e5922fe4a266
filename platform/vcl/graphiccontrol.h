// TGraphicControl: a control without a window. Its parent paints it after
// its own paint (PaintControls) and hands it mouse messages; its Canvas
// draws on the parent's surface with the origin at the control's corner,
// also outside a paint cycle.
#pragma once

#include <memory>

#include "control.h"
#include "controlcanvas.h"

class TGraphicControl : public TControl {
  MORVANT_CLASS(TGraphicControl, TControl)
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  TCanvas* GetCanvas() const { return canvas_.get(); }

 protected:
  virtual void Paint() {}
  void Dispatch(TMessage& Message) override;
  void BoundsChanged(bool Resized) override;
  virtual void WMPaint(TMessage& Message);

 private:
  std::unique_ptr<TControlCanvas> canvas_;
};
