#include "vyrcctrl_imagelink.h"

#include "reader.h"
#include "vyrcont.h"
#include "writer.h"

namespace Vyrcctrl {

TVyrImageLink::TVyrImageLink(TComponent* Holder, std::function<void(TObject*)> OnChange)
    : holder_(Holder), onChange_(std::move(OnChange)), link_(new Vyrcont::TVyrChangeLink) {
  link_->SetOnChange(TNotifyEvent([this](TObject* Sender) { Changed(Sender); }));
}

TVyrImageLink::~TVyrImageLink() {
  // The list may outlive the holder: it must not call into it any more.
  link_->SetOnChange(nullptr);
  if (list_) {
    list_->UnRegisterChanges(link_);
    list_->RemoveFreeNotification(holder_);
  }
  delete link_;
}

void TVyrImageLink::SetImageList(Vyrcont::TVyrCustomImageList* Value) {
  if (list_) {
    list_->UnRegisterChanges(link_);
    list_->RemoveFreeNotification(holder_);
  }
  list_ = Value;
  if (list_) {
    list_->RegisterChanges(link_);
    list_->FreeNotification(holder_);
  }
  Changed(nullptr);
}

void TVyrImageLink::SetIndex(int Which, int Value) {
  int& field = Which == 0 ? imageIndex_ : listIndex_;
  if (Value < 0 || Value == field) return;
  field = Value;
  if (list_) Changed(nullptr);
}

bool TVyrImageLink::IMLEmpty() const { return !list_ || !list_->IsValidItem(listIndex_, imageIndex_); }

bool TVyrImageLink::Removed(TComponent* AComponent) {
  if (!list_ || AComponent != list_) return false;
  // The going list unregisters its links itself.
  list_->UnRegisterChanges(link_);
  list_ = nullptr;
  Changed(nullptr);
  return true;
}

bool TVyrImageLink::ImageListStored() const { return list_ && !Vyrcont::VyrIsGlobalIdent(list_); }

void TVyrImageLink::ClipDraw(TCanvas* Canvas, const TRect& Rect, int Flags) const {
  if (list_) list_->ClipDraw(Canvas, Rect, static_cast<std::uint16_t>(Flags), 0, clNone, listIndex_, imageIndex_);
}

HPALETTE TVyrImageLink::Palette() const { return list_ ? list_->Palette(listIndex_) : nullptr; }

void TVyrImageLink::DefineInternal(TFiler* Filer, const char* Name) {
  Filer->DefineProperty(
      Name, TReaderProc([this](TReader* Reader) { SetImageList(Vyrcont::VyrReadGlobalIdent(Reader)); }),
      TWriterProc([this](TWriter* Writer) { Vyrcont::VyrWriteGlobalIdent(Writer, list_); }),
      Vyrcont::VyrIsGlobalIdent(list_));
}

void TVyrImageLink::Changed(TObject* Sender) {
  if (onChange_) onChange_(Sender);
}

}  // namespace Vyrcctrl
