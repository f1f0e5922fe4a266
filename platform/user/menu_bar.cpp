#include "menu_bar.h"

#include "drawedge.h"
#include "fill.h"
#include "menu_draw.h"
#include "menu_model.h"
#include "syscolors.h"
#include "text.h"

namespace Menus {

namespace {
constexpr int kItemPadding = 6;  // each side of an item's text
}

std::vector<TRect> MenuBarItemRects(HMENU menu, const TRect& bar) {
  std::vector<TRect> out;
  MenuRecord* m = FindMenu(menu);
  if (!m) return out;
  int x = bar.left;
  for (const MenuItem& it : m->Items) {
    int w = IsSeparator(it) ? kItemPadding : MenuTextSize(ItemLabel(it), true).cx + 2 * kItemPadding;
    out.emplace_back(x, bar.top, x + w, bar.bottom);
    x += w;
  }
  return out;
}

int MenuBarItemAt(HMENU menu, const TRect& bar, POINT p) {
  std::vector<TRect> rects = MenuBarItemRects(menu, bar);
  MenuRecord* m = FindMenu(menu);
  for (std::size_t i = 0; i < rects.size(); ++i)
    if (PtInRect(&rects[i], p) && !IsSeparator(m->Items[i])) return static_cast<int>(i);
  return -1;
}

void PaintMenuBar(HDC dc, HMENU menu, const TRect& bar, int selected, bool open) {
  FillRect(dc, &bar, GetSysColorBrush(COLOR_MENU));
  MenuRecord* m = FindMenu(menu);
  if (!m) return;
  std::vector<TRect> rects = MenuBarItemRects(menu, bar);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const MenuItem& it = m->Items[i];
    if (IsSeparator(it)) continue;
    TRect r(rects[i].left, rects[i].top + 1, rects[i].right, rects[i].bottom - 1);
    bool isSelected = static_cast<int>(i) == selected;
    if (isSelected) {
      RECT edge = r;
      DrawEdge(dc, &edge, open ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
      if (open) OffsetRect(&r, 1, 1);
    }
    DrawMenuText(dc, ItemLabel(it), r, DT_CENTER, IsGrayed(it) ? TextLook::Grayed : TextLook::Normal);
  }
}

}  // namespace Menus
