// TControl's action: the link to it, what the control takes over from it,
// and TControlActionLink's ties.
#include "control.h"

// ---- the link ----

bool TControlActionLink::IsCaptionLinked() {
  return TActionLink::IsCaptionLinked() && client_->GetCaption() == CustomAction()->GetCaption();
}

bool TControlActionLink::IsEnabledLinked() {
  return TActionLink::IsEnabledLinked() && client_->GetEnabled() == CustomAction()->GetEnabled();
}

bool TControlActionLink::IsHelpContextLinked() {
  return TActionLink::IsHelpContextLinked() && client_->GetHelpContext() == CustomAction()->GetHelpContext();
}

bool TControlActionLink::IsHintLinked() {
  return TActionLink::IsHintLinked() && client_->GetHint() == CustomAction()->GetHint();
}

bool TControlActionLink::IsVisibleLinked() {
  return TActionLink::IsVisibleLinked() && client_->GetVisible() == CustomAction()->GetVisible();
}

bool TControlActionLink::IsOnExecuteLinked() {
  return TActionLink::IsOnExecuteLinked() && GetAction() && client_->OnClick == GetAction()->GetOnExecute();
}

void TControlActionLink::SetCaption(const AnsiString& Value) {
  if (IsCaptionLinked()) client_->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) client_->SetEnabled(Value);
}

void TControlActionLink::SetHelpContext(int Value) {
  if (IsHelpContextLinked()) client_->SetHelpContext(Value);
}

void TControlActionLink::SetHint(const AnsiString& Value) {
  if (IsHintLinked()) client_->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) client_->SetVisible(Value);
}

void TControlActionLink::SetOnExecute(const TNotifyEvent& Value) {
  if (IsOnExecuteLinked()) client_->OnClick = Value;
}

// ---- the control's side ----

TBasicAction* TControl::GetAction() const { return actionLink_ ? actionLink_->GetAction() : nullptr; }

void TControl::SetAction(TBasicAction* Value) {
  TBasicAction* const old = GetAction();
  if (old == Value) return;
  if (old) old->RemoveFreeNotification(this);
  if (!Value) {
    // The link stays for the next action: a handler running through it may
    // be the one that let go of the action.
    actionLink_->SetAction(nullptr);
    controlStyle_.Exclude(csActionClient);
    return;
  }
  controlStyle_.Include(csActionClient);
  if (!actionLink_) {
    const TControlActionLinkClass linkClass = GetActionLinkClass();
    actionLink_.reset(linkClass.Create(this));
  }
  actionLink_->SetAction(Value);
  ActionChange(Value, Value->GetComponentState().Contains(csLoading));
  Value->FreeNotification(this);
}

TControlActionLinkClass TControl::GetActionLinkClass() const { return ActionLinkClassOf<TControlActionLink>(); }

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast_object<TCustomAction>(Sender);
  if (!action) return;
  if (!CheckDefaults || GetCaption().IsEmpty() || GetCaption() == GetName()) SetCaption(action->GetCaption());
  if (!CheckDefaults || GetEnabled()) SetEnabled(action->GetEnabled());
  if (!CheckDefaults || GetHint().IsEmpty()) SetHint(action->GetHint());
  if (!CheckDefaults || GetVisible()) SetVisible(action->GetVisible());
  if (!CheckDefaults || GetHelpContext() == 0) SetHelpContext(action->GetHelpContext());
  if (!CheckDefaults || !OnClick) OnClick = action->GetOnExecute();
}

void TControl::InitiateAction() {
  if (actionLink_) actionLink_->Update();
}

void TControl::Loaded() {
  inherited::Loaded();
  if (TBasicAction* action = GetAction()) ActionChange(action, true);
}

bool TControl::IsCaptionStored() const { return !actionLink_ || !actionLink_->IsCaptionLinked(); }
bool TControl::IsEnabledStored() const { return !actionLink_ || !actionLink_->IsEnabledLinked(); }
bool TControl::IsHintStored() const { return !actionLink_ || !actionLink_->IsHintLinked(); }
bool TControl::IsVisibleStored() const { return !actionLink_ || !actionLink_->IsVisibleLinked(); }
bool TControl::IsHelpContextStored() const { return !actionLink_ || !actionLink_->IsHelpContextLinked(); }
bool TControl::IsOnClickStored() const { return !actionLink_ || !actionLink_->IsOnExecuteLinked(); }
