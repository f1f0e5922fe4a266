// How the animation paints: on its colour, on a copy of what lies behind
// it, or composed off-screen so that a frame change does not flicker.
#include <memory>

#include "bitmap_class.h"
#include "canvas.h"
#include "vyrcont.h"
#include "vyrctrla.h"

namespace Vyrctrla {

bool TVyrAniCtrl::CheckOptimized() {
  if (useBitmap_ && TVyrCustomLImage::CheckOptimized()) return true;
  return GetSilentMove() && ParentBackCheck();
}

void TVyrAniCtrl::Invalidate() {
  if (GetTransparent()) refreshBack_ = true;
  TVyrCustomLImage::Invalidate();
}

void TVyrAniCtrl::BoundsChange(Vyrctrl::TVyrBoundsChangeStates State) {
  if (GetTransparent()) refreshBack_ = true;
  TVyrCustomLImage::BoundsChange(State);
}

void TVyrAniCtrl::Dispatch(TMessage& Message) {
  if (Message.Msg == Vyrcctrl::CM_VYRBACKCHANGED) {
    if (!Loading() && (GetTransparent() || GetSilentMove())) Invalidate();
    return;
  }
  if (Message.Msg == Vyrcctrl::CM_TRANSPARENTCHANGED) {
    if (GetTransparent()) {
      if (!backBitmap_) backBitmap_ = std::make_unique<TBitmap>();
      refreshBack_ = true;
    } else {
      backBitmap_.reset();
    }
  }
  TVyrCustomLImage::Dispatch(Message);
}

void TVyrAniCtrl::RefillBack() {
  if (!backBitmap_) backBitmap_ = std::make_unique<TBitmap>();
  backBitmap_->SetSize(GetWidth(), GetHeight());
  if (CheckOptimized()) {
    PaintBackground(backBitmap_->GetCanvas());
  } else {
    // What the parent painted behind the control, with the bevel on it.
    TRect inner;
    GetBevel()->PaintBevel(GetCanvas(), GetClientRect(), inner, true);
    backBitmap_->GetCanvas()->CopyRect(GetClientRect(), GetCanvas(), GetClientRect());
  }
  refreshBack_ = false;
}

void TVyrAniCtrl::Paint() {
  if (Loading() || CorrectBounds()) return;
  if (!GetTransparent() && !GetSilentMove()) FillControl();
  if (GetEmpty() && BevelExt() == 0) {
    Vyrctrl::TVyrBaseGraphicControl::Paint();
    return;
  }
  if (GetTransparent() && refreshBack_) RefillBack();
  TRect inner;
  GetBevel()->PaintBevel(GetCanvas(), GetClientRect(), inner, GetTransparent());
  PaintImage(false);
}

void TVyrAniCtrl::PaintImage(bool Notify) {
  if (GetEmpty()) return;
  const TRect R = BeveledRect();
  const std::uint16_t flags = ImageFlags();
  if (Notify && OnAnimate) OnAnimate(this);
  TCanvas* canvas = GetCanvas();
  // A control-sized picture the frame is composed on; only the inner
  // rectangle goes to the screen, the bevel stays as painted.
  auto composeOn = [&](auto&& fillBack) {
    auto work = std::make_unique<TBitmap>();
    work->SetSize(GetWidth(), GetHeight());
    fillBack(work->GetCanvas());
    DrawItem(work->GetCanvas(), R, flags);
    canvas->CopyRect(R, work->GetCanvas(), R);
  };
  auto fillColor = [&](TCanvas* Target, const TRect& Area) {
    Target->GetBrush()->SetStyle(bsSolid);
    Target->GetBrush()->SetColor(GetColor());
    Target->FillRect(Area);
  };
  if (GetTransparent() && !GetSilentMove()) {
    if (!useBitmap_) {
      DrawItem(canvas, R, flags);
      return;
    }
    composeOn([&](TCanvas* Target) {
      if (backBitmap_ && !backBitmap_->GetEmpty())
        Target->CopyRect(GetClientRect(), backBitmap_->GetCanvas(), GetClientRect());
      else
        fillColor(Target, GetClientRect());
    });
    return;
  }
  if (GetImageList()->Masked(GetListIndex()) || GetForceTransparent()) {
    if (!useBitmap_) {
      fillColor(canvas, R);
      DrawItem(canvas, R, flags);
      return;
    }
    composeOn([&](TCanvas* Target) {
      if (!(GetSilentMove() && PaintBackground(Target))) fillColor(Target, GetClientRect());
    });
    return;
  }
  DrawItem(canvas, R, flags);
}

}  // namespace Vyrctrla
