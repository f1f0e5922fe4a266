#include "colors.h"
#include "forms.h"
#include "osversion.h"
#include "vyrctrl.h"
#include "window.h"

namespace Vyrctrl {

// ---- TVyrCustomPanel: passes the chain upward ----

TVyrCustomPanel::TVyrCustomPanel(TComponent* AOwner) : TVyrCustomControl(AOwner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csReplicatable};
  SetColor(clBtnFace);
}

TPoint TVyrCustomPanel::HalfBorder() const {
  const TRect client = GetClientRect();
  return TPoint((width_ - client.Width()) / 2, (height_ - client.Height()) / 2);
}

bool TVyrCustomPanel::PassBackCheck() {
  if (!GetTransparent()) return false;
  TWinControl* parent = GetParent();
  if (!parent || !parent->HandleAllocated()) return false;
  if (auto* control = dynamic_cast_object<TVyrCustomControl>(parent)) return control->BackBitmapCheck();
  return VyrFormShapeBackCheck(parent);
}

TBitmap* TVyrCustomPanel::PassBackBitmap() {
  if (!PassBackCheck()) return nullptr;
  if (auto* control = dynamic_cast_object<TVyrCustomControl>(GetParent())) return control->BackBitmap();
  return VyrFormShapeBackBitmap(GetParent());
}

// A bordered panel's client area starts inside its border, so a point
// passing through moves by half the border, as in PassBackDrawArea: a
// child of two bordered panels then copies from where it stands.
TPoint TVyrCustomPanel::PassBackMapPoint(const TPoint& P) {
  if (!PassBackCheck()) return P;
  const TPoint half = HalfBorder();
  TPoint origin(left_, top_);
  if (auto* control = dynamic_cast_object<TVyrCustomControl>(GetParent()))
    origin = control->BackMapPoint(TPoint(left_, top_));
  return TPoint(origin.x + P.x + half.x, origin.y + P.y + half.y);
}

bool TVyrCustomPanel::PassBackDrawArea(TCanvas* Canvas, const TRect& Rect, const TPoint& Point) {
  if (Loading()) return false;
  TBitmap* bitmap = BackBitmap();
  if (!bitmap) return false;
  const TPoint half = HalfBorder();
  TPoint source(Point.x + half.x, Point.y + half.y);
  if (auto* control = dynamic_cast_object<TVyrCustomControl>(GetParent())) source = control->BackMapPoint(source);
  Canvas->CopyRect(Rect, bitmap->GetCanvas(), Bounds(source.x, source.y, Rect.Width(), Rect.Height()));
  return true;
}

TBitmap* TVyrCustomPanel::BackBitmap() { return PassBackBitmap(); }
bool TVyrCustomPanel::BackBitmapCheck() { return PassBackCheck(); }
TPoint TVyrCustomPanel::BackMapPoint(const TPoint& P) { return PassBackMapPoint(P); }
bool TVyrCustomPanel::BackDrawArea(TCanvas* Canvas, const TRect& Rect, const TPoint& Point, int) {
  return PassBackDrawArea(Canvas, Rect, Point);
}

// ---- TVyrCustomBevelPanel ----

TVyrCustomBevelPanel::TVyrCustomBevelPanel(TComponent* AOwner)
    : TVyrCustomPanel(AOwner), bevel_(std::make_unique<Vyrgraph::TVyrBevel>()) {
  // bmWindows is the window's own edge here: a change to or from it makes
  // the window anew.
  bevel_->SetWindowEdgeSupport(true);
  bevel_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
}

TVyrCustomBevelPanel::~TVyrCustomBevelPanel() { bevel_->SetOnChange(nullptr); }

void TVyrCustomBevelPanel::SetBevel(Vyrgraph::TVyrBevel* Value) {
  bevel_->Assign(Value);
  Perform(Vyrcctrl::CM_VYRBEVELCHANGED, 0, 0);
}

void TVyrCustomBevelPanel::AlignControls(TControl* AControl, TRect& Rect) {
  Rect = bevel_->ClientRect(Rect);
  TVyrCustomPanel::AlignControls(AControl, Rect);
}

void TVyrCustomBevelPanel::CreateParams(TCreateParams& Params) {
  TVyrCustomPanel::CreateParams(Params);
  if (bevel_->GetMode() != Vyrgraph::TVyrBevelMode::bmWindows) return;
  if (NewStyleControls && GetCtl3D())
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    Params.Style |= WS_BORDER;
}

void TVyrCustomBevelPanel::CMCtl3DChanged(TMessage& Message) {
  TVyrCustomPanel::CMCtl3DChanged(Message);
  if (NewStyleControls && bevel_->GetMode() == Vyrgraph::TVyrBevelMode::bmWindows && HandleAllocated()) RecreateWnd();
}

void TVyrCustomBevelPanel::BevelChanged(TObject* Sender) {
  if (Loading() || Sender != bevel_.get()) return;
  if (bevel_->GetRecreateWnd() && HandleAllocated()) RecreateWnd();
  Realign();
}

void TVyrCustomBevelPanel::GetChange(TObject* Sender) {
  if (Loading()) return;
  BevelChanged(Sender);
  TVyrCustomPanel::GetChange(Sender);
}

bool TVyrCustomBevelPanel::GetEmpty() {
  return BevelExt() == 0 && bevel_->GetMode() != Vyrgraph::TVyrBevelMode::bmWindows;
}

void TVyrCustomBevelPanel::Paint() {
  FillControl();
  if (Designing() && GetEmpty()) {
    DrawDashedFrame();
    return;
  }
  if (!Focused() && GetFlat() && !Designing()) {
    RestoreBorderBack();
    return;
  }
  TRect inner;
  bevel_->PaintBevel(GetCanvas(), GetClientRect(), inner, GetTransparent());
}

void TVyrCustomBevelPanel::RestoreBorderFront() {
  if (bevel_->GetMode() == Vyrgraph::TVyrBevelMode::bmWindows) {
    TVyrCustomPanel::RestoreBorderFront();
    return;
  }
  TRect inner;
  bevel_->PaintBevel(GetCanvas(), GetClientRect(), inner, true);
}

void TVyrCustomBevelPanel::RestoreBorderBack() {
  if (Focused() || !GetFlat() || GetMouseAbove()) return;
  if (bevel_->GetMode() == Vyrgraph::TVyrBevelMode::bmWindows) {
    TVyrCustomPanel::RestoreBorderBack();
    return;
  }
  const TRect client = GetClientRect();
  const int e = BevelExt();
  // The lower-right extent differs from the upper-left for a shadow.
  const int e2 = client.right - bevel_->ClientRect(client).right;
  const int w = width_, h = height_;
  for (const TRect& strip : {TRect(0, 0, w, e), TRect(0, e, e, h), TRect(e, h - e2 - 1, w, h),
                             TRect(w - e2, e, w, h - e2)})
    RepBack(strip);
}

void TVyrCustomBevelPanel::MouseEnter() {
  if (!Focused() && GetFlat() && !GetFocusFlag()) RestoreBorderFront();
  TVyrCustomPanel::MouseEnter();
}

void TVyrCustomBevelPanel::DoEnter() {
  if (!Focused() && GetFlat()) RestoreBorderFront();
  TVyrCustomPanel::DoEnter();
}

}  // namespace Vyrctrl
