// CreateWindowEx and DestroyWindow.
#include <algorithm>
#include <cstdint>

#include "host.h"
#include "lasterror.h"
#include "message_queue.h"
#include "nc_engine.h"
#include "queue_internal.h"
#include "window.h"
#include "window_internal.h"
#include "window_pos.h"
#include "window_table.h"

using namespace WindowManager;

namespace {

constexpr DWORD ERROR_CANNOT_FIND_WND_CLASS = 1407;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr int kDefaultX = 100, kDefaultY = 100, kDefaultWidth = 640, kDefaultHeight = 480;

unsigned HostFlags(const WindowRecord& w) {
  unsigned f = Backend::hwfNone;
  if (w.ExStyle & WS_EX_TOPMOST) f |= Backend::hwfTopmost;
  // A tool window with a caption and no owner is the program's main window
  // and carries the program's task-bar entry (there is no hidden application
  // window here to carry it); owned ones and bare pop-ups stay tool windows.
  const bool mainWindow = (w.Style & WS_CAPTION) == WS_CAPTION && !w.Owner;
  if ((w.ExStyle & WS_EX_TOOLWINDOW) && !mainWindow) f |= Backend::hwfToolWindow;
  if (IsPopupWindow(w)) f |= Backend::hwfPopup;
  return f;
}

}  // namespace

namespace WindowManager {

// Menus, drop-down lists and hints are tool windows without a caption. An
// owned pop-up that is no tool window is a form without a border, a dialog
// that takes the keyboard like any other.
bool IsPopupWindow(const WindowRecord& w) {
  return (w.Style & WS_POPUP) && (w.Style & WS_CAPTION) != WS_CAPTION && (w.ExStyle & WS_EX_TOOLWINDOW);
}

void SyncHostOwner(const WindowRecord& w) {
  if (!w.Host || !Backend::HostInstalled()) return;
  const WindowRecord* owner = Find(w.Owner);
  Backend::CurrentHost().SetOwner(w.Host, owner ? owner->Host : 0);
}

}  // namespace WindowManager

namespace {

// New windows go on top of their siblings; top-level ones below the
// topmost windows unless they are topmost themselves.
void LinkIntoParent(WindowRecord& w, WindowRecord& parent) {
  auto& list = parent.Children;
  auto pos = list.begin();
  if (w.IsTopLevel() && !(w.ExStyle & WS_EX_TOPMOST)) {
    pos = std::find_if(list.begin(), list.end(), [](HWND h) {
      WindowRecord* s = Find(h);
      return !s || !(s->ExStyle & WS_EX_TOPMOST);
    });
  }
  list.insert(pos, w.Handle);
}

void Unlink(WindowRecord& w) {
  if (WindowRecord* parent = Find(w.Parent)) std::erase(parent->Children, w.Handle);
}

// WM_DESTROY goes to the window first, then to its children.
void SendDestroy(HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  if (!w) return;
  w->Destroying = true;
  if (w->Created) Send(*w, WM_DESTROY, 0, 0);
  w = Find(hwnd);
  if (!w) return;
  std::vector<HWND> children = w->Children;
  for (HWND c : children) SendDestroy(c);
}

// WM_NCDESTROY goes to the children first; then the slot is freed.
void FinishDestroy(HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  if (!w) return;
  std::vector<HWND> children = w->Children;
  for (HWND c : children) FinishDestroy(c);
  w = Find(hwnd);
  if (!w) return;
  ForgetFocusWindow(hwnd);
  ForgetMouseWindow(hwnd);
  ReleaseWindowDCs(hwnd);
  KillWindowTimers(hwnd);
  PurgeWindowMessages(hwnd);
  if (w->Created) Send(*w, WM_NCDESTROY, 0, 0);
  w = Find(hwnd);
  if (!w) return;
  if (w->Host && Backend::HostInstalled()) Backend::CurrentHost().DestroyHostWindow(w->Host);
  if (w->Class) --w->Class->WindowCount;
  Unlink(*w);
  RetireWindow(hwnd);
}

void DestroyOwnedWindows(HWND owner) {
  for (HWND h : TopLevelWindows()) {
    WindowRecord* w = Find(h);
    if (w && w->Owner == owner && !w->Destroying) DestroyWindow(h);
  }
}

}  // namespace

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                    LPVOID param) {
  // Frames and captions are drawn by the non-client engine from the first
  // window on.
  EnsureNonClientEngine();
  auto cls = FindClass(className);
  if (!cls) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  bool messageOnly = parent == HWND_MESSAGE;
  WindowRecord* parentRecord = messageOnly || !parent ? &Desktop() : Find(parent);
  if (!parentRecord || ((style & WS_CHILD) && IsDesktop(parentRecord->Handle) && !messageOnly)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  HWND owner = nullptr;
  if (!(style & WS_CHILD) && !IsDesktop(parentRecord->Handle)) {
    // A top-level window's "parent" is its owner, which is always top-level.
    owner = TopLevelOf(*parentRecord)->Handle;
    parentRecord = &Desktop();
  }
  HWND parentHandle = parentRecord->Handle;

  WindowRecord* w = AllocateWindow();
  if (!w) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  HWND hwnd = w->Handle;
  w->Class = cls;
  ++cls->WindowCount;
  w->Proc = cls->Proc;
  w->Style = style & ~WS_VISIBLE;
  w->ExStyle = exStyle;
  w->Parent = parentHandle;
  w->Owner = owner;
  w->Instance = instance;
  w->MessageOnly = messageOnly;
  if (style & WS_CHILD)
    w->Id = reinterpret_cast<LONG_PTR>(menuOrId);
  else
    w->Menu = menuOrId;
  w->Extra.assign(static_cast<std::size_t>(cls->WindowExtra), 0);
  if (x == CW_USEDEFAULT) x = (style & WS_CHILD) ? 0 : kDefaultX, y = (style & WS_CHILD) ? 0 : kDefaultY;
  if (width == CW_USEDEFAULT) width = kDefaultWidth, height = kDefaultHeight;
  w->Rect = TRect(x, y, SaturatedCoordinate(std::int64_t{x} + std::max(width, 0)),
                  SaturatedCoordinate(std::int64_t{y} + std::max(height, 0)));
  w->NormalRect = w->Rect;
  w->Client = TRect(0, 0, w->Rect.Width(), w->Rect.Height());
  LinkIntoParent(*w, *parentRecord);
  if (w->IsTopLevel()) {
    w->Pixels = std::make_unique<Surface>(w->Rect.Width(), w->Rect.Height());
    if (!messageOnly && Backend::HostInstalled()) w->Host = Backend::CurrentHost().CreateHostWindow(w->Rect, HostFlags(*w));
    if (w->Owner) SyncHostOwner(*w);
  }

  CREATESTRUCT cs;
  cs.lpCreateParams = param;
  cs.hInstance = instance;
  cs.hMenu = menuOrId;
  cs.hwndParent = (style & WS_CHILD) ? parentHandle : owner;
  cs.x = x, cs.y = y, cs.cx = width, cs.cy = height;
  cs.style = static_cast<LONG>(style);
  cs.lpszName = windowName;
  cs.lpszClass = className;
  cs.dwExStyle = exStyle;
  auto csParam = reinterpret_cast<LPARAM>(&cs);

  if (w->IsTopLevel()) {
    MINMAXINFO mmi;
    Send(*w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    if (!(w = Find(hwnd))) return nullptr;
  }
  w->Created = true;
  if (!Send(*w, WM_NCCREATE, 0, csParam)) {
    if (Find(hwnd)) DestroyWindow(hwnd);
    return nullptr;
  }
  if (!(w = Find(hwnd))) return nullptr;
  RecalculateClient(*w);
  if (!(w = Find(hwnd))) return nullptr;
  if (Send(*w, WM_CREATE, 0, csParam) == -1) {
    if (Find(hwnd)) DestroyWindow(hwnd);
    return nullptr;
  }
  if (!(w = Find(hwnd))) return nullptr;
  Send(*w, WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(w->Client.Width()), static_cast<WORD>(w->Client.Height())));
  if (!(w = Find(hwnd))) return nullptr;
  TPoint clientPos(w->Rect.left + w->Client.left, w->Rect.top + w->Client.top);
  Send(*w, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(clientPos.x), static_cast<WORD>(clientPos.y)));
  if (!Find(hwnd)) return nullptr;
  if ((style & WS_VISIBLE) && !messageOnly) ShowWindow(hwnd, SW_SHOW);
  return Find(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (w->Destroying) return FALSE;
  w->Destroying = true;
  if (w->IsTopLevel()) DestroyOwnedWindows(hwnd);
  if (Find(hwnd) && IsWindowVisible(hwnd))
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  w = Find(hwnd);
  if (!w) return TRUE;
  // Focus, activation and capture leave the window before it hears
  // WM_DESTROY, as on the original.
  ForgetFocusWindow(hwnd);
  ForgetMouseWindow(hwnd);
  w->Destroying = false;
  SendDestroy(hwnd);
  FinishDestroy(hwnd);
  return TRUE;
}
