#include <algorithm>

#include "clock.h"
#include "menu.h"
#include "osversion.h"
#include "vyrprocs.h"

namespace Vyrprocs {

// The unsigned difference of tick counts keeps a wrap of the counter
// harmless; each short sleep moves a virtual clock, so the wait ends in
// tests too.
void VyrDelay(unsigned ms) {
  constexpr DWORD kSlice = 10;
  const DWORD start = GetTickCount();
  for (DWORD passed = 0; passed < ms; passed = GetTickCount() - start) Sleep(std::min<DWORD>(kSlice, ms - passed));
}

namespace {
void DeleteAt(HMENU Menu, UINT position) { DeleteMenu(Menu, position, MF_BYPOSITION); }
}  // namespace

// Bottom up, so that each position still names the item it was meant for.
void VyrCheckSystemMenu(TVyrSysMenuEntries Entries, HMENU Menu, bool Dialog) {
  using enum TVyrSysMenuEntry;
  auto without = [&](TVyrSysMenuEntry e) { return !Entries.Contains(e); };
  const bool closeAlone = Entries == TVyrSysMenuEntries{smClose};
  const bool newStyle = NewStyleControls;
  if (!Dialog) {
    if (without(smSwitch) && !newStyle) DeleteAt(Menu, 8), DeleteAt(Menu, 7);
    if (without(smClose)) DeleteAt(Menu, 6), DeleteAt(Menu, 5);
    else if (closeAlone) DeleteAt(Menu, 5);
    if (without(smMaximize)) DeleteAt(Menu, 4);
    if (without(smMinimize)) DeleteAt(Menu, 3);
    if (without(smSize)) DeleteAt(Menu, 2);
    if (without(smMove)) DeleteAt(Menu, 1);
    if (without(smRestore)) DeleteAt(Menu, 0);
    return;
  }
  // The dialog menu's layout; the platform makes no such menu.
  if (without(smSwitch) && !newStyle) DeleteAt(Menu, 6), DeleteAt(Menu, 5);
  if (without(smClose)) {
    if (newStyle) DeleteAt(Menu, 3), DeleteAt(Menu, 2);
    else DeleteAt(Menu, 4), DeleteAt(Menu, 3);
  } else if (closeAlone) {
    DeleteAt(Menu, newStyle ? 2 : 3);
  }
  if (without(smMinimize)) DeleteAt(Menu, newStyle ? 1 : 2);
  if (without(smMove) && !newStyle) DeleteAt(Menu, 1);
  if (without(smRestore)) DeleteAt(Menu, 0);
}

}  // namespace Vyrprocs
