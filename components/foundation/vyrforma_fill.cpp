// TVyrCustomFormFill, the owner-draw and image-list base of the form
// backgrounds, and TVyrBack, the background tiled from an image list.
#include "forms.h"
#include "messages.h"
#include "paint.h"
#include "reader.h"
#include "vyrclass_application.h"
#include "vyrcont.h"
#include "vyrforma.h"
#include "vyrsysin.h"
#include "writer.h"

namespace Vyrforma {

namespace {
constexpr std::initializer_list<const char*> kPaintModes = {"pcNone", "pcControl", "pcOwnerDraw"};

// A canvas on a foreign DC for the length of one paint.
class TDCCanvas {
 public:
  explicit TDCCanvas(HDC DC) { canvas_.SetHandle(DC); }
  ~TDCCanvas() { canvas_.SetHandle(nullptr); }
  TCanvas* operator->() { return &canvas_; }
  TCanvas* get() { return &canvas_; }

 private:
  TCanvas canvas_;
};
}  // namespace

void TVyrCustomFormFill::Publish(TPublisher<TVyrCustomFormFill>& P) {
  P.Bool("DefaultFill", &TVyrCustomFormFill::GetDefaultFill, &TVyrCustomFormFill::SetDefaultFill, true);
  P.Component("ImageList", &TVyrCustomFormFill::GetImageList, &TVyrCustomFormFill::SetImageList)
      .Stored([](TVyrCustomFormFill* f) { return f->GetImageList() && !Vyrcont::VyrIsGlobalIdent(f->GetImageList()); });
  P.Integer("ImageIndex", &TVyrCustomFormFill::GetImageIndex, &TVyrCustomFormFill::SetImageIndex, 0);
  P.Integer("ListIndex", &TVyrCustomFormFill::GetListIndex, &TVyrCustomFormFill::SetListIndex, 0);
  P.Enum("PaintMode", &TVyrCustomFormFill::GetPaintMode, &TVyrCustomFormFill::SetPaintMode, kPaintModes,
         static_cast<Int64>(TVyrPaintMode::pcControl));
  P.Event("OnPaint", &TVyrCustomFormFill::GetOnPaint, &TVyrCustomFormFill::SetOnPaint);
}

void TVyrBack::Publish(TPublisher<TVyrBack>&) {}

TVyrCustomFormFill::TVyrCustomFormFill(TComponent* AOwner) : TVyrWndProcComponent(AOwner) {
  changeLink_ = new Vyrcont::TVyrChangeLink();
  changeLink_->SetOnChange(TNotifyEvent(this, &TVyrCustomFormFill::ImageListChanged));
}

void TVyrCustomFormFill::BeforeDestruction() {
  SetImageList(nullptr);
  TVyrWndProcComponent::BeforeDestruction();
}

TVyrCustomFormFill::~TVyrCustomFormFill() {
  if (imageList_) imageList_->UnRegisterChanges(changeLink_);
  delete changeLink_;
}

void TVyrCustomFormFill::Invalidate() {
  TForm* form = GetOwnerForm();
  if (form && form->HandleAllocated()) InvalidateRect(form->GetHandle(), nullptr, TRUE);
}

bool TVyrCustomFormFill::IMLEmpty() const {
  return !imageList_ || !imageList_->IsValidItem(listIndex_, imageIndex_);
}

void TVyrCustomFormFill::SetIndex(int Index, int Value) {
  int* field = Index == 0 ? &imageIndex_ : Index == 1 ? &listIndex_ : nullptr;
  if (!field || Value < 0 || *field == Value) return;
  *field = Value;
  if (imageList_) GetIMLChange(nullptr);
}

void TVyrCustomFormFill::SetImageList(Vyrcont::TVyrCustomImageList* Value) {
  if (imageList_ == Value) return;
  if (imageList_) {
    imageList_->UnRegisterChanges(changeLink_);
    imageList_->RemoveFreeNotification(this);
  }
  imageList_ = Value;
  if (imageList_) {
    imageList_->RegisterChanges(changeLink_);
    imageList_->FreeNotification(this);
  }
  if (!GetComponentState().Contains(csDestroying)) GetIMLChange(nullptr);
}

void TVyrCustomFormFill::Notification(TComponent* AComponent, TOperation Operation) {
  TVyrWndProcComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && imageList_ && AComponent == imageList_) {
    imageList_->UnRegisterChanges(changeLink_);
    imageList_ = nullptr;
  }
}

void TVyrCustomFormFill::SetPaintMode(TVyrPaintMode Value) {
  if (paintMode_ == Value) return;
  paintMode_ = Value;
  GetChange(this);
}

void TVyrCustomFormFill::GetIMLChange(TObject*) { Invalidate(); }

void TVyrCustomFormFill::GetChange(TObject*) {
  if (!GetEnabled() || Designing()) return;
  cacheStale_ = true;
  Invalidate();
}

void TVyrCustomFormFill::Init() {
  if (!GetEnabled()) return;
  TVyrWndProcComponent::Init();
  if (!GetComponentState().Contains(csLoading)) Invalidate();
}

void TVyrCustomFormFill::RestoreState() {
  if (!GetComponentState().Contains(csDestroying)) Invalidate();
}

void TVyrCustomFormFill::ReadIdent(TReader* Reader) {
  SetImageList(Vyrcont::VyrReadGlobalIdent(Reader));
}

void TVyrCustomFormFill::WriteIdent(TWriter* Writer) {
  Vyrcont::VyrWriteGlobalIdent(Writer, imageList_);
}

void TVyrCustomFormFill::DefineProperties(TFiler* Filer) {
  TVyrWndProcComponent::DefineProperties(Filer);
  const bool global = Vyrcont::VyrIsGlobalIdent(imageList_);
  Filer->DefineProperty("Internal", TReaderProc(this, &TVyrCustomFormFill::ReadIdent),
                        TWriterProc(this, &TVyrCustomFormFill::WriteIdent), global);
}

void TVyrCustomFormFill::WndProc(TMessage& Message) {
  if (GetEnabled()) {
    TForm* form = GetOwnerForm();
    switch (Message.Msg) {
      case WM_SIZE:
        cacheStale_ = true;
        if (form && form->HandleAllocated()) InvalidateRect(form->GetHandle(), nullptr, eraseOnSize_);
        break;
      case WM_ERASEBKGND:
        if (PaintClientArea(reinterpret_cast<HDC>(Message.WParam))) {
          Message.Result = 1;
          return;
        }
        break;
      case WM_HSCROLL:
      case WM_VSCROLL:
        if (form && form->HandleAllocated()) InvalidateRect(form->GetHandle(), nullptr, FALSE);
        break;
      case WM_PALETTECHANGED: Invalidate(); break;
      default: break;
    }
  }
  TVyrWndProcComponent::WndProc(Message);
}

bool TVyrCustomFormFill::PaintClientArea(HDC DC) {
  TForm* form = GetOwnerForm();
  if (!form || GetComponentState().Contains(csLoading) || paintMode_ != TVyrPaintMode::pcOwnerDraw || !onPaint_)
    return false;
  // Filled and painted on the erase DC itself: the form's own canvas may
  // stand on another DC, or on none, while the form erases.
  TDCCanvas canvas(DC);
  const TRect client(0, 0, form->GetClientWidth(), form->GetClientHeight());
  if (defaultFill_) {
    form->GetCanvas()->GetBrush()->SetColor(form->GetColor());
    canvas->GetBrush()->SetColor(form->GetColor());
    canvas->FillRect(client);
  }
  onPaint_(this, canvas.get(), client);
  return true;
}

bool TVyrBack::PaintClientArea(HDC DC) {
  TForm* form = GetOwnerForm();
  if (form && GetPaintMode() == TVyrPaintMode::pcControl && !IMLEmpty()) {
    TDCCanvas canvas(DC);
    Word flags = 0x0020;  // tiled
    const bool lowColour = Vyrclass::VyrApplication &&
                           Vyrclass::VyrApplication->GetOptions().Contains(Vyrclass::TVyrApplicationOption::aoAutoRealizePalette) &&
                           Vyrsysin::VyrSIColorDepth() < 9;
    if (!lowColour) flags |= 0x1000;  // through the picture's palette
    GetImageList()->ClipDraw(canvas.get(), form->GetClientRect(), flags, 0, 0, GetListIndex(), GetImageIndex());
    return true;
  }
  return TVyrCustomFormFill::PaintClientArea(DC);
}

}  // namespace Vyrforma
