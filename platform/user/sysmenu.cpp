#include "sysmenu.h"

#include "menu.h"
#include "messages.h"
#include "nc_state.h"
#include "window.h"
#include "window_internal.h"

namespace {

struct StandardEntry {
  UINT Flags;
  WPARAM Command;
  LPCSTR Text;
};

constexpr StandardEntry kWindowMenu[] = {
    {MF_STRING, SC_RESTORE, "&Wiederherstellen"},
    {MF_STRING, SC_MOVE, "&Verschieben"},
    {MF_STRING, SC_SIZE, "&Größe ändern"},
    {MF_STRING, SC_MINIMIZE, "Mi&nimieren"},
    {MF_STRING, SC_MAXIMIZE, "Ma&ximieren"},
    {MF_SEPARATOR, 0, nullptr},
    {MF_STRING | MF_DEFAULT, SC_CLOSE, "&Schließen\tAlt+F4"},
};

HMENU MakeWindowMenu() {
  HMENU m = CreatePopupMenu();
  for (const StandardEntry& e : kWindowMenu) AppendMenu(m, e.Flags, e.Command, e.Text);
  return m;
}

void Grey(HMENU m, WPARAM command, bool grey) {
  EnableMenuItem(m, static_cast<UINT>(command), MF_BYCOMMAND | (grey ? MF_GRAYED : MF_ENABLED));
}

}  // namespace

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
  if (!WindowManager::Find(hwnd)) return nullptr;
  NonClient::WindowState& s = NonClient::StateOf(hwnd);
  if (revert) {
    if (s.SystemMenu) DestroyMenu(s.SystemMenu);
    s.SystemMenu = nullptr;
    return nullptr;
  }
  if (!IsMenu(s.SystemMenu)) s.SystemMenu = MakeWindowMenu();
  return s.SystemMenu;
}

namespace Menus {

void UpdateSystemMenu(HWND hwnd, HMENU m) {
  WindowManager::WindowRecord* w = WindowManager::Find(hwnd);
  if (!w) return;
  bool changed = w->Minimized || w->Maximized;
  Grey(m, SC_RESTORE, !changed);
  Grey(m, SC_MOVE, w->Maximized);
  Grey(m, SC_SIZE, !(w->Style & WS_THICKFRAME) || changed);
  Grey(m, SC_MINIMIZE, !(w->Style & WS_MINIMIZEBOX) || w->Minimized);
  Grey(m, SC_MAXIMIZE, !(w->Style & WS_MAXIMIZEBOX) || w->Maximized);
}

}  // namespace Menus
