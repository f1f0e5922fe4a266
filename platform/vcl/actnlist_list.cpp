// TCustomActionList and TActionList: the actions of a form.
#include <algorithm>

#include "actnlist.h"
#include "classregistry.h"
#include "exceptions.h"
#include "library_units.h"
#include "listerror.h"

void TCustomActionList::Publish(TPublisher<TCustomActionList>&) {}

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}

void TCustomActionList::BeforeDestruction() {
  // The actions go with their list, whoever owns them; each leaves it as
  // it goes.
  while (!actions_.empty()) actions_.back()->Free();
  SetImages(nullptr);
  inherited::BeforeDestruction();
}

TContainedAction* TCustomActionList::GetActions(int Index) const {
  if (Index < 0 || Index >= GetActionCount()) throw EListError(ListIndexErrorText(Index));
  return actions_[static_cast<std::size_t>(Index)];
}

int TCustomActionList::IndexOf(const TContainedAction* Action) const {
  const auto it = std::find(actions_.begin(), actions_.end(), Action);
  return it == actions_.end() ? -1 : static_cast<int>(it - actions_.begin());
}

void TCustomActionList::SetImages(TComponent* Value) {
  if (images_ == Value) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = Value;
  if (Value) Value->FreeNotification(this);
  Change();
}

void TCustomActionList::SetState(TActionListState Value) {
  if (state_ == Value) return;
  state_ = Value;
  if (Value != asSuspendedEnabled) return;
  for (TContainedAction* action : std::vector<TContainedAction*>(actions_))
    if (auto* custom = dynamic_cast_object<TCustomAction>(action)) custom->SetEnabled(true);
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action) {
  bool handled = false;
  if (OnExecute) OnExecute(Action, handled);
  return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* Action) {
  bool handled = false;
  if (OnUpdate) OnUpdate(Action, handled);
  return handled;
}

bool TCustomActionList::IsShortCut(TShortCut Value) {
  if (Value == scNone) return false;
  for (TContainedAction* action : std::vector<TContainedAction*>(actions_)) {
    auto* custom = dynamic_cast_object<TCustomAction>(action);
    // A disabled action leaves the key to the focused control.
    if (custom && custom->GetShortCut() == Value) return custom->Execute();
  }
  return false;
}

void TCustomActionList::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TContainedAction* action : std::vector<TContainedAction*>(actions_))
    if (action->GetOwner() == Root) Proc(action);
}

void TCustomActionList::Change() {
  if (OnChange) OnChange(this);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == images_) {
    images_ = nullptr;
    Change();
  }
  if (auto* action = dynamic_cast_object<TContainedAction>(AComponent); action && action->actionList_ == this)
    RemoveAction(action);
}

void TCustomActionList::AddAction(TContainedAction* Action) {
  actions_.push_back(Action);
  Action->actionList_ = this;
  Action->FreeNotification(this);
  Change();
}

void TCustomActionList::RemoveAction(TContainedAction* Action) {
  const auto it = std::find(actions_.begin(), actions_.end(), Action);
  if (it == actions_.end()) return;
  actions_.erase(it);
  Action->actionList_ = nullptr;
  Action->RemoveFreeNotification(this);
  Change();
}

void TActionList::Publish(TPublisher<TActionList>& P) {
  P.Component("Images", &TActionList::GetImages, &TActionList::SetImages);
  P.Enum("State", &TActionList::GetState, &TActionList::SetState, {"asNormal", "asSuspended", "asSuspendedEnabled"},
         asNormal);
  P.Event("OnChange", &TActionList::OnChange);
  P.Event("OnExecute", &TActionList::OnExecute);
  P.Event("OnUpdate", &TActionList::OnUpdate);
}

namespace ActnList {
void Initialize() { RegisterClasses({TActionList::StaticClass(), TAction::StaticClass()}); }
}  // namespace ActnList
