// TVyrFormFill: the form's background from a fill, a gradient cached per
// size.
#include "forms.h"
#include "vyrcont.h"
#include "vyrforma.h"

namespace Vyrforma {

using Vyrgraph::TVyrFillStyle;

void TVyrFormFill::Publish(TPublisher<TVyrFormFill>& P) { P.Object("FillObject", &TVyrFormFill::GetFillObject); }

TVyrFormFill::TVyrFormFill(TComponent* AOwner)
    : TVyrCustomFormFill(AOwner),
      fillObject_(std::make_unique<Vyrgraph::TVyrFillObject>()),
      cache_(std::make_unique<TBitmap>()) {
  fillObject_->SetOnChange(TNotifyEvent(this, &TVyrFormFill::GetChange));
}

TVyrFormFill::~TVyrFormFill() { fillObject_->SetOnChange(TNotifyEvent()); }

// One per form at design time; the owner lists the component once it is
// whole, so the check runs here.
void TVyrFormFill::AfterConstruction() {
  TVyrCustomFormFill::AfterConstruction();
  if (Designing() && Vyrclass::VyrCheckForSameClass(GetOwner(), ClassType(), false))
    throw Vyrclass::VyrEOneInstError(ClassName(), 0);
}

void TVyrFormFill::Loaded() {
  TVyrCustomFormFill::Loaded();
  SetEraseMode();
}

void TVyrFormFill::SetEraseMode() {
  switch (GetPaintMode()) {
    case TVyrPaintMode::pcOwnerDraw: SetEraseOnSize(true); break;
    case TVyrPaintMode::pcControl: SetEraseOnSize(fillObject_->GetMustRedraw()); break;
    case TVyrPaintMode::pcNone: break;
  }
}

void TVyrFormFill::GetIMLChange(TObject*) {
  if (!IMLEmpty()) {
    TBitmap item;
    GetImageList()->GetBitmapItem(GetListIndex(), GetImageIndex(), &item);
    fillObject_->SetListBitmap(&item);
  } else {
    fillObject_->SetListBitmap(nullptr);
  }
  GetChange(this);
}

void TVyrFormFill::GetChange(TObject* Sender) {
  if (GetPaintMode() == TVyrPaintMode::pcControl && fillObject_->GetStyle() != TVyrFillStyle::sfGradient &&
      !cache_->GetEmpty())
    cache_ = std::make_unique<TBitmap>();
  SetEraseMode();
  TVyrCustomFormFill::GetChange(Sender);
}

bool TVyrFormFill::PaintClientArea(HDC DC) {
  TForm* form = GetOwnerForm();
  if (!form || GetPaintMode() != TVyrPaintMode::pcControl || fillObject_->GetEmpty())
    return TVyrCustomFormFill::PaintClientArea(DC);
  TCanvas canvas;
  canvas.SetHandle(DC);
  const int w = form->GetClientWidth(), h = form->GetClientHeight();
  bool painted = true;
  if (fillObject_->GetStyle() != TVyrFillStyle::sfGradient) {
    painted = fillObject_->FillCanvas(&canvas, TRect(0, 0, w + 1, h + 1), form->GetColor());
  } else {
    if (GetCacheStale() || cache_->GetWidth() != w || cache_->GetHeight() != h) {
      cache_ = std::make_unique<TBitmap>();
      cache_->SetSize(w, h);
      fillObject_->FillCanvas(cache_->GetCanvas(), TRect(0, 0, w, h), clBlack);
      SetCacheStale(false);
    }
    fillObject_->GetGradient()->SetRealPalette(&canvas);
    canvas.Draw(0, 0, cache_.get());
  }
  canvas.SetHandle(nullptr);
  return painted;
}

}  // namespace Vyrforma
