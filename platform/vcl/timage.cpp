#include "timage.h"

#include "exceptions.h"
#include "scope_guard.h"

void TImage::Publish(TPublisher<TImage>& P) {
  P.Object("Picture", &TImage::GetPicture);
  P.Bool("AutoSize", &TImage::GetAutoSize, &TImage::SetAutoSize, false);
  P.Bool("Stretch", &TImage::GetStretch, &TImage::SetStretch, false);
  P.Bool("Center", &TImage::GetCenter, &TImage::SetCenter, false);
  P.Bool("Transparent", &TImage::GetTransparent, &TImage::SetTransparent, false);
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), picture_(new TPicture) {
  controlStyle_.Include(csReplicatable);
  picture_->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
  SetBounds(left_, top_, 105, 105);
}

TImage::~TImage() {
  picture_->OnChange = nullptr;
}

TCanvas* TImage::GetCanvas() {
  if (!picture_->GetGraphic()) {
    auto* bitmap = new TBitmap;
    bitmap->SetSize(width_, height_);
    picture_->SetGraphic(bitmap);
    delete bitmap;
    ownBitmap_ = true;
  }
  auto* bitmap = dynamic_cast_object<TBitmap>(picture_->GetGraphic());
  if (!bitmap) throw EInvalidOperation("Can only modify an image if it contains a bitmap");
  return bitmap->GetCanvas();
}

void TImage::SetAutoSize(bool Value) {
  autoSize_ = Value;
  PictureChanged(this);
}

void TImage::SetStretch(bool Value) {
  if (stretch_ == Value) return;
  stretch_ = Value;
  PictureChanged(this);
}

void TImage::SetCenter(bool Value) {
  if (center_ == Value) return;
  center_ = Value;
  PictureChanged(this);
}

void TImage::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  PictureChanged(this);
}

void TImage::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (ownBitmap_ && !autoSize_)
    if (auto* bitmap = dynamic_cast_object<TBitmap>(picture_->GetGraphic()))
      if (bitmap->GetWidth() != width_ || bitmap->GetHeight() != height_) bitmap->SetSize(width_, height_);
}

TRect TImage::DestRect() const {
  const int w = picture_->GetWidth();
  const int h = picture_->GetHeight();
  if (stretch_) return TRect(0, 0, width_, height_);
  if (center_) {
    const int x = (width_ - w) / 2;
    const int y = (height_ - h) / 2;
    return TRect(x, y, x + w, y + h);
  }
  return TRect(0, 0, w, h);
}

void TImage::PictureChanged(TObject*) {
  if (drawing_) return;
  TGraphic* g = picture_->GetGraphic();
  if (!g) ownBitmap_ = false;
  if (g && g->GetTransparent() != transparent_) {
    drawing_ = true;  // the graphic's own change notice comes back here
    g->SetTransparent(transparent_);
    drawing_ = false;
  }
  if (autoSize_ && g && g->GetWidth() > 0 && g->GetHeight() > 0) SetBounds(left_, top_, g->GetWidth(), g->GetHeight());
  if (!g || !transparent_) controlStyle_.Include(csOpaque);
  if (transparent_ || (g && (stretch_ || center_ || g->GetWidth() < width_ || g->GetHeight() < height_)))
    controlStyle_.Exclude(csOpaque);
  Invalidate();
}

void TImage::Paint() {
  TGraphic* g = picture_->GetGraphic();
  TCanvas* canvas = TGraphicControl::GetCanvas();
  if (GetComponentState().Contains(csDesigning)) {
    canvas->GetPen()->SetStyle(psDash);
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->Rectangle(0, 0, width_, height_);
  }
  if (!g) return;
  drawing_ = true;
  TScopeGuard done([this] { drawing_ = false; });
  if (stretch_)
    canvas->StretchDraw(DestRect(), g);
  else {
    TRect r = DestRect();
    canvas->Draw(r.left, r.top, g);
  }
}
