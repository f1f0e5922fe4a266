#include <algorithm>
#include <cstdint>

#include "canvas.h"
#include "classregistry.h"
#include "colors.h"
#include "numbers.h"
#include "vyrstdcs.h"
#include "vyrutils.h"

namespace Vyrstdcs {

using Vyrgraph::TVyrMeterDirection;

namespace {

bool IsVertical(TVyrMeterDirection Direction) {
  return Direction == TVyrMeterDirection::mdVertical || Direction == TVyrMeterDirection::mdVerticalReverse;
}

// Block Index of Count, each Extent long with Spacing before it, in a bar
// of Width x Height; the reverse directions count from the far end. In 64
// bits: the blocks of a bar as long as a coordinate can be may end past it.
TRect SmallBarBlock(TVyrMeterDirection Direction, int Index, int Count, int Extent, int HSpace, int VSpace, int Width,
                    int Height) {
  const bool reverse =
      Direction == TVyrMeterDirection::mdHorizontalReverse || Direction == TVyrMeterDirection::mdVerticalReverse;
  const Int64 slot = reverse ? Int64{Count} - Index - 1 : Index;
  const auto clamp = [](Int64 v) { return static_cast<int>(std::clamp<Int64>(v, INT32_MIN, INT32_MAX)); };
  if (IsVertical(Direction))
    return TRect(HSpace, clamp(VSpace + slot * (Int64{VSpace} + Extent)), Width - HSpace,
                 clamp((slot + 1) * (Int64{VSpace} + Extent)));
  return TRect(clamp(HSpace + slot * (Int64{HSpace} + Extent)), VSpace, clamp((slot + 1) * (Int64{HSpace} + Extent)),
               Height - VSpace);
}

}  // namespace

TVyrCustomProgress::TVyrCustomProgress(TComponent* AOwner)
    : Vyrctrl::TVyrBaseMeter(AOwner), FSmallBar(std::make_unique<Vyrgraph::TVyrSmallBar>()) {
  FSmallBar->SetBarColor(static_cast<TColor>(0x800000));
  FSmallBar->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  SetDelta(5);
}

TVyrCustomProgress::~TVyrCustomProgress() { FSmallBar->SetOnChange(nullptr); }

bool TVyrCustomProgress::BlockStyle() const {
  return FStyle == TVyrProgressStyle::pgSmallBar || FStyle == TVyrProgressStyle::pgSmallBarColor;
}

void TVyrCustomProgress::UpdateDelta() {
  SetDelta(1);
  const int count = FSmallBar->GetBarCount();
  if (BlockStyle() && GetOptionsText() != Vyrctrl::TVyrMeterTextOptions::toPercent && count > 0)
    SetDelta((100 / count) / 2);
}

void TVyrCustomProgress::SetStyle(TVyrProgressStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  UpdateDelta();
  InvalidateControl();
}

void TVyrCustomProgress::SetBarColor(TColor Value) {
  FBarColor = Value;
  if (FStyle == TVyrProgressStyle::pgBar) InvalidateControl();
}

void TVyrCustomProgress::SetBar3D(Vyrgraph::TVyrBorderStyle Value) {
  FBar3D = Value;
  if (FStyle == TVyrProgressStyle::pgBar) InvalidateControl();
}

void TVyrCustomProgress::GetChange(TObject* Sender) {
  if (Sender == FSmallBar.get()) UpdateDelta();
  Vyrctrl::TVyrBaseMeter::GetChange(Sender);
}

bool TVyrCustomProgress::CorrectBounds() {
  if (boundsCorrected_) return false;
  const int count = FSmallBar->GetBarCount();
  if (!BlockStyle() || GetAlign() != alNone || !FSmallBar->GetAutosize() || count <= 0) return false;
  const int hs = FSmallBar->GetHSpace(), vs = FSmallBar->GetVSpace(), bevel = BevelExt();
  const TVyrMeterDirection direction = GetDirection();
  const TFitted now{width_, height_, count, hs, vs, bevel, direction};
  if (now == FFitted) return false;
  const int e = FSmallBar->GetBarExtend(direction, width_ - 2 * bevel, height_ - 2 * bevel);
  // In 64 bits: the blocks of a bar as wide as a coordinate can be, their
  // length rounded up, add up past it; such a bar keeps its size.
  const auto fitted = [&](int space) {
    return static_cast<int>(std::clamp<Int64>((Int64{e} + space) * count + space + 2 * Int64{bevel}, 0, INT32_MAX));
  };
  int width = width_, height = height_;
  if (IsVertical(direction))
    height = fitted(vs);
  else
    width = fitted(hs);
  if (width == width_ && height == height_) {
    FFitted = now;
    boundsCorrected_ = false;
    return false;
  }
  boundsCorrected_ = true;
  SetBounds(left_, top_, width, height);
  // Constraints may have had the last word.
  FFitted = TFitted{width_, height_, count, hs, vs, bevel, direction};
  return true;
}

void TVyrCustomProgress::DrawBar(TCanvas* Canvas, const TRect& BarRect, const TRect& RestRect, const TRect& FullRect) {
  switch (FStyle) {
    case TVyrProgressStyle::pgBar: {
      Canvas->GetBrush()->SetStyle(bsSolid);
      Canvas->GetBrush()->SetColor(FBarColor);
      Canvas->FillRect(BarRect);
      if (FBar3D != Vyrgraph::TVyrBorderStyle::lsNone) {
        TRect frame = BarRect;
        Vyrutils::VyrDrawStdFrame(Canvas, frame, FBar3D, 0);
      }
      DrawCaption(Canvas, BarRect, RestRect, FullRect, true, FBarColor);
      break;
    }
    case TVyrProgressStyle::pgSmallBar:
    case TVyrProgressStyle::pgSmallBarColor: {
      const int count = FSmallBar->GetBarCount();
      const int hs = FSmallBar->GetHSpace(), vs = FSmallBar->GetVSpace();
      const TVyrMeterDirection direction = GetDirection();
      const int e = FSmallBar->GetBarExtend(direction, FullRect.right, FullRect.bottom);
      // Exact halves (45 % of ten blocks) round to even, as every Round here.
      const int lit = count > 0 ? static_cast<int>(Round(GetDrawnValue() * count / 100.0)) : 0;
      Canvas->GetBrush()->SetStyle(bsSolid);
      Canvas->GetBrush()->SetColor(FSmallBar->GetBarColor());
      if (e == 0) {
        Canvas->FillRect(TRect(BarRect.left + hs, BarRect.top + vs, BarRect.right - hs, BarRect.bottom - vs));
      } else {
        for (int i = 0; i < lit; ++i) {
          if (FStyle == TVyrProgressStyle::pgSmallBarColor && OnGetColor) {
            TColor color = FSmallBar->GetBarColor();
            OnGetColor(this, i, color);
            Canvas->GetBrush()->SetColor(color);
          }
          Canvas->FillRect(SmallBarBlock(direction, i, count, e, hs, vs, FullRect.right, FullRect.bottom));
        }
      }
      DrawCaption(Canvas, BarRect, RestRect, FullRect, true, FSmallBar->GetBarColor());
      break;
    }
    case TVyrProgressStyle::pgOwnerDraw:
      if (OnPaint) OnPaint(this, Canvas, BarRect, RestRect, FullRect);
      break;
  }
}

// ---- publishing ----

void TVyrCustomProgress::Publish(TPublisher<TVyrCustomProgress>&) {}

void TVyrProgress::Publish(TPublisher<TVyrProgress>& P) {
  using G = TVyrProgress;
  P.Color("BarColor", &G::GetBarColor, &G::SetBarColor, 0x800000);
  P.Enum("Bar3D", &G::GetBar3D, &G::SetBar3D, Vyrctrl::kVyrBorderStyleNames, 0);
  P.Object("SmallBar", &G::GetSmallBar);
  P.Enum("Style", &G::GetStyle, &G::SetStyle, {"pgBar", "pgSmallBar", "pgSmallBarColor", "pgOwnerDraw"}, 1);
  P.Event("OnGetColor", &G::OnGetColor);
  P.Event("OnPaint", &G::OnPaint);
}

}  // namespace Vyrstdcs
