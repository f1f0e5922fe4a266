// The items of a list box or a combo box's list: strings with an object
// beside each, kept in the order the control shows them, telling the control
// of every insertion and removal so that it can keep its selection, item
// heights and scroll bar in step. Add keeps a sorted list sorted; Insert
// puts the item where it is told, as the controls of the class library do.
#pragma once

#include <vector>

#include "tstrings.h"

class TListItemsOwner {
 public:
  virtual void ItemInserted(int Index) = 0;
  virtual void ItemDeleted(int Index) = 0;
  virtual void ItemsCleared() = 0;
  // A string changed in place, or the order changed (Sorted switched on).
  virtual void ItemsRedrawn() = 0;

 protected:
  ~TListItemsOwner() = default;
};

class TListItems : public TStrings {
  MORVANT_CLASS(TListItems, TStrings)
 public:
  explicit TListItems(TListItemsOwner* Owner) : owner_(Owner) {}

  int GetCount() const override { return static_cast<int>(items_.size()); }
  AnsiString GetStrings(int Index) const override;
  void SetStrings(int Index, const AnsiString& S) override;
  TObject* GetObjects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;
  int Add(const AnsiString& S) override { return AddObject(S, nullptr); }
  int AddObject(const AnsiString& S, TObject* AObject) override;
  void Insert(int Index, const AnsiString& S) override { InsertObject(Index, S, nullptr); }
  void InsertObject(int Index, const AnsiString& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;

  bool GetSorted() const { return sorted_; }
  // Switching it on sorts the items there are; Moved tells where each went
  // (new index of old index i at Moved[i]).
  void SetSorted(bool Value, std::vector<int>* Moved = nullptr);

 private:
  struct Item {
    AnsiString String;
    TObject* Object = nullptr;
  };
  void CheckIndex(int Index) const;

  TListItemsOwner* owner_;
  std::vector<Item> items_;
  bool sorted_ = false;
};
