// The shape controls: the outline kept in step with the settings and the
// size, the fill picture of the fill modes, and the caption over the shape.
#include <algorithm>

#include "vyrcont.h"
#include "vyrshapa.h"
#include "vyrutils.h"

namespace Vyrshapa {

using Vyrutils::VyrBmpDraw;

using Vyrgraph::TVyrDrawTextStyle;
using Vyrgraph::TVyrShadowStyle;

std::uint16_t VyrTileMode2DSF(TVyrTileMode Mode) {
  switch (Mode) {
    case TVyrTileMode::tmCenter: return 8;
    case TVyrTileMode::tmStretch: return 16;
    case TVyrTileMode::tmTile: return 32;
    default: return 0;
  }
}

TRect VyrTeethReduced(const TRect& Rect, const Vyrgrapa::TVyrTeeth* Teeth) {
  TRect r = Rect;
  if (!Teeth) return r;
  // Any depth a form holds: the band is kept between nothing and all of Rect.
  const auto band = [](int Depth, int Extent) { return std::clamp(Depth, 0, std::max(Extent, 0)); };
  switch (Teeth->GetDirection()) {
    case TVyrDirection::tdRight: r.right -= band(Teeth->GetWidth(), Rect.Width()); break;
    case TVyrDirection::tdDown: r.bottom -= band(Teeth->GetHeight(), Rect.Height()); break;
    case TVyrDirection::tdLeft: r.left += band(Teeth->GetWidth(), Rect.Width()); break;
    case TVyrDirection::tdUp: r.top += band(Teeth->GetHeight(), Rect.Height()); break;
  }
  return r;
}

TRect VyrPointRangeRect(const TRect& Rect) {
  constexpr int kMax = Vyrgrapa::TVyrPointList::kMaxCoordinate;
  return TRect(Rect.left, Rect.top, Rect.left + std::min(Rect.Width(), kMax), Rect.top + std::min(Rect.Height(), kMax));
}

void VyrTakeShapeListBitmap(Vyrgraph::TVyrShapeFill* Fill, const Vyrcctrl::TVyrImageLink& Link) {
  if (Link.IMLEmpty()) {
    Fill->SetListBitmap(nullptr);
    return;
  }
  TBitmap item;
  Link.GetImageList()->GetBitmapItem(Link.GetListIndex(), Link.GetImageIndex(), &item);
  Fill->SetListBitmap(&item);
}

TVyrBaseShape::TVyrBaseShape(TComponent* AOwner)
    : Vyrctrl::TVyrBaseGraphicControl(AOwner),
      bevel_(std::make_unique<Vyrgrapa::TVyrSimpleBevel>()),
      brush_(std::make_unique<TBrush>()),
      caption_(std::make_unique<Vyrgraph::TVyrCaption>()),
      points_(std::make_unique<Vyrgrapa::TVyrPointList>()),
      shadow_(std::make_unique<Vyrgraph::TVyrShadow>()),
      teeth_(std::make_unique<Vyrgrapa::TVyrTeeth>()),
      shapeFill_(std::make_unique<Vyrgraph::TVyrShapeFill>()) {
  controlStyle_.Include(csReplicatable);
  caption_->SetAlignment(Vyrgraph::TVyrAlignment::agCenter);
  Wire(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
}

TVyrBaseShape::~TVyrBaseShape() { Wire(nullptr); }

void TVyrBaseShape::Wire(TNotifyEvent Event) {
  bevel_->SetOnChange(Event);
  brush_->OnChange = Event;
  caption_->SetOnChange(Event);
  shadow_->SetOnChange(Event);
  teeth_->SetOnChange(Event);
  shapeFill_->SetOnChange(Event);
}

void TVyrBaseShape::SetBrushBackColor(TColor Value) {
  if (brushBackColor_ == Value) return;
  brushBackColor_ = Value;
  GetChange(this);
}

void TVyrBaseShape::SetCaptionClip(bool Value) {
  if (captionClip_ == Value) return;
  captionClip_ = Value;
  GetChange(this);
}

void TVyrBaseShape::SetRoundPercent(int Value) {
  Value = std::clamp(Value, 0, Vyrgrapa::kPercentMax);
  if (roundPercent_ == Value) return;
  roundPercent_ = Value;
  GetChange(this);
}

void TVyrBaseShape::SetShape(TVyrShapeType Value) {
  if (shape_ == Value) return;
  shape_ = Value;
  GetChange(this);
}

void TVyrBaseShape::SetSquare(bool Value) {
  if (square_ == Value) return;
  square_ = Value;
  GetChange(this);
}

void TVyrBaseShape::SetMode(TVyrShapeControlMode Value) {
  if (mode_ == Value) return;
  mode_ = Value;
  GetChange(this);
}

HPALETTE TVyrBaseShape::GetPalette() { return FillMode() ? shapeFill_->GetPalette() : nullptr; }

void TVyrBaseShape::CalcPoints(const TRect& Rect) {
  Vyrgrapa::VyrShapeCalc(VyrPointRangeRect(Rect), shape_, activeTeeth_, square_, brush_.get(), roundPercent_, bevel_.get(), shadow_.get(),
                         points_.get());
}

void TVyrBaseShape::GetChange(TObject* Sender) {
  const bool teethMode = mode_ == TVyrShapeControlMode::scmTeethFast || mode_ == TVyrShapeControlMode::scmTeethFill;
  activeTeeth_ = teethMode ? teeth_.get() : nullptr;
  // A caption change leaves the outline as it is.
  if (Sender != caption_.get()) CalcPoints(GetClientRect());
  GetShapeChange();
  Vyrctrl::TVyrBaseGraphicControl::GetChange(Sender);
}

void TVyrBaseShape::GetIMLChange(TObject* Sender) {
  VyrTakeShapeListBitmap(shapeFill_.get(), GetImageLink());
  Vyrctrl::TVyrBaseGraphicControl::GetIMLChange(Sender);
}

void TVyrBaseShape::BoundsChange(Vyrctrl::TVyrBoundsChangeStates State) {
  Vyrctrl::TVyrBaseGraphicControl::BoundsChange(State);
  if (State.Contains(Vyrctrl::TVyrBoundsChangeState::bcSize)) recalc_ = true;
}

void TVyrBaseShape::GetShapeChange() {
  fillBitmap_.reset();
  if (FillMode()) fillBitmap_ = std::make_unique<TBitmap>();
}

TRect TVyrBaseShape::GetGradientRect() { return GetClientRect(); }

AnsiString TVyrBaseShape::GetLabelText() { return caption_->GetCaption(); }

void TVyrBaseShape::DrawCaption(TCanvas* Canvas, const TRect& Rect) {
  // Inside the bevel and the shadow, where Rect lies: teeth on the left or
  // at the top move it away from the control's corner.
  const int bw = bevel_->GetWidth();
  TRect r(Rect.left + bw, Rect.top + bw, Rect.right - bw, Rect.bottom - bw);
  if (shadow_->GetStyle() != TVyrShadowStyle::hssNone) {
    r.right -= shadow_->GetDepth();
    r.bottom -= shadow_->GetDepth();
  }
  Vyrgraph::TVyrDrawTextStyles flags{GetEnabled() ? TVyrDrawTextStyle::dtEnabled : TVyrDrawTextStyle::dtDisabled};
  caption_->DrawCaption(Canvas, GetLabelText(), r, GetColor(), flags);
}

void TVyrBaseShape::DrawShape(TCanvas* Canvas, const TRect& Rect, Vyrgrapa::TVyrPointList* Points, TBitmap* Picture,
                              TBrush* Brush) {
  Vyrgrapa::VyrShapeDraw(VyrPointRangeRect(Rect), Canvas, shape_, activeTeeth_, Points, square_,
                         Brush ? Brush : brush_.get(), roundPercent_, bevel_.get(), shadow_.get(), Picture, clFuchsia,
                         brushBackColor_);
}

void TVyrBaseShape::OffscreenPaint() {
  // No larger than what can show: a cell of a repeated shape may be far
  // larger than the control.
  const TRect gradient = GetGradientRect();
  const TRect r(0, 0, std::min(gradient.Width(), GetClientWidth()), std::min(gradient.Height(), GetClientHeight()));
  if (r.right <= 0 || r.bottom <= 0) return;
  fillBitmap_->SetSize(r.right, r.bottom);
  TCanvas* canvas = fillBitmap_->GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(r);
  switch (shapeFill_->GetStyle()) {
    case TVyrFillStyle::sfBrush: DrawShape(canvas, r, points_.get(), nullptr); break;
    case TVyrFillStyle::sfBitmap:
    case TVyrFillStyle::sfBitmapList:
      if (!shapeFill_->GetEmpty() && shapeFill_->GetBitmap())
        VyrBmpDraw(canvas, r, shapeFill_->GetBitmap(), VyrTileMode2DSF(shapeFill_->GetTileMode()), GetColor());
      break;
    case TVyrFillStyle::sfGradient: shapeFill_->GetGradient()->PaintGradient(canvas, r); break;
    default: break;
  }
  if (captionClip_) DrawCaption(canvas, VyrTeethReduced(r, activeTeeth_));
}

void TVyrBaseShape::Paint() {
  if (Loading()) return;
  const TRect client = GetClientRect();
  if (recalc_) {
    CalcPoints(client);
    GetShapeChange();
    recalc_ = false;
  }
  TCanvas* canvas = GetCanvas();
  if (!FillMode()) {
    if (!GetTransparent()) FillControl();
    fillBitmap_.reset();
    DrawShape(canvas, client, points_.get(), nullptr);
    DrawCaption(canvas, client);
    return;
  }
  if (!fillBitmap_) fillBitmap_ = std::make_unique<TBitmap>();
  if (fillBitmap_->GetEmpty()) OffscreenPaint();
  const TVyrFillStyle style = shapeFill_->GetStyle();
  if (style == TVyrFillStyle::sfNone || style == TVyrFillStyle::sfBrushBitmap) {
    if (!GetTransparent()) FillControl();
    TBrush brush;
    if (style == TVyrFillStyle::sfNone)
      brush.SetStyle(bsClear);
    else
      brush.SetBitmap(shapeFill_->GetBitmapProp());
    DrawShape(canvas, client, points_.get(), nullptr, &brush);
  } else if (!IsRectEmpty(&client)) {
    TBitmap face;
    face.SetSize(client.Width(), client.Height());
    TCanvas* faceCanvas = face.GetCanvas();
    faceCanvas->GetBrush()->SetColor(GetColor());
    faceCanvas->FillRect(client);
    if (style == TVyrFillStyle::sfGradient) shapeFill_->GetGradient()->SetRealPalette(faceCanvas);
    DrawShape(faceCanvas, client, points_.get(), fillBitmap_->GetEmpty() ? nullptr : fillBitmap_.get());
    if (!GetTransparent()) FillControl();
    VyrBmpDraw(canvas, client, &face, 0x40, GetColor());
  }
  if (!captionClip_) DrawCaption(canvas, VyrTeethReduced(client, activeTeeth_));
}

TVyrShapeLabel::TVyrShapeLabel(TComponent* AOwner) : TVyrShapeControl(AOwner) {
  SetMode(TVyrShapeControlMode::scmShapeFill);
}

TVyrTeethShape::TVyrTeethShape(TComponent* AOwner) : TVyrShapeControl(AOwner) {
  SetMode(TVyrShapeControlMode::scmTeethFast);
}

TVyrTeethShapeLabel::TVyrTeethShapeLabel(TComponent* AOwner) : TVyrShapeControl(AOwner) {
  SetMode(TVyrShapeControlMode::scmTeethFill);
}

}  // namespace Vyrshapa
