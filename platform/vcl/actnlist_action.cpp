// TContainedAction, TCustomAction and TAction: actions in a list, with the
// properties their clients share; TActionLink's ties to them.
#include <utility>

#include "actnlist.h"
#include "application.h"

// ---- an action in a list ----

void TContainedAction::Publish(TPublisher<TContainedAction>& P) {
  P.String("Category", &TContainedAction::GetCategory, &TContainedAction::SetCategory);
}

TContainedAction::TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TContainedAction::~TContainedAction() { SetActionList(nullptr); }

void TContainedAction::SetActionList(TCustomActionList* Value) {
  if (actionList_ == Value) return;
  if (actionList_) actionList_->RemoveAction(this);
  if (Value) Value->AddAction(this);
}

void TContainedAction::SetCategory(const AnsiString& Value) {
  if (category_ == Value) return;
  category_ = Value;
  if (actionList_) actionList_->Change();
}

int TContainedAction::GetIndex() const { return actionList_ ? actionList_->IndexOf(this) : -1; }

void TContainedAction::SetIndex(int Value) {
  if (!actionList_) return;
  std::vector<TContainedAction*>& list = actionList_->actions_;
  const int count = static_cast<int>(list.size());
  if (Value < 0) Value = 0;
  if (Value >= count) Value = count - 1;
  const int current = GetIndex();
  if (current == Value) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + Value, this);
  actionList_->Change();
}

bool TContainedAction::Suspended() const { return actionList_ && actionList_->GetState() != asNormal; }

bool TContainedAction::Execute() {
  if (actionList_ && actionList_->ExecuteAction(this)) return true;
  if (Application && Application->ExecuteAction(this)) return true;
  return TBasicAction::Execute();
}

bool TContainedAction::Update() {
  if (actionList_ && actionList_->UpdateAction(this)) return true;
  if (Application && Application->UpdateAction(this)) return true;
  return TBasicAction::Update();
}

bool TContainedAction::HasParent() const { return actionList_ != nullptr || TBasicAction::HasParent(); }

TComponent* TContainedAction::GetParentComponent() const {
  return actionList_ ? actionList_ : TBasicAction::GetParentComponent();
}

void TContainedAction::SetParentComponent(TComponent* Value) {
  if (auto* list = dynamic_cast_object<TCustomActionList>(Value)) SetActionList(list);
}

// ---- the shared properties ----

namespace {

// Hands Value to every link that is a TActionLink.
template <class F>
void ForEachLink(TBasicAction* Action, F Push) {
  for (int i = Action->GetClientCount() - 1; i >= 0; --i) {
    if (i >= Action->GetClientCount()) continue;  // a client let go meanwhile
    if (auto* link = dynamic_cast_object<TActionLink>(Action->GetClients(i))) Push(link);
  }
}

}  // namespace

void TCustomAction::Publish(TPublisher<TCustomAction>&) {}

TCustomAction::TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}

void TCustomAction::SetCaption(const AnsiString& Value) {
  if (caption_ == Value) return;
  ForEachLink(this, [&](TActionLink* l) { l->SetCaption(Value); });
  caption_ = Value;
  Change();
}

void TCustomAction::SetChecked(bool Value) {
  // A client that checks itself in answer comes back here; once is enough.
  if (checking_ || checked_ == Value) return;
  checking_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{checking_};
  ForEachLink(this, [&](TActionLink* l) { l->SetChecked(Value); });
  checked_ = Value;
  if (Value) UncheckGroup();
  Change();
}

void TCustomAction::UncheckGroup() {
  if (groupIndex_ <= 0 || !GetActionList()) return;
  TCustomActionList* list = GetActionList();
  for (int i = 0; i < list->GetActionCount(); ++i) {
    auto* other = dynamic_cast_object<TCustomAction>(list->GetActions(i));
    if (other && other != this && other->groupIndex_ == groupIndex_) other->SetChecked(false);
  }
}

void TCustomAction::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  // A list that holds its actions enabled while suspended keeps them so.
  if (GetActionList() && GetActionList()->GetState() == asSuspendedEnabled) Value = true;
  if (enabled_ == Value) return;
  ForEachLink(this, [&](TActionLink* l) { l->SetEnabled(Value); });
  enabled_ = Value;
  Change();
}

void TCustomAction::SetHelpContext(int Value) {
  if (helpContext_ == Value) return;
  ForEachLink(this, [&](TActionLink* l) { l->SetHelpContext(Value); });
  helpContext_ = Value;
  Change();
}

void TCustomAction::SetHint(const AnsiString& Value) {
  if (hint_ == Value) return;
  ForEachLink(this, [&](TActionLink* l) { l->SetHint(Value); });
  hint_ = Value;
  Change();
}

void TCustomAction::SetImageIndex(int Value) {
  if (imageIndex_ == Value) return;
  ForEachLink(this, [&](TActionLink* l) { l->SetImageIndex(Value); });
  imageIndex_ = Value;
  Change();
}

void TCustomAction::SetShortCut(TShortCut Value) {
  if (shortCut_ == Value) return;
  ForEachLink(this, [&](TActionLink* l) { l->SetShortCut(Value); });
  shortCut_ = Value;
  Change();
}

void TCustomAction::SetVisible(bool Value) {
  if (visible_ == Value) return;
  ForEachLink(this, [&](TActionLink* l) { l->SetVisible(Value); });
  visible_ = Value;
  Change();
}

void TCustomAction::SetAutoCheck(bool Value) {
  if (autoCheck_ == Value) return;
  autoCheck_ = Value;
  Change();
}

void TCustomAction::SetGroupIndex(int Value) {
  if (groupIndex_ == Value) return;
  groupIndex_ = Value;
  // Joining a group checked keeps one check in it: this one.
  if (checked_) UncheckGroup();
  Change();
}

bool TCustomAction::Execute() {
  if (Suspended()) return false;
  Update();
  if (!enabled_) return false;
  if (autoCheck_ && (!checked_ || groupIndex_ == 0)) SetChecked(!checked_);
  return TContainedAction::Execute();
}

bool TCustomAction::Update() {
  if (Suspended()) return false;
  if (TContainedAction::Update()) return true;
  // Only ever disables: enabling stays the program's decision.
  if (disableIfNoHandler_ && enabled_ && !HasExecuteHandler()) SetEnabled(false);
  return false;
}

bool TCustomAction::HasExecuteHandler() const {
  return static_cast<bool>(GetOnExecute()) || (GetActionList() && GetActionList()->OnExecute) ||
         (Application && Application->OnActionExecute);
}

void TAction::Publish(TPublisher<TAction>& P) {
  P.Bool("AutoCheck", &TAction::GetAutoCheck, &TAction::SetAutoCheck, false);
  P.String("Caption", &TAction::GetCaption, &TAction::SetCaption);
  P.Bool("Checked", &TAction::GetChecked, &TAction::SetChecked, false);
  P.Bool("DisableIfNoHandler", &TAction::GetDisableIfNoHandler, &TAction::SetDisableIfNoHandler, true);
  P.Bool("Enabled", &TAction::GetEnabled, &TAction::SetEnabled, true);
  P.Integer("GroupIndex", &TAction::GetGroupIndex, &TAction::SetGroupIndex, 0);
  P.Integer("HelpContext", &TAction::GetHelpContext, &TAction::SetHelpContext, 0);
  P.String("Hint", &TAction::GetHint, &TAction::SetHint);
  P.Integer("ImageIndex", &TAction::GetImageIndex, &TAction::SetImageIndex, -1);
  P.Integer("ShortCut", &TAction::GetShortCut, &TAction::SetShortCut, scNone);
  P.Bool("Visible", &TAction::GetVisible, &TAction::SetVisible, true);
  P.Event("OnExecute", &TAction::GetOnExecute, &TAction::SetOnExecute);
  P.Event("OnUpdate", &TAction::OnUpdate);
}

// ---- the ties ----

TCustomAction* TActionLink::CustomAction() const { return dynamic_cast_object<TCustomAction>(GetAction()); }

bool TActionLink::IsCaptionLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsCheckedLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsEnabledLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsHelpContextLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsHintLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsImageIndexLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsShortCutLinked() { return CustomAction() != nullptr; }
bool TActionLink::IsVisibleLinked() { return CustomAction() != nullptr; }
