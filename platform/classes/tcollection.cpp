#include "tcollection.h"

#include <algorithm>

#include "exceptions.h"
#include "listerror.h"
#include "scope_guard.h"

TCollectionItem::TCollectionItem(TCollection* Collection) { SetCollection(Collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* Value) {
  if (collection_ == Value) return;
  if (collection_) collection_->RemoveItem(this);
  if (Value) Value->InsertItem(this);
}

int TCollectionItem::GetIndex() const {
  if (!collection_) return -1;
  const auto& items = collection_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
  if (!collection_) return;
  auto& items = collection_->items_;
  Value = std::clamp(Value, 0, static_cast<int>(items.size()) - 1);
  const int current = GetIndex();
  if (current == Value) return;
  items.erase(items.begin() + current);
  items.insert(items.begin() + Value, this);
  Changed(true);
}

AnsiString TCollectionItem::GetDisplayName() const { return ClassName(); }

TPersistent* TCollectionItem::GetOwner() { return collection_; }

AnsiString TCollectionItem::GetNamePath() {
  if (!collection_) return ClassName();
  return collection_->GetNamePath() + "[" + AnsiString(GetIndex()) + "]";
}

void TCollectionItem::Changed(bool AllItems) {
  if (!collection_ || collection_->updateCount_ > 0) return;
  collection_->Update(AllItems ? nullptr : this);
}

TCollection::TCollection(const TCollectionItemClass& ItemClass, TPersistent* AOwner)
    : itemClass_(ItemClass), owner_(AOwner) {}

TCollection::~TCollection() {
  // No Update calls from a collection on its way out.
  ++updateCount_;
  Clear();
}

TCollectionItem* TCollection::Add() { return itemClass_.Create(this); }

TCollectionItem* TCollection::Insert(int Index) {
  if (Index < 0 || Index > GetCount()) throw EListError(ListIndexErrorText(Index));
  TCollectionItem* item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(int Index) { delete GetItems(Index); }

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  while (!items_.empty()) delete items_.back();
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* item : items_)
    if (item->id_ == ID) return item;
  return nullptr;
}

TCollectionItem* TCollection::GetItems(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(ListIndexErrorText(Index));
  return items_[static_cast<std::size_t>(Index)];
}

void TCollection::SetItems(int Index, TCollectionItem* Value) { GetItems(Index)->Assign(Value); }

void TCollection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast_object<TCollection>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  if (source == this) return;
  BeginUpdate();
  TScopeGuard endUpdate([this] { EndUpdate(); });
  Clear();
  for (TCollectionItem* item : source->items_) Add()->Assign(item);
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::InsertItem(TCollectionItem* Item) {
  items_.push_back(Item);
  Item->collection_ = this;
  Item->id_ = nextId_++;
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  items_.erase(std::remove(items_.begin(), items_.end(), Item), items_.end());
  Item->collection_ = nullptr;
  Changed();
}
