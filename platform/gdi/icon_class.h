// TIcon: the class library's icon over an HICON (image plus mask), drawn
// masked. Streams hold an ICO file.
#pragma once

#include "gdi_handles.h"
#include "graphic.h"

class TIcon : public TGraphic {
  MORVANT_CLASS(TIcon, TGraphic)
 public:
  TIcon() = default;
  ~TIcon() override;
  void Assign(TPersistent* Source) override;

  int GetWidth() const override;
  int GetHeight() const override;
  // An icon's size comes from its image: EInvalidGraphicOperation.
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;
  bool GetEmpty() const override { return handle_ == nullptr; }

  HICON GetHandle() const { return handle_; }
  // Adopts the icon; the previous one is destroyed.
  void SetHandle(HICON Value);
  HICON ReleaseHandle();

  // An ICO file; bad bytes raise EInvalidGraphic and leave the icon.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;

 protected:
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

 private:
  HICON handle_ = nullptr;
};
