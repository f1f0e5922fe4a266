// Window text through its messages, and window properties.
#include <algorithm>

#include "message_queue.h"
#include "sysutils.h"
#include "window.h"
#include "window_internal.h"

using namespace WindowManager;

BOOL SetWindowText(HWND hwnd, LPCSTR text) {
  if (!Find(hwnd)) return FALSE;
  return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowText(HWND hwnd, LPSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = '\0';
  if (!Find(hwnd)) return 0;
  return static_cast<int>(SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) {
  if (!Find(hwnd)) return 0;
  return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

namespace {

std::vector<WindowProperty>::iterator FindProperty(WindowRecord& w, LPCSTR name) {
  return std::find_if(w.Properties.begin(), w.Properties.end(),
                      [name](const WindowProperty& p) { return AnsiSameText(p.Name, name); });
}

}  // namespace

BOOL SetProp(HWND hwnd, LPCSTR name, HANDLE data) {
  WindowRecord* w = Find(hwnd);
  if (!w || !name) return FALSE;
  auto it = FindProperty(*w, name);
  if (it != w->Properties.end())
    it->Data = data;
  else
    w->Properties.push_back({name, data});
  return TRUE;
}

HANDLE GetProp(HWND hwnd, LPCSTR name) {
  WindowRecord* w = Find(hwnd);
  if (!w || !name) return nullptr;
  auto it = FindProperty(*w, name);
  return it == w->Properties.end() ? nullptr : it->Data;
}

HANDLE RemoveProp(HWND hwnd, LPCSTR name) {
  WindowRecord* w = Find(hwnd);
  if (!w || !name) return nullptr;
  auto it = FindProperty(*w, name);
  if (it == w->Properties.end()) return nullptr;
  HANDLE data = it->Data;
  w->Properties.erase(it);
  return data;
}
