#include <algorithm>

#include "vyrcont.h"

namespace Vyrcont {

TVyrChangeLink::~TVyrChangeLink() {
  if (sender_) sender_->UnRegisterChanges(this);
}

void TVyrChangeLink::Change() {
  if (onChange_) onChange_(sender_);
}

void TVyrBaseContainer::Publish(TPublisher<TVyrBaseContainer>&) {}

TVyrBaseContainer::TVyrBaseContainer(TComponent* AOwner) : Vyrclass::TVyrComponent(AOwner) {}

TVyrBaseContainer::~TVyrBaseContainer() { DetachLinks(); }

void TVyrBaseContainer::BeforeDestruction() {
  // The links outlive the container: none may point at it afterwards.
  DetachLinks();
  inherited::BeforeDestruction();
}

void TVyrBaseContainer::DetachLinks() {
  for (TVyrChangeLink* link : links_) link->SetSender(nullptr);
  links_.clear();
}

void TVyrBaseContainer::RegisterChanges(TVyrChangeLink* Link) {
  if (!Link) return;
  if (Link->GetSender() && Link->GetSender() != this) Link->GetSender()->UnRegisterChanges(Link);
  if (std::find(links_.begin(), links_.end(), Link) == links_.end()) links_.push_back(Link);
  Link->SetSender(this);
}

void TVyrBaseContainer::UnRegisterChanges(TVyrChangeLink* Link) {
  const auto at = std::find(links_.begin(), links_.end(), Link);
  if (at == links_.end()) return;
  links_.erase(at);
  Link->SetSender(nullptr);
}

void TVyrBaseContainer::Change() {
  if (GetUpdating()) return;
  // A link's handler may unregister itself or another link: walk a copy
  // and skip the ones gone meanwhile.
  const std::vector<TVyrChangeLink*> links = links_;
  for (TVyrChangeLink* link : links)
    if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->Change();
  inherited::Change();
}

}  // namespace Vyrcont
