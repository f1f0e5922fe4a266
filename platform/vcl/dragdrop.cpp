#include <cstdlib>

#include "control.h"
#include "cursor.h"
#include "dragengine.h"
#include "findcontrol.h"
#include "keyboard.h"
#include "mouse.h"
#include "tscreen.h"
#include "wincontrol.h"

namespace {

struct DragState {
  TControl* source = nullptr;
  TDragObject* object = nullptr;
  // Made here (and freed here); the events then get the control as Source.
  bool ownObject = false;
  bool started = false;
  bool automatic = false;
  bool dock = false;
  TPoint startPos;
  int threshold = kDragThreshold;
  // The pointer's offset into the control where it was grabbed.
  TPoint grab;
  // The drag target: a control (dkDrag) or a dock site (dkDock).
  TControl* target = nullptr;
  bool accepted = false;
  TCursor cursor = crDefault;
  // Counts drags, so a handler that ended this one and began another is
  // noticed.
  unsigned generation = 0;
};

DragState& State() {
  static DragState state;
  return state;
}

TObject* SourceArgument(const DragState& S) {
  if (S.ownObject) return S.source;
  return S.object;
}

TPoint MessagePos(TWinControl* Receiver, const TMessage& Message) {
  const TPoint local(static_cast<short>(Message.LParamLo()), static_cast<short>(Message.LParamHi()));
  return Receiver->ClientToScreen(local);
}

void ShowDragCursor(TCursor Cursor) {
  State().cursor = Cursor;
  if (Screen) SetCursor(Screen->GetCursors(Cursor));
}

// A new drag state, numbered after the last.
void Reset(DragState& S) {
  const unsigned generation = S.generation + 1;
  S = DragState();
  S.generation = generation;
}

}  // namespace

// The dock sites whose influence takes in the point, asked through their
// OnGetSiteInfo; the smallest wins, so a site inside another is found.
TWinControl* TDragEngine::FindDockSite(TControl* Client, const TPoint& Pos) {
  TWinControl* best = nullptr;
  long long bestArea = 0;
  for (TWinControl* site : DockSites()) {
    if (site == Client || !site->GetShowing() || !site->GetEnabled()) continue;
    if (auto* windowed = dynamic_cast_object<TWinControl>(Client); windowed && windowed->ContainsControl(site))
      continue;
    const TPoint origin = site->ClientToScreen(TPoint(0, 0));
    TRect influence(origin.x, origin.y, origin.x + site->GetClientWidth(), origin.y + site->GetClientHeight());
    bool canDock = true;
    site->GetSiteInfo(Client, influence, Pos, canDock);
    if (!canDock || !PtInRect(&influence, Pos)) continue;
    const long long area = static_cast<long long>(influence.Width()) * influence.Height();
    if (!best || area < bestArea) {
      best = site;
      bestArea = area;
    }
  }
  return best;
}

bool TDragEngine::AskDragOver(TControl* Target, const TPoint& Pos, TDragState What) {
  DragState& s = State();
  const TPoint local = Target->ScreenToClient(Pos);
  bool accept = false;
  Target->DragOver(SourceArgument(s), local.x, local.y, What, accept);
  return accept;
}

bool TDragEngine::AskDockOver(TWinControl* Site, const TPoint& Pos, TDragState What) {
  DragState& s = State();
  const TPoint local = Site->ScreenToClient(Pos);
  bool accept = true;
  Site->DockOver(static_cast<TDragDockObject*>(s.object), local.x, local.y, What, accept);
  return accept;
}

TCursor TDragObject::GetDragCursor(bool Accepted, int, int) { return Accepted ? crDrag : crNoDrop; }

TCursor TDragControlObject::GetDragCursor(bool Accepted, int, int) {
  return Accepted ? control_->GetDragCursor() : crNoDrop;
}

// A docking drag shows the dock rectangle nowhere; its cursor stays the
// arrow unless a site takes it.
TCursor TDragDockObject::GetDragCursor(bool Accepted, int, int) {
  return Accepted ? GetControl()->GetDragCursor() : crDefault;
}

TDragObject* ActiveDragObject() { return TDragEngine::Object(); }
TCursor ActiveDragCursor() { return TDragEngine::Cursor(); }
void CancelDrag() { TDragEngine::Done(false); }

TControl* TDragEngine::Source() { return State().source; }
TDragObject* TDragEngine::Object() { return State().started ? State().object : nullptr; }
TCursor TDragEngine::Cursor() { return State().started ? State().cursor : crDefault; }

void TDragEngine::Init(TControl* Control, bool Immediate, int Threshold, bool Automatic) {
  DragState& s = State();
  if (s.source) return;
  Reset(s);
  s.source = Control;
  s.automatic = Automatic;
  s.dock = Control->GetDragKind() == dkDock;
  s.threshold = Threshold < 0 ? kDragThreshold : Threshold;
  POINT p{};
  GetCursorPos(&p);
  s.startPos = TPoint(p.x, p.y);
  s.grab = Control->ScreenToClient(s.startPos);
  // The pointer's moves must reach the drag wherever they go.
  if (GetCaptureControl() != Control) SetCaptureControl(Control);
  if (Immediate) Start(s.startPos);
}

void TDragEngine::Start(const TPoint& Pos) {
  DragState& s = State();
  const unsigned generation = s.generation;
  TControl* control = s.source;
  // No click once the press became a drag.
  control->controlState_.Exclude(csClicked);
  control->controlState_.Exclude(csLButtonDown);
  // The start event may hand back an object of its own; else one is made
  // here, and the events then see the control as the source.
  auto begin = [&]<class Made, class Handed>(void (TControl::*Event)(Handed*&)) {
    Handed* object = nullptr;
    (control->*Event)(object);
    if (s.generation != generation || !s.source) return false;
    if (!object) {
      object = TObject::Create<Made>(control);
      s.ownObject = true;
    }
    s.object = object;
    return true;
  };
  const bool begun = s.dock ? begin.operator()<TDragDockObject>(&TControl::DoStartDock)
                            : begin.operator()<TDragControlObject>(&TControl::DoStartDrag);
  if (!begun) return;
  s.started = true;
  MoveTo(Pos);
}

void TDragEngine::MoveTo(const TPoint& Pos) {
  DragState& s = State();
  const unsigned generation = s.generation;
  s.object->dragPos_ = Pos;
  TControl* now = nullptr;
  if (s.dock)
    now = FindDockSite(s.source, Pos);
  else
    now = FindDragTarget(Pos, false);
  auto ask = [&](TControl* Target, TDragState What) {
    if (s.dock) return AskDockOver(static_cast<TWinControl*>(Target), Pos, What);
    return AskDragOver(Target, Pos, What);
  };
  if (now != s.target) {
    TControl* old = s.target;
    s.target = nullptr;
    s.accepted = false;
    if (old) ask(old, dsDragLeave);
    if (s.generation != generation || !s.started) return;
    s.target = now;
    s.object->dragTarget_ = now;
    if (now) s.accepted = ask(now, dsDragEnter);
  } else if (now) {
    s.accepted = ask(now, dsDragMove);
  }
  if (s.generation != generation || !s.started) return;
  if (s.dock) {
    auto* dock = static_cast<TDragDockObject*>(s.object);
    dock->SetFloating(!s.accepted);
    TRect at(Pos.x - s.grab.x, Pos.y - s.grab.y, Pos.x - s.grab.x + s.source->GetWidth(),
             Pos.y - s.grab.y + s.source->GetHeight());
    dock->SetDockRect(at);
  }
  ShowDragCursor(s.object->GetDragCursor(s.accepted, Pos.x, Pos.y));
}

bool TDragEngine::Filter(TWinControl* Receiver, TMessage& Message) {
  DragState& s = State();
  if (!s.source) return false;
  switch (Message.Msg) {
    case WM_MOUSEMOVE: {
      const TPoint pos = MessagePos(Receiver, Message);
      if (!s.started) {
        if (std::abs(pos.x - s.startPos.x) < s.threshold && std::abs(pos.y - s.startPos.y) < s.threshold)
          return false;
        Start(pos);
        return true;
      }
      MoveTo(pos);
      return true;
    }
    case WM_LBUTTONUP:
      if (!s.started) {
        // Released before the threshold: a plain click after all.
        Forget(s.source);
        return false;
      }
      s.object->dragPos_ = MessagePos(Receiver, Message);
      Done(true);
      return true;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (!s.started) return false;
      Done(false);
      return true;
    case WM_KEYDOWN:
      if (!s.started || Message.WParam != VK_ESCAPE) return false;
      Done(false);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_SETCURSOR:
      return s.started;
    default: return false;
  }
}

void TDragEngine::Done(bool Drop) {
  DragState& s = State();
  if (!s.source) return;
  if (!s.started || s.object->cancelling_) {
    if (!s.started) Forget(s.source);
    return;
  }
  const unsigned generation = s.generation;
  TDragObject* object = s.object;
  object->cancelling_ = true;
  object->dropped_ = Drop;
  const TPoint pos = object->dragPos_;
  TControl* source = s.source;
  TControl* target = s.target;
  const bool dock = s.dock;
  TWinControl* site = dock ? static_cast<TWinControl*>(target) : nullptr;

  bool accepted = false;
  bool allowed = true;
  if (dock && Drop) {
    // The site the control leaves may keep it.
    TWinControl* host = source->GetHostDockSite();
    if (host && host != site) allowed = host->DoUnDock(s.accepted ? site : nullptr, source);
  }
  if (target) {
    const bool leave = dock ? AskDockOver(site, pos, dsDragLeave) : AskDragOver(target, pos, dsDragLeave);
    accepted = leave && Drop && allowed;
    if (dock) accepted = accepted && s.accepted;
  }
  if (s.generation != generation) return;
  const bool floatIt = dock && Drop && allowed && !accepted;
  const bool own = s.ownObject;
  TObject* sourceArgument = SourceArgument(s);
  Reset(s);
  SetCaptureControl(nullptr);
  if (Screen) SetCursor(Screen->GetCursors(crDefault));

  TPoint local;
  if (accepted) local = target->ScreenToClient(pos);
  if (site) {
    if (accepted) {
      const TRect rect = static_cast<TDragDockObject*>(object)->GetDockRect();
      const TPoint topLeft = site->ScreenToClient(TPoint(rect.left, rect.top));
      source->Dock(site, TRect(topLeft.x, topLeft.y, topLeft.x + rect.Width(), topLeft.y + rect.Height()));
      site->DockDrop(static_cast<TDragDockObject*>(object), local.x, local.y);
    }
  }
  if (floatIt) source->FloatAt(static_cast<TDragDockObject*>(object)->GetDockRect());
  if (!dock && accepted) target->DragDrop(sourceArgument, local.x, local.y);
  if (dock)
    source->DoEndDock(accepted ? target : nullptr, local.x, local.y);
  else
    source->DoEndDrag(accepted ? target : nullptr, local.x, local.y);
  if (own) object->Free();
}

void TDragEngine::Forget(TControl* Control) {
  DragState& s = State();
  if (s.target == Control) {
    s.target = nullptr;
    s.accepted = false;
    if (s.object) s.object->dragTarget_ = nullptr;
  }
  if (s.source != Control) return;
  if (s.ownObject && s.object) s.object->Free();
  const bool started = s.started;
  Reset(s);
  if (started && Screen) SetCursor(Screen->GetCursors(crDefault));
}
