#include "drawedge.h"
#include "vyrgraph.h"
#include "vyrgraph_setter.h"
#include "vyrutils.h"

namespace Vyrgraph {

using Detail::Clamp;
using Detail::StoreIfChanged;

void TVyrBevel::Publish(TPublisher<TVyrBevel>& P) {
  const std::initializer_list<const char*> styles{"bvNone",        "bvLowered", "bvRaised", "bvFrameLowered",
                                                  "bvFrameRaised", "bvNormal",  "bvShadow"};
  P.Enum("StyleInner", &TVyrBevel::GetStyleInner, &TVyrBevel::SetStyleInner, styles, 0);
  P.Enum("StyleOuter", &TVyrBevel::GetStyleOuter, &TVyrBevel::SetStyleOuter, styles, 0);
  P.Integer("WidthInner", &TVyrBevel::GetWidthInner, &TVyrBevel::SetWidthInner, 1);
  P.Integer("WidthOuter", &TVyrBevel::GetWidthOuter, &TVyrBevel::SetWidthOuter, 1);
  P.Color("BorderColor", &TVyrBevel::GetBorderColor, &TVyrBevel::SetBorderColor, clBtnFace);
  P.Integer("BorderInnerWidth", &TVyrBevel::GetBorderInnerWidth, &TVyrBevel::SetBorderInnerWidth, 0);
  P.Integer("BorderWidth", &TVyrBevel::GetBorderWidth, &TVyrBevel::SetBorderWidth, 0);
  P.Set("BorderSides", &TVyrBevel::GetBorderSides, &TVyrBevel::SetBorderSides,
        {"fsBottom", "fsLeft", "fsRight", "fsTop"}, 0xF);
  P.Enum("EdgeStyle", &TVyrBevel::GetEdgeStyle, &TVyrBevel::SetEdgeStyle,
         {"etRaisedInner", "etRaisedOuter", "etSunkenInner", "etSunkenOuter", "etBump", "etEtched", "etRaised",
          "etSunken"},
         static_cast<Int64>(TVyrEdgeStyle::etEtched));
  P.Color("LightColor", &TVyrBevel::GetLightColor, &TVyrBevel::SetLightColor, clBtnHighlight);
  P.Enum("Mode", &TVyrBevel::GetMode, &TVyrBevel::SetMode, {"bmCustom", "bmStandard", "bmEdge", "bmWindows"}, 0);
  P.Color("ShadowColor", &TVyrBevel::GetShadowColor, &TVyrBevel::SetShadowColor, clBtnShadow);
  P.Enum("StandardStyle", &TVyrBevel::GetStandardStyle, &TVyrBevel::SetStandardStyle,
         {"lsNone", "lsSingle", "lsLowered", "lsRaised", "lsRaisedspb", "lsLoweredspb", "lsRaisedExt", "lsLoweredExt",
          "lsFrameInset", "lsFrameOffset", "lsWindowBorder", "lsSingleRaised", "lsSingleLowered", "lsDoubleRaised",
          "lsDoubleLowered"},
         static_cast<Int64>(TVyrBorderStyle::lsSingleLowered));
}

template <class T>
void TVyrBevel::Store(T& Field, T Value) {
  if (StoreIfChanged(Field, Value)) Change();
}

void TVyrBevel::SetStyleInner(TVyrBevelStyle Value) { Store(styleInner_, Value); }
void TVyrBevel::SetStyleOuter(TVyrBevelStyle Value) { Store(styleOuter_, Value); }
void TVyrBevel::SetWidthInner(int Value) { Store(widthInner_, Clamp(Value, 0, kBevelWidthMax)); }
void TVyrBevel::SetWidthOuter(int Value) { Store(widthOuter_, Clamp(Value, 0, kBevelWidthMax)); }
void TVyrBevel::SetBorderColor(TColor Value) { Store(borderColor_, Value); }
void TVyrBevel::SetBorderInnerWidth(int Value) { Store(borderInnerWidth_, Clamp(Value, 0, kBorderWidthMax)); }
void TVyrBevel::SetBorderWidth(int Value) { Store(borderWidth_, Clamp(Value, 0, kBorderWidthMax)); }
void TVyrBevel::SetBorderSides(TVyrFrameSides Value) { Store(borderSides_, Value); }
void TVyrBevel::SetEdgeStyle(TVyrEdgeStyle Value) { Store(edgeStyle_, Value); }
void TVyrBevel::SetLightColor(TColor Value) { Store(lightColor_, Value); }
void TVyrBevel::SetShadowColor(TColor Value) { Store(shadowColor_, Value); }
void TVyrBevel::SetWindowEdgeSupport(bool Value) { Store(windowEdgeSupport_, Value); }

void TVyrBevel::SetMode(TVyrBevelMode Value) {
  if (mode_ == Value) return;
  if (windowEdgeSupport_ && (mode_ == TVyrBevelMode::bmWindows || Value == TVyrBevelMode::bmWindows))
    recreateRequest_ = true;
  mode_ = Value;
  Change();
}

void TVyrBevel::SetStandardStyle(TVyrBorderStyle Value) {
  // Outside bmStandard the style neither shows nor counts in the extent.
  if (StoreIfChanged(standardStyle_, Value) && mode_ == TVyrBevelMode::bmStandard) Change();
}

bool TVyrBevel::GetRecreateWnd() {
  const bool result = recreateRequest_ || (mode_ == TVyrBevelMode::bmWindows && windowEdgeSupport_);
  recreateRequest_ = false;
  return result;
}

void TVyrBevel::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrBevel*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  Detail::CopyAsOneChange(this, [&] {
    SetStyleInner(src->styleInner_);
    SetStyleOuter(src->styleOuter_);
    SetWidthInner(src->widthInner_);
    SetWidthOuter(src->widthOuter_);
    SetBorderColor(src->borderColor_);
    SetBorderInnerWidth(src->borderInnerWidth_);
    SetBorderWidth(src->borderWidth_);
    SetBorderSides(src->borderSides_);
    SetEdgeStyle(src->edgeStyle_);
    SetLightColor(src->lightColor_);
    SetMode(src->mode_);
    SetShadowColor(src->shadowColor_);
    SetStandardStyle(src->standardStyle_);
  });
}

namespace {

int FrameExtra(TVyrBevelStyle Style) {
  return (Style == TVyrBevelStyle::bvFrameLowered || Style == TVyrBevelStyle::bvFrameRaised) ? 1 : 0;
}

}  // namespace

int TVyrBevel::ComputeExtent() const {
  switch (mode_) {
    case TVyrBevelMode::bmCustom: {
      if (styleOuter_ == TVyrBevelStyle::bvShadow) return widthInner_ + borderInnerWidth_;
      int e = borderWidth_ + borderInnerWidth_;
      if (styleOuter_ != TVyrBevelStyle::bvNone) e += widthOuter_ + FrameExtra(styleOuter_);
      if (styleInner_ != TVyrBevelStyle::bvNone) e += widthInner_ + FrameExtra(styleInner_);
      return e;
    }
    case TVyrBevelMode::bmStandard: return Vyrutils::VyrDrawStdFrameExt(standardStyle_) + borderInnerWidth_;
    case TVyrBevelMode::bmEdge: return (borderSides_.Empty() ? 0 : 2) + borderInnerWidth_;
    case TVyrBevelMode::bmWindows: return windowEdgeSupport_ ? 0 : borderInnerWidth_ + 2;
  }
  return 0;
}

void TVyrBevel::Change() {
  extent_ = ComputeExtent();
  clientExtent_ = ShadowCase() ? widthInner_ + widthOuter_ + borderInnerWidth_ : extent_;
  TVyrObject::Change();
}

TRect TVyrBevel::ClientRect(const TRect& R) const {
  if (ShadowCase()) {
    const int lead = widthInner_ + borderInnerWidth_, trail = widthInner_ + widthOuter_ + borderInnerWidth_;
    return TRect(R.left + lead, R.top + lead, R.right - trail, R.bottom - trail);
  }
  return TRect(R.left + extent_, R.top + extent_, R.right - extent_, R.bottom - extent_);
}

namespace {

UINT EdgeKind(TVyrEdgeStyle Style) {
  static constexpr UINT kinds[] = {BDR_RAISEDINNER, BDR_RAISEDOUTER, BDR_SUNKENINNER, BDR_SUNKENOUTER,
                                   EDGE_BUMP,       EDGE_ETCHED,     EDGE_RAISED,     EDGE_SUNKEN};
  return kinds[static_cast<int>(Style)];
}

UINT SideFlags(TVyrFrameSides Sides) {
  UINT flags = 0;
  if (Sides.Contains(TVyrFrameSide::fsLeft)) flags |= BF_LEFT;
  if (Sides.Contains(TVyrFrameSide::fsTop)) flags |= BF_TOP;
  if (Sides.Contains(TVyrFrameSide::fsRight)) flags |= BF_RIGHT;
  if (Sides.Contains(TVyrFrameSide::fsBottom)) flags |= BF_BOTTOM;
  return flags;
}

// N rings in Color, or with Transparent only the room for them.
void BorderRing(TCanvas* Canvas, TRect& R, int N, TColor Color, bool Transparent) {
  if (!Transparent) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(Color);
  }
  for (int i = 0; i < N; ++i) {
    if (!Transparent) Canvas->FrameRect(R);
    R = TRect(R.left + 1, R.top + 1, R.right - 1, R.bottom - 1);
  }
}

}  // namespace

void TVyrBevel::PaintBevel(TCanvas* Canvas, const TRect& R, TRect& Inner, bool Transparent) {
  if (extent_ == 0) {
    Inner = R;
    return;
  }
  TRect work = R;
  switch (mode_) {
    case TVyrBevelMode::bmCustom:
      if (styleOuter_ == TVyrBevelStyle::bvShadow) {
        Vyrutils::VyrDrawFrameShadow(Canvas, work, lightColor_, shadowColor_, borderColor_,
                                     static_cast<std::uint8_t>(widthOuter_), static_cast<std::uint8_t>(widthInner_),
                                     Transparent, 0);
      } else {
        Vyrutils::VyrDrawFrame3D(Canvas, work, styleOuter_, lightColor_, shadowColor_, widthOuter_);
        BorderRing(Canvas, work, borderWidth_, borderColor_, Transparent);
        Vyrutils::VyrDrawFrame3D(Canvas, work, styleInner_, lightColor_, shadowColor_, widthInner_);
      }
      break;
    case TVyrBevelMode::bmStandard: Vyrutils::VyrDrawStdFrame(Canvas, work, standardStyle_, 0); break;
    case TVyrBevelMode::bmEdge:
      if (!borderSides_.Empty()) {
        DrawEdge(Canvas->GetHandle(), &work, EdgeKind(edgeStyle_), SideFlags(borderSides_));
        work = TRect(work.left + 2, work.top + 2, work.right - 2, work.bottom - 2);
      }
      break;
    case TVyrBevelMode::bmWindows: Vyrutils::VyrDrawStdFrame(Canvas, work, TVyrBorderStyle::lsLoweredExt, 0); break;
  }
  BorderRing(Canvas, work, borderInnerWidth_, borderColor_, Transparent);
  Inner = work;
}

}  // namespace Vyrgraph
