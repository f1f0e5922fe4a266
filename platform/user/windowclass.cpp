#include "windowclass.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "lasterror.h"
#include "sysutils.h"
#include "window_internal.h"

namespace WindowManager {

// Registered classes; a class stays alive in its windows' records after it
// is unregistered (which is refused while any exist anyway).
std::vector<std::shared_ptr<WindowClass>>& Classes() {
  static std::vector<std::shared_ptr<WindowClass>> classes;
  return classes;
}

std::shared_ptr<WindowClass> FindClass(LPCSTR name) {
  if (!name) return nullptr;
  for (auto& c : Classes())
    if (AnsiSameText(c->Name, name)) return c;
  return nullptr;
}

}  // namespace WindowManager

using namespace WindowManager;

namespace {

ATOM Register(std::shared_ptr<WindowClass> c) {
  if (c->Name.IsEmpty() || FindClass(c->Name.c_str())) {
    SetLastError(ERROR_ALREADY_EXISTS);
    return 0;
  }
  static ATOM nextAtom = 0xC000;
  if (nextAtom == 0xFFFF) return 0;
  c->Atom = nextAtom++;
  c->Extra.assign(static_cast<std::size_t>(std::clamp(c->ClassExtra, 0, 4096)), 0);
  c->WindowExtra = std::clamp(c->WindowExtra, 0, 4096);
  Classes().push_back(c);
  return c->Atom;
}

}  // namespace

namespace {

// The fields WNDCLASS and WNDCLASSEX share.
template <class Record>
std::shared_ptr<WindowClass> ClassFrom(const Record& wc) {
  auto c = std::make_shared<WindowClass>();
  c->Name = wc.lpszClassName;
  c->Style = wc.style;
  c->Proc = wc.lpfnWndProc;
  c->ClassExtra = wc.cbClsExtra;
  c->WindowExtra = wc.cbWndExtra;
  c->Instance = wc.hInstance;
  c->Icon = wc.hIcon;
  c->Cursor = wc.hCursor;
  c->Background = wc.hbrBackground;
  c->MenuName = wc.lpszMenuName ? wc.lpszMenuName : "";
  return c;
}

}  // namespace

ATOM RegisterClass(const WNDCLASS* wc) {
  if (!wc || !wc->lpszClassName) return 0;
  return Register(ClassFrom(*wc));
}

ATOM RegisterClassEx(const WNDCLASSEX* wc) {
  if (!wc || !wc->lpszClassName) return 0;
  auto c = ClassFrom(*wc);
  c->SmallIcon = wc->hIconSm;
  return Register(std::move(c));
}

BOOL UnregisterClass(LPCSTR name, HINSTANCE) {
  auto c = FindClass(name);
  if (!c || c->WindowCount > 0) return FALSE;
  auto& all = Classes();
  all.erase(std::remove(all.begin(), all.end(), c), all.end());
  return TRUE;
}

BOOL GetClassInfo(HINSTANCE, LPCSTR name, WNDCLASS* out) {
  auto c = FindClass(name);
  if (!c || !out) return FALSE;
  out->style = c->Style;
  out->lpfnWndProc = c->Proc;
  out->cbClsExtra = c->ClassExtra;
  out->cbWndExtra = c->WindowExtra;
  out->hInstance = c->Instance;
  out->hIcon = c->Icon;
  out->hCursor = c->Cursor;
  out->hbrBackground = c->Background;
  out->lpszMenuName = nullptr;
  out->lpszClassName = name;
  return TRUE;
}

int GetClassName(HWND hwnd, LPSTR buffer, int size) {
  WindowRecord* w = Find(hwnd);
  if (!w || !w->Class || !buffer || size <= 0) return 0;
  const std::string& n = w->Class->Name.str();
  int len = std::min<int>(static_cast<int>(n.size()), size - 1);
  std::copy_n(n.data(), len, buffer);
  buffer[len] = '\0';
  return len;
}

ULONG_PTR GetClassLongPtr(HWND hwnd, int index) {
  WindowRecord* w = Find(hwnd);
  if (!w || !w->Class) return 0;
  switch (index) {
    case GCL_STYLE: return w->Class->Style;
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(w->Class->Background);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(w->Class->Cursor);
  }
  return 0;
}

DWORD GetClassLong(HWND hwnd, int index) { return static_cast<DWORD>(GetClassLongPtr(hwnd, index)); }

ULONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value) {
  WindowRecord* w = Find(hwnd);
  if (!w || !w->Class) return 0;
  ULONG_PTR old = GetClassLongPtr(hwnd, index);
  switch (index) {
    case GCL_STYLE: w->Class->Style = static_cast<UINT>(value); break;
    case GCLP_HBRBACKGROUND: w->Class->Background = reinterpret_cast<HBRUSH>(value); break;
    case GCLP_HCURSOR: w->Class->Cursor = reinterpret_cast<HCURSOR>(value); break;
    default: return 0;
  }
  return old;
}
