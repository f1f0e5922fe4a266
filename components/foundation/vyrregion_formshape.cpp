// TVyrFormShape: the shaped form, its region, its dragging and its
// background.
#include "brush_class.h"
#include "forms.h"
#include "gdiobj.h"
#include "messages.h"
#include "metrics.h"
#include "paint.h"
#include "reader.h"
#include "vyrcont.h"
#include "vyrregion.h"
#include "window.h"
#include "writer.h"

namespace Vyrregion {

using Vyrgraph::TVyrFillStyle;

void TVyrFormShape::Publish(TPublisher<TVyrFormShape>& P) {
  P.Object("Region", &TVyrFormShape::GetRegion);
  P.Bool("ShowFormCaption", &TVyrFormShape::GetShowFormCaption, &TVyrFormShape::SetShowFormCaption, true);
  P.Bool("FormDragable", &TVyrFormShape::GetFormDragable, &TVyrFormShape::SetFormDragable, true);
  P.Bool("UseRgnBitmap", &TVyrFormShape::GetUseRgnBitmap, &TVyrFormShape::SetUseRgnBitmap, true);
  P.Object("FillObject", &TVyrFormShape::GetFillObject);
  P.Component("ImageList", &TVyrFormShape::GetImageList, &TVyrFormShape::SetImageList)
      .Stored(&TVyrFormShape::IsImageListStored);
  P.Integer("ListIndex", &TVyrFormShape::GetListIndex, &TVyrFormShape::SetListIndex, 0);
  P.Integer("ImageIndex", &TVyrFormShape::GetImageIndex, &TVyrFormShape::SetImageIndex, 0);
}

TVyrFormShape::TVyrFormShape(TComponent* AOwner)
    : TVyrWndProcComponent(AOwner),
      region_(std::make_unique<TVyrBorderRegion>(dynamic_cast_object<TWinControl>(AOwner))),
      fillObject_(std::make_unique<Vyrgraph::TVyrFillObject>()),
      backBitmap_(std::make_unique<TBitmap>()) {
  region_->SetOnChange(TNotifyEvent(this, &TVyrFormShape::GetChange));
  fillObject_->SetOnChange(TNotifyEvent(this, &TVyrFormShape::GetChange));
  changeLink_ = new Vyrcont::TVyrChangeLink();
  changeLink_->SetOnChange(TNotifyEvent(this, &TVyrFormShape::ImageListChange));
}

// One per form at design time; the owner lists the component once it is
// whole, so the check runs here.
void TVyrFormShape::AfterConstruction() {
  TVyrWndProcComponent::AfterConstruction();
  if (Designing() && Vyrclass::VyrCheckForSameClass(GetOwner(), ClassType(), false))
    throw Vyrclass::VyrEOneInstError(ClassName(), 0);
}

void TVyrFormShape::BeforeDestruction() {
  SetImageList(nullptr);
  TVyrWndProcComponent::BeforeDestruction();
}

TVyrFormShape::~TVyrFormShape() {
  if (imageList_) imageList_->UnRegisterChanges(changeLink_);
  delete changeLink_;
  fillObject_->SetOnChange(TNotifyEvent());
  region_->SetOnChange(TNotifyEvent());
}

void TVyrFormShape::SetBoolean(int Index, bool Value) {
  bool* field = Index == 0 ? &showFormCaption_ : Index == 1 ? &formDragable_ : Index == 2 ? &useRgnBitmap_ : nullptr;
  if (!field || *field == Value) return;
  *field = Value;
  if (Index == 2) GetChange(this);
}

void TVyrFormShape::SetInteger(int Index, int Value) {
  int* field = Index == 0 ? &listIndex_ : Index == 1 ? &imageIndex_ : nullptr;
  if (!field || *field == Value) return;
  *field = Value;
  GetChange(this);
}

void TVyrFormShape::GetChange(TObject*) {
  Change();
  ReRegion();
}

void TVyrFormShape::ImageListChange(TObject* Sender) { GetChange(Sender); }

void TVyrFormShape::SetImageList(Vyrcont::TVyrCustomImageList* Value) {
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
  if (!GetComponentState().Contains(csDestroying)) GetChange(this);
}

bool TVyrFormShape::IsImageListStored() const {
  return imageList_ && !Vyrcont::VyrIsGlobalIdent(imageList_);
}

void TVyrFormShape::ReadIdent(TReader* Reader) {
  SetImageList(Vyrcont::VyrReadGlobalIdent(Reader));
}

void TVyrFormShape::WriteIdent(TWriter* Writer) {
  Vyrcont::VyrWriteGlobalIdent(Writer, imageList_);
}

void TVyrFormShape::DefineProperties(TFiler* Filer) {
  TVyrWndProcComponent::DefineProperties(Filer);
  const bool global = Vyrcont::VyrIsGlobalIdent(imageList_);
  Filer->DefineProperty("Internal", TReaderProc(this, &TVyrFormShape::ReadIdent),
                        TWriterProc(this, &TVyrFormShape::WriteIdent), global);
}

void TVyrFormShape::Loaded() {
  TVyrWndProcComponent::Loaded();
  if (GetEnabled()) ReRegion();
}

void TVyrFormShape::Notification(TComponent* AComponent, TOperation Operation) {
  TVyrWndProcComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == imageList_) {
    imageList_->UnRegisterChanges(changeLink_);
    imageList_ = nullptr;
  }
}

// ---- the region ----

void TVyrFormShape::ReRegion() {
  TForm* form = GetOwnerForm();
  if (!form || GetComponentState().Contains(csLoading) || GetComponentState().Contains(csDestroying)) return;
  const bool design = Designing();
  const TFormBorderStyle border = form->GetBorderStyle();
  const bool sizing = border == bsSizeable || border == bsSizeToolWin;
  int frameX = GetSystemMetrics(sizing ? SM_CXFRAME : SM_CXDLGFRAME);
  int frameY = GetSystemMetrics(sizing ? SM_CYFRAME : SM_CYDLGFRAME);
  int caption = 0;
  if (border == bsSingle || border == bsSizeable || border == bsDialog) caption = GetSystemMetrics(SM_CYCAPTION);
  if (border == bsToolWindow || border == bsSizeToolWin) caption = GetSystemMetrics(SM_CYSMCAPTION);
  if (border == bsNone && !design) frameX = frameY = 0;

  TRect client = form->GetClientRect();
  client = TRect(client.left - 1, client.top - 1, client.right + 1, client.bottom + 1);
  const int top = frameY + caption;
  const bool minimised = form->HandleAllocated() && (GetWindowLong(form->GetHandle(), GWL_STYLE) & WS_MINIMIZE);
  if (minimised) {
    region_->CreateSpecialRectRgn(TRect(0, 0, form->GetWidth(), top));
  } else {
    region_->CreateRegion(client);
    if (HRGN rgn = region_->GetRegionHandle(); rgn && region_->OwnsRegion()) {
      OffsetRgn(rgn, frameX, top);
      HRGN strip = CreateRectRgn(0, 0, form->GetWidth(), top);
      const bool keepCaption = (showFormCaption_ && border != bsNone) || design;
      CombineRgn(rgn, rgn, strip, keepCaption ? RGN_OR : RGN_DIFF);
      DeleteObject(strip);
    }
  }
  if (!design && form->HandleAllocated()) {
    // Without a shape to give (no mask data, no user region) the form is a
    // plain rectangle again, never a lone caption strip.
    if (region_->OwnsRegion())
      region_->SetRegion();
    else
      SetWindowRgn(form->GetHandle(), nullptr, TRUE);
  }
  captionHeight_ = caption;
  TBitmap* picture = region_->GetMask()->GetBorderBmp();
  if (region_->GetShape() == TVyrRegionShape::rsBitmap && picture && !picture->GetEmpty()) {
    form->SetWidth(picture->GetWidth());
    form->SetHeight(caption + picture->GetHeight());
  }
}

void TVyrFormShape::SetPolygonShape(std::span<const TPoint> Points) {
  region_->SetUserPolygonRgn(Points);
  ReRegion();
}

void TVyrFormShape::SetRegionShape(HRGN Rgn) {
  region_->SetUserRgn(Rgn);
  ReRegion();
}

// ---- the window procedure ----

void TVyrFormShape::HitTest(TMessage& Message) {
  TVyrWndProcComponent::WndProc(Message);
  TForm* form = GetOwnerForm();
  if (!formDragable_ || Message.Result != HTCLIENT || ncButtonDown_ || !form) return;
  const TPoint screen(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
  if (!form->ControlAtPos(form->ScreenToClient(screen), false)) Message.Result = HTCAPTION;
}

void TVyrFormShape::WndProc(TMessage& Message) {
  if (!GetEnabled()) {
    TVyrWndProcComponent::WndProc(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_NCHITTEST: HitTest(Message); return;
    case WM_NCLBUTTONDOWN:
      TVyrWndProcComponent::WndProc(Message);
      ncButtonDown_ = true;
      return;
    case WM_NCLBUTTONUP:
    case WM_CAPTURECHANGED:
      TVyrWndProcComponent::WndProc(Message);
      ncButtonDown_ = false;
      return;
    case WM_SIZE:
      // Not passed on: the class library takes the bounds from the window
      // position messages.
      ReRegion();
      if (TForm* form = GetOwnerForm(); form && form->HandleAllocated())
        InvalidateRect(form->GetHandle(), nullptr, TRUE);
      return;
    case WM_ERASEBKGND:
      if (fillObject_->GetStyle() == TVyrFillStyle::sfNone && region_->GetShape() != TVyrRegionShape::rsBitmap) break;
      PaintBorder(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
    default: break;
  }
  TVyrWndProcComponent::WndProc(Message);
}

// ---- the background ----

void TVyrFormShape::PaintBorder(HDC DC) {
  TForm* form = GetOwnerForm();
  if (!form) return;
  if (!DC) DC = form->GetCanvas()->GetHandle();
  const bool design = Designing();
  TCanvas canvas;
  canvas.SetHandle(DC);
  const TRect rect(0, 0, form->GetClientWidth(), form->GetClientHeight());
  const bool maskPicture = useRgnBitmap_ && region_->GetShape() == TVyrRegionShape::rsBitmap;
  if (!maskPicture) {
    if (fillObject_->GetStyle() != TVyrFillStyle::sfNone) {
      backBitmap_->SetSize(rect.Width(), rect.Height());
      if (fillObject_->GetStyle() == TVyrFillStyle::sfBitmapList && imageList_ &&
          imageList_->IsValidItem(listIndex_, imageIndex_)) {
        // Taking the item in is no change of the settings: no new region.
        TBitmap item;
        imageList_->GetBitmapItem(listIndex_, imageIndex_, &item);
        fillObject_->BeginUpdate();
        fillObject_->SetListBitmap(&item);
        fillObject_->EndUpdate(false);
      }
      fillObject_->FillCanvas(backBitmap_->GetCanvas(), rect, clWhite);
      if (!design) canvas.Draw(0, 0, backBitmap_.get());
    }
  } else if (!design) {
    canvas.Draw(0, 0, region_->GetMask()->GetBorderBmp());
  } else if (const RGNDATA* data = region_->GetMask()->GetRegionDataBlock()) {
    if (HRGN rgn = ExtCreateRegion(nullptr, static_cast<DWORD>(region_->GetMask()->GetRegionDataSize()), data)) {
      RECT clip{};
      GetClipBox(DC, &clip);
      OffsetRgn(rgn, 0, -clip.top);
      FrameRgn(DC, rgn, canvas.GetBrush()->GetHandle(), 1, 1);
      DeleteObject(rgn);
    }
  }
  if (region_->GetShape() != TVyrRegionShape::rsBitmap) region_->PaintRegionShape(&canvas, rect);
  canvas.SetHandle(nullptr);
}

TBitmap* TVyrFormShape::BackBitmap() const {
  if (useRgnBitmap_ && region_->GetShape() == TVyrRegionShape::rsBitmap) return region_->GetMask()->GetBorderBmp();
  if (fillObject_->GetStyle() != TVyrFillStyle::sfNone) return backBitmap_.get();
  return nullptr;
}

bool TVyrFormShape::BackBitmapCheck() const {
  if (useRgnBitmap_ && region_->GetShape() == TVyrRegionShape::rsBitmap) return true;
  return !Designing() && fillObject_->GetStyle() != TVyrFillStyle::sfNone;
}

bool TVyrFormShape::BackDrawArea(TCanvas* Canvas, const TRect& Dest, const TPoint& P, Word) const {
  TBitmap* back = BackBitmap();
  if (!BackBitmapCheck() || !back || !Canvas) return false;
  const TRect source(P.x, P.y, P.x + Dest.Width(), P.y + Dest.Height());
  Canvas->CopyRect(Dest, back->GetCanvas(), source);
  return true;
}

}  // namespace Vyrregion
