#include <algorithm>

#include "bitmap_class.h"
#include "canvas.h"
#include "exceptions.h"
#include "resourcestrings.h"
#include "vyrcont.h"
#include "vyrclass_application.h"
#include "vyrctrla.h"
#include "vyrmms.h"

namespace Vyrctrla {

using Vyrclass::VyrApplication;

namespace {
// Frame numbers are stored in a byte by the strips' users.
constexpr int kFrameLimit = 256;
}  // namespace

TVyrAniCtrl::TVyrAniCtrl(TComponent* AOwner) : TVyrCustomLImage(AOwner) {
  DisableTransMode();
  SetForceTransparent(true);
  ActivateTimer();
}

TVyrAniCtrl::~TVyrAniCtrl() {
  Stop();
  DeActivateTimer(timerMode_);
}

// ---- timers ----

void TVyrAniCtrl::ActivateTimer() {
  const TNotifyEvent tick(this, &TVyrAniCtrl::GetTimer);
  if (timerMode_ == TVyrTimerMode::tmGlobalTimer) {
    poolTimer_ = VyrApplication ? VyrApplication->AddTimerExt(Vyrclass::VyrPoolInterval(interval_), -1, false, tick) : 0;
    if (poolTimer_ == 0) throw EOutOfResources(LoadStr(SNoTimers));
    return;
  }
  hiTimer_.reset(TObject::Create<Vyrmms::TVyrHiTimer>(nullptr, interval_));
  hiTimer_->SetUseThread(timerMode_ == TVyrTimerMode::tmThreaded);
  hiTimer_->SetOnTimer(Vyrmms::VyrUserInterfaceTick(hiTimer_.get(), tick));
}

void TVyrAniCtrl::DeActivateTimer(TVyrTimerMode Mode) {
  if (Mode == TVyrTimerMode::tmGlobalTimer) {
    if (VyrApplication && poolTimer_) VyrApplication->RemoveTimer(poolTimer_);
    poolTimer_ = 0;
  } else {
    hiTimer_.reset();
  }
}

void TVyrAniCtrl::EnableTimer(bool On) {
  if (timerMode_ == TVyrTimerMode::tmGlobalTimer) {
    Vyrclass::TVyrTimerItem* item = VyrApplication && poolTimer_ ? VyrApplication->GetTimer(poolTimer_) : nullptr;
    if (!item) return;
    if (On) item->SetInterval(Vyrclass::VyrPoolInterval(interval_));
    item->SetEnabled(On);
    return;
  }
  if (!hiTimer_) return;
  if (On) {
    hiTimer_->SetInterval(interval_);
    hiTimer_->SetThreadPriority(threadPriority_);
    // The tick paints: never on the worker.
    hiTimer_->SetSynchronize(true);
  }
  hiTimer_->SetEnabled(On);
}

void TVyrAniCtrl::SetTimerMode(TVyrTimerMode Value) {
  if (Loading()) {
    timerMode_ = Value;
    return;
  }
  if (timerMode_ == Value) return;
  Stop();
  DeActivateTimer(timerMode_);
  timerMode_ = Value;
  ActivateTimer();
}

void TVyrAniCtrl::SetInterval(std::uint16_t Value) {
  if (Loading()) {
    interval_ = Value;
    return;
  }
  if (interval_ == Value) return;
  Stop();
  interval_ = Value;
}

// ---- playing ----

void TVyrAniCtrl::SetBool(int Index, bool Value) {
  switch (Index) {
    case 0:
      if (Loading())
        animate_ = Value;
      else if (Value)
        Play();
      else
        Stop();
      break;
    case 1:
      makeVisible_ = Value;
      break;
    case 2:
      if (useBitmap_ == Value) return;
      useBitmap_ = Value;
      GetChange(this);
      break;
    case 3:
      if (reverse_ == Value) return;
      Stop();
      reverse_ = Value;
      break;
  }
}

void TVyrAniCtrl::Play() {
  if (Loading() || GetEmpty()) return;
  if (animate_) Stop();
  if (!GetVisible()) {
    if (!makeVisible_) return;
    Show();
  }
  ascending_ = !reverse_;
  repeatCount_ = 0;
  SetImageIndex(GetFirstFrame());
  animate_ = true;
  if (OnStart) OnStart(this);
  ShowFrame(true);
  EnableTimer(true);
}

void TVyrAniCtrl::Stop() {
  // While loading Animate only records what Loaded is to start; the
  // setters that stop a running animation must not clear it.
  if (!animate_ || Loading()) return;
  EnableTimer(false);
  repeatCount_ = 0;
  animate_ = false;
  if (GetComponentState().Contains(csDestroying)) return;
  switch (aniStyle_) {
    case TVyrAnimationStyle::asLoop:
    case TVyrAnimationStyle::asLoopReverse:
    case TVyrAnimationStyle::asRepeatFirst:
      SetImageIndex(GetFirstFrame());
      ShowFrame(false);
      break;
    case TVyrAnimationStyle::asLoopHide:
    case TVyrAnimationStyle::asRepeatHide:
      if (!Designing()) Hide();
      break;
    case TVyrAnimationStyle::asRepeat:
      break;
  }
  if (OnStop) OnStop(this);
}

bool TVyrAniCtrl::AtEndFrame(int& Frame) {
  const int otherEnd = ascending_ ? startFrame_ : stopFrame_;
  switch (aniStyle_) {
    case TVyrAnimationStyle::asLoop:
    case TVyrAnimationStyle::asLoopHide:
      Frame = otherEnd;
      return true;
    case TVyrAnimationStyle::asLoopReverse:
      // The end frame stays for this tick; the walk turns round.
      ascending_ = !ascending_;
      return true;
    case TVyrAnimationStyle::asRepeat:
      if (repeatCount_ + 1 >= repetitions_) break;
      ++repeatCount_;
      Frame = otherEnd;
      return true;
    case TVyrAnimationStyle::asRepeatFirst:
    case TVyrAnimationStyle::asRepeatHide:
      break;
  }
  Stop();
  return false;
}

void TVyrAniCtrl::GetTimer(TObject*) {
  if (!animate_) return;
  if (GetEmpty() || !GetVisible()) {
    Stop();
    return;
  }
  int frame = GetImageIndex();
  if (ascending_ && frame != stopFrame_)
    ++frame;
  else if (!ascending_ && frame != startFrame_)
    --frame;
  else if (!AtEndFrame(frame))
    return;
  SetImageIndex(frame);
  if (GetTransparent() && !useBitmap_)
    Invalidate();
  else
    ShowFrame(true);
}

void TVyrAniCtrl::ShowFrame(bool Notify) {
  // Without a fresh background a transparent frame would carry the old
  // one: the paint refills it first.
  if (CanPaintNow() && !(GetTransparent() && refreshBack_)) {
    PaintImage(Notify);
    return;
  }
  if (Notify && OnAnimate && !GetEmpty()) OnAnimate(this);
  Invalidate();
}

// ---- frames ----

void TVyrAniCtrl::SetFrame(bool Start, int Value) {
  int& field = Start ? startFrame_ : stopFrame_;
  if (Loading()) {
    field = Value;
    return;
  }
  if (GetEmpty()) {
    field = 0;
    return;
  }
  const int count = GetImageList()->ItemCount(GetListIndex());
  if (Value < 0 || Value >= count || Value >= kFrameLimit) return;
  Stop();
  const int otherEnd = Start ? stopFrame_ : startFrame_;
  startFrame_ = std::min(Value, otherEnd);
  stopFrame_ = std::max(Value, otherEnd);
  SetImageIndex(Start ? Value : startFrame_);
  InvalidateControl();
}

// The stream sets the bounds unchecked; bounds outside the strip or out
// of order would walk past its last image.
void TVyrAniCtrl::KeepFramesInStrip() {
  Vyrcont::TVyrCustomImageList* list = GetImageList();
  if (!list) return;
  const int last = std::clamp(list->ItemCount(GetListIndex()) - 1, 0, kFrameLimit - 1);
  const int a = std::clamp(startFrame_, 0, last), b = std::clamp(stopFrame_, 0, last);
  startFrame_ = std::min(a, b);
  stopFrame_ = std::max(a, b);
}

void TVyrAniCtrl::SetStartFrame(int Value) { SetFrame(true, Value); }
void TVyrAniCtrl::SetStopFrame(int Value) { SetFrame(false, Value); }

void TVyrAniCtrl::SetAniStyle(TVyrAnimationStyle Value) {
  if (aniStyle_ == Value) return;
  Stop();
  aniStyle_ = Value;
}

void TVyrAniCtrl::SetRepetitions(std::uint8_t Value) {
  if (Value == 0 || Value == repetitions_) return;
  Stop();
  repetitions_ = Value;
}

void TVyrAniCtrl::Move(int Frame) {
  if (animate_ || GetEmpty()) return;
  if (Frame < startFrame_ || Frame > stopFrame_) return;
  SetImageIndex(Frame);
  ShowFrame(false);
}

void TVyrAniCtrl::First() { Move(GetFirstFrame()); }
void TVyrAniCtrl::Last() { Move(GetLastFrame()); }
void TVyrAniCtrl::Next() { Move(GetImageIndex() + (reverse_ ? -1 : 1)); }
void TVyrAniCtrl::Prev() { Move(GetImageIndex() + (reverse_ ? 1 : -1)); }

bool TVyrAniCtrl::GetEmpty() {
  Vyrcont::TVyrCustomImageList* list = GetImageList();
  if (!list) return true;
  const int L = GetListIndex();
  return list->ItemCount(L) <= 0 || !list->IsValidItem(L, GetImageIndex());
}

void TVyrAniCtrl::GetIMLChange(TObject* Sender) {
  if (Loading() || GetComponentState().Contains(csDestroying)) return;
  Stop();
  Vyrcont::TVyrCustomImageList* list = GetImageList();
  const int count = list ? list->ItemCount(GetListIndex()) : 0;
  startFrame_ = 0;
  stopFrame_ = std::clamp(count - 1, 0, kFrameLimit - 1);
  SetImageIndex(GetFirstFrame());
  GetChange(Sender);
}

// ---- life ----

void TVyrAniCtrl::Loaded() {
  TVyrCustomLImage::Loaded();
  if (timerMode_ != TVyrTimerMode::tmGlobalTimer) {
    DeActivateTimer(TVyrTimerMode::tmGlobalTimer);
    ActivateTimer();
  }
  KeepFramesInStrip();
  SetImageIndex(GetFirstFrame());
  if (animate_) {
    animate_ = false;
    Play();
  }
}

}  // namespace Vyrctrla
