#include <algorithm>

#include "tstrings.h"

void TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= GetCount()) IndexError(Index);
}

AnsiString TStringList::GetStrings(int Index) const {
  CheckIndex(Index);
  return items_[static_cast<std::size_t>(Index)].String;
}

void TStringList::SetStrings(int Index, const AnsiString& S) {
  if (sorted_) Error("Operation bei sortierten Listen nicht möglich");
  CheckIndex(Index);
  Changing();
  items_[static_cast<std::size_t>(Index)].String = S;
  Changed();
}

TObject* TStringList::GetObjects(int Index) const {
  CheckIndex(Index);
  return items_[static_cast<std::size_t>(Index)].Object;
}

void TStringList::SetObjects(int Index, TObject* AObject) {
  CheckIndex(Index);
  Changing();
  items_[static_cast<std::size_t>(Index)].Object = AObject;
  Changed();
}

int TStringList::Add(const AnsiString& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const AnsiString& S, TObject* AObject) {
  int index = GetCount();
  if (sorted_ && Find(S, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) Error("Stringliste erlaubt keine Duplikate");
    // dupAccept: after the equal ones, so that equal lines keep their order.
    while (index < GetCount() && CompareStrings(items_[static_cast<std::size_t>(index)].String, S) == 0) ++index;
  }
  InsertItem(index, S, AObject);
  return index;
}

void TStringList::Insert(int Index, const AnsiString& S) { InsertObject(Index, S, nullptr); }

void TStringList::InsertObject(int Index, const AnsiString& S, TObject* AObject) {
  if (sorted_) Error("Operation bei sortierten Listen nicht möglich");
  if (Index < 0 || Index > GetCount()) IndexError(Index);
  InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const AnsiString& S, TObject* AObject) {
  Changing();
  items_.insert(items_.begin() + Index, Item{S, AObject});
  Changed();
}

void TStringList::Delete(int Index) {
  CheckIndex(Index);
  Changing();
  items_.erase(items_.begin() + Index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  Changing();
  std::swap(items_[static_cast<std::size_t>(Index1)], items_[static_cast<std::size_t>(Index2)]);
  Changed();
}

int TStringList::IndexOf(const AnsiString& S) const {
  if (!sorted_) return TStrings::IndexOf(S);
  int index = 0;
  return Find(S, index) ? index : -1;
}

bool TStringList::Find(const AnsiString& S, int& Index) const {
  auto it = std::lower_bound(items_.begin(), items_.end(), S,
                             [this](const Item& item, const AnsiString& s) { return CompareStrings(item.String, s) < 0; });
  Index = static_cast<int>(it - items_.begin());
  return it != items_.end() && CompareStrings(it->String, S) == 0;
}

void TStringList::Sort() {
  if (items_.size() < 2) return;
  Changing();
  std::stable_sort(items_.begin(), items_.end(),
                   [this](const Item& a, const Item& b) { return CompareStrings(a.String, b.String) < 0; });
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (sorted_ == Value) return;
  if (Value) Sort();
  sorted_ = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (caseSensitive_ == Value) return;
  caseSensitive_ = Value;
  if (sorted_) Sort();
}

void TStringList::Changing() {
  if (GetUpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (GetUpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating)
    Changing();
  else
    Changed();
}

int TStringList::CompareStrings(const AnsiString& S1, const AnsiString& S2) const {
  if (caseSensitive_) return S1.str().compare(S2.str());
  return TStrings::CompareStrings(S1, S2);
}
