// Where a docked label and its control go relative to each other.
#include "messages.h"
#include "vyrstdcs.h"
#include "wincontrol.h"
#include "window.h"

namespace Vyrstdcs {

namespace {
bool Beside(TVyrDockPosition P) { return P == TVyrDockPosition::dpLeft || P == TVyrDockPosition::dpRight; }
}  // namespace

TRect VyrDockLabelBounds(const TRect& C, int LabelWidth, int LabelHeight, TVyrDockPosition Position, int Margin,
                         bool AdjustDockedSize) {
  int W = LabelWidth, H = LabelHeight;
  if (AdjustDockedSize) (Beside(Position) ? H : W) = Beside(Position) ? C.Height() : C.Width();
  switch (Position) {
    case TVyrDockPosition::dpBottom: return Bounds(C.left, C.bottom + Margin, W, H);
    case TVyrDockPosition::dpLeft: return Bounds(C.left - W - Margin, C.top, W, H);
    case TVyrDockPosition::dpRight: return Bounds(C.right + Margin, C.top, W, H);
    case TVyrDockPosition::dpTop: return Bounds(C.left, C.top - H - Margin, W, H);
  }
  return C;
}

TRect VyrDockControlBounds(const TRect& B, int ControlWidth, int ControlHeight, TVyrDockPosition Position, int Margin,
                           bool AdjustDockedSize) {
  int W = ControlWidth, H = ControlHeight;
  if (AdjustDockedSize) (Beside(Position) ? H : W) = Beside(Position) ? B.Height() : B.Width();
  switch (Position) {
    case TVyrDockPosition::dpBottom: return Bounds(B.left, B.top - H - Margin, W, H);
    case TVyrDockPosition::dpLeft: return Bounds(B.right + Margin, B.top, W, H);
    case TVyrDockPosition::dpRight: return Bounds(B.left - W - Margin, B.top, W, H);
    case TVyrDockPosition::dpTop: return Bounds(B.left, B.bottom + Margin, W, H);
  }
  return B;
}

// ---- the hook ----

TVyrDockHook::~TVyrDockHook() {
  // Whoever still holds the link reaches what it replaced.
  if (instance_) FreeObjectInstance(instance_, saved_);
}

void TVyrDockHook::Hook(TWinControl* Control) {
  try {
    HWND window = Control ? Control->GetHandle() : nullptr;
    if (!window) return;
    if (instance_ && window == window_ &&
        reinterpret_cast<WNDPROC>(GetWindowLongPtr(window, GWLP_WNDPROC)) == instance_)
      return;
    // A link into another chain (or below a later hook) retires first.
    if (window_) Restore();
    if (!instance_) instance_ = MakeObjectInstance(TWndMethod(this, &TVyrDockHook::OwnWndProc));
    saved_ = reinterpret_cast<WNDPROC>(GetWindowLongPtr(window, GWLP_WNDPROC));
    window_ = window;
    SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(instance_));
  } catch (...) {
  }
}

void TVyrDockHook::Restore() {
  if (!window_ || !instance_) return;
  restoring_ = true;
  if (IsWindow(window_)) {
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtr(window_, GWLP_WNDPROC));
    if (current == instance_) {
      SetWindowLongPtr(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved_));
    } else {
      // Another hook sits above: the link stays in its chain but only
      // passes messages on from now on; a later hook gets a new one.
      FreeObjectInstance(instance_, saved_);
      instance_ = nullptr;
    }
  }
  window_ = nullptr;
  saved_ = nullptr;
  restoring_ = false;
}

void TVyrDockHook::OwnWndProc(TMessage& Message) {
  HWND window = window_;
  WNDPROC saved = saved_;
  Message.Result = CallWindowProc(saved, window, Message.Msg, Message.WParam, Message.LParam);
  if (restoring_ || !saved) return;
  switch (Message.Msg) {
    case WM_DESTROY:
      Restore();
      client_.DockedWindowDestroyed();
      break;
    case WM_MOVE:
    case WM_SIZE: client_.DockedControlMoved(); break;
    case WM_ENABLE: client_.DockedControlEnabled(Message.WParam > 0); break;
    case WM_SHOWWINDOW: client_.DockedControlShown(Message.WParam != 0); break;
    default: break;
  }
}

}  // namespace Vyrstdcs
