#include "controlcanvas.h"

#include <algorithm>
#include <vector>

#include "exceptions.h"
#include "gdi.h"
#include "paint.h"
#include "wincontrol.h"

namespace {

std::vector<TControlCanvas*>& CanvasesWithDC() {
  static std::vector<TControlCanvas*> list;
  return list;
}

}  // namespace

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* Value) {
  if (control_ == Value) return;
  FreeHandle();
  control_ = Value;
}

void TControlCanvas::CreateHandle() {
  if (!control_) {
    TCanvas::CreateHandle();
    return;
  }
  if (auto* win = dynamic_cast_object<TWinControl>(control_)) {
    ownWindow_ = win->GetHandle();
    ownDC_ = GetDCEx(ownWindow_, nullptr, DCX_CACHE | DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
  } else {
    TWinControl* parent = control_->GetParent();
    if (!parent) throw EInvalidOperation("Control '" + control_->GetName() + "' has no parent window");
    ownWindow_ = parent->GetHandle();
    ownDC_ = GetDCEx(ownWindow_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    const TRect b = control_->GetBoundsRect();
    IntersectClipRect(ownDC_, b.left, b.top, b.right, b.bottom);
    SetViewportOrgEx(ownDC_, b.left, b.top, nullptr);
  }
  SetHandle(ownDC_);
  CanvasesWithDC().push_back(this);
}

void TControlCanvas::FreeHandle() {
  if (!ownDC_) return;
  HDC dc = ownDC_;
  ownDC_ = nullptr;
  if (handle_ == dc) SetHandle(nullptr);
  ReleaseDC(ownWindow_, dc);
  ownWindow_ = nullptr;
  std::erase(CanvasesWithDC(), this);
}

void TControlCanvas::FreeDeviceContexts() {
  const std::vector<TControlCanvas*> list = CanvasesWithDC();
  for (TControlCanvas* c : list) c->FreeHandle();
}
