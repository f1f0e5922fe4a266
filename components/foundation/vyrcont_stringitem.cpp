// String-list items.
#include "vyrcont.h"
#include "vyrcont_streams.h"
#include "vyrutils.h"

namespace Vyrcont {

using namespace Vyrutils;

void TVyrStringListItem::Publish(TPublisher<TVyrStringListItem>& P) {
  P.Strings("Items", &TVyrStringListItem::GetItems).Stored(false);
}

TVyrStringListItem::TVyrStringListItem(TComponent* AOwner)
    : TVyrListItem(AOwner), items_(std::make_unique<TStringList>()) {}

TVyrStringListItem::~TVyrStringListItem() = default;

void TVyrStringListItem::SetItems(TStrings* Value) {
  items_->Assign(Value);
  Change();
}

void TVyrStringListItem::Assign(TPersistent* Source) {
  if (auto* other = dynamic_cast_object<TVyrStringListItem>(Source)) {
    if (other == this) return;
    AssignStd(other);
    items_->Assign(other->items_.get());
    Change();
    return;
  }
  if (auto* strings = dynamic_cast_object<TStrings>(Source)) {
    items_->Assign(strings);
    Change();
    return;
  }
  inherited::Assign(Source);
}

void TVyrStringListItem::FreeData() { items_->Clear(); }

bool TVyrStringListItem::GetEmpty() { return items_->GetCount() == 0; }

Byte TVyrStringListItem::WriteFlag() {
  Byte flags = TVyrListItem::WriteFlag();
  if (!GetEmpty()) flags |= kFlagData;
  return flags;
}

void TVyrStringListItem::WriteData(TStream* Stream) {
  const Byte flags = WriteFlag();
  WriteStd(Stream);
  if (flags & kFlagData) stWriteStringList(Stream, items_.get(), GetCompressed());
}

void TVyrStringListItem::ReadData(TStream* Stream) {
  const Byte flags = ReadStd(Stream);
  TStringList read;
  if (flags & kFlagData) stReadStringList(Stream, &read, (flags & kFlagCompressed) != 0);
  items_->Assign(&read);
}

}  // namespace Vyrcont
