#include <algorithm>
#include <functional>

#include "application.h"
#include "messages.h"
#include "resourcestrings.h"
#include "timers.h"
#include "wndproc.h"
#include "vyrclass_application.h"
#include "vyrconst.h"

namespace Vyrclass {

namespace {
constexpr UINT_PTR kWindowTimerId = 1;
}

void VyrRunTick(bool& InHandler, TObject* Sender, const std::function<void()>& Tick) {
  if (InHandler) return;
  InHandler = true;
  try {
    Tick();
  } catch (...) {
    InHandler = false;
    HandleEventException(Sender);
    return;
  }
  InHandler = false;
}

// ---- TVyrTimerItem ----

TVyrTimerItem::TVyrTimerItem(TVyrTimerPool* Pool, std::vector<TVyrTimerItem*>* List, Word Ident)
    : FIdent(Ident), FList(List), FPool(Pool) {
  if (!Pool || !List) throw EInvalidOperation(ClassName() + ": Invalid Owner or List");
  FDivisor = 1000 / Pool->GetMinInterval();
}

TVyrTimerItem::~TVyrTimerItem() {
  auto it = std::find(FList->begin(), FList->end(), this);
  if (it != FList->end()) FList->erase(it);
}

void TVyrTimerItem::SetCallCount(int Value) {
  if (Value == FCallCount) return;
  FCallCount = Value < -1 ? -1 : Value;
  if (FCallCount == 0) FEnabled = false;
}

void TVyrTimerItem::SetEnabled(bool Value) {
  if (Value == FEnabled || (Value && FCallCount == 0)) return;
  FEnabled = Value;
  FCounter = 0;
}

void TVyrTimerItem::SetInterval(Word Value) {
  const Word minInterval = FPool->GetMinInterval();
  if (Value == FInterval || Value % minInterval != 0) return;
  if (Value == 0) Value = minInterval;
  FDivisor = Value / minInterval;
  FInterval = Value;
  FCounter = 0;
}

void TVyrTimerItem::Timer() {
  if (!FEnabled) return;
  if (++FCounter < 0) FCounter = 0;
  if (FCounter == FCallCount) FEnabled = false;
  if (OnTimer)
    OnTimer(FPool);
  else if (FPool->FOnTimer)
    FPool->FOnTimer(FPool, FIdent, FCounter);
}

// ---- TVyrTimerPool ----

void TVyrTimerPool::Publish(TPublisher<TVyrTimerPool>& P) {
  P.Integer("MinInterval", &TVyrTimerPool::GetMinInterval, &TVyrTimerPool::SetMinInterval, 1000);
  P.Event("OnTimer", &TVyrTimerPool::GetOnTimer, &TVyrTimerPool::SetOnTimer);
}

TVyrTimerPool::TVyrTimerPool(TComponent* AOwner) : TVyrComponent(AOwner) {}

TVyrTimerPool::TVyrTimerPool(TComponent* AOwner, Word MinInterval) : TVyrTimerPool(AOwner) {
  FMinInterval = MinInterval == 0 ? 1 : MinInterval;
}

TVyrTimerPool::~TVyrTimerPool() {
  ClearTimers();
  if (FWindow) DeallocateHWnd(FWindow);
}

void TVyrTimerPool::SetMinInterval(TVyrTimerInterval Value) {
  const TComponentState state = GetComponentState();
  if (Value == 0 || !(state.Contains(csDesigning) || state.Contains(csLoading))) return;
  FMinInterval = Value;
}

int TVyrTimerPool::AddTimer(Word Ident, Word Interval, const TNotifyEvent& OnTimer) {
  if (IndexOf(Ident) >= 0) throw Exception(LoadStr(SListIndexError));
  if (Interval % FMinInterval != 0 || Interval < FMinInterval) throw Exception(LoadStr(Vyrconst::IDS_INTERVALNOTFIT));
  auto* item = new TVyrTimerItem(this, &FItems, Ident);
  FItems.push_back(item);
  item->SetInterval(Interval);
  item->OnTimer = OnTimer;
  UpdateMainTimer(true);
  return IndexOf(Ident);
}

int TVyrTimerPool::AddTimerExt(Word Ident, Word Interval, int CallCount, bool Enabled, const TNotifyEvent& OnTimer) {
  const int index = AddTimer(Ident, Interval, OnTimer);
  if (index >= 0) {
    TVyrTimerItem* item = FItems[static_cast<std::size_t>(index)];
    item->SetCallCount(CallCount);
    item->SetEnabled(Enabled);
  }
  return index;
}

void TVyrTimerPool::RemoveTimer(Word Ident) {
  FRemoving = true;
  if (TVyrTimerItem* item = GetTimer(Ident)) {
    item->SetEnabled(false);
    item->OnTimer = nullptr;
    if (FInTickLoop)
      item->FRemoved = true;  // the loop holds its index; freed after it
    else
      delete item;
  }
  if (Count() == 0) UpdateMainTimer(false);
  FRemoving = false;
}

void TVyrTimerPool::ClearTimers() {
  UpdateMainTimer(false);
  if (FInTickLoop) {
    for (TVyrTimerItem* item : FItems) {
      item->SetEnabled(false);
      item->OnTimer = nullptr;
      item->FRemoved = true;
    }
    return;
  }
  while (!FItems.empty()) delete FItems.back();
}

TVyrTimerItem* TVyrTimerPool::GetTimer(Word Ident) const {
  const int index = IndexOf(Ident);
  return index < 0 ? nullptr : FItems[static_cast<std::size_t>(index)];
}

int TVyrTimerPool::IndexOf(Word Ident) const {
  for (std::size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i]->FIdent == Ident && !FItems[i]->FRemoved) return static_cast<int>(i);
  return -1;
}

int TVyrTimerPool::Count() const {
  return static_cast<int>(std::count_if(FItems.begin(), FItems.end(), [](auto* i) { return !i->FRemoved; }));
}

int TVyrTimerPool::ActiveTimers() const {
  return static_cast<int>(
      std::count_if(FItems.begin(), FItems.end(), [](auto* i) { return !i->FRemoved && i->FEnabled; }));
}

void TVyrTimerPool::UpdateMainTimer(bool Start) {
  if (GetComponentState().Contains(csDesigning)) return;
  if (!FWindow) FWindow = AllocateHWnd(TWndMethod(this, &TVyrTimerPool::WndProc));
  FRunning = false;
  KillTimer(FWindow, kWindowTimerId);
  if (!Start || ActiveTimers() == 0) return;
  if (SetTimer(FWindow, kWindowTimerId, FMinInterval, nullptr) == 0) throw EOutOfResources(LoadStr(SNoTimers));
  FTick = 1;
  FRunning = true;
}

void TVyrTimerPool::WndProc(TMessage& Message) {
  if (Message.Msg != WM_TIMER) {
    Message.Result = DefWindowProc(FWindow, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  Message.Result = 0;
  VyrRunTick(FInHandler, this, [this] { Tick(); });
}

void TVyrTimerPool::Tick() {
  if (FRemoving) return;
  FInTickLoop = true;
  try {
    // The size is read at each step: a handler may add items, which this
    // pass still visits.
    for (std::size_t i = 0; i < FItems.size(); ++i) {
      TVyrTimerItem* item = FItems[i];
      if (!item->FRemoved && item->FEnabled && FTick % item->FDivisor == 0) item->Timer();
    }
  } catch (...) {
    SweepRemoved();
    throw;
  }
  SweepRemoved();
  if (++FTick < 0) FTick = 0;
}

void TVyrTimerPool::SweepRemoved() {
  FInTickLoop = false;
  std::vector<TVyrTimerItem*> removed;
  for (TVyrTimerItem* item : FItems)
    if (item->FRemoved) removed.push_back(item);
  for (TVyrTimerItem* item : removed) delete item;
  if (!removed.empty() && FItems.empty()) UpdateMainTimer(false);
}

}  // namespace Vyrclass
