#include "stdctrls_listbox_pane.h"

#include <algorithm>

#include "brush.h"
#include "fill.h"
#include "gdiobj.h"
#include "keyboard.h"
#include "metrics.h"
#include "mouse.h"
#include "paint.h"
#include "message_queue.h"
#include "timers.h"
#include "window_pos.h"

namespace {

constexpr UINT_PTR kRepeatTimer = 0x4C42;
constexpr UINT kRepeatFirstMs = 350;
constexpr UINT kRepeatMs = 50;

bool Inside(const TRect& r, const TPoint& p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

TPoint PointOf(LPARAM LParam) { return TPoint(GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)); }

WORD CodeOf(TScrollPart Part) {
  switch (Part) {
    case TScrollPart::LineUp: return SB_LINEUP;
    case TScrollPart::PageUp: return SB_PAGEUP;
    case TScrollPart::PageDown: return SB_PAGEDOWN;
    default: return SB_LINEDOWN;
  }
}

}  // namespace

void TListPane::Attach(HWND Window) {
  hwnd_ = Window;
  selecting_ = false;
  pressed_ = TScrollPart::None;
  barShown_ = false;
  if (hwnd_) UpdateBar();
}

// ---- geometry ----

int TListPane::ClientHeight() const {
  if (!hwnd_) return 0;
  RECT r;
  GetClientRect(hwnd_, &r);
  return r.bottom - r.top;
}

int TListPane::ContentHeight() const {
  int h = 0;
  for (int i = 0; i < Count(); ++i) h += client_.PaneItemHeight(i);
  return h;
}

bool TListPane::NeedsBar(int ClientHeightValue) const { return ContentHeight() > ClientHeightValue; }

TRect TListPane::ItemRect(int Index) const {
  RECT c{};
  if (hwnd_) GetClientRect(hwnd_, &c);
  int y = 0;
  if (Index >= topIndex_) {
    for (int i = topIndex_; i < Index; ++i) y += client_.PaneItemHeight(i);
  } else {
    for (int i = Index; i < topIndex_; ++i) y -= client_.PaneItemHeight(i);
  }
  const int h = Index >= 0 && Index < Count() ? client_.PaneItemHeight(Index) : client_.PaneItemHeight(0);
  return TRect(0, y, c.right, y + h);
}

int TListPane::ItemAtPos(const TPoint& P, bool Existing) const {
  RECT c{};
  if (hwnd_) GetClientRect(hwnd_, &c);
  if (P.x < 0 || P.x >= c.right || P.y < 0 || P.y >= c.bottom) return -1;
  int y = 0;
  for (int i = topIndex_; i < Count(); ++i) {
    y += client_.PaneItemHeight(i);
    if (P.y < y) return i;
  }
  return Existing ? -1 : Count();
}

int TListPane::LastTopIndex() const {
  const int height = ClientHeight();
  int used = 0, top = Count();
  while (top > 0 && used + client_.PaneItemHeight(top - 1) <= height) used += client_.PaneItemHeight(--top);
  return std::min(top, std::max(0, Count() - 1));
}

int TListPane::PageRows() const {
  const int height = ClientHeight();
  int used = 0, rows = 0;
  for (int i = topIndex_; i < Count() && used + client_.PaneItemHeight(i) <= height; ++i) {
    used += client_.PaneItemHeight(i);
    ++rows;
  }
  return std::max(1, rows);
}

TScrollRange TListPane::ScrollRange() const {
  TScrollRange r;
  r.Min = 0;
  r.Max = std::max(0, Count() - 1);
  r.Page = std::max(1, Count() - LastTopIndex());
  r.Pos = topIndex_;
  return r;
}

// ---- selection and top index ----

void TListPane::SetItemIndex(int Value) {
  Value = std::clamp(Value, -1, Count() - 1);
  if (Value == itemIndex_) return;
  InvalidateItem(CaretIndex());
  itemIndex_ = Value;
  InvalidateItem(CaretIndex());
  ScrollIntoView(itemIndex_);
}

void TListPane::SetTopIndex(int Value) {
  Value = std::clamp(Value, 0, LastTopIndex());
  if (Value == topIndex_) return;
  topIndex_ = Value;
  if (hwnd_) {
    InvalidateRect(hwnd_, nullptr, TRUE);
    if (barShown_) PaintBar();
  }
}

void TListPane::ScrollIntoView(int Index) {
  if (Index < 0 || Index >= Count() || !hwnd_) return;
  if (Index < topIndex_) {
    SetTopIndex(Index);
    return;
  }
  // Move the top down until the item's bottom is inside the client area.
  const int height = ClientHeight();
  int top = topIndex_;
  auto bottomOf = [&](int t) {
    int y = 0;
    for (int i = t; i <= Index; ++i) y += client_.PaneItemHeight(i);
    return y;
  };
  while (top < Index && bottomOf(top) > height) ++top;
  SetTopIndex(top);
}

void TListPane::SetFocused(bool Value) {
  if (focused_ == Value) return;
  focused_ = Value;
  InvalidateItem(CaretIndex());
}

void TListPane::ChangeSelection(int Index) {
  if (Index == itemIndex_) return;
  SetItemIndex(Index);
  client_.PaneSelected();
}

bool TListPane::MoveByKey(WORD Key) {
  const int last = Count() - 1;
  const int at = itemIndex_;
  int to;
  switch (Key) {
    case VK_UP: to = at - 1; break;
    case VK_DOWN: to = at + 1; break;
    case VK_HOME: to = 0; break;
    case VK_END: to = last; break;
    // A page moves to the last (first) row on screen, or a page further
    // when the selection already stands there.
    case VK_PRIOR: to = at <= topIndex_ ? at - (PageRows() - 1) : topIndex_; break;
    case VK_NEXT: {
      const int bottom = topIndex_ + PageRows() - 1;
      to = at >= bottom ? at + (PageRows() - 1) : bottom;
      break;
    }
    default: return false;
  }
  if (last < 0) return true;
  if (at < 0 && (Key == VK_UP || Key == VK_DOWN)) to = 0;  // the first press picks the first item
  ChangeSelection(std::clamp(to, 0, last));
  return true;
}

bool TListPane::SelectAt(const TPoint& P) {
  const int i = ItemAtPos(P, true);
  if (i < 0 || i == itemIndex_) return false;
  ChangeSelection(i);
  return true;
}

// ---- items ----

void TListPane::ItemInserted(int Index) {
  if (itemIndex_ >= Index) ++itemIndex_;
  Relayout();
}

void TListPane::ItemDeleted(int Index) {
  if (itemIndex_ == Index)
    itemIndex_ = -1;
  else if (itemIndex_ > Index)
    --itemIndex_;
  Relayout();
}

void TListPane::ItemsReset() {
  itemIndex_ = -1;
  topIndex_ = 0;
  Relayout();
}

void TListPane::Relayout() {
  itemIndex_ = std::clamp(itemIndex_, -1, Count() - 1);
  if (!hwnd_) return;
  UpdateBar();
  topIndex_ = std::clamp(topIndex_, 0, LastTopIndex());
  InvalidateRect(hwnd_, nullptr, TRUE);
  if (barShown_) PaintBar();
}

void TListPane::InvalidateItem(int Index) {
  if (!hwnd_ || Index < 0) return;
  const TRect r = ItemRect(Index);
  InvalidateRect(hwnd_, &r, TRUE);
}

// ---- the scroll bar ----

void TListPane::UpdateBar() {
  RECT w;
  GetWindowRect(hwnd_, &w);
  // The height the client area has whatever the bar does: the bar takes
  // width only.
  const bool need = NeedsBar(ClientHeight());
  if (need == barShown_) return;
  barShown_ = need;
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

TPoint TListPane::ClientToWindow(const TPoint& P) const {
  RECT w;
  GetWindowRect(hwnd_, &w);
  POINT origin{};
  ::ClientToScreen(hwnd_, &origin);
  return TPoint(P.x + origin.x - w.left, P.y + origin.y - w.top);
}

TRect TListPane::BarRect() const {
  RECT c;
  GetClientRect(hwnd_, &c);
  const TPoint corner = ClientToWindow(TPoint(c.right, 0));
  return TRect(corner.x, corner.y, corner.x + GetSystemMetrics(SM_CXVSCROLL), corner.y + c.bottom);
}

TScrollBarLayout TListPane::BarLayout() const { return LayoutScrollBar(BarRect(), true, ScrollRange()); }

void TListPane::PaintBar() {
  if (!barShown_ || !hwnd_) return;
  HDC dc = GetWindowDC(hwnd_);
  PaintScrollBar(dc, BarLayout(), pressedInside_ ? pressed_ : TScrollPart::None, IsWindowEnabled(hwnd_));
  ReleaseDC(hwnd_, dc);
}

void TListPane::Scroll(WORD Code, int ThumbPos) {
  const int page = std::max(1, PageRows() - 1);
  switch (Code) {
    case SB_LINEUP: SetTopIndex(topIndex_ - 1); break;
    case SB_LINEDOWN: SetTopIndex(topIndex_ + 1); break;
    case SB_PAGEUP: SetTopIndex(topIndex_ - page); break;
    case SB_PAGEDOWN: SetTopIndex(topIndex_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: SetTopIndex(ThumbPos); break;
    case SB_TOP: SetTopIndex(0); break;
    case SB_BOTTOM: SetTopIndex(LastTopIndex()); break;
    default: break;  // the end of a scroll: nothing moves
  }
}

void TListPane::BarPress(const TPoint& WindowPoint) {
  const TScrollBarLayout layout = BarLayout();
  pressed_ = HitScrollBar(layout, WindowPoint);
  if (pressed_ == TScrollPart::None) return;
  pressedInside_ = true;
  SetCapture(hwnd_);
  if (pressed_ == TScrollPart::Thumb) {
    grabOffset_ = WindowPoint.y - layout.Thumb.top;
    trackPos_ = topIndex_;
  } else {
    SendMessage(hwnd_, WM_VSCROLL, CodeOf(pressed_), 0);
    SetTimer(hwnd_, kRepeatTimer, kRepeatFirstMs, nullptr);
  }
  PaintBar();
}

void TListPane::BarTrack(const TPoint& WindowPoint) {
  const TScrollBarLayout layout = BarLayout();
  if (pressed_ == TScrollPart::Thumb) {
    const int pos = ScrollPosForThumb(layout, ScrollRange(), WindowPoint.y - grabOffset_);
    if (pos != trackPos_) {
      trackPos_ = pos;
      SendMessage(hwnd_, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, static_cast<WORD>(pos)), 0);
    }
    return;
  }
  const bool inside = HitScrollBar(layout, WindowPoint) == pressed_;
  if (inside != pressedInside_) {
    pressedInside_ = inside;
    PaintBar();
  }
}

void TListPane::BarRelease() {
  const TScrollPart was = pressed_;
  pressed_ = TScrollPart::None;
  pressedInside_ = false;
  KillTimer(hwnd_, kRepeatTimer);
  if (GetCapture() == hwnd_) ReleaseCapture();
  if (was == TScrollPart::Thumb)
    SendMessage(hwnd_, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(trackPos_)), 0);
  SendMessage(hwnd_, WM_VSCROLL, SB_ENDSCROLL, 0);
  PaintBar();
}

// ---- painting ----

void TListPane::Paint(HDC DC) {
  RECT c;
  GetClientRect(hwnd_, &c);
  int y = 0;
  for (int i = topIndex_; i < Count() && y < c.bottom; ++i) {
    const int h = client_.PaneItemHeight(i);
    TOwnerDrawState state;
    if (i == itemIndex_) state.Include(odSelected);
    if (i == CaretIndex() && focused_ && showFocus_) state.Include(odFocused);
    client_.PaneDrawItem(DC, i, TRect(0, y, c.right, y + h), state);
    y += h;
  }
  // clNone: a see-through box leaves what lies below its items alone.
  if (y < c.bottom && client_.PaneColor() != clNone) {
    const TRect rest{0, y, c.right, c.bottom};
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(client_.PaneColor())));
    FillRect(DC, &rest, brush);
    DeleteObject(brush);
  }
}

// ---- messages ----

bool TListPane::HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result,
                              const std::function<LRESULT()>& Default) {
  if (!hwnd_) return false;
  switch (Msg) {
    case WM_NCCALCSIZE: {
      Result = Default();
      auto* r = reinterpret_cast<RECT*>(LParam);
      if (r && barShown_) r->right = std::max(r->left, r->right - GetSystemMetrics(SM_CXVSCROLL));
      return true;
    }
    case WM_NCPAINT:
      Result = Default();
      PaintBar();
      return true;
    case WM_NCHITTEST: {
      Result = Default();
      if (barShown_) {
        RECT w;
        GetWindowRect(hwnd_, &w);
        const TPoint p = PointOf(LParam);
        if (Inside(BarRect(), TPoint(p.x - w.left, p.y - w.top))) Result = HTVSCROLL;
      }
      return true;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (WParam != static_cast<WPARAM>(HTVSCROLL)) return false;
      {
        RECT w;
        GetWindowRect(hwnd_, &w);
        const TPoint p = PointOf(LParam);
        BarPress(TPoint(p.x - w.left, p.y - w.top));
      }
      Result = 0;
      return true;
    case WM_MOUSEMOVE:
      if (pressed_ != TScrollPart::None) {
        BarTrack(ClientToWindow(PointOf(LParam)));
        Result = 0;
        return true;
      }
      if (selecting_) {
        // Dragging past the top or bottom edge walks the selection along.
        const TPoint p = PointOf(LParam);
        RECT c;
        GetClientRect(hwnd_, &c);
        if (p.y < 0 && itemIndex_ > 0)
          ChangeSelection(std::max(0, std::min(itemIndex_ - 1, topIndex_ - 1)));
        else if (p.y >= c.bottom && itemIndex_ < Count() - 1)
          ChangeSelection(itemIndex_ + 1);
        else
          SelectAt(TPoint(std::clamp<int>(p.x, 0, std::max<int>(0, c.right - 1)), p.y));
        Result = 0;
        return true;
      }
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (pressed_ != TScrollPart::None) return true;
      selecting_ = true;
      SetCapture(hwnd_);
      SelectAt(PointOf(LParam));
      if (Msg == WM_LBUTTONDBLCLK && ItemAtPos(PointOf(LParam), true) >= 0) client_.PaneDoubleClicked();
      Result = 0;
      return true;
    case WM_LBUTTONUP:
      if (pressed_ != TScrollPart::None) {
        BarRelease();
      } else if (selecting_) {
        selecting_ = false;
        if (GetCapture() == hwnd_) ReleaseCapture();
      } else {
        return false;
      }
      Result = 0;
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(LParam) == hwnd_) return false;
      selecting_ = false;
      if (pressed_ != TScrollPart::None) BarRelease();
      return false;
    case WM_TIMER:
      if (WParam != kRepeatTimer) return false;
      SetTimer(hwnd_, kRepeatTimer, kRepeatMs, nullptr);
      if (pressedInside_ && pressed_ != TScrollPart::Thumb && pressed_ != TScrollPart::None) {
        // Paging stops once the thumb has reached the pointer.
        POINT at;
        GetCursorPos(&at);
        RECT w;
        GetWindowRect(hwnd_, &w);
        const TPoint p(at.x - w.left, at.y - w.top);
        if (HitScrollBar(BarLayout(), p) == pressed_) SendMessage(hwnd_, WM_VSCROLL, CodeOf(pressed_), 0);
      }
      Result = 0;
      return true;
    case WM_VSCROLL:
      Scroll(LOWORD(WParam), HIWORD(WParam));
      Result = 0;
      return true;
    case WM_MOUSEWHEEL: {
      const int delta = static_cast<short>(HIWORD(WParam));
      const int lines = delta / WHEEL_DELTA * 3;
      SetTopIndex(topIndex_ - lines);
      Result = 0;
      return true;
    }
    default: return false;
  }
}
