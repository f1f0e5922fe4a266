// Inside the window manager: the window record, lookup by handle, the
// coordinate walks and the visible-region computation, and the hooks
// through which the non-client engine (frames, captions, menu bar) plugs in.
//
// Everything here is for the UI thread only. Files of platform/user include
// it; nothing above the module does.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ansistring.h"
#include "host.h"
#include "hwnd.h"
#include "rect.h"
#include "region.h"
#include "surface.h"

namespace WindowManager {

struct WindowClass {
  AnsiString Name;
  ATOM Atom = 0;
  UINT Style = 0;
  WNDPROC Proc = nullptr;
  int ClassExtra = 0;
  int WindowExtra = 0;
  HINSTANCE Instance = nullptr;
  HICON Icon = nullptr;
  HICON SmallIcon = nullptr;
  HCURSOR Cursor = nullptr;
  HBRUSH Background = nullptr;
  AnsiString MenuName;
  std::vector<BYTE> Extra;
  int WindowCount = 0;
};

struct WindowProperty {
  AnsiString Name;
  HANDLE Data = nullptr;
};

// One window. Rectangles: `Rect` is the window rectangle in the parent's
// client coordinates (screen coordinates for a top-level window); `Client`
// is the client rectangle in window coordinates (what WM_NCCALCSIZE left).
struct WindowRecord {
  HWND Handle = nullptr;
  std::shared_ptr<WindowClass> Class;
  WNDPROC Proc = nullptr;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  AnsiString Text;
  HWND Parent = nullptr;  // the desktop for top-level windows
  HWND Owner = nullptr;   // top-level windows only
  // Children, topmost first.
  std::vector<HWND> Children;
  TRect Rect;
  TRect Client;
  HINSTANCE Instance = nullptr;
  LONG_PTR Id = 0;  // GWL_ID; the menu handle of a top-level window
  HMENU Menu = nullptr;
  LONG_PTR UserData = 0;
  std::vector<BYTE> Extra;
  std::vector<WindowProperty> Properties;

  // Window region in window coordinates; none = the whole rectangle.
  std::optional<Region> Shape;

  // Painting: the update region in window coordinates (both areas), and
  // what the next paint owes.
  Region Update;
  bool EraseOwed = false;
  bool NonClientOwed = false;
  bool InternalPaint = false;
  bool RedrawOff = false;  // WM_SETREDRAW FALSE
  bool Minimized = false;
  bool Maximized = false;
  bool Destroying = false;
  bool Created = false;  // WM_NCCREATE succeeded: owes WM_NCDESTROY
  bool MessageOnly = false;  // parented to HWND_MESSAGE: never shown
  // The rectangle to restore after minimising or maximising.
  TRect NormalRect;

  // Top-level windows: the host window and the retained surface the size
  // of the window rectangle, and what changed since the last present.
  Backend::HostWindowId Host = 0;
  std::unique_ptr<Surface> Pixels;
  TRect Dirty;

  // Whatever the style says, a window whose parent is not the desktop is
  // painted into its parent and clipped to it.
  bool IsTopLevel() const;
  bool IsVisibleBit() const { return (Style & 0x10000000u) != 0; }
  bool IsEnabledBit() const { return (Style & 0x08000000u) == 0; }
};

// The registered class of that name (case ignored), else null.
std::shared_ptr<WindowClass> FindClass(LPCSTR name);

// The live record behind a handle, else null. The desktop has a record too.
WindowRecord* Find(HWND hwnd);
WindowRecord& Desktop();
bool IsDesktop(HWND hwnd);
// Every live window except the desktop, in creation order (a copy: the
// caller may destroy windows while walking it).
std::vector<HWND> AllWindows();
// Top-level windows, topmost first.
std::vector<HWND> TopLevelWindows();

// The top-level window a window is painted into (itself when top-level);
// null for the desktop.
WindowRecord* TopLevelOf(WindowRecord& w);
// Where the window's corner lies on its top-level surface, and on the
// screen.
TPoint OriginOnSurface(const WindowRecord& w);
TPoint OriginOnScreen(const WindowRecord& w);
// A coordinate summed in 64 bits, kept within 32: windows may lie at the far
// end of the range, and their edges must not wrap round.
inline LONG SaturatedCoordinate(std::int64_t v) {
  return static_cast<LONG>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}
// The window and all its ancestors have WS_VISIBLE.
bool IsShown(const WindowRecord& w);

enum class VisibleArea { Client, Window };
enum VisibleFlags : unsigned {
  vfNone = 0,
  vfClipChildren = 1,   // take the children out even without WS_CLIPCHILDREN
  vfClipSiblings = 2,   // take the siblings above out even without WS_CLIPSIBLINGS
  vfNoChildClip = 4,    // keep the children in even with WS_CLIPCHILDREN
};
// What drawing on the window reaches, in top-level surface coordinates: the
// window's own rectangle (client or whole) within its region, within every
// ancestor's client area and region, minus the children when WS_CLIPCHILDREN
// is set, minus the visible siblings above it (at each level) where
// WS_CLIPSIBLINGS is set; empty when it or an ancestor below the top-level
// window is hidden. A hidden top-level window keeps drawing into its own
// retained surface, which nothing else shares, so what a form draws before
// it is shown is there to be read back.
Region VisibleRegion(const WindowRecord& w, VisibleArea area, unsigned flags = vfNone);

// A device context on the window: its client area, or the whole window;
// `intersect` and `exclude` (DC coordinates) narrow it further. The DC
// follows the window's moves until ReleaseDC.
HDC OpenWindowDC(WindowRecord& w, VisibleArea area, unsigned flags, const Region* intersect,
                 const Region* exclude);

// The window or an ancestor is held by LockWindowUpdate.
bool IsUpdateLocked(const WindowRecord& w);
// The window has something to paint.
bool OwesPaint(const WindowRecord& w);

// Marks part of a top-level surface as changed (surface coordinates), so the
// next pump presents it.
void MarkDirty(WindowRecord& topLevel, const TRect& r);

// Sends through the window's current procedure (re-entrant, UI thread).
LRESULT Send(WindowRecord& w, UINT msg, WPARAM wParam, LPARAM lParam);

// Asks the window for its client area (WM_NCCALCSIZE) and stores it.
void RecalculateClient(WindowRecord& w);

// Activation: makes a top-level window the active one (WA_ACTIVE or
// WA_CLICKACTIVE), with the platform's message order.
void ActivateTopLevel(HWND hwnd, WORD how);
// Hands activation on from a window that is hidden or destroyed.
void ActivateAnotherThan(HWND hwnd);

// The host gave the keyboard to a top-level window, or took it from us.
void HostFocusChanged(HWND topLevel, bool gained);
// The host gave the keyboard to a pop-up of ours (a desktop without a window
// manager focuses every window that is mapped).
void HostFocusOnPopup();
// A window that never takes the activation: a pop-up with an owner.
bool IsPopupWindow(const WindowRecord& w);
// Tells the host whose window a top-level window is (its owner's).
void SyncHostOwner(const WindowRecord& w);
// The top-level window behind a host window, else null.
WindowRecord* FindByHost(Backend::HostWindowId id);

// Forget a window that is being destroyed: focus, activation, capture, mouse
// tracking, its device contexts. Each module keeps its own references.
void ForgetFocusWindow(HWND hwnd);
void ForgetMouseWindow(HWND hwnd);
void ReleaseWindowDCs(HWND hwnd);
// Device contexts follow a move, resize, show or hide within a top-level
// window.
void RefreshWindowDCs(WindowRecord& topLevel);

// ---- hooks of the non-client engine -------------------------------------

// The frame, caption and menu-bar thicknesses of a window with these
// styles: window rect minus insets = client rect. The default knows WS_BORDER
// (1), WS_EX_CLIENTEDGE (2), the dialog and sizing frames and a caption.
using NonClientMetricsProvider = TRect (*)(DWORD style, DWORD exStyle, bool hasMenu);
void SetNonClientMetricsProvider(NonClientMetricsProvider provider);  // nullptr = default
TRect NonClientInsets(DWORD style, DWORD exStyle, bool hasMenu);

// Draws the non-client area (frame, caption, menu bar) on a window DC
// (GetWindowDC); `update` is in window coordinates. The default draws
// nothing.
using NonClientPainter = void (*)(HWND hwnd, HDC windowDC, const Region& update);
void SetNonClientPainter(NonClientPainter painter);
void PaintNonClient(HWND hwnd, HDC windowDC, const Region& update);

// The hit test of a screen point that lies in the window's rectangle but
// outside its client area. The default answers HTCAPTION above the client
// area when the window has a caption, else HTBORDER.
using NonClientHitTester = LRESULT (*)(HWND hwnd, POINT screen);
void SetNonClientHitTester(NonClientHitTester tester);
LRESULT HitTestNonClient(HWND hwnd, POINT screen);

// A first look at every message DefWindowProc receives (non-client mouse,
// WM_SYSCOMMAND, menu keys ...): true when handled, with the result.
using DefWindowProcExtension = bool (*)(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                        LRESULT& result);
void SetDefWindowProcExtension(DefWindowProcExtension extension);
bool CallDefWindowProcExtension(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace WindowManager
