// The list of items every container keeps, its stream and its file.
#include <algorithm>

#include "exceptions.h"
#include "fileio.h"
#include "listerror.h"
#include "vyrcont.h"
#include "vyrcont_streams.h"
#include "vyrutils.h"

namespace Vyrcont {

using namespace Vyrutils;

void TVyrCustomContainer::Publish(TPublisher<TVyrCustomContainer>& P) {
  P.Enum("Prefix", &TVyrCustomContainer::GetPrefix, &TVyrCustomContainer::SetPrefix,
         {"ppWindows", "ppSystem", "ppProgram", "ppFixed"}, static_cast<int>(TVyrPathPrefix::ppProgram));
  P.Enum("Source", &TVyrCustomContainer::GetSource, &TVyrCustomContainer::SetSource,
         {"sdComponent", "sdFile", "sdAppResource", "sdLibResource", "sdPath"}, 0);
  P.String("Path", &TVyrCustomContainer::GetPath, &TVyrCustomContainer::SetPath);
}

TVyrCustomContainer::TVyrCustomContainer(TComponent* AOwner) : TVyrBaseContainer(AOwner) {}

TVyrCustomContainer::~TVyrCustomContainer() = default;

void TVyrCustomContainer::BeforeDestruction() {
  // The items go with the components this one owns.
  items_.clear();
  inherited::BeforeDestruction();
}

void TVyrCustomContainer::SetItemClass(TClass Class, TVyrListItemClassType Kind) {
  itemClass_ = Class;
  kind_ = Kind;
}

TVyrListItem* TVyrCustomContainer::NewItem() const {
  return static_cast<TVyrListItem*>(itemClass_->CreateComponent(nullptr));
}

TVyrListItem* TVyrCustomContainer::GetItems(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(ListIndexErrorText(Index));
  return items_[static_cast<std::size_t>(Index)];
}

void TVyrCustomContainer::SetPrefix(TVyrPathPrefix Value) {
  if (Value == prefix_) return;
  prefix_ = Value;
  Change();
}

void TVyrCustomContainer::SetSource(TVyrContainerSource Value) {
  if (Value == source_) return;
  if (!GetComponentState().Contains(csLoading))
    for (TVyrListItem* item : items_) item->FreeData();
  source_ = Value;
}

int TVyrCustomContainer::Add(TVyrListItem* Item) {
  Insert(GetCount(), Item);
  return GetCount() - 1;
}

void TVyrCustomContainer::Insert(int Index, TVyrListItem* Item) {
  if (Index < 0) throw EListError(ListIndexErrorText(Index));
  if (Item && !Item->InheritsFrom(itemClass_))
    throw EInvalidOperation("A " + Item->ClassName() + " cannot be an item of " + ClassName());
  if (Item && IndexOf(Item) >= 0) return;
  if (!Item) Item = NewItem();
  InsertComponent(Item);
  items_.insert(items_.begin() + std::min(Index, GetCount()), Item);
  Change();
}

void TVyrCustomContainer::Delete(int Index) {
  TVyrListItem* item = GetItems(Index);
  items_.erase(items_.begin() + Index);
  item->Free();
  Change();
}

void TVyrCustomContainer::Clear() {
  std::vector<TVyrListItem*> items;
  items.swap(items_);
  for (auto it = items.rbegin(); it != items.rend(); ++it) (*it)->Free();
  Change();
}

void TVyrCustomContainer::Move(int From, int To) {
  if (From == To) return;
  TVyrListItem* item = GetItems(From);
  GetItems(To);
  items_.erase(items_.begin() + From);
  items_.insert(items_.begin() + To, item);
  Change();
}

int TVyrCustomContainer::IndexOf(const TVyrListItem* Item) const {
  const auto at = std::find(items_.begin(), items_.end(), Item);
  return at == items_.end() ? -1 : static_cast<int>(at - items_.begin());
}

void TVyrCustomContainer::AddItems(TVyrCustomContainer* Other) {
  const std::vector<TVyrListItem*> others = Other->items_;
  for (TVyrListItem* other : others) {
    TOwnedObject<TVyrListItem> item(NewItem());
    item->Assign(other);
    Add(item.release());
  }
}

void TVyrCustomContainer::AddList(TVyrCustomContainer* Other) {
  if (!Other || Other == this) return;
  Batch([&] { AddItems(Other); });
}

void TVyrCustomContainer::Update(TVyrListItem* Item) {
  if (GetUpdating()) return;
  if (TNotifyEvent handler = GetOnChange()) handler(Item);
}

void TVyrCustomContainer::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  const auto at = std::find(items_.begin(), items_.end(), AComponent);
  if (at != items_.end()) items_.erase(at);
}

void TVyrCustomContainer::WriteData(TStream* Stream, bool WithIndex) {
  stWriteInteger(Stream, GetCount());
  if (!WithIndex || items_.empty()) {
    for (TVyrListItem* item : items_) item->WriteData(Stream);
    return;
  }
  // The table first as room, filled once every record's place is known.
  const Int64 table = Stream->GetPosition();
  for (std::size_t i = 0; i < items_.size(); ++i) stWriteInteger(Stream, 0);
  std::vector<int> offsets;
  for (TVyrListItem* item : items_) {
    offsets.push_back(static_cast<int>(Stream->GetPosition()));
    item->WriteData(Stream);
  }
  const Int64 end = Stream->GetPosition();
  Stream->SetPosition(table);
  for (int offset : offsets) stWriteInteger(Stream, offset);
  Stream->SetPosition(end);
}

void TVyrCustomContainer::ReadData(TStream* Stream, bool WithIndex) {
  const int count = ReadCheckedInteger(Stream);
  if (count < 0) throw EReadError("Container item count is negative");
  // Every record takes at least its flags byte, every offset four.
  NeedBytes(Stream, static_cast<Int64>(count) * (WithIndex ? 5 : 1), "container items");
  if (WithIndex) Stream->Seek(static_cast<Int64>(count) * 4, soFromCurrent);
  std::vector<TOwnedObject<TVyrListItem>> read;
  for (int i = 0; i < count; ++i) {
    read.emplace_back(NewItem());
    read.back()->ReadData(Stream);
  }
  Batch([&] {
    Clear();
    for (auto& item : read) Add(item.release());
  });
}

void TVyrCustomContainer::SaveToFile(const AnsiString& FileName) {
  TFileStream file(FileName, fmCreate);
  WriteMagic(&file, kind_);
  WriteData(&file, true);
}

void TVyrCustomContainer::LoadFromFile(const AnsiString& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  if (ReadMagic(&file) != kind_) RaiseFileError(FileName, ClassName());
  try {
    ReadData(&file, true);
  } catch (const Exception&) {
    RaiseFileError(FileName, ClassName());
  }
}

void TVyrCustomContainer::Assign(TPersistent* Source) {
  auto* other = dynamic_cast_object<TVyrCustomContainer>(Source);
  if (!other || !other->InheritsFrom(ClassType())) {
    inherited::Assign(Source);
    return;
  }
  if (other == this) return;
  Batch([&] {
    Clear();
    defaultCompressed_ = other->defaultCompressed_;
    AddItems(other);
  });
}

void TVyrCustomContainer::GetChildren(TGetChildProc Proc, TComponent*) {
  for (TVyrListItem* item : items_) Proc(item);
}

}  // namespace Vyrcont
