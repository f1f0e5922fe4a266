// Wave items: one wave each, its record body the library's stream wave.
#include "vyrcont.h"
#include "vyrcont_streams.h"
#include "vyrmms.h"
#include "vyrutils.h"

namespace Vyrcont {

void TVyrWaveListItem::Publish(TPublisher<TVyrWaveListItem>& P) {
  // The record in "Internal" carries the wave.
  P.Object("Wave", &TVyrWaveListItem::GetWave).Stored(false);
}

TVyrWaveListItem::TVyrWaveListItem(TComponent* AOwner)
    : TVyrListItem(AOwner), wave_(TObject::Create<Vyrmms::TVyrWave>()) {}

TVyrWaveListItem::~TVyrWaveListItem() {
  if (wave_) wave_->Free();
}

void TVyrWaveListItem::SetWave(Vyrmms::TVyrWave* Value) {
  wave_->Assign(Value);
  Change();
}

void TVyrWaveListItem::Assign(TPersistent* Source) {
  auto* other = dynamic_cast_object<TVyrWaveListItem>(Source);
  if (!other) {
    inherited::Assign(Source);
    return;
  }
  if (other == this) return;
  AssignStd(other);
  wave_->Assign(other->wave_);
  Change();
}

void TVyrWaveListItem::FreeData() { wave_->FreeWave(); }

bool TVyrWaveListItem::GetEmpty() { return wave_->GetEmpty(); }

Byte TVyrWaveListItem::WriteFlag() {
  Byte flags = TVyrListItem::WriteFlag();
  if (!GetEmpty()) flags |= kFlagData;
  return flags;
}

void TVyrWaveListItem::WriteData(TStream* Stream) {
  const Byte flags = WriteFlag();
  WriteStd(Stream);
  // An empty wave writes no body: the reader expects none without the flag.
  if (flags & kFlagData) Vyrutils::stWriteWave(Stream, wave_, GetCompressed());
}

void TVyrWaveListItem::ReadData(TStream* Stream) {
  const Byte flags = ReadStd(Stream);
  if (flags & kFlagData)
    Vyrutils::stReadWave(Stream, wave_, (flags & kFlagCompressed) != 0);
  else
    wave_->FreeWave();
}

bool VyrWVLGetItem(const AnsiString& FileName, int Index, Vyrmms::TVyrWave* Wave) {
  TOwnedObject<TVyrWaveListItem> item(TObject::Create<TVyrWaveListItem>(nullptr));
  const bool read = VyrListGetItemFromFile(FileName, TVyrListItemClassType::icWave, nullptr, Index, item.get());
  if (read && Wave) Wave->Assign(item->GetWave());
  return read;
}

}  // namespace Vyrcont
