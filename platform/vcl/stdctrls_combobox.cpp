#include "stdctrls_combobox.h"

#include <algorithm>

#include "brush.h"
#include "canvas_binding.h"
#include "drawedge.h"
#include "fill.h"
#include "gdiobj.h"
#include "paint.h"
#include "drawframecontrol.h"
#include "stdctrls_drawitem.h"
#include "focus.h"
#include "forms.h"
#include "message_queue.h"
#include "metrics.h"
#include "mouse.h"
#include "window_pos.h"
#include "wndproc.h"

void TCustomComboBox::Publish(TPublisher<TCustomComboBox>& P) {
  PublishOwnColor(P);
  P.Enum("Style", &TCustomComboBox::GetStyle, &TCustomComboBox::SetStyle,
         {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"}, csDropDown);
  P.Integer("DropDownCount", &TCustomComboBox::GetDropDownCount, &TCustomComboBox::SetDropDownCount, 8);
  P.Integer("ItemHeight", &TCustomComboBox::GetItemHeight, &TCustomComboBox::SetItemHeight, 13);
  P.Bool("Sorted", &TCustomComboBox::GetSorted, &TCustomComboBox::SetSorted, false);
  P.String("Text", &TCustomComboBox::GetText, &TCustomComboBox::SetText);
  P.Strings("Items", &TCustomComboBox::GetItems);
  // After the items, so that a stored index finds them.
  P.Integer("ItemIndex", &TCustomComboBox::GetItemIndex, &TCustomComboBox::SetItemIndex, -1);
  P.Bool("TabStop", &TCustomComboBox::GetTabStop, &TCustomComboBox::SetTabStop, true);
  P.Event("OnChange", &TCustomComboBox::OnChange);
  P.Event("OnDropDown", &TCustomComboBox::OnDropDown);
  P.Event("OnCloseUp", &TCustomComboBox::OnCloseUp);
  P.Event("OnDrawItem", &TCustomComboBox::OnDrawItem);
  P.Event("OnMeasureItem", &TCustomComboBox::OnMeasureItem);
}

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TWinControl(AOwner),
      items_(new TListItems(this)),
      canvas_(new TControlCanvas),
      pane_(*this),
      editInstance_(MakeObjectInstance(TWndMethod(this, &TCustomComboBox::EditWndProc))),
      listInstance_(MakeObjectInstance(TWndMethod(this, &TCustomComboBox::ListWndProc))) {
  canvas_->SetControl(this);
  // No csCaptureMouse: the open list holds the capture.
  controlStyle_ = {csSetCaption, csDoubleClicks, csFixedHeight};
  pane_.SetShowFocus(false);
  SetBounds(left_, top_, 145, FieldHeight());
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomComboBox::~TCustomComboBox() {
  DestroyHandle();
  FreeObjectInstance(editInstance_);
  FreeObjectInstance(listInstance_);
  canvas_.reset();
  delete items_;
  items_ = nullptr;
}

// ---- properties ----

void TCustomComboBox::SetItemIndex(int Value) {
  Value = std::clamp(Value, -1, items_->GetCount() - 1);
  if (GetComponentState().Contains(csLoading) && Value < 0) return;
  itemIndex_ = Value;
  pane_.SetItemIndex(Value);
  field_.SetText(Value >= 0 ? items_->GetStrings(Value).str() : std::string());
  field_.SelectAll();
  FieldChanged();
  Invalidate();
}

void TCustomComboBox::SetItemHeight(int Value) {
  if (Value <= 0 || Value == itemHeight_) return;
  itemHeight_ = Value;
  MeasureAll();
  if (style_ != csSimple) SetBounds(left_, top_, width_, FieldHeight());
  LayoutPieces();
  pane_.Relayout();
}

void TCustomComboBox::SetSorted(bool Value) {
  std::vector<int> moved;
  items_->SetSorted(Value, &moved);
  if (itemIndex_ >= 0 && itemIndex_ < static_cast<int>(moved.size())) {
    itemIndex_ = moved[static_cast<std::size_t>(itemIndex_)];
    pane_.SetItemIndex(itemIndex_);
  }
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (style_ == Value) return;
  CloseList(false);
  style_ = Value;
  MeasureAll();
  // A simple box keeps the height it was given; the others are one field.
  if (style_ != csSimple) SetBounds(left_, top_, width_, FieldHeight());
  RecreateWnd();
}

void TCustomComboBox::SetDroppedDown(bool Value) {
  if (Value)
    OpenList();
  else
    CloseList(false);
}

void TCustomComboBox::SetSelStart(int Value) {
  field_.MoveTo(static_cast<std::size_t>(std::max(Value, 0)), false);
  PlaceCaret();
  if (edit_) InvalidateRect(edit_, nullptr, TRUE);
}

void TCustomComboBox::SetSelLength(int Value) {
  field_.Select(field_.SelStart(), static_cast<std::size_t>(std::max(Value, 0)));
  PlaceCaret();
  if (edit_) InvalidateRect(edit_, nullptr, TRUE);
}

AnsiString TCustomComboBox::GetSelText() const { return AnsiString(field_.SelText()); }

void TCustomComboBox::FieldChanged() {
  text_ = AnsiString(field_.Text());
  PlaceCaret();
  if (edit_) InvalidateRect(edit_, nullptr, TRUE);
}

void TCustomComboBox::SetText(const AnsiString& Value) {
  if (!HasEdit()) {
    // A list-only box shows items only: the text chooses one, or nothing.
    const int i = items_->IndexOf(Value);
    if (i >= 0 || !GetComponentState().Contains(csLoading)) SetItemIndex(i);
    return;
  }
  if (text_ == Value) return;
  field_.SetText(Value.str());
  field_.MoveTo(field_.Text().size(), false);
  FieldChanged();
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TCustomComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (style_ != csSimple) AHeight = FieldHeight();
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  LayoutPieces();
}

// ---- items ----

void TCustomComboBox::MeasureAll() {
  heights_.clear();
  if (style_ != csOwnerDrawVariable) return;
  for (int i = 0; i < items_->GetCount(); ++i) {
    int h = itemHeight_;
    MeasureItem(i, h);
    heights_.push_back(std::max(1, h));
  }
}

void TCustomComboBox::ItemInserted(int Index) {
  if (style_ == csOwnerDrawVariable) {
    int h = itemHeight_;
    MeasureItem(Index, h);
    heights_.insert(heights_.begin() + Index, std::max(1, h));
  }
  if (itemIndex_ >= Index) ++itemIndex_;
  pane_.ItemInserted(Index);
}

void TCustomComboBox::ItemDeleted(int Index) {
  if (Index < static_cast<int>(heights_.size())) heights_.erase(heights_.begin() + Index);
  if (itemIndex_ == Index) {
    itemIndex_ = -1;
    if (!HasEdit()) {
      field_.SetText({});
      FieldChanged();
    }
  } else if (itemIndex_ > Index) {
    --itemIndex_;
  }
  pane_.ItemDeleted(Index);
  Invalidate();
}

void TCustomComboBox::ItemsCleared() {
  heights_.clear();
  itemIndex_ = -1;
  if (!HasEdit()) {
    field_.SetText({});
    FieldChanged();
  }
  pane_.ItemsReset();
  Invalidate();
}

void TCustomComboBox::ItemsRedrawn() {
  pane_.Relayout();
  Invalidate();
}

int TCustomComboBox::PaneItemHeight(int Index) const {
  if (style_ == csOwnerDrawVariable && Index >= 0 && Index < static_cast<int>(heights_.size()))
    return heights_[static_cast<std::size_t>(Index)];
  return itemHeight_;
}

void TCustomComboBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

// ---- drawing ----

TRect TCustomComboBox::ButtonRect() const {
  if (!HasDropDown()) return TRect();
  const TRect c = GetClientRect();
  return TRect(c.right - GetSystemMetrics(SM_CXVSCROLL), 0, c.right, c.bottom);
}

TRect TCustomComboBox::FieldRect() const {
  const TRect c = GetClientRect();
  if (style_ == csSimple) return TRect(0, 0, c.right, FieldHeight());
  return TRect(0, 0, ButtonRect().left, c.bottom);
}

void TCustomComboBox::PrepareCanvas(TOwnerDrawState State) {
  canvas_->SetFont(GetFont());
  canvas_->GetBrush()->SetStyle(bsSolid);
  canvas_->GetBrush()->SetColor(GetColor());
  if (State.Contains(odSelected)) {
    canvas_->GetBrush()->SetColor(clHighlight);
    canvas_->GetFont()->SetColor(clHighlightText);
  }
}

void TCustomComboBox::PaneDrawItem(HDC DC, int Index, const TRect& Rect, TOwnerDrawState State) {
  if (!GetEnabled()) State.Include(odDisabled);
  DRAWITEMSTRUCT item = MakeDrawItem(ODT_COMBOBOX, handle_, DC, Index, Rect, State);
  Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
}

void TCustomComboBox::CNDrawItem(TMessage& Message) {
  const auto [index, rect, state, dc] = ReadDrawItem(Message);
  TCanvasBinding bound(*canvas_, dc, TCanvasBinding::Locked);
  PrepareCanvas(state);
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable)
    DrawItem(index, rect, state);
  else
    DrawItemText(canvas_.get(), index >= 0 && index < items_->GetCount() ? items_->GetStrings(index) : AnsiString(),
                 rect, GetEnabled());
  if (state.Contains(odFocused)) canvas_->DrawFocusRect(rect);
  Message.Result = 1;
}

void TCustomComboBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  DrawItemText(canvas_.get(), Index >= 0 && Index < items_->GetCount() ? items_->GetStrings(Index) : AnsiString(), Rect,
               GetEnabled());
}

void TCustomComboBox::PaintWindow(HDC DC) {
  const TRect c = GetClientRect();
  const TRect field = FieldRect();
  HBRUSH window = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(GetColor())));
  if (style_ == csSimple) {
    RECT edge = field;
    FillRect(DC, &edge, window);
    DrawEdge(DC, &edge, EDGE_SUNKEN, BF_RECT);
  } else {
    RECT f = field;
    FillRect(DC, &f, window);
  }
  DeleteObject(window);
  if (!HasEdit()) {
    // The chosen item in the field, highlighted while the box has the focus.
    TOwnerDrawState state;
    state.Include(odComboBoxEdit);
    if (hasFocus_ && !dropped_) {
      state.Include(odSelected);
      state.Include(odFocused);
    }
    PaneDrawItem(DC, itemIndex_, TRect(field.left + 2, field.top + 2, field.right - 2, field.bottom - 2), state);
  }
  if (HasDropDown()) {
    RECT b = ButtonRect();
    DrawFrameControl(DC, &b, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (dropped_ ? DFCS_PUSHED | DFCS_FLAT : 0) | (GetEnabled() ? 0 : DFCS_INACTIVE));
  }
  (void)c;
}

void TCustomComboBox::WMEraseBkgnd(TMessage& Message) { Message.Result = 1; }

// ---- messages ----

void TCustomComboBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM: CNDrawItem(Message); return;
    case WM_MOUSELEAVE: {
      // Onto the edit part: the pointer is still over the box; the edit part
      // tells when it goes.
      POINT p;
      GetCursorPos(&p);
      if (edit_ && WindowFromPoint(p) == edit_) return;
      break;
    }
    default: break;
  }
  TWinControl::WndProc(Message);
}

void TCustomComboBox::EditMouse(const TMessage& Message) {
  if (!edit_ || !handle_) return;
  if (Message.Msg == WM_MOUSEMOVE) {
    TPoint p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    MapWindowPoints(edit_, handle_, &p, 1);
    // The box hears the move in its own coordinates (entering it if it was
    // not entered yet), and the edit part watches for the pointer leaving.
    SendMessage(handle_, WM_MOUSEMOVE, Message.WParam, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
    TRACKMOUSEEVENT t;
    t.dwFlags = TME_LEAVE;
    t.hwndTrack = edit_;
    TrackMouseEvent(&t);
  } else if (Message.Msg == WM_MOUSELEAVE) {
    POINT p;
    GetCursorPos(&p);
    if (WindowFromPoint(p) == handle_) {
      TRACKMOUSEEVENT t;
      t.dwFlags = TME_LEAVE;
      t.hwndTrack = handle_;
      TrackMouseEvent(&t);
    } else {
      SendMessage(handle_, WM_MOUSELEAVE, 0, 0);
    }
  }
}

// ---- notifications ----

void TCustomComboBox::Notify(WORD Code) {
  if (handle_) Perform(CN_COMMAND, MAKEWPARAM(0, Code), reinterpret_cast<LPARAM>(handle_));
}

void TCustomComboBox::CNCommand(TMessage& Message) {
  switch (Message.WParamHi()) {
    case CBN_SELCHANGE:
      Click();
      Change();
      break;
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
    default: break;
  }
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::DoExit() {
  CloseList(false);
  TWinControl::DoExit();
}

// ---- choosing ----

void TCustomComboBox::Choose(int Index) {
  if (Index < 0 || Index >= items_->GetCount()) return;
  const bool changed = Index != itemIndex_;
  SetItemIndex(Index);
  if (changed) Notify(CBN_SELCHANGE);
}

void TCustomComboBox::PaneSelected() {
  // Only a simple box's list chooses as it moves; a drop-down list only
  // highlights until it closes.
  if (style_ == csSimple) Choose(pane_.GetItemIndex());
}
