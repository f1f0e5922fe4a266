// The fill control: a bevel, the fill inside it and a caption over the
// fill; and the fill objects' list bitmap taken from an image-list item.
#include "dc.h"
#include "rgn.h"
#include "vyrcont.h"
#include "vyrextcs.h"

namespace Vyrextcs {

using Vyrgraph::TVyrDrawTextStyle;

namespace {

// Drawing clipped to a rectangle in the canvas's own coordinates, which
// for a window-less control are offset on its parent's surface; the
// caller's clip comes back at the end of the scope.
class LogicalClip {
 public:
  LogicalClip(HDC Dc, const TRect& Rect) : dc_(Dc), saved_(SaveDC(Dc)) {
    IntersectClipRect(dc_, Rect.left, Rect.top, Rect.right, Rect.bottom);
  }
  ~LogicalClip() { RestoreDC(dc_, saved_); }
  LogicalClip(const LogicalClip&) = delete;
  LogicalClip& operator=(const LogicalClip&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace

void VyrTakeListBitmap(Vyrgraph::TVyrFillObject* Fill, const Vyrcctrl::TVyrImageLink& Link) {
  if (Link.IMLEmpty()) {
    Fill->SetListBitmap(nullptr);
    return;
  }
  TBitmap item;
  Link.GetImageList()->GetBitmapItem(Link.GetListIndex(), Link.GetImageIndex(), &item);
  Fill->SetListBitmap(&item);
}

TVyrFill::TVyrFill(TComponent* AOwner)
    : Vyrctrl::TVyrGraphicControl(AOwner),
      caption_(std::make_unique<Vyrgraph::TVyrCaption>()),
      fillObject_(std::make_unique<Vyrgraph::TVyrFillObject>()) {
  caption_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  fillObject_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
}

TVyrFill::~TVyrFill() {
  caption_->SetOnChange(nullptr);
  fillObject_->SetOnChange(nullptr);
}

void TVyrFill::GetChange(TObject* Sender) {
  // The control lets the background through exactly when the fill does.
  if (Sender == fillObject_.get()) SetTransparent(fillObject_->GetTransparent());
  if (!Loading()) InvalidateControl();
}

bool TVyrFill::GetEmpty() {
  return fillObject_->GetEmpty() && BevelExt() == 0 && caption_->GetCaption().IsEmpty();
}

void TVyrFill::GetIMLChange(TObject* Sender) {
  VyrTakeListBitmap(fillObject_.get(), GetImageLink());
  Vyrctrl::TVyrGraphicControl::GetIMLChange(Sender);
}

void TVyrFill::Paint() {
  if (Loading()) return;
  if (GetEmpty()) {
    Vyrctrl::TVyrBaseGraphicControl::Paint();
    return;
  }
  TCanvas* canvas = GetCanvas();
  TRect inner;
  GetBevel()->PaintBevel(canvas, GetClientRect(), inner, GetTransparent());
  // The clip routines of the fill and the text take device coordinates;
  // the control's own are offset on the parent's surface.
  LogicalClip clip(canvas->GetHandle(), inner);
  fillObject_->FillCanvas(canvas, inner, GetColor());
  caption_->DrawCaption(canvas, caption_->GetCaption(), inner, GetColor(),
                        {GetEnabled() ? TVyrDrawTextStyle::dtEnabled : TVyrDrawTextStyle::dtDisabled});
}

}  // namespace Vyrextcs
