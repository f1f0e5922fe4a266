// TCollection and TCollectionItem: a list of items of one class that the
// collection creates, owns and frees, and that the form streams store as a
// list of property sets (a status bar's panels, say).
#pragma once

#include <vector>

#include "persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
  MORVANT_CLASS(TCollectionItem, TPersistent)
 public:
  // Joins Collection (may be nullptr) at the end.
  explicit TCollectionItem(TCollection* Collection);
  // Leaves the collection.
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* GetCollection() const { return collection_; }
  // Moves the item to another collection (or none).
  void SetCollection(TCollection* Value);
  // Position in the collection; -1 without one.
  int GetIndex() const;
  // Moves the item within its collection (clamped to the valid range).
  virtual void SetIndex(int Value);
  // Unique within the collection for its lifetime, never reused.
  int GetID() const { return id_; }
  // The class name unless a derived item says better.
  virtual AnsiString GetDisplayName() const;

  TPersistent* GetOwner() override;
  // "<collection path>[<index>]".
  AnsiString GetNamePath() override;

 protected:
  // Tells the collection that this item (AllItems false) or all of them
  // changed, unless it is updating.
  void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

// The collection's item class: its identity and how to make one.
struct TCollectionItemClass {
  TClass Class;
  TCollectionItem* (*Create)(TCollection* Collection);
};

template <class T>
TCollectionItemClass CollectionItemClassOf() {
  return {T::StaticClass(), [](TCollection* c) -> TCollectionItem* { return new T(c); }};
}

class TCollection : public TPersistent {
  MORVANT_CLASS(TCollection, TPersistent)
 public:
  // AOwner is the persistent that holds the collection (for GetOwner and
  // name paths); nullptr when none.
  explicit TCollection(const TCollectionItemClass& ItemClass, TPersistent* AOwner = nullptr);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  // A new item of the item class, at the end.
  TCollectionItem* Add();
  // A new item, moved to Index.
  TCollectionItem* Insert(int Index);
  // Frees the item at Index; bad index: EListError.
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;

  int GetCount() const { return static_cast<int>(items_.size()); }
  // Bad index: EListError.
  TCollectionItem* GetItems(int Index) const;
  // Assigns Value to the item at Index.
  void SetItems(int Index, TCollectionItem* Value);
  const TCollectionItemClass& GetItemClass() const { return itemClass_; }

  // A collection: replaces the items by new ones assigned from Source's.
  void Assign(TPersistent* Source) override;
  // Nested; Update(nullptr) follows the outermost EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  int GetUpdateCount() const { return updateCount_; }

  TPersistent* GetOwner() override { return owner_; }

 protected:
  // Item changed; nullptr: the whole collection (items added, removed,
  // moved, or all changed). Nothing by default.
  virtual void Update(TCollectionItem* Item);
  // Update(nullptr) unless updating.
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);

  TCollectionItemClass itemClass_;
  TPersistent* owner_;
  std::vector<TCollectionItem*> items_;
  int updateCount_ = 0;
  int nextId_ = 0;
};
