#include "vyrcctrl_imagelink.h"

namespace Vyrcctrl {

TVyrImageLink::TVyrImageLink(TComponent* Holder, std::function<void(TObject*)> OnChange)
    : holder_(Holder), onChange_(std::move(OnChange)) {}

TVyrImageLink::~TVyrImageLink() = default;

void TVyrImageLink::SetImageList(Vyrcont::TVyrCustomImageList* Value) {
  list_ = Value;
  Changed(nullptr);
}

void TVyrImageLink::SetIndex(int Which, int Value) {
  int& field = Which == 0 ? imageIndex_ : listIndex_;
  if (Value < 0 || Value == field) return;
  field = Value;
  if (list_) Changed(nullptr);
}

bool TVyrImageLink::IMLEmpty() const { return list_ == nullptr; }

bool TVyrImageLink::Removed(TComponent* AComponent) {
  if (!list_ || static_cast<void*>(AComponent) != static_cast<void*>(list_)) return false;
  SetImageList(nullptr);
  return true;
}

bool TVyrImageLink::ImageListStored() const { return list_ != nullptr; }

void TVyrImageLink::ClipDraw(TCanvas*, const TRect&, int) const {}

HPALETTE TVyrImageLink::Palette() const { return nullptr; }

void TVyrImageLink::DefineInternal(TFiler*) {}

void TVyrImageLink::Changed(TObject* Sender) {
  if (onChange_) onChange_(Sender);
}

}  // namespace Vyrcctrl
