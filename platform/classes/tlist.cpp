#include "tlist.h"

#include <algorithm>

#include "exceptions.h"
#include "listerror.h"

void TList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(ListIndexErrorText(Index));
}

int TList::Add(void* Item) {
  items_.push_back(Item);
  return GetCount() - 1;
}

void TList::Insert(int Index, void* Item) {
  if (Index < 0 || Index > GetCount()) throw EListError(ListIndexErrorText(Index));
  items_.insert(items_.begin() + Index, Item);
}

void TList::Delete(int Index) {
  CheckIndex(Index);
  items_.erase(items_.begin() + Index);
}

int TList::Remove(void* Item) {
  const int index = IndexOf(Item);
  if (index >= 0) Delete(index);
  return index;
}

int TList::IndexOf(void* Item) const {
  auto it = std::find(items_.begin(), items_.end(), Item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TList::Clear() { std::vector<void*>().swap(items_); }

void TList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  std::swap(items_[static_cast<std::size_t>(Index1)], items_[static_cast<std::size_t>(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex) {
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  void* item = items_[static_cast<std::size_t>(CurIndex)];
  items_.erase(items_.begin() + CurIndex);
  items_.insert(items_.begin() + NewIndex, item);
}

void TList::Pack() { items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end()); }

void TList::Sort(TListSortCompare Compare) {
  std::stable_sort(items_.begin(), items_.end(), [Compare](void* a, void* b) { return Compare(a, b) < 0; });
}

void* TList::First() const { return GetItems(0); }

void* TList::Last() const { return GetItems(GetCount() - 1); }

void TList::SetCount(int NewCount) {
  if (NewCount < 0) throw EListError(ListIndexErrorText(NewCount));
  items_.resize(static_cast<std::size_t>(NewCount), nullptr);
}

void* TList::GetItems(int Index) const {
  CheckIndex(Index);
  return items_[static_cast<std::size_t>(Index)];
}

void TList::SetItems(int Index, void* Item) {
  CheckIndex(Index);
  items_[static_cast<std::size_t>(Index)] = Item;
}

void TList::SetCapacity(int NewCapacity) {
  if (NewCapacity < GetCount()) throw EListError(ListIndexErrorText(NewCapacity));
  if (NewCapacity > GetCapacity()) items_.reserve(static_cast<std::size_t>(NewCapacity));
}
