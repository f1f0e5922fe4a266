#include "stdctrls_listbox_items.h"

#include <algorithm>
#include <numeric>

#include "sysutils.h"

void TListItems::CheckIndex(int Index) const {
  if (Index < 0 || Index >= GetCount()) IndexError(Index);
}

AnsiString TListItems::GetStrings(int Index) const {
  CheckIndex(Index);
  return items_[static_cast<std::size_t>(Index)].String;
}

void TListItems::SetStrings(int Index, const AnsiString& S) {
  CheckIndex(Index);
  items_[static_cast<std::size_t>(Index)].String = S;
  if (owner_) owner_->ItemsRedrawn();
}

TObject* TListItems::GetObjects(int Index) const {
  CheckIndex(Index);
  return items_[static_cast<std::size_t>(Index)].Object;
}

void TListItems::SetObjects(int Index, TObject* AObject) {
  CheckIndex(Index);
  items_[static_cast<std::size_t>(Index)].Object = AObject;
}

int TListItems::AddObject(const AnsiString& S, TObject* AObject) {
  int index = GetCount();
  if (sorted_) {
    // After the equal ones, so that equal items keep the order they came in.
    auto it = std::upper_bound(items_.begin(), items_.end(), S,
                               [](const AnsiString& s, const Item& i) { return AnsiCompareText(s, i.String) < 0; });
    index = static_cast<int>(it - items_.begin());
  }
  InsertObject(index, S, AObject);
  return index;
}

void TListItems::InsertObject(int Index, const AnsiString& S, TObject* AObject) {
  if (Index < 0 || Index > GetCount()) IndexError(Index);
  items_.insert(items_.begin() + Index, Item{S, AObject});
  if (owner_) owner_->ItemInserted(Index);
}

void TListItems::Delete(int Index) {
  CheckIndex(Index);
  items_.erase(items_.begin() + Index);
  if (owner_) owner_->ItemDeleted(Index);
}

void TListItems::Clear() {
  if (items_.empty()) return;
  items_.clear();
  if (owner_) owner_->ItemsCleared();
}

void TListItems::SetSorted(bool Value, std::vector<int>* Moved) {
  if (sorted_ == Value) return;
  sorted_ = Value;
  if (!sorted_) return;
  std::vector<int> order(items_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
    return AnsiCompareText(items_[static_cast<std::size_t>(a)].String, items_[static_cast<std::size_t>(b)].String) < 0;
  });
  std::vector<Item> sorted;
  sorted.reserve(items_.size());
  if (Moved) Moved->assign(items_.size(), 0);
  for (std::size_t i = 0; i < order.size(); ++i) {
    sorted.push_back(items_[static_cast<std::size_t>(order[i])]);
    if (Moved) (*Moved)[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
  }
  items_ = std::move(sorted);
  if (owner_) owner_->ItemsRedrawn();
}
