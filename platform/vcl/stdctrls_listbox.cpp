#include "stdctrls_listbox.h"

#include <algorithm>

#include "canvas_binding.h"
#include "focus.h"
#include "stdctrls_drawitem.h"
#include "text.h"

void TCustomListBox::Publish(TPublisher<TCustomListBox>& P) {
  PublishOwnColor(P);
  P.Strings("Items", &TCustomListBox::GetItems);
  P.Integer("ItemHeight", &TCustomListBox::GetItemHeight, &TCustomListBox::SetItemHeight, 13);
  P.Bool("Sorted", &TCustomListBox::GetSorted, &TCustomListBox::SetSorted, false);
  P.Enum("Style", &TCustomListBox::GetStyle, &TCustomListBox::SetStyle,
         {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"}, lbStandard);
  P.Enum("BorderStyle", &TCustomListBox::GetBorderStyle, &TCustomListBox::SetBorderStyle, {"bsNone", "bsSingle"},
         bsSingle);
  P.Bool("TabStop", &TCustomListBox::GetTabStop, &TCustomListBox::SetTabStop, true);
  P.Event("OnDrawItem", &TCustomListBox::OnDrawItem);
  P.Event("OnMeasureItem", &TCustomListBox::OnMeasureItem);
}

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner), items_(new TListItems(this)), canvas_(new TControlCanvas), pane_(*this) {
  canvas_->SetControl(this);
  // Double clicks come as LBN_DBLCLK, on an item only.
  controlStyle_ = {csSetCaption, csOpaque};
  SetBounds(left_, top_, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() {
  DestroyHandle();
  canvas_.reset();
  delete items_;
  items_ = nullptr;
}

// ---- properties ----

void TCustomListBox::SetItemHeight(int Value) {
  if (Value <= 0 || Value == itemHeight_) return;
  itemHeight_ = Value;
  MeasureAll();
  pane_.Relayout();
}

void TCustomListBox::SetSorted(bool Value) {
  std::vector<int> moved;
  const int selected = GetItemIndex();
  items_->SetSorted(Value, &moved);
  // The selection stays on its item wherever sorting put it.
  if (selected >= 0 && selected < static_cast<int>(moved.size()))
    pane_.SetItemIndex(moved[static_cast<std::size_t>(selected)]);
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  MeasureAll();
  RecreateWnd();
  pane_.Relayout();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsNone) Value = bsSingle;
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWnd();
}

// ---- the window ----

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  if (borderStyle_ == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  MeasureAll();  // a new window asks for the heights again
  pane_.Attach(handle_);
  pane_.SetFocused(GetFocus() == handle_);
  pane_.Relayout();
  pane_.ScrollIntoView(GetItemIndex());
}

void TCustomListBox::DestroyWnd() {
  pane_.Attach(nullptr);
  canvas_->FreeHandle();
  TWinControl::DestroyWnd();
}

void TCustomListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The item is chosen first, then the mouse events run, as on the
      // original control.
      if (CanFocus() && !Focused()) SetFocus();
      if (handle_) {
        LRESULT r = 0;
        pane_.HandleMessage(Message.Msg, Message.WParam, Message.LParam, r, [] { return LRESULT(0); });
      }
      TWinControl::Dispatch(Message);
      return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      if (handle_) {
        LRESULT r = 0;
        pane_.HandleMessage(Message.Msg, Message.WParam, Message.LParam, r, [] { return LRESULT(0); });
      }
      TWinControl::Dispatch(Message);
      return;
    case WM_SETFOCUS:
      pane_.SetFocused(true);
      break;
    case WM_KILLFOCUS:
      pane_.SetFocused(false);
      break;
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case CN_COMMAND:
      CNCommand(Message);
      return;
    case CN_DRAWITEM:
      CNDrawItem(Message);
      return;
    default: break;
  }
  TWinControl::Dispatch(Message);
}

// What the control does after the class library's handling: the keys move
// the selection, the pane scrolls and draws its bar.
void TCustomListBox::DefaultHandler(TMessage& Message) {
  if (handle_) {
    if (Message.Msg == WM_KEYDOWN && pane_.MoveByKey(static_cast<WORD>(Message.WParam))) {
      Message.Result = 0;
      return;
    }
    LRESULT result = 0;
    if (pane_.HandleMessage(Message.Msg, Message.WParam, Message.LParam, result, [&] {
          TWinControl::DefaultHandler(Message);
          return Message.Result;
        })) {
      Message.Result = result;
      return;
    }
  }
  TWinControl::DefaultHandler(Message);
}

void TCustomListBox::WMEraseBkgnd(TMessage& Message) {
  // The pane paints every pixel of the client area.
  Message.Result = 1;
}

void TCustomListBox::CMFontChanged(TMessage& Message) {
  TWinControl::CMFontChanged(Message);
  Invalidate();
}

void TCustomListBox::CMColorChanged(TMessage& Message) {
  TWinControl::CMColorChanged(Message);
  Invalidate();
}

void TCustomListBox::PaintWindow(HDC DC) { pane_.Paint(DC); }

// ---- items ----

void TCustomListBox::MeasureAll() {
  heights_.clear();
  if (style_ != lbOwnerDrawVariable) return;
  for (int i = 0; i < items_->GetCount(); ++i) {
    int h = itemHeight_;
    MeasureItem(i, h);
    heights_.push_back(std::max(1, h));
  }
}

void TCustomListBox::ItemInserted(int Index) {
  if (style_ == lbOwnerDrawVariable) {
    int h = itemHeight_;
    MeasureItem(Index, h);
    heights_.insert(heights_.begin() + Index, std::max(1, h));
  }
  pane_.ItemInserted(Index);
}

void TCustomListBox::ItemDeleted(int Index) {
  if (style_ == lbOwnerDrawVariable && Index < static_cast<int>(heights_.size())) heights_.erase(heights_.begin() + Index);
  pane_.ItemDeleted(Index);
}

void TCustomListBox::ItemsCleared() {
  heights_.clear();
  pane_.ItemsReset();
}

void TCustomListBox::ItemsRedrawn() { pane_.Relayout(); }

int TCustomListBox::PaneItemHeight(int Index) const {
  if (style_ == lbOwnerDrawVariable && Index >= 0 && Index < static_cast<int>(heights_.size()))
    return heights_[static_cast<std::size_t>(Index)];
  return itemHeight_;
}

void TCustomListBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

// ---- drawing ----

void TCustomListBox::PaneDrawItem(HDC DC, int Index, const TRect& Rect, TOwnerDrawState State) {
  if (!GetEnabled()) State.Include(odDisabled);
  DRAWITEMSTRUCT item = MakeDrawItem(ODT_LISTBOX, handle_, DC, Index, Rect, State);
  Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
}

void TCustomListBox::CNDrawItem(TMessage& Message) {
  const auto [index, rect, state, dc] = ReadDrawItem(Message);
  TCanvasBinding bound(*canvas_, dc, TCanvasBinding::Locked);
  canvas_->SetFont(GetFont());
  canvas_->GetBrush()->SetStyle(bsSolid);
  canvas_->GetBrush()->SetColor(GetColor());
  if (state.Contains(odSelected)) {
    canvas_->GetBrush()->SetColor(clHighlight);
    canvas_->GetFont()->SetColor(clHighlightText);
  }
  if (style_ == lbStandard)
    DrawItemText(canvas_.get(), index >= 0 && index < GetCount() ? items_->GetStrings(index) : AnsiString(), rect,
                 GetEnabled());
  else
    DrawItem(index, rect, state);
  if (state.Contains(odFocused)) canvas_->DrawFocusRect(rect);
  Message.Result = 1;
}

void DrawItemText(TCanvas* Canvas, const AnsiString& Text, const TRect& Rect, bool Enabled) {
  Canvas->FillRect(Rect);
  if (Text.IsEmpty()) return;
  if (!Enabled) Canvas->GetFont()->SetColor(clGrayText);
  Canvas->GetBrush()->SetStyle(bsClear);
  TRect r(Rect.left + 2, Rect.top, Rect.right, Rect.bottom);
  DrawText(Canvas->GetHandle(), Text.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
  Canvas->GetBrush()->SetStyle(bsSolid);
}

void TCustomListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  DrawItemText(canvas_.get(), Index >= 0 && Index < GetCount() ? items_->GetStrings(Index) : AnsiString(), Rect, GetEnabled());
}

// ---- notifications ----

void TCustomListBox::Notify(WORD Code) {
  if (handle_) Perform(CN_COMMAND, MAKEWPARAM(0, Code), reinterpret_cast<LPARAM>(handle_));
}

void TCustomListBox::PaneSelected() { Notify(LBN_SELCHANGE); }
void TCustomListBox::PaneDoubleClicked() { Notify(LBN_DBLCLK); }

void TCustomListBox::CNCommand(TMessage& Message) {
  switch (Message.WParamHi()) {
    case LBN_SELCHANGE: Click(); break;
    case LBN_DBLCLK: DblClick(); break;
    default: break;
  }
}
