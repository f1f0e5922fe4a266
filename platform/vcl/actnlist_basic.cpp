// TBasicActionLink and TBasicAction: the tie between a client and its
// action.
#include <algorithm>
#include <utility>

#include "actnlist.h"

// ---- the link ----

TBasicActionLink::~TBasicActionLink() {
  if (action_) action_->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (action_ == Value) return;
  if (action_) action_->UnRegisterChanges(this);
  if (Value) Value->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
  if (!action_) return false;
  TBasicAction* const action = action_;
  action->SetActionComponent(AComponent);
  struct Clear {
    TBasicActionLink* link;
    TBasicAction* action;
    // The handler may have let go of the action, or freed it.
    ~Clear() {
      if (link->action_ == action) action->SetActionComponent(nullptr);
    }
  } clear{this, action};
  return action->Execute();
}

bool TBasicActionLink::Update() { return action_ && action_->Update(); }

void TBasicActionLink::SetOnExecute(const TNotifyEvent&) {}

void TBasicActionLink::Change() {
  if (OnChange) OnChange(action_);
}

// ---- the action ----

void TBasicAction::Publish(TPublisher<TBasicAction>&) {}

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
  // Clients that are components heard of the action going and let go of
  // it already; the rest forget it here.
  for (TBasicActionLink* link : std::exchange(clients_, {})) link->action_ = nullptr;
}

bool TBasicAction::Execute() {
  if (!onExecute_) return false;
  onExecute_(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

bool TBasicAction::HandlesTarget(TObject*) { return false; }
void TBasicAction::UpdateTarget(TObject*) {}
void TBasicAction::ExecuteTarget(TObject*) {}

void TBasicAction::SetActionComponent(TComponent* Value) {
  if (actionComponent_ == Value) return;
  if (actionComponent_) actionComponent_->RemoveFreeNotification(this);
  actionComponent_ = Value;
  if (Value) Value->FreeNotification(this);
}

void TBasicAction::SetOnExecute(const TNotifyEvent& Value) {
  if (Value == onExecute_) return;
  const std::vector<TBasicActionLink*> clients = clients_;
  for (TBasicActionLink* link : clients) link->SetOnExecute(Value);
  onExecute_ = Value;
  Change();
}

void TBasicAction::RegisterChanges(TBasicActionLink* Value) {
  if (!Value || Value->action_ == this) return;
  if (Value->action_) Value->action_->UnRegisterChanges(Value);
  Value->action_ = this;
  clients_.push_back(Value);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value) {
  if (!Value) return;
  const auto it = std::find(clients_.begin(), clients_.end(), Value);
  if (it == clients_.end()) return;
  clients_.erase(it);
  Value->action_ = nullptr;
}

void TBasicAction::Change() {
  if (OnChange) OnChange(this);
  // A link's handler may drop its link; walk a copy and skip those gone.
  const std::vector<TBasicActionLink*> clients = clients_;
  for (TBasicActionLink* link : clients)
    if (std::find(clients_.begin(), clients_.end(), link) != clients_.end()) link->Change();
}

void TBasicAction::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == actionComponent_) actionComponent_ = nullptr;
}
