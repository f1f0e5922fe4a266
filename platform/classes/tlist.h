// TList: the class library's ordered list of pointers. Slots may hold nil
// and, cast through std::intptr_t, any 32-bit integer (colour lists keep RGB
// values in them). A bad index raises EListError naming it.
#pragma once

#include <vector>

#include "tobject.h"

using TListSortCompare = int (*)(void* Item1, void* Item2);

class TList : public TObject {
  MORVANT_CLASS(TList, TObject)
 public:
  // The index of the new item.
  int Add(void* Item);
  void Insert(int Index, void* Item);
  void Delete(int Index);
  // The index the item had, or -1 when it was not there.
  int Remove(void* Item);
  // -1 when absent.
  int IndexOf(void* Item) const;
  void Clear();
  void Exchange(int Index1, int Index2);
  void Move(int CurIndex, int NewIndex);
  // Drops the nil items.
  void Pack();
  void Sort(TListSortCompare Compare);
  // Raise EListError on an empty list.
  void* First() const;
  void* Last() const;

  int GetCount() const { return static_cast<int>(items_.size()); }
  // Grows with nil items or drops the last ones.
  void SetCount(int NewCount);
  void* GetItems(int Index) const;
  void SetItems(int Index, void* Item);
  int GetCapacity() const { return static_cast<int>(items_.capacity()); }
  // Below Count: EListError.
  void SetCapacity(int NewCapacity);

 private:
  void CheckIndex(int Index) const;
  std::vector<void*> items_;
};
