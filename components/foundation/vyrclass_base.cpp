#include "vyrclass.h"

namespace Vyrclass {

void TVyrObject::Publish(TPublisher<TVyrObject>&) {}
void TVyrCustomComponent::Publish(TPublisher<TVyrCustomComponent>&) {}
void TVyrComponent::Publish(TPublisher<TVyrComponent>&) {}

}  // namespace Vyrclass
