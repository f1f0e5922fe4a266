#include "component.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "exceptions.h"
#include "listerror.h"
#include "published.h"
#include "reader.h"
#include "sysutils.h"
#include "writer.h"

namespace {

bool IsIdentifier(const AnsiString& s) {
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const std::string& text = s.str();
  if (text.empty() || !letter(text[0])) return false;
  return std::all_of(text.begin() + 1, text.end(), [&](char c) { return letter(c) || digit(c); });
}

}  // namespace

void TComponent::Publish(TPublisher<TComponent>& P) {
  P.Integer("Tag", &TComponent::GetTag, &TComponent::SetTag, 0);
}

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner) {}

TComponent::~TComponent() { Release(); }

void TComponent::AfterConstruction() {
  inherited::AfterConstruction();
  // Recorded, not yet listed: InsertComponent lists it and tells the owner.
  if (TComponent* owner = std::exchange(owner_, nullptr)) owner->InsertComponent(this);
}

void TComponent::BeforeDestruction() {
  Release();
  inherited::BeforeDestruction();
}

void TComponent::Release() {
  if (released_) return;
  released_ = true;
  Destroying();
  // The owned components first, while this one still hears of each
  // component it watches going, its own among them.
  DestroyComponents();
  // Each client is told once and forgets this component.
  while (!freeNotifies_.empty()) {
    TComponent* client = freeNotifies_.back();
    freeNotifies_.pop_back();
    client->ForgetFreeNotification(this);
    client->Notification(this, opRemove);
  }
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::GetComponents(int Index) const {
  if (Index < 0 || Index >= GetComponentCount()) throw EListError(ListIndexErrorText(Index));
  return components_[static_cast<std::size_t>(Index)];
}

int TComponent::GetComponentIndex() const {
  if (!owner_) return -1;
  const auto& list = owner_->components_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetComponentIndex(int Value) {
  if (!owner_) return;
  auto& list = owner_->components_;
  const int count = static_cast<int>(list.size());
  Value = std::clamp(Value, 0, count - 1);
  const int current = GetComponentIndex();
  if (current == Value) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + Value, this);
}

void TComponent::SetName(const AnsiString& NewName) {
  if (name_ == NewName) return;
  if (!NewName.IsEmpty() && !IsIdentifier(NewName))
    throw EComponentError("'" + NewName + "' ist kein gültiger Komponentenname");
  if (owner_)
    owner_->ValidateRename(this, name_, NewName);
  else
    ValidateRename(nullptr, name_, NewName);
  SetReference(false);
  name_ = NewName;
  SetReference(true);
}

void TComponent::SetReference(bool Enable) {
  if (!owner_) return;
  if (const TPublishedField* field = FindPublishedField(owner_->ClassType(), name_)) {
    if (Enable)
      field->Assign(owner_, this);
    else
      field->Clear(owner_, this);
  }
}

void TComponent::ValidateRename(TComponent* AComponent, const AnsiString& CurName, const AnsiString& NewName) {
  if (!AComponent || SameText(CurName, NewName)) return;
  TComponent* holder = FindComponent(NewName);
  if (holder && holder != AComponent)
    throw EComponentError("Eine Komponente mit der Bezeichnung " + NewName + " existiert bereits");
}

void TComponent::SetDesigning(bool Value) {
  if (Value)
    state_.Include(csDesigning);
  else
    state_.Exclude(csDesigning);
  for (TComponent* c : components_) c->SetDesigning(Value);
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (AComponent->owner_ == this) return;
  // A clash of names leaves the component where it was.
  ValidateRename(AComponent, AnsiString(), AComponent->name_);
  if (AComponent->owner_) AComponent->owner_->RemoveComponent(AComponent);
  Insert(AComponent);
  if (state_.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  // A component whose construction failed was never listed.
  if (AComponent->owner_ != this || std::find(components_.begin(), components_.end(), AComponent) == components_.end())
    return;
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
  components_.push_back(AComponent);
  AComponent->owner_ = this;
  AComponent->SetReference(true);
}

void TComponent::Remove(TComponent* AComponent) {
  AComponent->SetReference(false);
  components_.erase(std::remove(components_.begin(), components_.end(), AComponent), components_.end());
  AComponent->owner_ = nullptr;
}

TComponent* TComponent::FindComponent(const AnsiString& AName) const {
  if (AName.IsEmpty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, AName)) return c;
  return nullptr;
}

void TComponent::DestroyComponents() {
  // Each one leaves through RemoveComponent in its BeforeDestruction, so
  // that the others hear of it while it is whole and hold no stale
  // reference while the rest are freed.
  while (!components_.empty()) {
    components_.back()->Free();
  }
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  // Components of one owner hear of each other through it.
  if (owner_ && AComponent->owner_ == owner_) {
    state_.Include(csFreeNotification);
    return;
  }
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) == freeNotifies_.end()) {
    freeNotifies_.push_back(AComponent);
    AComponent->freeNotifies_.push_back(this);
  }
  state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  ForgetFreeNotification(AComponent);
  AComponent->ForgetFreeNotification(this);
}

void TComponent::ForgetFreeNotification(TComponent* AComponent) {
  freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), AComponent), freeNotifies_.end());
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // A handler may free components; walk a copy and skip those gone. Most
  // often the list is as it was, and a component still at its place needs
  // no search: a search for each made every insertion into an owner of n
  // components cost n^2.
  const std::vector<TComponent*> owned = components_;
  for (std::size_t i = 0; i < owned.size(); ++i) {
    TComponent* c = owned[i];
    const bool listed = (i < components_.size() && components_[i] == c) ||
                        std::find(components_.begin(), components_.end(), c) != components_.end();
    if (listed) c->Notification(AComponent, Operation);
  }
}

void TComponent::GetChildren(TGetChildProc, TComponent*) {}

TComponent* TComponent::GetChildOwner() { return nullptr; }

TComponent* TComponent::GetChildParent() { return this; }

bool TComponent::HasParent() const { return false; }

TComponent* TComponent::GetParentComponent() const { return nullptr; }

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::ReadState(TReader* Reader) { Reader->ReadData(this); }

void TComponent::WriteState(TWriter* Writer) { Writer->WriteData(this); }

void TComponent::Updating() { state_.Include(csUpdating); }

void TComponent::Updated() { state_.Exclude(csUpdating); }

// ---- the designer's position ----

namespace {

int WithWord(int Info, int Value, bool High) {
  const auto info = static_cast<std::uint32_t>(Info);
  const auto word = static_cast<std::uint32_t>(Value) & 0xFFFFu;
  return static_cast<int>(High ? (info & 0x0000FFFFu) | (word << 16) : (info & 0xFFFF0000u) | word);
}

int WordOf(int Info, bool High) {
  const auto info = static_cast<std::uint32_t>(Info);
  return static_cast<int>(High ? info >> 16 : info & 0xFFFFu);
}

}  // namespace

void TComponent::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  // A control's Left and Top are its bounds, published by the control.
  if (FindPublishedProperty(ClassType(), "Left") || FindPublishedProperty(ClassType(), "Top")) return;
  Filer->DefineProperty("Left", TReaderProc(this, &TComponent::ReadDesignLeft),
                        TWriterProc(this, &TComponent::WriteDesignLeft), designInfo_ != 0);
  Filer->DefineProperty("Top", TReaderProc(this, &TComponent::ReadDesignTop),
                        TWriterProc(this, &TComponent::WriteDesignTop), designInfo_ != 0);
}

void TComponent::ReadDesignLeft(TReader* Reader) { designInfo_ = WithWord(designInfo_, Reader->ReadInteger(), false); }
void TComponent::ReadDesignTop(TReader* Reader) { designInfo_ = WithWord(designInfo_, Reader->ReadInteger(), true); }
void TComponent::WriteDesignLeft(TWriter* Writer) { Writer->WriteInteger(WordOf(designInfo_, false)); }
void TComponent::WriteDesignTop(TWriter* Writer) { Writer->WriteInteger(WordOf(designInfo_, true)); }
