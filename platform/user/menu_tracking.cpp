#include "menu_tracking.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "keyboard.h"
#include "menu.h"
#include "menu_bar.h"
#include "menu_model.h"
#include "menu_popup.h"
#include "message_queue.h"
#include "mouse.h"
#include "nc_engine.h"
#include "nc_geometry.h"
#include "nc_state.h"
#include "screen.h"
#include "sysmenu.h"
#include "window.h"
#include "window_internal.h"
#include "window_pos.h"

namespace Menus {
namespace {

bool& Tracking() {
  static bool tracking = false;
  return tracking;
}

bool IsMouseMessage(UINT m) {
  return (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK);
}
bool IsKeyMessage(UINT m) { return m >= WM_KEYFIRST && m <= WM_KEYLAST; }
bool IsButtonDown(UINT m) {
  return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN || m == WM_NCLBUTTONDOWN ||
         m == WM_NCRBUTTONDOWN || m == WM_NCMBUTTONDOWN || m == WM_LBUTTONDBLCLK || m == WM_NCLBUTTONDBLCLK;
}
bool IsButtonUp(UINT m) { return m == WM_LBUTTONUP || m == WM_RBUTTONUP || m == WM_NCLBUTTONUP || m == WM_NCRBUTTONUP; }

struct Level {
  HMENU Menu = nullptr;
  HWND Window = nullptr;
  int Selected = -1;
};

// One menu session: the bar (if any), the open popups, and the choice.
class Tracker {
 public:
  Tracker(HWND owner, HMENU bar, bool systemMenu, UINT flags)
      : owner_(owner), bar_(bar), system_(systemMenu), flags_(flags) {}

  bool HasChoice() const { return hasChoice_; }
  // A session the mouse started: its drop-downs open with no item
  // highlighted until the pointer or a key picks one.
  void StartedByMouse() { byKeys_ = false; }
  UINT_PTR Choice() const { return choice_; }

  void Run(const std::function<void()>& start) {
    Tracking() = true;
    SetCapture(owner_);
    SendMessage(owner_, WM_ENTERMENULOOP, bar_ ? FALSE : TRUE, 0);
    SendMessage(owner_, WM_INITMENU, reinterpret_cast<WPARAM>(bar_), 0);
    start();
    Loop();
    ClosePopupsFrom(0);
    if (bar_ && IsWindow(owner_)) ShowBarState(-1, false);
    if (IsWindow(owner_)) {
      if (GetCapture() == owner_) ReleaseCapture();
      Notify(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
      SendMessage(owner_, WM_EXITMENULOOP, bar_ ? FALSE : TRUE, 0);
    }
    Tracking() = false;
  }

  // ---- starting points ----
  int BarItemWithKey(char32_t key) const {
    MenuRecord* m = FindMenu(bar_);
    if (!m) return -1;
    for (std::size_t i = 0; i < m->Items.size(); ++i)
      if (AccessKey(m->Items[i]) == FoldCase(key)) return static_cast<int>(i);
    return -1;
  }

  void SelectFirstBarItem() { SelectBar(NextSelectable(bar_, -1, +1), false); }

  void ActivateBar(int index) {
    MenuRecord* m = FindMenu(bar_);
    if (!m || index < 0 || static_cast<std::size_t>(index) >= m->Items.size()) return;
    const MenuItem& it = m->Items[static_cast<std::size_t>(index)];
    if (IsGrayed(it)) {
      SelectBar(index, false);
    } else if (HasSubMenu(it)) {
      SelectBar(index, true);
    } else {
      Choose(it.Id);
    }
  }

  void OpenAt(HMENU menu, POINT at) {
    PopupLayout l = LayoutPopup(menu);
    int x = at.x, y = at.y;
    if (flags_ & TPM_RIGHTALIGN) x -= l.Size.cx;
    else if (flags_ & TPM_CENTERALIGN) x -= l.Size.cx / 2;
    if (flags_ & TPM_BOTTOMALIGN) y -= l.Size.cy;
    else if (flags_ & TPM_VCENTERALIGN) y -= l.Size.cy / 2;
    OpenPopup(menu, TRect(x, y, x, y), true, 0, false);
    if (levels_.empty()) done_ = true;
  }

 private:
  // ---- the loop ----
  void Loop() {
    MSG m;
    while (!done_) {
      BOOL got = GetMessage(&m, nullptr, 0, 0);
      if (got <= 0) {
        if (got == 0) PostQuitMessage(static_cast<int>(m.wParam));
        break;
      }
      if (!IsWindow(owner_)) break;
      if (IsKeyMessage(m.message)) {
        // Only keys the menu does not use for moving type access keys.
        if (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) {
          if (!OnKeyDown(static_cast<int>(m.wParam), static_cast<DWORD>(m.lParam))) TranslateMessage(&m);
        } else if (m.message == WM_CHAR || m.message == WM_SYSCHAR) {
          OnChar(static_cast<char32_t>(m.wParam));
        }
        continue;
      }
      if (IsMouseMessage(m.message)) {
        OnMouse(m.message, m.pt);
        continue;
      }
      DispatchMessage(&m);
      if (!IsWindow(owner_) || GetCapture() != owner_) break;
    }
  }

  // ---- keys ----
  // True for the keys that move, choose or leave.
  bool OnKeyDown(int vk, DWORD keyFlags) {
    bool repeat = (keyFlags & (1u << 30)) != 0;
    byKeys_ = true;
    switch (vk) {
      case VK_MENU:
      case VK_F10:
        if (!repeat) done_ = true;
        return true;
      case VK_ESCAPE:
        if (levels_.empty()) {
          done_ = true;
        } else {
          ClosePopupsFrom(levels_.size() - 1);
          if (levels_.empty()) {
            if (bar_) ShowBarState(barItem_, false);
            else done_ = true;
          }
        }
        return true;
      case VK_UP:
      case VK_DOWN: {
        if (levels_.empty()) {
          if (bar_ && vk == VK_DOWN) ActivateBarForOpen(barItem_);
          return true;
        }
        Level& top = levels_.back();
        Select(levels_.size() - 1, NextSelectable(top.Menu, top.Selected, vk == VK_DOWN ? +1 : -1));
        return true;
      }
      case VK_LEFT:
        if (levels_.size() > 1) ClosePopupsFrom(levels_.size() - 1);
        else if (bar_) SelectBar(NextSelectable(bar_, barItem_, -1), !levels_.empty());
        return true;
      case VK_RIGHT:
        if (!levels_.empty() && OpenSelectedSubmenu()) return true;
        if (bar_) SelectBar(NextSelectable(bar_, barItem_, +1), !levels_.empty());
        return true;
      case VK_RETURN:
        if (!levels_.empty()) Activate(levels_.size() - 1, levels_.back().Selected);
        else if (bar_) ActivateBar(barItem_);
        return true;
    }
    return false;
  }

  void OnChar(char32_t c) {
    byKeys_ = true;
    HMENU menu = levels_.empty() ? bar_ : levels_.back().Menu;
    MenuRecord* m = FindMenu(menu);
    if (!m) return;
    std::vector<int> matches;
    for (std::size_t i = 0; i < m->Items.size(); ++i)
      if (!IsSeparator(m->Items[i]) && AccessKey(m->Items[i]) == FoldCase(c)) matches.push_back(static_cast<int>(i));
    if (matches.empty()) return;
    int current = levels_.empty() ? barItem_ : levels_.back().Selected;
    if (matches.size() == 1) {
      if (levels_.empty()) {
        ActivateBar(matches[0]);
      } else {
        Select(levels_.size() - 1, matches[0]);
        Activate(levels_.size() - 1, matches[0]);
      }
      return;
    }
    // Several items share the key: step through them.
    auto next = std::upper_bound(matches.begin(), matches.end(), current);
    int pick = next == matches.end() ? matches[0] : *next;
    if (levels_.empty()) SelectBar(pick, false);
    else Select(levels_.size() - 1, pick);
  }

  // ---- the mouse ----
  void OnMouse(UINT msg, POINT p) {
    int level = -1, item = -1;
    for (std::size_t k = levels_.size(); k-- > 0;) {
      RECT r;
      GetWindowRect(levels_[k].Window, &r);
      if (PtInRect(&r, p)) {
        level = static_cast<int>(k);
        item = PopupItemAt(levels_[k].Window, p);
        break;
      }
    }
    int barHit = level < 0 ? BarItemAtScreen(p) : -1;
    if (msg == WM_MOUSEMOVE || msg == WM_NCMOUSEMOVE) {
      if (level >= 0 && item >= 0 && item != levels_[static_cast<std::size_t>(level)].Selected) {
        std::size_t k = static_cast<std::size_t>(level);
        ClosePopupsFrom(k + 1);
        Select(k, item);
        const MenuItem* it = ItemOf(levels_[k].Menu, item);
        if (it && HasSubMenu(*it) && !IsGrayed(*it)) OpenSubmenu(k, item, false);
      } else if (barHit >= 0 && barHit != barItem_ && !levels_.empty()) {
        SelectBar(barHit, true);
      }
      return;
    }
    if (IsButtonDown(msg)) {
      if (level >= 0) return;
      byKeys_ = false;
      if (barHit >= 0) {
        if (barHit == barItem_ && !levels_.empty()) done_ = true;
        else ActivateBar(barHit);
        return;
      }
      done_ = true;  // a click outside every menu cancels
      return;
    }
    if (IsButtonUp(msg) && level >= 0 && item >= 0) {
      const MenuItem* it = ItemOf(levels_[static_cast<std::size_t>(level)].Menu, item);
      if (it && !HasSubMenu(*it) && !IsGrayed(*it)) Choose(it->Id);
    }
  }

  // ---- popups ----
  static const MenuItem* ItemOf(HMENU menu, int index) {
    MenuRecord* m = FindMenu(menu);
    if (!m || index < 0 || static_cast<std::size_t>(index) >= m->Items.size()) return nullptr;
    return &m->Items[static_cast<std::size_t>(index)];
  }

  static int NextSelectable(HMENU menu, int from, int step) {
    MenuRecord* m = FindMenu(menu);
    if (!m || m->Items.empty()) return -1;
    int n = static_cast<int>(m->Items.size());
    int i = from;
    for (int tries = 0; tries < n; ++tries) {
      i = from < 0 && tries == 0 ? (step > 0 ? 0 : n - 1) : (i + step + n) % n;
      if (!IsSeparator(m->Items[static_cast<std::size_t>(i)])) return i;
    }
    return -1;
  }

  void Notify(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!(flags_ & TPM_NONOTIFY) && IsWindow(owner_)) SendMessage(owner_, msg, wParam, lParam);
  }

  void NotifySelect(HMENU menu, int index) {
    const MenuItem* it = ItemOf(menu, index);
    if (!it) return;
    UINT flags = (it->Flags & 0xFFFF & ~MF_POPUP) | MF_HILITE | (HasSubMenu(*it) ? MF_POPUP : 0) | (system_ ? MF_SYSMENU : 0);
    WORD id = static_cast<WORD>(HasSubMenu(*it) ? static_cast<UINT_PTR>(index) : it->Id);
    Notify(WM_MENUSELECT, MAKEWPARAM(id, static_cast<WORD>(flags)), reinterpret_cast<LPARAM>(menu));
  }

  void OpenPopup(HMENU menu, const TRect& anchor, bool below, int indexInParent, bool selectFirst) {
    if (system_) UpdateSystemMenu(owner_, menu);
    Notify(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(static_cast<WORD>(indexInParent), system_ ? 1 : 0));
    if (!FindMenu(menu) || !IsWindow(owner_)) return;
    PopupLayout l = LayoutPopup(menu);
    TRect desk = DesktopRect();
    int x = below ? anchor.left : anchor.right - 3;
    int y = below ? anchor.bottom : anchor.top - 3;
    if (x + l.Size.cx > desk.right) x = below ? desk.right - l.Size.cx : anchor.left - l.Size.cx + 3;
    if (y + l.Size.cy > desk.bottom) y = below && anchor.top - l.Size.cy >= desk.top ? anchor.top - l.Size.cy : desk.bottom - l.Size.cy;
    x = std::max<int>(x, desk.left);
    y = std::max<int>(y, desk.top);
    HWND w = CreatePopupWindow(owner_, menu, TRect(x, y, x + l.Size.cx, y + l.Size.cy));
    if (!w) return;
    levels_.push_back(Level{menu, w, -1});
    if (selectFirst) Select(levels_.size() - 1, NextSelectable(menu, -1, +1));
  }

  void ClosePopupsFrom(std::size_t k) {
    while (levels_.size() > k) {
      HWND w = levels_.back().Window;
      levels_.pop_back();
      if (IsWindow(w)) DestroyWindow(w);
    }
  }

  void Select(std::size_t k, int index) {
    if (k >= levels_.size()) return;
    levels_[k].Selected = index;
    SetPopupSelection(levels_[k].Window, index);
    if (index >= 0) NotifySelect(levels_[k].Menu, index);
  }

  void OpenSubmenu(std::size_t k, int index, bool selectFirst) {
    const MenuItem* it = ItemOf(levels_[k].Menu, index);
    if (!it || !HasSubMenu(*it)) return;
    HMENU sub = it->SubMenu;
    TRect anchor = PopupItemScreenRect(levels_[k].Window, index);
    RECT popup;
    GetWindowRect(levels_[k].Window, &popup);
    anchor.left = popup.left;
    anchor.right = popup.right;
    OpenPopup(sub, anchor, false, index, selectFirst);
  }

  bool OpenSelectedSubmenu() {
    std::size_t k = levels_.size() - 1;
    const MenuItem* it = ItemOf(levels_[k].Menu, levels_[k].Selected);
    if (!it || !HasSubMenu(*it) || IsGrayed(*it)) return false;
    ClosePopupsFrom(k + 1);
    OpenSubmenu(k, levels_[k].Selected, true);
    return true;
  }

  void Activate(std::size_t k, int index) {
    const MenuItem* it = ItemOf(levels_[k].Menu, index);
    if (!it || IsGrayed(*it)) return;
    if (HasSubMenu(*it)) {
      ClosePopupsFrom(k + 1);
      OpenSubmenu(k, index, true);
      return;
    }
    Choose(it->Id);
  }

  void Choose(UINT_PTR id) {
    choice_ = id;
    hasChoice_ = true;
    done_ = true;
  }

  // ---- the bar ----
  TRect BarRect() const {
    WindowManager::WindowRecord* w = WindowManager::Find(owner_);
    if (!w) return TRect();
    NonClientLayout l = LayoutNonClient(w->Style, w->ExStyle, true, w->Rect.Width(), w->Rect.Height());
    TRect r = l.MenuBar;
    OffsetRect(&r, w->Rect.left, w->Rect.top);
    return r;
  }

  int BarItemAtScreen(POINT p) const { return bar_ ? MenuBarItemAt(bar_, BarRect(), p) : -1; }

  void ShowBarState(int item, bool open) {
    NonClient::WindowState& s = NonClient::StateOf(owner_);
    s.BarItem = item;
    s.BarOpen = open;
    RepaintMenuBar(owner_);
  }

  void ActivateBarForOpen(int index) {
    const MenuItem* it = ItemOf(bar_, index);
    if (it && HasSubMenu(*it) && !IsGrayed(*it)) SelectBar(index, true);
  }

  void SelectBar(int index, bool open) {
    ClosePopupsFrom(0);
    barItem_ = index;
    const MenuItem* it = ItemOf(bar_, index);
    bool opens = open && it && HasSubMenu(*it) && !IsGrayed(*it);
    ShowBarState(index, opens);
    if (index >= 0) NotifySelect(bar_, index);
    if (!opens) return;
    std::vector<TRect> rects = MenuBarItemRects(bar_, BarRect());
    // Keys start on the first item; the mouse picks its own.
    OpenPopup(it->SubMenu, rects[static_cast<std::size_t>(index)], true, index, byKeys_);
  }

  HWND owner_;
  HMENU bar_;
  bool system_;
  UINT flags_;
  int barItem_ = -1;
  bool byKeys_ = true;
  std::vector<Level> levels_;
  bool done_ = false;
  bool hasChoice_ = false;
  UINT_PTR choice_ = 0;
};

void Deliver(HWND owner, const Tracker& t, bool system) {
  if (t.HasChoice() && IsWindow(owner)) PostMessage(owner, system ? WM_SYSCOMMAND : WM_COMMAND, t.Choice(), 0);
}

POINT SystemMenuAnchor(HWND root) {
  WindowManager::WindowRecord* w = WindowManager::Find(root);
  if (!w) return TPoint(0, 0);
  NonClientLayout l = LayoutNonClient(w->Style, w->ExStyle, GetMenu(root) != nullptr, w->Rect.Width(), w->Rect.Height());
  return TPoint(w->Rect.left + l.Caption.left, w->Rect.top + l.Caption.bottom + 1);
}

void TrackSystemMenu(HWND root) {
  WindowManager::WindowRecord* w = WindowManager::Find(root);
  if (!w || !(w->Style & WS_SYSMENU) || Tracking()) return;
  HMENU menu = GetSystemMenu(root, FALSE);
  Tracker t(root, nullptr, true, 0);
  t.Run([&] { t.OpenAt(menu, SystemMenuAnchor(root)); });
  Deliver(root, t, true);
}

}  // namespace

bool IsTrackingMenu() { return Tracking(); }

void StartKeyboardMenu(HWND root, char32_t key) {
  if (Tracking() || !IsWindow(root)) return;
  if (key == U' ') {
    TrackSystemMenu(root);
    return;
  }
  HMENU bar = GetMenu(root);
  if (!bar || GetMenuItemCount(bar) <= 0) return;
  Tracker t(root, bar, false, 0);
  if (key == 0) {
    t.Run([&] { t.SelectFirstBarItem(); });
  } else {
    int item = t.BarItemWithKey(key);
    if (item < 0) return;
    t.Run([&] { t.ActivateBar(item); });
  }
  Deliver(root, t, false);
}

void StartMouseMenu(HWND root, LRESULT hit, POINT screen) {
  if (Tracking() || !IsWindow(root)) return;
  if (hit == HTSYSMENU) {
    TrackSystemMenu(root);
    return;
  }
  HMENU bar = GetMenu(root);
  if (!bar) return;
  WindowManager::WindowRecord* w = WindowManager::Find(root);
  NonClientLayout l = LayoutNonClient(w->Style, w->ExStyle, true, w->Rect.Width(), w->Rect.Height());
  TRect barRect = l.MenuBar;
  OffsetRect(&barRect, w->Rect.left, w->Rect.top);
  int item = MenuBarItemAt(bar, barRect, screen);
  if (item < 0) return;
  Tracker t(root, bar, false, 0);
  t.StartedByMouse();
  t.Run([&] { t.ActivateBar(item); });
  Deliver(root, t, false);
}

LONG_PTR TrackPopup(HWND owner, HMENU menu, POINT at, UINT flags, bool systemMenu) {
  if (Tracking()) return -1;
  Tracker t(owner, nullptr, systemMenu, flags);
  t.Run([&] { t.OpenAt(menu, at); });
  if (!t.HasChoice()) return 0;
  if (!(flags & TPM_RETURNCMD)) Deliver(owner, t, systemMenu);
  return static_cast<LONG_PTR>(t.Choice());
}

}  // namespace Menus

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS*) {
  if (!Menus::FindMenu(menu) || !IsWindow(owner)) return FALSE;
  LONG_PTR r = Menus::TrackPopup(owner, menu, TPoint(x, y), flags, false);
  if (r < 0) return FALSE;
  return (flags & TPM_RETURNCMD) ? static_cast<BOOL>(r) : TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}
