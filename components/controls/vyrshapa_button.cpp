// The shape buttons: the outline and fill picture kept in step with the
// settings, the face colour of each state, and the hit test against the
// shape's own region.
#include "dc.h"
#include "reader.h"
#include "rgn.h"
#include "vyrcont.h"
#include "vyrgraph_setter.h"
#include "vyrshapa.h"
#include "vyrutils.h"

namespace Vyrshapa {

using Vyrutils::VyrBmpDraw;

using S = Vyrgraph::TVyrButtonState;
using Vyrgraph::TVyrShadowStyle;

// ---- the colours ----

void TVyrShapeButtonColor::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrShapeButtonColor*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  Vyrgraph::Detail::CopyAsOneChange(this, [&] {
    for (int i = 0; i < 5; ++i) SetColorValue(i, src->colors_[i]);
  });
}

TColor TVyrShapeButtonColor::GetColorValue(int Index) const {
  return Index >= 0 && Index < 5 ? colors_[Index] : clBtnFace;
}

void TVyrShapeButtonColor::SetColorValue(int Index, TColor Value) {
  if (Index < 0 || Index >= 5 || colors_[Index] == Value) return;
  colors_[Index] = Value;
  Change();
}

TColor TVyrShapeButtonColor::ForState(S State) const {
  switch (State) {
    case S::bsDisabledUp:
    case S::bsDisabledDown: return GetDisabled();
    case S::bsMouseOver: return GetMouseOver();
    case S::bsOptionSet:
    case S::bsDropDownOpen: return GetOptionSet();
    case S::bsDown: return GetDown();
    default: return GetUp();
  }
}

// ---- the button ----

TVyrCustomShapeButton::TVyrCustomShapeButton(TComponent* AOwner)
    : Vyrbtn::TVyrBaseGraphicButton(AOwner),
      faceLink_(this, [this](TObject* Sender) { GetIMLFaceChange(Sender); }) {
  workBrush_ = std::make_unique<TBrush>();
  points_ = std::make_unique<Vyrgrapa::TVyrPointList>();
  controlStyle_ = TControlStyle{csCaptureMouse, csDoubleClicks, csReplicatable};
  shape_ = std::make_unique<Vyrgrapa::TVyrShape>();
  shape_->GetBrush()->SetColor(clBtnFace);
  SetAllowMouseOver(true);
  colors_ = std::make_unique<TVyrShapeButtonColor>();
  fillBitmap_ = std::make_unique<TBitmap>();
  shapeFill_ = std::make_unique<Vyrgraph::TVyrShapeFill>();
  Wire(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  SetTransparent(false);
  GetChange(this);
}

TVyrCustomShapeButton::~TVyrCustomShapeButton() { Wire(nullptr); }

void TVyrCustomShapeButton::Wire(TNotifyEvent Event) {
  shape_->SetOnChange(Event);
  colors_->SetOnChange(Event);
  shapeFill_->SetOnChange(Event);
}

void TVyrCustomShapeButton::SetShapeStyle(TVyrShapeButtonStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  GetChange(this);
}

void TVyrCustomShapeButton::SetMode(TVyrShapeButtonMode Value) {
  if (mode_ == Value) return;
  mode_ = Value;
  if (mode_ == TVyrShapeButtonMode::sbmShapeFast) fillBitmap_ = std::make_unique<TBitmap>();
  GetChange(this);
}

void TVyrCustomShapeButton::SetBevel3D(bool Value) {
  if (bevel3D_ == Value) return;
  bevel3D_ = Value;
  GetChange(this);
}

int TVyrCustomShapeButton::OutlineShadowDepth() const {
  const Vyrgraph::TVyrShadow* shadow = shape_->GetShadow();
  if (style_ != TVyrShapeButtonStyle::sbsShadow || shadow->GetStyle() == TVyrShadowStyle::hssNone) return 0;
  return shadow->GetDepth();
}

void TVyrCustomShapeButton::GetChange(TObject*) {
  // The base constructor can report before the shape's own parts exist.
  if (!shape_ || !points_ || !workBrush_ || !shapeFill_) return;
  const TRect client = GetClientRect();
  if (mode_ == TVyrShapeButtonMode::sbmShapeFill && !IsRectEmpty(&client)) {
    fillBitmap_->SetSize(client.Width(), client.Height());
    TCanvas* canvas = fillBitmap_->GetCanvas();
    switch (shapeFill_->GetStyle()) {
      case TVyrFillStyle::sfBitmap:
      case TVyrFillStyle::sfBitmapList:
        canvas->GetBrush()->SetColor(GetColor());
        canvas->FillRect(client);
        if (!shapeFill_->GetEmpty() && shapeFill_->GetBitmap())
          VyrBmpDraw(canvas, client, shapeFill_->GetBitmap(), VyrTileMode2DSF(shapeFill_->GetTileMode()), GetColor());
        break;
      case TVyrFillStyle::sfGradient: shapeFill_->GetGradient()->PaintGradient(canvas, client); break;
      default: break;
    }
  }
  Vyrgraph::TVyrShadow* shadow = style_ == TVyrShapeButtonStyle::sbsShadow ? shape_->GetShadow() : nullptr;
  Vyrgrapa::VyrShapeCalc(VyrPointRangeRect(client), shape_->GetShape(), nullptr, shape_->GetSquare(), workBrush_.get(),
                         shape_->GetRoundPercent(), shape_->GetBevel(), shadow, points_.get());
  pressedOffset_ = static_cast<std::uint8_t>(shape_->GetShadow()->GetDepth());
  if (Loading()) return;
  if (GetTransparent() && mode_ == TVyrShapeButtonMode::sbmShapeFill)
    RepaintNow();
  else
    Invalidate();
}

bool TVyrCustomShapeButton::ShapeButtonColorChange() const { return colors_->GetUp() != colors_->GetMouseOver(); }

void TVyrCustomShapeButton::GetIMLFaceChange(TObject* Sender) {
  VyrTakeShapeListBitmap(shapeFill_.get(), faceLink_);
  GetChange(Sender);
}

void TVyrCustomShapeButton::BoundsChange(Vyrctrl::TVyrBoundsChangeStates State) {
  Vyrbtn::TVyrBaseGraphicButton::BoundsChange(State);
  if (State.Contains(Vyrctrl::TVyrBoundsChangeState::bcSize)) GetChange(this);
}

void TVyrCustomShapeButton::Loaded() {
  Vyrbtn::TVyrBaseGraphicButton::Loaded();
  // The rectangle is the one shape no property change recomputes while
  // loading: it must not keep the outline of the default bounds.
  GetChange(this);
}

void TVyrCustomShapeButton::Notification(TComponent* AComponent, TOperation Operation) {
  Vyrbtn::TVyrBaseGraphicButton::Notification(AComponent, Operation);
  if (Operation == opRemove) faceLink_.Removed(AComponent);
}

void TVyrCustomShapeButton::DefineProperties(TFiler* Filer) {
  Vyrbtn::TVyrBaseGraphicButton::DefineProperties(Filer);
  faceLink_.DefineInternal(Filer, "InternalBtn");
  // Older forms stored a caption clip the button never used.
  Filer->DefineProperty("CaptionClip", TReaderProc([](TReader* Reader) { Reader->ReadBoolean(); }), TWriterProc(),
                        false);
}

bool TVyrCustomShapeButton::VerifyTransparency(int X, int Y) {
  if (points_->GetCount() < 2) return true;
  // The outline leaves room for the shadow at the top and left; the body
  // lies that far up and left of it.
  const int d = OutlineShadowDepth();
  const TPoint a = points_->GetPoint(0);
  const TPoint b = points_->GetPoint(1);
  HRGN region = nullptr;
  switch (shape_->GetShape()) {
    case TVyrShapeType::stEllipse: region = CreateEllipticRgn(a.x, a.y, b.x, b.y); break;
    case TVyrShapeType::stRectangle: region = CreateRectRgn(a.x, a.y, b.x, b.y); break;
    case TVyrShapeType::stRoundRect: {
      const int radius = std::min(GetWidth() - d, GetHeight() - d) * shape_->GetRoundPercent() / 100;
      region = CreateRoundRectRgn(a.x, a.y, b.x, b.y, radius, radius);
      break;
    }
    default: {
      const std::vector<TPoint> all = points_->GetPoints();
      const int half = static_cast<int>(all.size()) / 2;
      if (half >= 3) region = CreatePolygonRgn(all.data(), half, WINDING);
      break;
    }
  }
  if (!region) return true;
  OffsetRgn(region, -d, -d);
  const bool inside = PtInRegion(region, X, Y);
  DeleteObject(region);
  return inside;
}

bool TVyrCustomShapeButton::PressedLook() const {
  return state_ == S::bsOptionSet || state_ == S::bsDown || state_ == S::bsDropDownOpen || state_ == S::bsDisabledDown;
}

void TVyrCustomShapeButton::PaintBack(TCanvas* Canvas) {
  if (GetTransparent() && CheckOptimized()) {
    PaintBackground();
  } else if (!GetTransparent()) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(GetColor());
    Canvas->FillRect(GetClientRect());
  }
}

void TVyrCustomShapeButton::Paint() {
  if (Loading()) return;
  const bool pressed = PressedLook();
  const bool threeD = style_ == TVyrShapeButtonStyle::sbs3D;
  Vyrgraph::TVyrShadow* shapeShadow = shape_->GetShadow();
  Vyrgrapa::TVyrSimpleBevel* shapeBevel = shape_->GetBevel();

  Vyrgraph::TVyrShadow pressedShadow;
  Vyrgraph::TVyrShadow* shadow = nullptr;
  if (!threeD) {
    shadow = shapeShadow;
    if (pressed) {
      pressedShadow.SetColor(shapeShadow->GetColor());
      pressedShadow.SetStyle(shapeShadow->GetStyle());
      pressedShadow.SetDepth(0);
      shadow = &pressedShadow;
    }
  }
  Vyrgrapa::TVyrSimpleBevel bevel3D;
  Vyrgrapa::TVyrSimpleBevel* bevel = shapeBevel;
  if (threeD) {
    bevel3D.SetLightColor(shapeBevel->GetLightColor());
    bevel3D.SetShadowColor(shapeBevel->GetShadowColor());
    bevel3D.SetWidth(shapeBevel->GetWidth());
    bevel3D.SetStyle(pressed ? Vyrgrapa::TVyrSimpleBevelStyle::sbInset : Vyrgrapa::TVyrSimpleBevelStyle::sbOffset);
    bevel = &bevel3D;
  }
  const TColor face = colors_->ForState(state_);
  const TRect client = GetClientRect();
  const TRect shapeArea = VyrPointRangeRect(client);
  const int depth = shapeShadow->GetStyle() == TVyrShadowStyle::hssNone ? 0 : shapeShadow->GetDepth();
  TCanvas* canvas = GetCanvas();
  const TVyrShapeType type = shape_->GetShape();
  const bool square = shape_->GetSquare();
  const int round = shape_->GetRoundPercent();

  if (mode_ == TVyrShapeButtonMode::sbmShapeFast) {
    PaintBack(canvas);
    TBrush brush;
    brush.Assign(shape_->GetBrush());
    brush.SetColor(face);
    Vyrgrapa::VyrShapeDraw(shapeArea, canvas, type, nullptr, points_.get(), square, &brush, round, bevel, shadow, nullptr,
                           clFuchsia, GetColor());
  } else if (!IsRectEmpty(&client)) {
    TBitmap* picture = fillBitmap_->GetEmpty() ? nullptr : fillBitmap_.get();
    TBitmap moved;
    if (pressed && picture) {
      const int d = threeD ? 2 : depth;
      moved.SetSize(client.Width(), client.Height());
      moved.GetCanvas()->GetBrush()->SetColor(GetColor());
      moved.GetCanvas()->FillRect(client);
      moved.GetCanvas()->Draw(d, d, picture);
      picture = &moved;
    }
    if (threeD) pressedOffset_ = 0;
    TBitmap off;
    off.SetSize(client.Width(), client.Height());
    TCanvas* offCanvas = off.GetCanvas();
    // The background of a served parent goes straight onto the control;
    // the bitmap then lets it through where it keeps Color.
    if (GetTransparent() && CheckOptimized()) PaintBackground();
    offCanvas->GetBrush()->SetColor(GetColor());
    offCanvas->FillRect(client);
    const TVyrFillStyle style = shapeFill_->GetStyle();
    TBrush brush;
    if (style == TVyrFillStyle::sfNone) {
      brush.SetStyle(bsClear);
      picture = nullptr;
    } else if (style == TVyrFillStyle::sfBrushBitmap) {
      brush.SetBitmap(shapeFill_->GetBitmapProp());
      picture = nullptr;
    } else if (style == TVyrFillStyle::sfBrush) {
      brush.SetColor(face);
      picture = nullptr;
    }
    Vyrgrapa::VyrShapeDraw(shapeArea, offCanvas, type, nullptr, points_.get(), square, &brush, round, bevel, shadow,
                           picture, clFuchsia, GetColor());
    if (GetTransparent())
      VyrBmpDraw(canvas, client, &off, 0x1040, GetColor());
    else
      canvas->Draw(0, 0, &off);
  }

  // Inside the bevel of the outline: the shadow's room only where the
  // outline leaves it, as the hit test takes it.
  const int b = shapeBevel->GetWidth();
  const int d = OutlineShadowDepth();
  TRect content(b, b, GetWidth() - b - d, GetHeight() - b - d);
  if (state_ == S::bsOptionSet || state_ == S::bsDown || state_ == S::bsDropDownOpen) {
    const int shift = threeD ? 2 : d;
    OffsetRect(&content, shift, shift);
  }
  DrawGlyphAndText(canvas, content);
}

TVyrShapeLabelButton::TVyrShapeLabelButton(TComponent* AOwner) : TVyrCustomShapeButton(AOwner) {
  SetMode(TVyrShapeButtonMode::sbmShapeFill);
}

TVyr3DShapeButton::TVyr3DShapeButton(TComponent* AOwner) : TVyrCustomShapeButton(AOwner) {
  SetBevel3D(true);
  SetShapeStyle(TVyrShapeButtonStyle::sbs3D);
}

TVyr3DShapeLabelButton::TVyr3DShapeLabelButton(TComponent* AOwner) : TVyrCustomShapeButton(AOwner) {
  SetBevel3D(true);
  SetShapeStyle(TVyrShapeButtonStyle::sbs3D);
  SetMode(TVyrShapeButtonMode::sbmShapeFill);
}

}  // namespace Vyrshapa
