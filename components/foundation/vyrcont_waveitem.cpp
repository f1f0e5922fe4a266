// Wave items. The wave data itself comes with the wave unit; until then an
// item holds no wave and refuses a record that carries one.
#include "exceptions.h"
#include "vyrcont.h"
#include "vyrcont_streams.h"

namespace Vyrcont {

void TVyrWaveListItem::Publish(TPublisher<TVyrWaveListItem>&) {}

TVyrWaveListItem::TVyrWaveListItem(TComponent* AOwner) : TVyrListItem(AOwner) {}

TVyrWaveListItem::~TVyrWaveListItem() = default;

void TVyrWaveListItem::SetWave(Vyrmms::TVyrWave*) {}

void TVyrWaveListItem::Assign(TPersistent* Source) {
  auto* other = dynamic_cast_object<TVyrWaveListItem>(Source);
  if (!other) {
    inherited::Assign(Source);
    return;
  }
  AssignStd(other);
  Change();
}

void TVyrWaveListItem::FreeData() {}

bool TVyrWaveListItem::GetEmpty() { return true; }

Byte TVyrWaveListItem::WriteFlag() { return TVyrListItem::WriteFlag(); }

void TVyrWaveListItem::WriteData(TStream* Stream) { WriteStd(Stream); }

void TVyrWaveListItem::ReadData(TStream* Stream) {
  if (ReadStd(Stream) & kFlagData) throw EReadError("Wave data cannot be read yet");
}

}  // namespace Vyrcont

namespace Vyrcont {

bool VyrWVLGetItem(const AnsiString&, int, Vyrmms::TVyrWave*) { return false; }

}  // namespace Vyrcont
