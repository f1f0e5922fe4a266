// GetWindowLong / SetWindowLong.
#include <cstring>

#include "lasterror.h"
#include "window.h"
#include "window_internal.h"

using namespace WindowManager;

namespace {

bool ExtraFits(const WindowRecord& w, int index, std::size_t size) {
  return index >= 0 && static_cast<std::size_t>(index) + size <= w.Extra.size();
}

}  // namespace

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
  WindowRecord* w = Find(hwnd);
  if (!w) return 0;
  switch (index) {
    case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(w->Proc);
    case GWL_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->Instance);
    case GWL_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->IsTopLevel() ? w->Owner : w->Parent);
    case GWL_STYLE: return static_cast<LONG>(w->Style);
    case GWL_EXSTYLE: return static_cast<LONG>(w->ExStyle);
    case GWL_USERDATA: return w->UserData;
    case GWL_ID: return w->Id;
  }
  if (ExtraFits(*w, index, sizeof(LONG_PTR))) {
    LONG_PTR v;
    std::memcpy(&v, w->Extra.data() + index, sizeof v);
    return v;
  }
  if (ExtraFits(*w, index, sizeof(LONG))) {
    LONG v;
    std::memcpy(&v, w->Extra.data() + index, sizeof v);
    return v;
  }
  SetLastError(ERROR_INVALID_PARAMETER);
  return 0;
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
  WindowRecord* w = Find(hwnd);
  if (!w || IsDesktop(hwnd)) return 0;
  LONG_PTR old = GetWindowLongPtr(hwnd, index);
  switch (index) {
    case GWL_WNDPROC: w->Proc = reinterpret_cast<WNDPROC>(value); return old;
    case GWL_HINSTANCE: w->Instance = reinterpret_cast<HINSTANCE>(value); return old;
    case GWL_HWNDPARENT:
      if (w->IsTopLevel()) {
        w->Owner = reinterpret_cast<HWND>(value);
        SyncHostOwner(*w);
      }
      return old;
    case GWL_STYLE: w->Style = static_cast<DWORD>(value); return old;
    case GWL_EXSTYLE: w->ExStyle = static_cast<DWORD>(value); return old;
    case GWL_USERDATA: w->UserData = value; return old;
    case GWL_ID: w->Id = value; return old;
  }
  if (ExtraFits(*w, index, sizeof(LONG_PTR))) {
    std::memcpy(w->Extra.data() + index, &value, sizeof value);
    return old;
  }
  if (ExtraFits(*w, index, sizeof(LONG))) {
    LONG v = static_cast<LONG>(value);
    std::memcpy(w->Extra.data() + index, &v, sizeof v);
    return old;
  }
  SetLastError(ERROR_INVALID_PARAMETER);
  return 0;
}

// A procedure or instance handle does not fit a LONG: the 32-bit calls
// refuse them rather than hand out (or install) a cut-off pointer.
bool IsPointerIndex(int index) { return index == GWL_WNDPROC || index == GWL_HINSTANCE; }

LONG GetWindowLong(HWND hwnd, int index) {
  if (IsPointerIndex(index)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WindowRecord* w = Find(hwnd);
  if (w && index >= 0) {
    if (!ExtraFits(*w, index, sizeof(LONG))) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
    LONG v;
    std::memcpy(&v, w->Extra.data() + index, sizeof v);
    return v;
  }
  return static_cast<LONG>(GetWindowLongPtr(hwnd, index));
}

LONG SetWindowLong(HWND hwnd, int index, LONG value) {
  if (IsPointerIndex(index)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WindowRecord* w = Find(hwnd);
  if (w && index >= 0) {
    if (!ExtraFits(*w, index, sizeof(LONG))) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
    LONG old;
    std::memcpy(&old, w->Extra.data() + index, sizeof old);
    std::memcpy(w->Extra.data() + index, &value, sizeof value);
    return old;
  }
  return static_cast<LONG>(SetWindowLongPtr(hwnd, index, value));
}

WORD GetWindowWord(HWND hwnd, int index) {
  WindowRecord* w = Find(hwnd);
  if (!w || !ExtraFits(*w, index, sizeof(WORD))) return 0;
  WORD v;
  std::memcpy(&v, w->Extra.data() + index, sizeof v);
  return v;
}
