// A menu item's action and TMenuActionLink's ties.
#include "menus.h"

bool TMenuActionLink::IsCaptionLinked() {
  return TActionLink::IsCaptionLinked() && client_->GetCaption() == CustomAction()->GetCaption();
}

bool TMenuActionLink::IsCheckedLinked() {
  return TActionLink::IsCheckedLinked() && client_->GetChecked() == CustomAction()->GetChecked();
}

bool TMenuActionLink::IsEnabledLinked() {
  return TActionLink::IsEnabledLinked() && client_->GetEnabled() == CustomAction()->GetEnabled();
}

bool TMenuActionLink::IsShortCutLinked() {
  return TActionLink::IsShortCutLinked() && client_->GetShortCut() == CustomAction()->GetShortCut();
}

bool TMenuActionLink::IsVisibleLinked() {
  return TActionLink::IsVisibleLinked() && client_->GetVisible() == CustomAction()->GetVisible();
}

bool TMenuActionLink::IsOnExecuteLinked() {
  return TActionLink::IsOnExecuteLinked() && GetAction() && client_->OnClick == GetAction()->GetOnExecute();
}

void TMenuActionLink::SetCaption(const AnsiString& Value) {
  if (IsCaptionLinked()) client_->SetCaption(Value);
}

void TMenuActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) client_->SetChecked(Value);
}

void TMenuActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) client_->SetEnabled(Value);
}

void TMenuActionLink::SetShortCut(TShortCut Value) {
  if (IsShortCutLinked()) client_->SetShortCut(Value);
}

void TMenuActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) client_->SetVisible(Value);
}

void TMenuActionLink::SetOnExecute(const TNotifyEvent& Value) {
  if (IsOnExecuteLinked()) client_->OnClick = Value;
}

void TMenuItem::SetAction(TBasicAction* Value) {
  TBasicAction* const old = GetAction();
  if (old == Value) return;
  if (old) old->RemoveFreeNotification(this);
  if (!Value) {
    actionLink_->SetAction(nullptr);
    return;
  }
  if (!actionLink_) actionLink_.reset(TObject::Create<TMenuActionLink>(this));
  actionLink_->SetAction(Value);
  ActionChange(Value, Value->GetComponentState().Contains(csLoading));
  Value->FreeNotification(this);
}

void TMenuItem::InitiateAction() {
  if (actionLink_) actionLink_->Update();
}

void TMenuItem::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast_object<TCustomAction>(Sender);
  if (!action) return;
  if (!CheckDefaults || caption_.IsEmpty()) SetCaption(action->GetCaption());
  if (!CheckDefaults || !checked_) SetChecked(action->GetChecked());
  if (!CheckDefaults || enabled_) SetEnabled(action->GetEnabled());
  if (!CheckDefaults || shortCut_ == scNone) SetShortCut(action->GetShortCut());
  if (!CheckDefaults || visible_) SetVisible(action->GetVisible());
  if (!CheckDefaults || !OnClick) OnClick = action->GetOnExecute();
}

void TMenuItem::Loaded() {
  inherited::Loaded();
  if (TBasicAction* action = GetAction()) ActionChange(action, true);
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == GetAction()) SetAction(nullptr);
}

bool TMenuItem::Linked(bool (TMenuActionLink::*Test)()) const { return actionLink_ && (actionLink_.get()->*Test)(); }
