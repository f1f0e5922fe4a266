#include "comctrls_progressbar.h"

#include <algorithm>

#include "colors.h"
#include "extctrls_bevel.h"
#include "numbers.h"

namespace {
constexpr int kEdge = 1;     // the sunken edge
constexpr int kPadding = 1;  // face between the edge and the blocks
}  // namespace

void TProgressBar::Publish(TPublisher<TProgressBar>& P) {
  PublishOwnColor(P);
  P.Integer("Min", &TProgressBar::GetMin, &TProgressBar::SetMin, 0);
  P.Integer("Max", &TProgressBar::GetMax, &TProgressBar::SetMax, 100);
  P.Integer("Position", &TProgressBar::GetPosition, &TProgressBar::SetPosition, 0);
  P.Integer("Step", &TProgressBar::GetStep, &TProgressBar::SetStep, 10);
  P.Enum("Orientation", &TProgressBar::GetOrientation, &TProgressBar::SetOrientation, {"pbHorizontal", "pbVertical"},
         pbHorizontal);
  P.Bool("Smooth", &TProgressBar::GetSmooth, &TProgressBar::SetSmooth, false);
}

TProgressBar::TProgressBar(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks};
  SetBounds(left_, top_, 150, 16);
  SetColor(clBtnFace);
}

// The form stream may give Max before Min: the position is clamped against
// whatever range stands, and an inverted range counts as empty at Min.
int TProgressBar::Clamped(int Value) const { return std::clamp(Value, min_, std::max(min_, max_)); }

void TProgressBar::SetMin(int Value) {
  if (min_ == Value) return;
  min_ = Value;
  position_ = Clamped(position_);
  Invalidate();
}

void TProgressBar::SetMax(int Value) {
  if (max_ == Value) return;
  max_ = Value;
  position_ = Clamped(position_);
  Invalidate();
}

void TProgressBar::SetPosition(int Value) {
  Value = Clamped(Value);
  if (position_ == Value) return;
  position_ = Value;
  Invalidate();
}

void TProgressBar::SetOrientation(TProgressBarOrientation Value) {
  if (orientation_ == Value) return;
  orientation_ = Value;
  Invalidate();
}

void TProgressBar::SetSmooth(bool Value) {
  if (smooth_ == Value) return;
  smooth_ = Value;
  Invalidate();
}

void TProgressBar::StepIt() {
  const long long next = static_cast<long long>(position_) + step_;
  const long long span = static_cast<long long>(max_) - min_;
  if (next <= max_ || span <= 0) {
    StepBy(step_);
    return;
  }
  // What went past the end carries over into the new round.
  SetPosition(min_ + static_cast<int>((next - max_) % span));
}

void TProgressBar::StepBy(int Delta) {
  const long long next = static_cast<long long>(position_) + Delta;
  SetPosition(static_cast<int>(std::clamp<long long>(next, min_, std::max(min_, max_))));
}

TRect TProgressBar::BarRect() const {
  const TRect c = GetClientRect();
  const int inset = kEdge + kPadding;
  return TRect(c.left + inset, c.top + inset, std::max(c.left + inset, c.right - inset),
               std::max(c.top + inset, c.bottom - inset));
}

// The classic blocks are two thirds as long as the bar is thick.
int TProgressBar::BlockSize() const {
  const TRect bar = BarRect();
  const int thickness = orientation_ == pbHorizontal ? bar.Height() : bar.Width();
  return std::max(1, thickness * 2 / 3);
}

void TProgressBar::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect frame = GetClientRect();
  PaintBevel(canvas, frame, bvLowered, kEdge);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(frame);

  const TRect bar = BarRect();
  const int length = orientation_ == pbHorizontal ? bar.Width() : bar.Height();
  const int span = max_ - min_;
  const int filled = span > 0 ? MulDiv(position_ - min_, length, span) : 0;
  if (filled <= 0) return;

  canvas->GetBrush()->SetColor(clHighlight);
  // Along the bar: from its start, which is the bottom for a vertical one.
  auto fill = [&](int from, int to) {
    to = std::min(to, length);
    if (orientation_ == pbHorizontal)
      canvas->FillRect(TRect(bar.left + from, bar.top, bar.left + to, bar.bottom));
    else
      canvas->FillRect(TRect(bar.left, bar.bottom - to, bar.right, bar.bottom - from));
  };
  if (smooth_) {
    fill(0, filled);
    return;
  }
  const int block = BlockSize();
  for (int start = 0; start < filled; start += block + kBlockGap) fill(start, start + block);
}
