// Popup menus on screen: the layout of a popup's items (check-mark gutter,
// label, right-aligned shortcut, submenu arrow), its painting, and the
// top-level popup window that shows it without taking activation.
#pragma once

#include <vector>

#include "hwnd.h"
#include "rect.h"

namespace Menus {

struct PopupLayout {
  std::vector<TRect> Items;  // client coordinates, one per item
  TSize Size;                // of the whole popup window
};

PopupLayout LayoutPopup(HMENU menu);
void PaintPopup(HDC dc, HMENU menu, const PopupLayout& layout, int selected);

// A shown popup window for `menu` at a screen rectangle, owned by `owner`.
HWND CreatePopupWindow(HWND owner, HMENU menu, const TRect& screen);
void SetPopupSelection(HWND popup, int selected);
// The selectable item (not a separator) under a screen point, else -1.
int PopupItemAt(HWND popup, POINT screen);
// An item's rectangle on the screen.
TRect PopupItemScreenRect(HWND popup, int item);

}  // namespace Menus
