#include <algorithm>
#include <cstdlib>

#include "bitmap_class.h"
#include "canvas.h"
#include "classregistry.h"
#include "colors.h"
#include "dc.h"
#include "numbers.h"
#include "rgn.h"
#include "filer.h"
#include "format.h"
#include "vyrctrl.h"
#include "vyrutils.h"
#include "writer.h"

namespace Vyrctrl {

namespace {

// DrawText's flags by TAlignment, each on one line centred vertically.
int MeterTextFlags(TAlignment Alignment) {
  constexpr int kOneLineCentred = 0x24;  // DT_VCENTER + DT_SINGLELINE
  switch (Alignment) {
    case taRightJustify: return 2 | kOneLineCentred;
    case taCenter: return 1 | kOneLineCentred;
    default: return kOneLineCentred;
  }
}

// Numerator / Denominator (> 0) to the nearest integer, halves to even as
// Round does, but exact: a double would put 0.01 x 70 a hair above 0.7 and
// round a half of a large span up.
Int64 RoundedQuotient(Int64 Numerator, Int64 Denominator) {
  Int64 quotient = Numerator / Denominator, remainder = Numerator % Denominator;
  if (remainder < 0) {
    --quotient;
    remainder += Denominator;
  }
  const Int64 twice = 2 * remainder;
  if (twice > Denominator || (twice == Denominator && quotient % 2 != 0)) ++quotient;
  return quotient;
}

// Percent of a range as a user value; 64 bits keep the whole 32-bit span.
int UserFromPercent(int Percent, int Min, int Max) {
  const Int64 span = Int64{Max} - Min;
  return static_cast<int>(RoundedQuotient(Int64{Percent} * span, 100) + Min);
}

}  // namespace

TVyrBaseMeter::TVyrBaseMeter(TComponent* AOwner)
    : TVyrGraphicControl(AOwner), font3D_(std::make_unique<Vyrgraph::TVyr3DCaption>()) {
  font3D_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  GetBevel()->SetStyleOuter(Vyrgraph::TVyrBevelStyle::bvLowered);
  DisableTransMode();
  SetColor(clWindow);
  controlStyle_.Exclude(csSetCaption);
  controlStyle_.Include(csReplicatable);
  SetBounds(left_, top_, 80, 20);
}

TVyrBaseMeter::~TVyrBaseMeter() { font3D_->SetOnChange(nullptr); }

// ---- the values ----

void TVyrBaseMeter::SetMaxValue(int Value) {
  if (Loading()) {
    maxValue_ = Value;
    return;
  }
  if (Value == maxValue_ || Value == minValue_) return;
  const int oldMin = minValue_;
  minValue_ = std::min(Value, oldMin);
  maxValue_ = std::max(Value, oldMin);
  if (userValue_ < minValue_ || userValue_ > maxValue_) userValue_ = maxValue_;
  Synchronize(false);
  InvalidateControl();
}

void TVyrBaseMeter::SetMinValue(int Value) {
  if (Loading()) {
    minValue_ = Value;
    return;
  }
  if (Value == minValue_ || Value == maxValue_) return;
  const int oldMax = maxValue_;
  minValue_ = std::min(Value, oldMax);
  maxValue_ = std::max(Value, oldMax);
  if (userValue_ < minValue_ || userValue_ > maxValue_) userValue_ = minValue_;
  Synchronize(false);
  InvalidateControl();
}

void TVyrBaseMeter::SetUserValue(int Value) {
  if (Loading()) {
    userValue_ = Value;
    loadedValue_ = TLoadedValue::lvUser;
    return;
  }
  if (Value == userValue_ || Value < minValue_ || Value > maxValue_) return;
  userValue_ = Value;
  Synchronize(false);
  Draw();
}

void TVyrBaseMeter::SetPercentValue(int Value) {
  Value = std::clamp(Value, 0, 100);
  if (Loading()) {
    percent_ = Value;
    loadedValue_ = TLoadedValue::lvPercent;
    return;
  }
  if (Value == percent_) return;
  percent_ = Value;
  Synchronize(true);
  Draw();
}

void TVyrBaseMeter::SetStep(int Value) { step_ = std::clamp(Value, 0, 255); }

void TVyrBaseMeter::SetDelta(int Value) { delta_ = std::clamp(Value, 0, 255); }

// The user value follows too, so that a saved form, which gives the user
// value the last word, keeps the position.
void TVyrBaseMeter::Add(std::uint8_t N) {
  if (N == 0) return;
  percent_ = std::min(percent_ + N, 100);
  Synchronize(true);
  Draw();
}

void TVyrBaseMeter::Sub(std::uint8_t N) {
  if (N == 0) return;
  percent_ = std::max(percent_ - N, 0);
  Synchronize(true);
  Draw();
}

void TVyrBaseMeter::Synchronize(bool FromPercent) {
  if (FromPercent)
    userValue_ = UserFromPercent(percent_, minValue_, maxValue_);
  else
    percent_ = GetPercentValue(userValue_);
}

int TVyrBaseMeter::GetPercentValue(int Value) const {
  const Int64 span = Int64{maxValue_} - minValue_;
  if (span <= 0) return 0;
  return static_cast<int>(std::clamp<Int64>(RoundedQuotient((Int64{Value} - minValue_) * 100, span), 0, 100));
}

// Integer arithmetic: a percent of a pixel count is exact, where 0.01 in
// floating point would lose a pixel at 29 % of 100.
int TVyrBaseMeter::GetExtend(int Value, int Extent) {
  return std::min(Extent, static_cast<int>(static_cast<Int64>(Value) * Extent / 100));
}

// A stream gives the bounds and the values one after the other; they are
// checked against each other once all are in. The value the stream set
// last wins (a written form sets the user value after the position).
void TVyrBaseMeter::Loaded() {
  TVyrGraphicControl::Loaded();
  if (minValue_ > maxValue_) std::swap(minValue_, maxValue_);
  if (minValue_ == maxValue_) {
    if (maxValue_ < INT32_MAX)
      ++maxValue_;
    else
      --minValue_;
  }
  if (loadedValue_ == TLoadedValue::lvPercent) {
    Synchronize(true);
  } else {
    userValue_ = std::clamp(userValue_, minValue_, maxValue_);
    Synchronize(false);
  }
  loadedValue_ = TLoadedValue::lvNone;
}

// ---- the look ----

void TVyrBaseMeter::SetAlignment(TAlignment Value) {
  alignment_ = Value;
  InvalidateControl();
}

void TVyrBaseMeter::SetDirection(TVyrMeterDirection Value) {
  direction_ = Value;
  InvalidateControl();
}

void TVyrBaseMeter::SetTextOptions(TVyrMeterTextOptions Value) {
  optionsText_ = Value;
  InvalidateControl();
}

void TVyrBaseMeter::SetUseFontColor(bool Value) {
  useFontColor_ = Value;
  InvalidateControl();
}

void TVyrBaseMeter::CMTextChanged(TMessage& Message) {
  TVyrGraphicControl::CMTextChanged(Message);
  InvalidateControl();
}

// ---- painting ----

void TVyrBaseMeter::Paint() {
  if (!Loading() && !CorrectBounds()) {
    lastDrawn_ = 0;
    TCanvas* canvas = GetCanvas();
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect(GetClientRect());
    TRect inner;
    GetBevel()->PaintBevel(canvas, GetClientRect(), inner, false);
    barRect_ = inner;
    // The fill above erased the bar, so the paint draws it whatever Delta says.
    DrawMeter(true);
  }
  boundsCorrected_ = false;
}

bool TVyrBaseMeter::CanDraw() const {
  const TWinControl* parent = GetParent();
  return parent && parent->HandleAllocated() && GetShowing() && barRect_.Width() > 0 && barRect_.Height() > 0;
}

void TVyrBaseMeter::DrawMeter(bool Force) {
  if (painting_ || Loading()) return;
  const int v = GetDrawValue();
  if (!Force) {
    if (optionsText_ == TVyrMeterTextOptions::toPercent) {
      if (v == lastDrawn_) return;
    } else if (v != 0 && std::abs(v - lastDrawn_) < delta_) {
      return;
    }
  }
  if (!CanDraw()) return;

  struct PaintingFlag {
    bool& flag;
    explicit PaintingFlag(bool& f) : flag(f) { flag = true; }
    ~PaintingFlag() { flag = false; }
  } painting(painting_);

  // Only the part of the bar the canvas can show goes through the bitmap: a
  // bar far larger than its window would ask for more memory than there is.
  // The bitmap's origin puts it where that part lies in the whole bar.
  TCanvas* canvas = GetCanvas();
  TRect visible;
  if (GetClipBox(canvas->GetHandle(), &visible) <= NULLREGION ||
      !IntersectRect(&visible, &visible, &barRect_)) {
    lastDrawn_ = v;
    return;
  }
  TBitmap bitmap;
  Vyrutils::VyrBmpCreateFromRect(&bitmap, visible, GetColor());
  SetViewportOrgEx(bitmap.GetCanvas()->GetHandle(), barRect_.left - visible.left, barRect_.top - visible.top, nullptr);
  const int W = barRect_.Width(), H = barRect_.Height();
  const TRect full(0, 0, W, H);
  TRect bar;
  switch (direction_) {
    case TVyrMeterDirection::mdHorizontal: bar = TRect(0, 0, GetExtend(v, W), H); break;
    case TVyrMeterDirection::mdVertical: bar = TRect(0, 0, W, GetExtend(v, H)); break;
    case TVyrMeterDirection::mdHorizontalReverse: bar = TRect(W - GetExtend(v, W), 0, W, H); break;
    case TVyrMeterDirection::mdVerticalReverse: bar = TRect(0, H - GetExtend(v, H), W, H); break;
  }
  TRect rest;
  SubtractRect(&rest, &full, &bar);
  // The text shows the percent being drawn, before it becomes the last one.
  const int previous = lastDrawn_;
  lastDrawn_ = v;
  try {
    DrawBar(bitmap.GetCanvas(), bar, rest, full);
  } catch (...) {
    lastDrawn_ = previous;
    throw;
  }
  SetViewportOrgEx(bitmap.GetCanvas()->GetHandle(), 0, 0, nullptr);
  canvas->Draw(visible.left, visible.top, &bitmap);
}

void TVyrBaseMeter::DrawCaption(TCanvas* Canvas, const TRect& BarRect, const TRect& RestRect, const TRect& FullRect,
                                bool UseColor, TColor RestTextColor) {
  if (optionsText_ == TVyrMeterTextOptions::toNoText) return;
  const AnsiString text =
      optionsText_ == TVyrMeterTextOptions::toCaption ? GetCaption() : Format("%d%%", lastDrawn_);
  Canvas->GetFont()->Assign(GetFont());
  Canvas->GetBrush()->SetColor(GetColor());
  Canvas->GetBrush()->SetStyle(bsClear);
  const int flags = MeterTextFlags(alignment_);
  using Vyrgraph::TVyrDrawTextStyle;
  const TVyrDrawTextStyle state = GetEnabled() ? TVyrDrawTextStyle::dtEnabled : TVyrDrawTextStyle::dtDisabled;
  if (useFontColor_) {
    Vyrutils::VyrDrawTextExt(Canvas, text, font3D_.get(), FullRect, flags, {state}, nullptr);
    return;
  }
  const TColor fontColor = GetFont()->GetColor();
  Canvas->GetFont()->SetColor(GetColor());
  Vyrutils::VyrDrawTextExt(Canvas, text, font3D_.get(), FullRect, flags, {state, TVyrDrawTextStyle::dtClip}, &BarRect);
  Canvas->GetFont()->SetColor(UseColor ? RestTextColor : fontColor);
  Vyrutils::VyrDrawTextExt(Canvas, text, font3D_.get(), FullRect, flags, {state, TVyrDrawTextStyle::dtClip},
                           &RestRect);
}

// ---- publishing ----

void TVyrBaseMeter::Publish(TPublisher<TVyrBaseMeter>& P) {
  using M = TVyrBaseMeter;
  P.Enum("Alignment", &M::GetAlignment, &M::SetAlignment, {"taLeftJustify", "taRightJustify", "taCenter"}, taCenter);
  // The meter's frame is lowered; the bevel's own default outer style is
  // bvNone, which a meter whose frame was taken away must still write.
  P.Object("Bevel", &M::GetBevel).NestedDefault("StyleOuter", static_cast<Int64>(Vyrgraph::TVyrBevelStyle::bvLowered));
  P.Color("Color", &TControl::GetColor, &TControl::SetColor, clWindow).Stored([](TControl* c) {
    return !c->GetParentColor();
  });
  // The constructor gives the meter its own colour.
  P.Bool("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, false);
  P.Enum("Direction", &M::GetDirection, &M::SetDirection,
         {"mdHorizontal", "mdVertical", "mdHorizontalReverse", "mdVerticalReverse"}, 0);
  P.Object("Font3D", &M::GetFont3D);
  // The bounds before the values: Loaded checks them all together.
  P.Integer("MaxValue", &M::GetMaxValue, &M::SetMaxValue, 100);
  P.Integer("MinValue", &M::GetMinValue, &M::SetMinValue, 0);
  P.Enum("OptionsText", &M::GetOptionsText, &M::SetTextOptions, {"toNoText", "toCaption", "toPercent"}, 0);
  P.Bool("UseFontColor", &M::GetUseFontColor, &M::SetUseFontColor, false);
  P.Integer("Position", &M::GetPosition, &M::SetPercentValue, 0);
  P.Integer("Step", &M::GetStep, &M::SetStep, 10);
  P.Integer("UserValue", &M::GetUserValue, &M::SetUserValue, 0);
  // Opaque: the meter fills its whole client area.
  P.Bool("Transparent", &M::GetTransparent, &M::SetTransparent, false);
}

}  // namespace Vyrctrl
