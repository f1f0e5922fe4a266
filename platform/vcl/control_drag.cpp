// The control's side of dragging and docking (dragdrop.h): starting and
// ending its drag, the events, and its moves between dock sites and its
// floating window.
#include "application.h"
#include "dockform.h"
#include "dragengine.h"
#include "wincontrol.h"

void TControl::BeginDrag(bool Immediate, int Threshold) {
  if (GetComponentState().Contains(csDesigning)) return;
  TDragEngine::Init(this, Immediate, Threshold, false);
}

void TControl::EndDrag(bool Drop) {
  if (Dragging()) TDragEngine::Done(Drop);
}

bool TControl::Dragging() const { return TDragEngine::Source() == this && TDragEngine::Object(); }

void TControl::DoStartDrag(TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = static_cast<bool>(OnDragOver);
  if (OnDragOver) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::DoStartDock(TDragDockObject*& DragObject) {
  if (OnStartDock) OnStartDock(this, DragObject);
}

void TControl::DoEndDock(TObject* Target, int X, int Y) {
  if (OnEndDock) OnEndDock(this, Target, X, Y);
}

bool TControl::GetFloating() const { return floatHost_ && parent_ == floatHost_; }

bool TControl::Undock(TWinControl* NewTarget) {
  if (!hostDockSite_ || hostDockSite_ == NewTarget) return true;
  if (!hostDockSite_->DoUnDock(NewTarget, this)) return false;
  TWinControl* old = std::exchange(hostDockSite_, nullptr);
  old->RemoveDockClient(this);
  return true;
}

void TControl::Dock(TWinControl* Site, const TRect& Rect) {
  TCustomForm* oldFloat = GetFloating() ? floatHost_ : nullptr;
  if (hostDockSite_ && hostDockSite_ != Site) std::exchange(hostDockSite_, nullptr)->RemoveDockClient(this);
  SetParent(Site);
  hostDockSite_ = Site;
  Site->AddDockClient(this);
  SetBounds(Rect.left, Rect.top, Rect.Width(), Rect.Height());
  // A control its floating window's closing hid comes back with its dock.
  if (!GetVisible()) Show();
  Site->ArrangeDockClients();
  if (oldFloat) oldFloat->Hide();
}

void TControl::FloatAt(const TRect& ScreenRect) {
  if (hostDockSite_) std::exchange(hostDockSite_, nullptr)->RemoveDockClient(this);
  if (!floatHost_) {
    auto* host = TObject::Create<TFloatDockForm>(Application);
    host->SetDockClient(this);
    floatHost_ = host;
  }
  floatHost_->SetCaption(GetCaption());
  floatHost_->SetLeft(ScreenRect.left);
  floatHost_->SetTop(ScreenRect.top);
  floatHost_->SetClientWidth(ScreenRect.Width());
  floatHost_->SetClientHeight(ScreenRect.Height());
  SetParent(floatHost_);
  SetBounds(0, 0, ScreenRect.Width(), ScreenRect.Height());
  if (!GetVisible()) Show();
  floatHost_->Show();
}

bool TControl::ManualDock(TWinControl* Site) {
  if (!Site || Site == this) return false;
  if (auto* windowed = dynamic_cast_object<TWinControl>(this); windowed && windowed->ContainsControl(Site))
    return false;
  if (!Undock(Site)) return false;
  Dock(Site, TRect(0, 0, width_, height_));
  TOwnedObject<TDragDockObject> source(TObject::Create<TDragDockObject>(this));
  source->SetFloating(false);
  const TPoint origin = Site->ClientToScreen(TPoint(0, 0));
  source->SetDockRect(TRect(origin.x, origin.y, origin.x + width_, origin.y + height_));
  Site->DockDrop(source.get(), 0, 0);
  return true;
}

bool TControl::ManualFloat(const TRect& ScreenRect) {
  if (!Undock(nullptr)) return false;
  FloatAt(ScreenRect);
  return true;
}

// ---- sizes ----

bool TControl::CanResize(int& NewWidth, int& NewHeight) {
  bool resize = true;
  if (OnCanResize) OnCanResize(this, NewWidth, NewHeight, resize);
  return resize;
}

void TControl::ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight) {
  if (OnConstrainedResize) OnConstrainedResize(this, MinWidth, MinHeight, MaxWidth, MaxHeight);
}
