// Host events become messages.
#include "focus.h"
#include "message_queue.h"
#include "messages.h"
#include "paint.h"
#include "queue_internal.h"
#include "window.h"
#include "window_internal.h"

namespace WindowManager {
namespace {

// A focus loss is only final when no window of ours gains the focus in the
// same batch (the host moves it between our windows in two steps).
struct PendingFocus {
  bool Lost = false;
};

PendingFocus& Pending() {
  static PendingFocus p;
  return p;
}

// The session ends, or a signal asks the program to stop: every main window
// (shown, with a caption, owned by none) is asked to close as the desktop
// would ask it, so that its close handlers save what they save. Without
// such a window nothing would ever end the loop: quit at once.
void CloseMainWindows() {
  bool asked = false;
  for (HWND h : TopLevelWindows()) {
    WindowRecord* w = Find(h);
    if (!w || w->Owner || w->MessageOnly || !w->IsVisibleBit() || (w->Style & WS_CAPTION) != WS_CAPTION) continue;
    PostMessage(h, WM_CLOSE, 0, 0);
    asked = true;
  }
  if (!asked) PostQuitMessage(0);
}

}  // namespace

void HandleHostEvent(const Backend::Event& e) {
  using Backend::EventKind;
  switch (e.Kind) {
    case EventKind::KeyDown: HostKey(e, true); break;
    case EventKind::KeyUp: HostKey(e, false); break;
    case EventKind::Text: HostText(e); break;
    case EventKind::MouseMove: HostMouseMove(e); break;
    case EventKind::MouseDown: HostMouseButton(e, true); break;
    case EventKind::MouseUp: HostMouseButton(e, false); break;
    case EventKind::MouseWheel: HostMouseWheel(e); break;
    case EventKind::MouseLeave: HostMouseLeft(); break;
    case EventKind::FocusGained:
      if (WindowRecord* w = FindByHost(e.Window)) {
        Pending().Lost = false;
        if (IsPopupWindow(*w)) HostFocusOnPopup();
        else HostFocusChanged(w->Handle, true);
      }
      break;
    case EventKind::FocusLost: Pending().Lost = true; break;
    case EventKind::CloseRequest:
      if (WindowRecord* w = FindByHost(e.Window)) PostMessage(w->Handle, WM_CLOSE, 0, 0);
      break;
    case EventKind::Expose:
      if (WindowRecord* w = FindByHost(e.Window); w && w->Pixels)
        MarkDirty(*w, TRect(0, 0, w->Pixels->Width(), w->Pixels->Height()));
      break;
    case EventKind::Moved:
      if (WindowRecord* w = FindByHost(e.Window)) {
        // The desktop moved it: keep our rectangle, without moving the host back.
        TRect r = w->Rect;
        OffsetRect(&r, e.X - r.left, e.Y - r.top);
        w->Rect = r;
        if (!w->Minimized && !w->Maximized) w->NormalRect = r;
        Send(*w, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(r.left + w->Client.left), static_cast<WORD>(r.top + w->Client.top)));
      }
      break;
    case EventKind::DisplaysChanged: {
      TRect all;
      for (const TRect& d : Backend::CurrentHost().Displays()) UnionRect(&all, &all, &d);
      SendMessage(reinterpret_cast<HWND>(static_cast<std::intptr_t>(0xFFFF)), WM_DISPLAYCHANGE, 32,
                  MAKELPARAM(static_cast<WORD>(all.Width()), static_cast<WORD>(all.Height())));
      break;
    }
    case EventKind::Quit: CloseMainWindows(); break;
    case EventKind::Drop:
    case EventKind::None: break;
  }
}

void FinishHostEventBatch() {
  if (!Pending().Lost) return;
  Pending().Lost = false;
  HostFocusChanged(nullptr, false);
}

}  // namespace WindowManager
