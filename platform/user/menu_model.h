// Inside the menus: the records behind HMENU values. A handle carries a slot
// and a generation, so a destroyed menu's handle resolves to nothing.
#pragma once

#include <vector>

#include "ansistring.h"
#include "hwnd.h"
#include "menu.h"

namespace Menus {

struct MenuItem {
  UINT Flags = 0;      // MF_ type and state bits
  UINT_PTR Id = 0;     // the command id (0 for a submenu)
  HMENU SubMenu = nullptr;
  AnsiString Text;     // label, then an optional tab and the shortcut text
};

struct MenuRecord {
  bool Popup = false;
  std::vector<MenuItem> Items;
};

MenuRecord* FindMenu(HMENU menu);

// The label before the tab, and the shortcut text after it.
AnsiString ItemLabel(const MenuItem& item);
AnsiString ItemShortcut(const MenuItem& item);
// The letter after a single '&' in the label, folded to lower case; 0 for
// none.
char32_t AccessKey(const MenuItem& item);
char32_t FoldCase(char32_t c);

inline bool IsSeparator(const MenuItem& i) { return (i.Flags & MF_SEPARATOR) != 0; }
inline bool IsGrayed(const MenuItem& i) { return (i.Flags & (MF_GRAYED | MF_DISABLED)) != 0; }
inline bool HasSubMenu(const MenuItem& i) { return i.SubMenu != nullptr; }

}  // namespace Menus
