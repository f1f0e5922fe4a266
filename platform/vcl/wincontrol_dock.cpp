// The dock site's side of docking: the sites the drag looks for, the
// controls docked in each, their tiled layout, and the floating window.
#include <algorithm>

#include "application.h"
#include "dockform.h"
#include "dragengine.h"
#include "wincontrol.h"

namespace {

std::vector<TWinControl*>& Sites() {
  static std::vector<TWinControl*> sites;
  return sites;
}

}  // namespace

const std::vector<TWinControl*>& DockSites() { return Sites(); }

void ForgetDockSite(TWinControl* Site) { std::erase(Sites(), Site); }

void TWinControl::SetDockSite(bool Value) {
  if (dockSite_ == Value) return;
  dockSite_ = Value;
  if (Value)
    Sites().push_back(this);
  else
    ForgetDockSite(this);
}

void TWinControl::SetUseDockManager(bool Value) {
  if (useDockManager_ == Value) return;
  useDockManager_ = Value;
  if (Value) ArrangeDockClients();
}

TControl* TWinControl::GetDockClients(int Index) const {
  if (Index < 0 || Index >= GetDockClientCount()) return nullptr;
  return dockClients_[static_cast<std::size_t>(Index)];
}

void TWinControl::AddDockClient(TControl* Client) {
  if (std::find(dockClients_.begin(), dockClients_.end(), Client) == dockClients_.end())
    dockClients_.push_back(Client);
}

void TWinControl::RemoveDockClient(TControl* Client) {
  std::erase(dockClients_, Client);
  // A site going away frees its docked children; nothing to lay out then.
  if (useDockManager_ && !GetComponentState().Contains(csDestroying)) ArrangeDockClients();
}

void TWinControl::DockDrop(TDragDockObject* Source, int X, int Y) {
  if (OnDockDrop) OnDockDrop(this, Source, X, Y);
}

void TWinControl::DockOver(TDragDockObject* Source, int X, int Y, TDragState State, bool& Accept) {
  if (OnDockOver) OnDockOver(this, Source, X, Y, State, Accept);
}

void TWinControl::GetSiteInfo(TControl* Client, TRect& InfluenceRect, TPoint MousePos, bool& CanDock) {
  if (OnGetSiteInfo) OnGetSiteInfo(this, Client, InfluenceRect, MousePos, CanDock);
}

bool TWinControl::DoUnDock(TWinControl* NewTarget, TControl* Client) {
  bool allow = true;
  if (OnUnDock) OnUnDock(this, Client, NewTarget, allow);
  return allow;
}

// One after another along the longer side, each an equal share of the
// client area; the last takes what the division leaves over.
void TWinControl::ArrangeDockClients() {
  if (arrangingDock_ || !useDockManager_) return;
  std::vector<TControl*> shown;
  for (TControl* c : dockClients_)
    if (c->GetVisible() && c->GetParent() == this) shown.push_back(c);
  if (shown.empty()) return;
  arrangingDock_ = true;
  TRect area = GetClientRect();
  AdjustClientRect(area);
  const bool across = area.Width() >= area.Height();
  const int count = static_cast<int>(shown.size());
  const int length = across ? area.Width() : area.Height();
  int at = across ? area.left : area.top;
  for (int i = 0; i < count; ++i) {
    const int share = i + 1 == count ? (across ? area.right : area.bottom) - at : length / count;
    if (across)
      shown[static_cast<std::size_t>(i)]->SetBounds(at, area.top, share, area.Height());
    else
      shown[static_cast<std::size_t>(i)]->SetBounds(area.left, at, area.Width(), share);
    at += share;
  }
  arrangingDock_ = false;
}

// ---- the floating window ----

TFloatDockForm::TFloatDockForm(TComponent* AOwner) : TForm(AOwner) { SetBorderStyle(bsToolWindow); }

void TFloatDockForm::DoClose(TCloseAction& Action) {
  TForm::DoClose(Action);
  if (Action == caNone) return;
  Action = caHide;
  if (client_) client_->Hide();
}

void TFloatDockForm::BeforeDestruction() {
  if (client_ && client_->floatHost_ == this) client_->floatHost_ = nullptr;
  client_ = nullptr;
  TForm::BeforeDestruction();
}

void TFloatDockForm::Publish(TPublisher<TFloatDockForm>&) {}
