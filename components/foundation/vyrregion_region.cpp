// TVyrRegionBorder and TVyrRegion: a shape's region for a window and the
// frame along it.
#include "brush_class.h"
#include "dc.h"
#include "gdiobj.h"
#include "paint.h"
#include "pen_class.h"
#include "vyrgraph_setter.h"
#include "vyrregion.h"
#include "wincontrol.h"

namespace Vyrregion {

using Vyrgraph::Detail::CopyAsOneChange;
using Vyrgraph::Detail::StoreIfChanged;

namespace {
constexpr std::initializer_list<const char*> kBorderStyles = {
    "rbNone", "rbLowered", "rbRaised", "rbSingle", "rbSingleRaised", "rbSingleLowered", "rbRaisedpsb", "rbLoweredpsb"};
constexpr std::initializer_list<const char*> kShapes = {
    "rsRect",    "rsRoundRect", "rsBitmap",  "rsElliptic", "rsStar",      "rsRoundShield",
    "rsSharpShield", "rsDiamond", "rsOctagon", "rsComb", "rsHalfRound", "rsUserRegion"};

HRGN RegionOfData(const std::vector<Byte>& Data) {
  if (Data.empty()) return nullptr;
  return ExtCreateRegion(nullptr, static_cast<DWORD>(Data.size()), reinterpret_cast<const RGNDATA*>(Data.data()));
}
}  // namespace

// ---- TVyrRegionBorder ----

void TVyrRegionBorder::Publish(TPublisher<TVyrRegionBorder>& P) {
  P.Enum("Style", &TVyrRegionBorder::GetStyle, &TVyrRegionBorder::SetStyle, kBorderStyles,
         static_cast<Int64>(TVyrRegionBorderStyle::rbSingle));
  P.Color("LightColor", &TVyrRegionBorder::GetLightColor, &TVyrRegionBorder::SetLightColor, clBtnHighlight);
  P.Color("ShadowColor", &TVyrRegionBorder::GetShadowColor, &TVyrRegionBorder::SetShadowColor, clBtnShadow);
  P.Color("SingleColor", &TVyrRegionBorder::GetSingleColor, &TVyrRegionBorder::SetSingleColor, clBlack);
}

void TVyrRegionBorder::SetStyle(TVyrRegionBorderStyle Value) {
  if (StoreIfChanged(style_, Value)) Change();
}

void TVyrRegionBorder::SetColor(int Index, TColor Value) {
  TColor* field = Index == 0 ? &lightColor_ : Index == 1 ? &shadowColor_ : Index == 2 ? &singleColor_ : nullptr;
  if (field && StoreIfChanged(*field, Value)) Change();
}

void TVyrRegionBorder::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrRegionBorder*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  CopyAsOneChange(this, [&] {
    style_ = src->style_;
    lightColor_ = src->lightColor_;
    shadowColor_ = src->shadowColor_;
    singleColor_ = src->singleColor_;
  });
}

// ---- TVyrRegion ----

void TVyrRegion::Publish(TPublisher<TVyrRegion>& P) {
  P.Enum("Shape", &TVyrRegion::GetShape, &TVyrRegion::SetRegionShape, kShapes,
         static_cast<Int64>(TVyrRegionShape::rsRoundRect));
  P.Object("Mask", &TVyrRegion::GetMask);
  P.Integer("RoundX", &TVyrRegion::GetRoundX, &TVyrRegion::SetRoundX, 20);
  P.Integer("RoundY", &TVyrRegion::GetRoundY, &TVyrRegion::SetRoundY, 20);
}

void TVyrBorderRegion::Publish(TPublisher<TVyrBorderRegion>& P) { P.Object("Border", &TVyrBorderRegion::GetBorder); }

TVyrRegion::TVyrRegion(TWinControl* Owner)
    : border_(std::make_unique<TVyrRegionBorder>()),
      mask_(std::make_unique<Vyrclass::TVyrRegionMask>()),
      ownerControl_(Owner) {
  border_->SetOnChange(TNotifyEvent(this, &TVyrRegion::GetChange));
  mask_->SetOnChange(TNotifyEvent(this, &TVyrRegion::GetChange));
}

TVyrRegion::~TVyrRegion() {
  border_->SetOnChange(TNotifyEvent());
  mask_->SetOnChange(TNotifyEvent());
  DeleteOwned();
  ownerControl_ = nullptr;
}

void TVyrRegion::SetRegionShape(TVyrRegionShape Value) {
  if (StoreIfChanged(shape_, Value)) Change();
}

void TVyrRegion::SetRoundX(int Value) {
  if (StoreIfChanged(roundX_, Value) && shape_ == TVyrRegionShape::rsRoundRect) Change();
}

void TVyrRegion::SetRoundY(int Value) {
  if (StoreIfChanged(roundY_, Value) && shape_ == TVyrRegionShape::rsRoundRect) Change();
}

void TVyrRegion::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrRegion*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  CopyAsOneChange(this, [&] {
    shape_ = src->shape_;
    roundX_ = src->roundX_;
    roundY_ = src->roundY_;
    border_->Assign(src->border_.get());
    mask_->Assign(src->mask_.get());
    userData_ = src->userData_;
  });
}

void TVyrRegion::DeleteOwned() {
  if (region_ && ownsRegion_) DeleteObject(region_);
  region_ = nullptr;
  ownsRegion_ = false;
}

// Nothing is built for a control on its way out; else the old region goes.
bool TVyrRegion::BeginBuild() {
  if (ownerControl_ && ownerControl_->GetComponentState().Contains(csDestroying)) return false;
  DeleteOwned();
  return true;
}

void TVyrRegion::KeepBuilt(HRGN Rgn) {
  region_ = Rgn;
  ownsRegion_ = Rgn != nullptr;
}

void TVyrRegion::CreateRegion(const TRect& R) {
  if (!BeginBuild()) return;
  using S = TVyrRegionShape;
  HRGN rgn = nullptr;
  switch (shape_) {
    case S::rsRect: rgn = CreateRectRgn(R.left, R.top, R.right, R.bottom); break;
    case S::rsRoundRect: rgn = CreateRoundRectRgn(R.left, R.top, R.right, R.bottom, roundX_, roundY_); break;
    case S::rsBitmap:
      if (const RGNDATA* data = mask_->GetRegionDataBlock())
        rgn = ExtCreateRegion(nullptr, static_cast<DWORD>(mask_->GetRegionDataSize()), data);
      break;
    case S::rsElliptic: rgn = CreateEllipticRgn(R.left, R.top, R.right, R.bottom); break;
    case S::rsStar: rgn = VyrCreateStarRgn(R); break;
    case S::rsRoundShield: rgn = VyrCreateRoundShieldRgn(R); break;
    case S::rsSharpShield: rgn = VyrCreateSharpShieldRgn(R); break;
    case S::rsDiamond: rgn = VyrCreateDiamondRgn(R); break;
    case S::rsOctagon: rgn = VyrCreateOctagonRgn(R); break;
    case S::rsComb: rgn = VyrCreateCombRgn(R); break;
    case S::rsHalfRound: rgn = VyrCreateHalfRoundRgn(R); break;
    case S::rsUserRegion: rgn = RegionOfData(userData_); break;
  }
  KeepBuilt(rgn);
}

void TVyrRegion::CreateSpecialRectRgn(const TRect& R) {
  if (!BeginBuild()) return;
  KeepBuilt(CreateRectRgn(R.left, R.top, R.right, R.bottom));
}

void TVyrRegion::SetRegion() {
  if (!ownerControl_ || !ownerControl_->HandleAllocated() || !region_) return;
  // A region the window already holds is not handed over twice.
  if (!ownsRegion_) return;
  SetWindowRgn(ownerControl_->GetHandle(), region_, TRUE);
  ownsRegion_ = false;
}

void TVyrRegion::FreeRegion() {
  if (ownerControl_ && ownerControl_->HandleAllocated()) SetWindowRgn(ownerControl_->GetHandle(), nullptr, FALSE);
  if (!ownsRegion_) region_ = nullptr;  // the window deleted it
  DeleteOwned();
}

void TVyrRegion::PaintRegionShape(TCanvas* Canvas, const TRect& R) {
  Canvas->GetBrush()->SetStyle(bsClear);
  Canvas->GetPen()->SetWidth(2);
  const TColor light = border_->GetLightColor(), shadow = border_->GetShadowColor(),
               single = border_->GetSingleColor();
  const TVyrRegionBorderStyle style = border_->GetStyle();
  using S = TVyrRegionShape;
  TVyrFramePainter painter = nullptr;
  switch (shape_) {
    case S::rsRect: painter = VyrFrameRectRgn; break;
    case S::rsRoundRect: VyrFrameRoundRectRgn(Canvas, R, light, shadow, single, style, roundX_, roundY_); return;
    case S::rsElliptic: painter = VyrFrameEllipticRgn; break;
    case S::rsStar: painter = VyrFrameStarRgn; break;
    case S::rsRoundShield: painter = VyrFrameRoundShieldRgn; break;
    case S::rsSharpShield: painter = VyrFrameSharpShieldRgn; break;
    case S::rsDiamond: painter = VyrFrameDiamondRgn; break;
    case S::rsOctagon: painter = VyrFrameOctagonRgn; break;
    case S::rsComb: painter = VyrFrameCombRgn; break;
    case S::rsHalfRound: painter = VyrFrameHalfRoundRgn; break;
    case S::rsBitmap:
    case S::rsUserRegion: return;
  }
  painter(Canvas, R, light, shadow, single, style);
}

void TVyrRegion::SetUserRgn(HRGN Rgn) {
  const DWORD size = GetRegionData(Rgn, 0, nullptr);
  userData_.assign(size, 0);
  if (size) GetRegionData(Rgn, size, reinterpret_cast<RGNDATA*>(userData_.data()));
}

void TVyrRegion::SetUserPolygonRgn(std::span<const TPoint> Points) {
  std::vector<POINT> points(Points.begin(), Points.end());
  HRGN rgn = CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE);
  SetUserRgn(rgn);
  DeleteObject(rgn);
}

}  // namespace Vyrregion
