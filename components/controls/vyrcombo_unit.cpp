// The published properties of the library's combo box and the unit's
// start-up row.
#include "classregistry.h"
#include "vyrcombo.h"

namespace Vyrcombo {

void TVyrCustomComboBox::Publish(TPublisher<TVyrCustomComboBox>&) {}

void TVyrComboBox::Publish(TPublisher<TVyrComboBox>& P) {
  using B = TVyrCustomComboBox;
  PublishComboBase(P);
  P.Integer("Interval", &B::GetInterval, &B::SetInterval, 1500);
  P.Bool("Search", &B::GetSearch, &B::SetSearch, false);
  P.Event("OnEditClick", &B::OnEditClick);
}

void Initialize() { RegisterClasses({TVyrComboBox::StaticClass()}); }

void Finalize() {}

}  // namespace Vyrcombo
