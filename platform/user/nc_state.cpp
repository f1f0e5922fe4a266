#include "nc_state.h"

#include <map>

#include "focus.h"
#include "menu.h"

namespace NonClient {
namespace {

std::map<HWND, WindowState>& States() {
  static std::map<HWND, WindowState> states;
  return states;
}

}  // namespace

WindowState& StateOf(HWND hwnd) { return States()[hwnd]; }

WindowState* FindState(HWND hwnd) {
  auto it = States().find(hwnd);
  return it == States().end() ? nullptr : &it->second;
}

void ForgetState(HWND hwnd) {
  auto it = States().find(hwnd);
  if (it == States().end()) return;
  if (it->second.SystemMenu) DestroyMenu(it->second.SystemMenu);
  States().erase(it);
}

bool IsCaptionActive(HWND hwnd) {
  WindowState* s = FindState(hwnd);
  if (s && s->Active >= 0) return s->Active != 0;
  return GetActiveWindow() == hwnd;
}

}  // namespace NonClient
