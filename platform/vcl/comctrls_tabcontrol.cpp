#include "comctrls_tabcontrol.h"

#include <algorithm>

#include "colors.h"
#include "dc.h"
#include "extctrls_bevel.h"
#include "forms.h"
#include "gdiobj.h"
#include "keyboard.h"
#include "text.h"

namespace {
constexpr int kRaise = 2;       // how much higher and wider the selected tab stands
constexpr int kTextPadding = 6;  // left and right of a tab's caption
constexpr int kPageInset = 4;    // from the page frame to DisplayRect

// Measured on a memory DC: the layout is asked for (by the alignment of
// children) before the control has a window to draw on.
TSize TextSize(TFont* Font, const AnsiString& Text) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font->GetHandle());
  RECT r{};
  DrawText(dc, Text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  DeleteDC(dc);
  return TSize(r.right - r.left, r.bottom - r.top);
}
}  // namespace

void TCustomTabControl::Publish(TPublisher<TCustomTabControl>& P) {
  PublishOwnColor(P);
  P.Bool("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true);
  P.Strings("Tabs", &TCustomTabControl::GetTabs);
  P.Integer("TabIndex", &TCustomTabControl::GetTabIndex, &TCustomTabControl::SetTabIndex, -1);
  P.Event("OnChanging", &TCustomTabControl::OnChanging);
  P.Event("OnChange", &TCustomTabControl::OnChange);
}

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TCustomControl(AOwner), tabs_(new TStringList) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
  SetBounds(left_, top_, 289, 193);
  SetColor(clBtnFace);
  SetTabStop(true);
  tabs_->OnChange = TNotifyEvent(this, &TCustomTabControl::TabsChanged);
}

TCustomTabControl::~TCustomTabControl() {
  tabs_->OnChange = nullptr;
  delete tabs_;
}

void TCustomTabControl::TabsChanged(TObject*) {
  layoutValid_ = false;
  // A tab taken away may take the selection with it.
  if (tabIndex_ >= tabs_->GetCount()) tabIndex_ = tabs_->GetCount() - 1;
  // Loading sets TabIndex after the tabs, so the first tab waits for that.
  if (tabIndex_ < 0 && tabs_->GetCount() > 0 && !GetComponentState().Contains(csLoading)) tabIndex_ = 0;
  Invalidate();
}

void TCustomTabControl::SetTabIndex(int Value) {
  if (Value < -1 || (Value >= tabs_->GetCount() && !GetComponentState().Contains(csLoading))) return;
  if (tabIndex_ == Value) return;
  tabIndex_ = Value;
  Invalidate();
}

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

bool TCustomTabControl::SelectTab(int Index) {
  if (Index < 0 || Index >= tabs_->GetCount() || Index == tabIndex_) return false;
  if (!CanChange()) return false;
  SetTabIndex(Index);
  Change();
  return true;
}

void TCustomTabControl::SelectNeighbour(bool GoForward) {
  const int count = tabs_->GetCount();
  if (count == 0) return;
  const int from = tabIndex_ < 0 ? (GoForward ? -1 : 0) : tabIndex_;
  SelectTab((from + (GoForward ? 1 : count - 1)) % count);
}

// ---- geometry ----

int TCustomTabControl::TabHeight() const { return static_cast<int>(TextSize(GetFont(), "Ag").cy) + 6; }

void TCustomTabControl::Layout() const {
  if (layoutValid_) return;
  const int height = TabHeight();
  tabRects_.clear();
  int x = kRaise;
  for (int i = 0; i < tabs_->GetCount(); ++i) {
    const int width = static_cast<int>(TextSize(GetFont(), tabs_->GetStrings(i)).cx) + 2 * kTextPadding;
    tabRects_.push_back(TRect(x, kRaise, x + width, kRaise + height));
    x += width;
  }
  layoutValid_ = true;
}

TRect TCustomTabControl::TabRect(int Index) const {
  Layout();
  if (Index < 0 || Index >= static_cast<int>(tabRects_.size())) return TRect();
  return tabRects_[static_cast<std::size_t>(Index)];
}

int TCustomTabControl::IndexOfTabAt(int X, int Y) const {
  Layout();
  // The selected tab stands out over its neighbours: it is hit first.
  if (tabIndex_ >= 0 && tabIndex_ < static_cast<int>(tabRects_.size())) {
    const TRect r = tabRects_[static_cast<std::size_t>(tabIndex_)];
    if (X >= r.left - kRaise && X < r.right + kRaise && Y >= r.top - kRaise && Y < r.bottom) return tabIndex_;
  }
  for (std::size_t i = 0; i < tabRects_.size(); ++i) {
    const TRect& r = tabRects_[i];
    if (X >= r.left && X < r.right && Y >= r.top && Y < r.bottom) return static_cast<int>(i);
  }
  return -1;
}

TRect TCustomTabControl::DisplayRect() const {
  const TRect c = GetClientRect();
  const int top = kRaise + TabHeight();
  return TRect(c.left + kPageInset, top + kPageInset, std::max(c.left + kPageInset, c.right - kPageInset),
               std::max(top + kPageInset, c.bottom - kPageInset));
}

void TCustomTabControl::AdjustClientRect(TRect& Rect) const { Rect = DisplayRect(); }

// ---- painting ----

void TCustomTabControl::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect c = GetClientRect();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(c);

  // The page: a raised frame below the tabs.
  const int pageTop = kRaise + TabHeight();
  TRect page(c.left, pageTop, c.right, c.bottom);
  Frame3D(canvas, page, clBtnHighlight, cl3DDkShadow, 1);
  Frame3D(canvas, page, GetColor(), clBtnShadow, 1);

  Layout();
  for (int i = 0; i < static_cast<int>(tabRects_.size()); ++i)
    if (i != tabIndex_) PaintTab(i, false);
  if (tabIndex_ >= 0 && tabIndex_ < static_cast<int>(tabRects_.size())) PaintTab(tabIndex_, true);
}

// A tab: highlight on the left and top (corners cut), shadows on the right.
// The selected one grows by kRaise and covers the page's top line below it.
void TCustomTabControl::PaintTab(int Index, bool Selected) {
  TCanvas* canvas = GetCanvas();
  TRect r = tabRects_[static_cast<std::size_t>(Index)];
  if (Selected) r = TRect(r.left - kRaise, r.top - kRaise, r.right + kRaise, r.bottom + 1);
  TBrush* brush = canvas->GetBrush();
  brush->SetStyle(bsSolid);
  brush->SetColor(GetColor());
  canvas->FillRect(TRect(r.left + 1, r.top + 1, r.right - 1, r.bottom));
  brush->SetColor(clBtnHighlight);
  canvas->FillRect(TRect(r.left, r.top + 2, r.left + 1, r.bottom));
  canvas->FillRect(TRect(r.left + 1, r.top + 1, r.left + 2, r.top + 2));
  canvas->FillRect(TRect(r.left + 2, r.top, r.right - 2, r.top + 1));
  brush->SetColor(clBtnShadow);
  canvas->FillRect(TRect(r.right - 2, r.top + 1, r.right - 1, r.bottom));
  brush->SetColor(cl3DDkShadow);
  canvas->FillRect(TRect(r.right - 1, r.top + 2, r.right, r.bottom));
  canvas->FillRect(TRect(r.right - 2, r.top + 1, r.right - 1, r.top + 2));

  canvas->SetFont(GetFont());
  brush->SetStyle(bsClear);
  RECT text = TRect(r.left, r.top, r.right, Selected ? r.bottom - 1 : r.bottom);
  DrawText(canvas->GetHandle(), tabs_->GetStrings(Index).c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  brush->SetStyle(bsSolid);
  if (Selected && Focused()) canvas->DrawFocusRect(TRect(r.left + 3, r.top + 3, r.right - 3, r.bottom - 3));
}

// ---- input ----

void TCustomTabControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    const int hit = IndexOfTabAt(X, Y);
    if (hit >= 0) {
      if (CanFocus() && !Focused()) SetFocus();
      SelectTab(hit);
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTabControl::KeyDown(Word& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Shift != TShiftState()) return;
  if (Key == VK_LEFT || Key == VK_RIGHT) {
    SelectNeighbour(Key == VK_RIGHT);
    Key = 0;
  }
}

// Ctrl+Tab reaches the form as a dialog key, which passes it down to us:
// it turns the pages while the focus is on the control or on its pages.
void TCustomTabControl::CMDialogKey(TMessage& Message) {
  if (Message.WParam == static_cast<WPARAM>(VK_TAB) && GetKeyState(VK_CONTROL) < 0) {
    TCustomForm* form = GetParentForm(this);
    TWinControl* active = form ? form->GetActiveControl() : nullptr;
    if (active && ContainsControl(active)) {
      SelectNeighbour(GetKeyState(VK_SHIFT) >= 0);
      Message.Result = 1;
      return;
    }
  }
  TCustomControl::CMDialogKey(Message);
}

void TCustomTabControl::CMFontChanged(TMessage& Message) {
  layoutValid_ = false;
  TCustomControl::CMFontChanged(Message);
  Realign();
}

void TCustomTabControl::WMSetFocus(TMessage& Message) {
  TCustomControl::WMSetFocus(Message);
  Invalidate();
}

void TCustomTabControl::WMKillFocus(TMessage& Message) {
  TCustomControl::WMKillFocus(Message);
  Invalidate();
}
