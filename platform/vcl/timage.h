// TImage: a window-less control showing a picture, at its size (AutoSize
// makes the control fit it), stretched, or centred. Its Canvas draws on
// the picture's bitmap; when the picture is empty the first use makes a
// bitmap of the control's size, which then follows the control's size.
#pragma once

#include <memory>

#include "graphiccontrol.h"
#include "graphics.h"

class TImage : public TGraphicControl {
  MORVANT_COMPONENT(TImage, TGraphicControl)
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  TPicture* GetPicture() const { return picture_.get(); }
  void SetPicture(TPicture* Value) { picture_->Assign(Value); }
  // The bitmap's canvas; EInvalidOperation when the picture holds another
  // kind of graphic.
  TCanvas* GetCanvas();
  bool GetAutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  bool GetStretch() const { return stretch_; }
  void SetStretch(bool Value);
  bool GetCenter() const { return center_; }
  void SetCenter(bool Value);
  bool GetTransparent() const { return transparent_; }
  void SetTransparent(bool Value);
  // Where the picture is drawn, in client coordinates.
  TRect DestRect() const;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

 protected:
  void Paint() override;

 private:
  void PictureChanged(TObject* Sender);

  std::unique_ptr<TPicture> picture_;
  bool autoSize_ = false;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
  // The bitmap was made by GetCanvas and follows the control's size.
  bool ownBitmap_ = false;
  bool drawing_ = false;
};
