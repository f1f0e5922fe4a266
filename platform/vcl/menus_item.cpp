#include <algorithm>

#include "exceptions.h"
#include "listerror.h"
#include "menus.h"

namespace {

// Ids of living items: each item takes the next free one, so a long-running
// program that makes and frees items never hands out one twice at once.
std::vector<TMenuItem*>& CommandTable() {
  static std::vector<TMenuItem*> table(1, nullptr);  // id 0 means "none"
  return table;
}

UINT AllocateCommand(TMenuItem* Item) {
  std::vector<TMenuItem*>& table = CommandTable();
  for (std::size_t id = 1; id < table.size(); ++id)
    if (!table[id]) {
      table[id] = Item;
      return static_cast<UINT>(id);
    }
  table.push_back(Item);
  return static_cast<UINT>(table.size() - 1);
}

}  // namespace

void TMenuItem::Publish(TPublisher<TMenuItem>& P) {
  // What the action carries is not stored while the item agrees with it.
  auto unlinked = [](bool (TMenuActionLink::*test)()) {
    return [test](TMenuItem* item) { return !item->Linked(test); };
  };
  P.Component("Action", &TMenuItem::GetAction, &TMenuItem::SetAction);
  P.String("Caption", &TMenuItem::GetCaption, &TMenuItem::SetCaption).Stored(unlinked(&TMenuActionLink::IsCaptionLinked));
  P.Bool("Checked", &TMenuItem::GetChecked, &TMenuItem::SetChecked, false)
      .Stored(unlinked(&TMenuActionLink::IsCheckedLinked));
  P.Bool("RadioItem", &TMenuItem::GetRadioItem, &TMenuItem::SetRadioItem, false);
  P.Integer("GroupIndex", &TMenuItem::GetGroupIndex, &TMenuItem::SetGroupIndex, 0);
  P.Bool("Enabled", &TMenuItem::GetEnabled, &TMenuItem::SetEnabled, true)
      .Stored(unlinked(&TMenuActionLink::IsEnabledLinked));
  P.Bool("Visible", &TMenuItem::GetVisible, &TMenuItem::SetVisible, true)
      .Stored(unlinked(&TMenuActionLink::IsVisibleLinked));
  P.Integer("ShortCut", &TMenuItem::GetShortCut, &TMenuItem::SetShortCut, 0)
      .Stored(unlinked(&TMenuActionLink::IsShortCutLinked));
  P.Event("OnClick", &TMenuItem::OnClick).Stored(unlinked(&TMenuActionLink::IsOnExecuteLinked));
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), command_(AllocateCommand(this)) {}

TMenuItem::~TMenuItem() {
  Clear();
  if (parent_) parent_->Remove(this);
  CommandTable()[command_] = nullptr;
}

void TMenuItem::SetCaption(const AnsiString& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  Changed();
}

void TMenuItem::SetChecked(bool Value) {
  if (checked_ == Value) return;
  checked_ = Value;
  if (Value && radioItem_ && parent_)
    for (TMenuItem* sibling : parent_->items_)
      if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
  Changed();
}

void TMenuItem::SetRadioItem(bool Value) {
  if (radioItem_ == Value) return;
  radioItem_ = Value;
  Changed();
}

void TMenuItem::SetGroupIndex(int Value) { groupIndex_ = Value; }

void TMenuItem::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  Changed();
}

void TMenuItem::SetVisible(bool Value) {
  if (visible_ == Value) return;
  visible_ = Value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut Value) {
  if (shortCut_ == Value) return;
  shortCut_ = Value;
  Changed();
}

TMenuItem* TMenuItem::GetItems(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(ListIndexErrorText(Index));
  return items_[static_cast<std::size_t>(Index)];
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  const auto it = std::find(items_.begin(), items_.end(), Item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* Item) { Insert(-1, Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item || Item == this) return;
  for (const TMenuItem* up = this; up; up = up->parent_)
    if (up == Item) throw EInvalidOperation("Ein Menüeintrag kann nicht in sich selbst liegen");
  if (Item->parent_) Item->parent_->Remove(Item);
  if (Index < 0 || Index > GetCount()) Index = GetCount();
  items_.insert(items_.begin() + Index, Item);
  Item->parent_ = this;
  Changed();
}

void TMenuItem::Delete(int Index) {
  TMenuItem* item = GetItems(Index);
  items_.erase(items_.begin() + Index);
  item->parent_ = nullptr;
  Changed();
}

void TMenuItem::Remove(TMenuItem* Item) {
  const int index = IndexOf(Item);
  if (index >= 0) Delete(index);
}

void TMenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

void TMenuItem::Click() {
  if (!enabled_) return;
  TBasicAction* action = GetAction();
  if (OnClick && action && OnClick != action->GetOnExecute())
    OnClick(this);
  else if (action && !GetComponentState().Contains(csDesigning))
    actionLink_->Execute(this);
  else if (OnClick)
    OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
  if (auto* item = dynamic_cast<TMenuItem*>(Value))
    item->Add(this);
  else if (auto* menu = dynamic_cast<TMenu*>(Value))
    menu->GetItems()->Add(this);
}

void TMenuItem::GetChildren(TGetChildProc Proc, TComponent*) {
  for (TMenuItem* item : items_) Proc(item);
}

TMenu* TMenuItem::RootMenu() const {
  const TMenuItem* top = this;
  while (top->parent_) top = top->parent_;
  return top->menu_;
}

void TMenuItem::Changed() {
  if (GetComponentState().Contains(csDestroying)) return;
  if (TMenu* menu = RootMenu()) menu->ItemsChanged();
}

TMenuItem* TMenuItem::FromCommand(UINT Command) {
  const std::vector<TMenuItem*>& table = CommandTable();
  return Command < table.size() ? table[Command] : nullptr;
}
