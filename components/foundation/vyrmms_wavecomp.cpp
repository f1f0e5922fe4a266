// The wave component, and the unit's start-up row.
#include "classregistry.h"
#include "fileproperty.h"
#include "vyrmms.h"

namespace Vyrmms {

void TVyrWaveComp::Publish(TPublisher<TVyrWaveComp>& P) { P.Object("Wave", &TVyrWaveComp::GetWave); }

TVyrWaveComp::TVyrWaveComp(TComponent* AOwner) : TVyrComponent(AOwner), wave_(std::make_unique<TVyrWave>()) {
  wave_->SetOnChange(TNotifyEvent(this, &TVyrWaveComp::GetChange));
}

TVyrWaveComp::~TVyrWaveComp() = default;

void Initialize() {
  RegisterClasses({TVyrHiTimer::StaticClass(), TVyrWaveComp::StaticClass()});
  // Any published wave, "Wave.Data" of the component among them, takes a
  // file in a form text only when the program could load it.
  RegisterFileProperty(TVyrWave::StaticClass(), "Data", VyrEncodeWaveFile);
}

void Finalize() {}

}  // namespace Vyrmms
