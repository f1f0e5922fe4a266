// The menu records and the calls that build and query them.
#include <algorithm>
#include <cstring>
#include <memory>

#include "utf8.h"
#include "menu_model.h"
#include "nc_engine.h"
#include "paint.h"
#include "window.h"
#include "window_internal.h"
#include "window_pos.h"

namespace Menus {
namespace {

struct Slot {
  std::uint16_t Generation = 0;
  std::unique_ptr<MenuRecord> Record;
};

std::vector<Slot>& Slots() {
  static std::vector<Slot> slots;
  return slots;
}

// Handle bits: generation << 16 | (slot + 1).
HMENU HandleOf(std::size_t slot, std::uint16_t generation) {
  auto v = (static_cast<std::uintptr_t>(generation) << 16) | (slot + 1);
  return reinterpret_cast<HMENU>(v);
}

HMENU Allocate(bool popup) {
  EnsureNonClientEngine();
  auto& slots = Slots();
  std::size_t i = 0;
  while (i < slots.size() && slots[i].Record) ++i;
  if (i == slots.size()) {
    if (slots.size() >= 0xFFFF) return nullptr;
    slots.emplace_back();
  }
  slots[i].Generation = static_cast<std::uint16_t>(slots[i].Generation + 1);
  slots[i].Record = std::make_unique<MenuRecord>();
  slots[i].Record->Popup = popup;
  return HandleOf(i, slots[i].Generation);
}

// Where an item lies: its menu and position.
struct ItemRef {
  MenuRecord* Menu = nullptr;
  std::size_t Index = 0;
  MenuItem* Item() const { return Menu ? &Menu->Items[Index] : nullptr; }
};

// By command, searched depth first; `depth` stops a menu that contains
// itself from recursing for ever.
ItemRef FindById(MenuRecord* m, UINT id, int depth = 0) {
  if (!m || depth > 16) return {};
  for (std::size_t i = 0; i < m->Items.size(); ++i) {
    MenuItem& it = m->Items[i];
    if (!it.SubMenu && !(it.Flags & MF_SEPARATOR) && it.Id == id) return {m, i};
  }
  for (MenuItem& it : m->Items)
    if (it.SubMenu)
      if (ItemRef r = FindById(FindMenu(it.SubMenu), id, depth + 1); r.Menu) return r;
  return {};
}

ItemRef Locate(HMENU menu, UINT item, UINT flags) {
  MenuRecord* m = FindMenu(menu);
  if (!m) return {};
  if (flags & MF_BYPOSITION) {
    if (item >= m->Items.size()) return {};
    return {m, item};
  }
  return FindById(m, item);
}

constexpr UINT kTypeBits = MF_SEPARATOR | MF_POPUP | MF_BITMAP | MF_OWNERDRAW | MF_MENUBREAK | MF_MENUBARBREAK |
                           MF_HELP | MF_DEFAULT;
constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE;

// A new item from the calls' arguments; false when a submenu handle is bad.
bool MakeItem(UINT flags, UINT_PTR item, LPCSTR text, MenuItem& out) {
  out.Flags = flags & (kTypeBits | kStateBits);
  if (flags & MF_POPUP) {
    out.SubMenu = reinterpret_cast<HMENU>(item);
    if (!FindMenu(out.SubMenu)) return false;
    out.Id = 0;
  } else {
    out.Id = item;
  }
  if (!(flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) && text) out.Text = text;
  return true;
}

void Destroy(HMENU menu, int depth) {
  MenuRecord* m = FindMenu(menu);
  if (!m || depth > 16) return;
  std::vector<MenuItem> items = std::move(m->Items);
  auto v = reinterpret_cast<std::uintptr_t>(menu);
  Slots()[(v & 0xFFFF) - 1].Record.reset();
  for (const MenuItem& it : items)
    if (it.SubMenu) Destroy(it.SubMenu, depth + 1);
}

}  // namespace

MenuRecord* FindMenu(HMENU menu) {
  auto v = reinterpret_cast<std::uintptr_t>(menu);
  std::size_t slot = v & 0xFFFF;
  auto& slots = Slots();
  if (slot == 0 || slot > slots.size() || (v >> 32) != 0) return nullptr;
  Slot& s = slots[slot - 1];
  if (!s.Record || s.Generation != static_cast<std::uint16_t>(v >> 16)) return nullptr;
  return s.Record.get();
}

AnsiString ItemLabel(const MenuItem& item) {
  const std::string& s = item.Text.str();
  return AnsiString(s.substr(0, s.find('\t')));
}

AnsiString ItemShortcut(const MenuItem& item) {
  const std::string& s = item.Text.str();
  std::size_t tab = s.find('\t');
  return tab == std::string::npos ? AnsiString() : AnsiString(s.substr(tab + 1));
}

char32_t FoldCase(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + ('a' - 'A');
  // Latin-1 capitals (Ä, Ö, Ü ...), except the multiplication sign.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  return c;
}

char32_t AccessKey(const MenuItem& item) {
  std::string label = ItemLabel(item).str();
  for (std::size_t pos = 0; pos < label.size();) {
    char32_t c = NextCodePoint(label, pos);
    if (c != U'&' || pos >= label.size()) continue;
    char32_t next = NextCodePoint(label, pos);
    if (next != U'&') return FoldCase(next);
  }
  return 0;
}

}  // namespace Menus

using namespace Menus;

HMENU CreateMenu() { return Allocate(false); }
HMENU CreatePopupMenu() { return Allocate(true); }

BOOL DestroyMenu(HMENU menu) {
  if (!FindMenu(menu)) return FALSE;
  Destroy(menu, 0);
  return TRUE;
}

BOOL IsMenu(HMENU menu) { return FindMenu(menu) != nullptr; }

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR item, LPCSTR text) {
  return InsertMenu(menu, static_cast<UINT>(-1), flags | MF_BYPOSITION, item, text);
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCSTR text) {
  MenuRecord* m = FindMenu(menu);
  MenuItem it;
  if (!m || !MakeItem(flags, item, text, it)) return FALSE;
  if (it.SubMenu == menu) return FALSE;
  std::size_t at = m->Items.size();
  if (flags & MF_BYPOSITION) {
    at = std::min<std::size_t>(position, m->Items.size());
  } else {
    ItemRef r = FindById(m, position);
    if (!r.Menu) return FALSE;
    m = r.Menu;
    at = r.Index;
  }
  m->Items.insert(m->Items.begin() + static_cast<std::ptrdiff_t>(at), std::move(it));
  return TRUE;
}

BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCSTR text) {
  ItemRef r = Locate(menu, position, flags);
  MenuItem it;
  if (!r.Menu || !MakeItem(flags, item, text, it)) return FALSE;
  MenuItem& old = *r.Item();
  if (old.SubMenu && old.SubMenu != it.SubMenu) Destroy(old.SubMenu, 0);
  old = std::move(it);
  return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
  ItemRef r = Locate(menu, position, flags);
  if (!r.Menu) return FALSE;
  r.Menu->Items.erase(r.Menu->Items.begin() + static_cast<std::ptrdiff_t>(r.Index));
  return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
  ItemRef r = Locate(menu, position, flags);
  if (!r.Menu) return FALSE;
  HMENU sub = r.Item()->SubMenu;
  r.Menu->Items.erase(r.Menu->Items.begin() + static_cast<std::ptrdiff_t>(r.Index));
  if (sub) Destroy(sub, 0);
  return TRUE;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
  ItemRef r = Locate(menu, item, check);
  if (!r.Menu) return static_cast<DWORD>(-1);
  MenuItem& it = *r.Item();
  DWORD old = it.Flags & MF_CHECKED;
  it.Flags = (it.Flags & ~MF_CHECKED) | (check & MF_CHECKED);
  return old;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
  ItemRef r = Locate(menu, item, enable);
  if (!r.Menu) return -1;
  MenuItem& it = *r.Item();
  UINT old = it.Flags & (MF_GRAYED | MF_DISABLED);
  it.Flags = (it.Flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  return static_cast<BOOL>(old);
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  ItemRef r = Locate(menu, item, flags);
  if (!r.Menu) return static_cast<UINT>(-1);
  const MenuItem& it = *r.Item();
  if (MenuRecord* sub = FindMenu(it.SubMenu))
    return (static_cast<UINT>(std::min<std::size_t>(sub->Items.size(), 0xFF)) << 8) | (it.Flags & 0xFF) | MF_POPUP;
  return it.Flags;
}

int GetMenuString(HMENU menu, UINT item, LPSTR buffer, int max, UINT flags) {
  ItemRef r = Locate(menu, item, flags);
  if (!r.Menu) return 0;
  const std::string& text = r.Item()->Text.str();
  if (!buffer) return static_cast<int>(text.size());
  if (max <= 0) return 0;
  std::size_t n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(max) - 1);
  if (n < text.size()) n = Utf8StartOfCodePoint(text, n);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

int GetMenuItemCount(HMENU menu) {
  MenuRecord* m = FindMenu(menu);
  return m ? static_cast<int>(m->Items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  MenuRecord* m = FindMenu(menu);
  if (!m || position < 0 || static_cast<std::size_t>(position) >= m->Items.size()) return static_cast<UINT>(-1);
  const MenuItem& it = m->Items[static_cast<std::size_t>(position)];
  return it.SubMenu ? static_cast<UINT>(-1) : static_cast<UINT>(it.Id);
}

HMENU GetSubMenu(HMENU menu, int position) {
  MenuRecord* m = FindMenu(menu);
  if (!m || position < 0 || static_cast<std::size_t>(position) >= m->Items.size()) return nullptr;
  return m->Items[static_cast<std::size_t>(position)].SubMenu;
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
  WindowManager::WindowRecord* w = WindowManager::Find(hwnd);
  if (!w || (w->Style & WS_CHILD) || (menu && !FindMenu(menu))) return FALSE;
  w->Menu = menu;
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return TRUE;
}

HMENU GetMenu(HWND hwnd) {
  WindowManager::WindowRecord* w = WindowManager::Find(hwnd);
  if (!w || (w->Style & WS_CHILD)) return nullptr;
  return FindMenu(w->Menu) ? w->Menu : nullptr;
}

BOOL DrawMenuBar(HWND hwnd) {
  if (!GetMenu(hwnd)) return FALSE;
  RepaintMenuBar(hwnd);
  return TRUE;
}
