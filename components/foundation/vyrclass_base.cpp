#include "vyrclass.h"

namespace Vyrclass {

void TVyrObject::Publish(TPublisher<TVyrObject>&) {}

void TVyrObject::Change() {
  if (!updating_ && onChange_) onChange_(this);
}

void TVyrObject::GetChange(TObject*) { Change(); }

void TVyrObject::EndUpdate(bool Notify) {
  updating_ = false;
  if (Notify) Change();
}

void TVyrCustomComponent::Publish(TPublisher<TVyrCustomComponent>&) {}

void TVyrCustomComponent::Change() {
  if (!updating_ && onChange_) onChange_(this);
}

void TVyrCustomComponent::GetChange(TObject*) { Change(); }

void TVyrCustomComponent::EndUpdate(bool Notify) {
  updating_ = false;
  if (Notify) Change();
}

void TVyrComponent::Publish(TPublisher<TVyrComponent>&) {}

}  // namespace Vyrclass
