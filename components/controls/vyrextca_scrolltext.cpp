// The scrolling text's life, timers and steps: starting, each tick, the
// three styles at the end of a pass, and the setters that stop a scroll.
#include "bitmap_class.h"
#include "exceptions.h"
#include "resourcestrings.h"
#include "tstrings.h"
#include "vyrclass_application.h"
#include "vyrextca.h"
#include "vyrmms.h"

namespace Vyrextca {

using Vyrclass::VyrApplication;

namespace {
// A start step is kept in a byte by the callers that pass one.
constexpr int kStartStepLimit = 256;
}  // namespace

TVyrScrollText::TVyrScrollText(TComponent* AOwner)
    : Vyrctrl::TVyrGraphicControl(AOwner),
      FBackBitmap(std::make_unique<TBitmap>()),
      FFont3D(std::make_unique<Vyrgraph::TVyr3DCaption>()),
      FLines(std::make_unique<TStringList>()) {
  DisableTransMode();
  FLines->Add(ClassName());
  FLines->OnChange = TNotifyEvent([this](TObject* Sender) { GetChange(Sender); });
  FFont3D->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  SetBounds(GetLeft(), GetTop(), 200, 20);
  ActivateTimer();
  CalculateDimensions();
}

TVyrScrollText::~TVyrScrollText() {
  Stop();
  DeActivateTimer(FTimerMode);
  FLines->OnChange = nullptr;
  FFont3D->SetOnChange(nullptr);
}

// ---- timers ----

void TVyrScrollText::ActivateTimer() {
  const TNotifyEvent tick(this, &TVyrScrollText::GetTimer);
  if (FTimerMode == TVyrTimerMode::tmGlobalTimer) {
    FPoolTimer =
        VyrApplication ? VyrApplication->AddTimerExt(Vyrclass::VyrPoolInterval(FInterval), -1, false, tick) : 0;
    if (FPoolTimer == 0) throw EOutOfResources(LoadStr(SNoTimers));
    return;
  }
  FHiTimer.reset(TObject::Create<Vyrmms::TVyrHiTimer>(nullptr, FInterval));
  FHiTimer->SetUseThread(FTimerMode == TVyrTimerMode::tmThreaded);
  FHiTimer->SetOnTimer(Vyrmms::VyrUserInterfaceTick(FHiTimer.get(), tick));
}

void TVyrScrollText::DeActivateTimer(TVyrTimerMode Mode) {
  if (Mode == TVyrTimerMode::tmGlobalTimer) {
    if (VyrApplication && FPoolTimer) VyrApplication->RemoveTimer(FPoolTimer);
    FPoolTimer = 0;
  } else {
    FHiTimer.reset();
  }
}

void TVyrScrollText::EnableTimer(bool On) {
  if (FTimerMode == TVyrTimerMode::tmGlobalTimer) {
    Vyrclass::TVyrTimerItem* item = VyrApplication && FPoolTimer ? VyrApplication->GetTimer(FPoolTimer) : nullptr;
    if (!item) return;
    if (On) item->SetInterval(Vyrclass::VyrPoolInterval(FInterval));
    item->SetEnabled(On);
    return;
  }
  if (!FHiTimer) return;
  if (On) {
    FHiTimer->SetInterval(FInterval);
    FHiTimer->SetThreadPriority(FThreadPriority);
    // The tick paints: never on the worker.
    FHiTimer->SetSynchronize(true);
  }
  FHiTimer->SetEnabled(On);
}

void TVyrScrollText::SetTimerMode(TVyrTimerMode Value) {
  if (Loading()) {
    FTimerMode = Value;
    return;
  }
  if (FTimerMode == Value) return;
  Stop();
  DeActivateTimer(FTimerMode);
  FTimerMode = Value;
  ActivateTimer();
}

// ---- scrolling ----

void TVyrScrollText::ExecuteEnh(int StartStep) {
  if (Loading() || GetEmpty()) return;
  Stop();
  if (!GetVisible()) {
    if (!FMakeVisible) return;
    Show();
  }
  FScroll = true;
  FCurrentStep = StartStep >= 0 && StartStep < FSteps && StartStep < kStartStepLimit ? StartStep : 0;
  if (OnStart) OnStart(this);
  PaintImage();
  EnableTimer(true);
}

void TVyrScrollText::Stop() {
  // While loading Scroll only records what Loaded is to start.
  if (!FScroll || Loading()) return;
  EnableTimer(false);
  FScroll = false;
  FCurrentStep = 0;
  if (GetComponentState().Contains(csDestroying)) return;
  if (OnStop) OnStop(this);
}

void TVyrScrollText::Reverse() {
  FCurrentStep = FSteps - FCurrentStep;
  switch (FDirection) {
    case TVyrScrollDirection::sdBottomToTop: FDirection = TVyrScrollDirection::sdTopToBottom; break;
    case TVyrScrollDirection::sdTopToBottom: FDirection = TVyrScrollDirection::sdBottomToTop; break;
    case TVyrScrollDirection::sdLeftToRight: FDirection = TVyrScrollDirection::sdRightToLeft; break;
    case TVyrScrollDirection::sdRightToLeft: FDirection = TVyrScrollDirection::sdLeftToRight; break;
  }
}

void TVyrScrollText::GetTimer(TObject*) {
  if (!FScroll) return;
  ++FCurrentStep;
  PaintImage();
  if (FCurrentStep <= FSteps) return;
  switch (FScrollStyle) {
    case TVyrScrollStyle::ssLoop: FCurrentStep = 0; break;
    case TVyrScrollStyle::ssLoopReverse: Reverse(); break;
    case TVyrScrollStyle::ssOnce: Stop(); break;
  }
}

// ---- properties ----

void TVyrScrollText::SetBool(int Index, bool Value) {
  switch (Index) {
    case 0:
      FMakeVisible = Value;
      break;
    case 1:
      if (Loading()) {
        FScroll = Value;
      } else if (Value) {
        Execute();
      } else {
        Stop();
        if (Designing()) InvalidateControl();
      }
      break;
    case 2:
      FTransparent = Value;
      SetTransparent(Value);
      Stop();
      if (Value) {
        FRefreshBack = true;
      } else {
        FBackBitmap->SetSize(0, 0);
      }
      InvalidateControl();
      break;
  }
}

void TVyrScrollText::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  if (!FScroll) InvalidateControl();
}

void TVyrScrollText::SetDirection(TVyrScrollDirection Value) {
  Stop();
  FDirection = Value;
}

void TVyrScrollText::SetStyle(TVyrScrollStyle Value) {
  Stop();
  FScrollStyle = Value;
}

void TVyrScrollText::SetMode(TVyrScrollMode Value) {
  if (FScrollMode == Value) return;
  Stop();
  FScrollMode = Value;
  CalculateDimensions();
  InvalidateControl();
}

void TVyrScrollText::SetSteps(int Value) {
  if (Value < 1) return;
  Stop();
  FSteps = Value;
}

void TVyrScrollText::SetInterval(std::uint16_t Value) {
  if (Loading()) {
    FInterval = Value;
    return;
  }
  Stop();
  FInterval = Value;
}

void TVyrScrollText::SetFont3D(Vyrgraph::TVyr3DCaption* Value) { FFont3D->Assign(Value); }

void TVyrScrollText::SetLines(TStrings* Value) { FLines->Assign(Value); }

bool TVyrScrollText::GetEmpty() { return FLines->GetCount() == 0; }

bool TVyrScrollText::HasDefaultLines() const { return FLines->GetCount() == 1 && FLines->GetStrings(0) == ClassName(); }

void TVyrScrollText::Loaded() {
  Vyrctrl::TVyrGraphicControl::Loaded();
  if (FTimerMode != TVyrTimerMode::tmGlobalTimer) {
    DeActivateTimer(TVyrTimerMode::tmGlobalTimer);
    ActivateTimer();
  }
  CalculateDimensions();
  if (FScroll) {
    FScroll = false;
    Execute();
  }
}

}  // namespace Vyrextca
