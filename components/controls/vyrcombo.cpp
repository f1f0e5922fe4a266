// The library's combo box: border, search, selection and focus hand-over.
#include "vyrcombo.h"

#include <algorithm>

#include "brush.h"
#include "drawedge.h"
#include "exceptions.h"
#include "fill.h"
#include "gdiobj.h"
#include "keyboard.h"
#include "paint.h"
#include "resourcestrings.h"
#include "syscolors.h"
#include "vyrclass_application.h"

namespace Vyrcombo {

using Vyrclass::TVyrTimerItem;
using Vyrclass::VyrApplication;

TVyrCustomComboBox::TVyrCustomComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {
  // The timer first: a box the pool cannot serve is not made, before it
  // joins its owner.
  FTimer = VyrApplication ? VyrApplication->AddTimerExt(Vyrclass::VyrPoolInterval(1), -1,
                                                        false, TNotifyEvent(this, &TVyrCustomComboBox::DoTimerEvent))
                          : 0;
  if (FTimer == 0) throw EOutOfResources(LoadStr(SNoTimers));
  controlStyle_.Include(csReplicatable);
}

TVyrCustomComboBox::~TVyrCustomComboBox() {
  if (VyrApplication && FTimer) VyrApplication->RemoveTimer(FTimer);
}

// ---- properties ----

void TVyrCustomComboBox::SetBoolean(int Index, bool Value) {
  if (Index != 0 || FFlat == Value) return;
  FFlat = Value;
  RepaintBorder();
}

void TVyrCustomComboBox::SetSearch(bool Value) {
  if (FSearch == Value) return;
  FSearch = Value;
  if (!GetSorted()) SetSorted(true);
  if (Value && !GetComponentState().Contains(csDesigning)) DisableSearchTimer();
}

void TVyrCustomComboBox::SetInteger(int Index, int Value) {
  if (Index != 0 || FDropDownWidth == Value) return;
  FDropDownWidth = Value;
  // The list is ours: it takes the width when it opens.
  SetDropWidth(Value);
}

void TVyrCustomComboBox::SetFocusControl(TWinControl* Value) {
  if (FFocusControl == Value) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TVyrCustomComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomComboBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

// ---- the border ----

bool TVyrCustomComboBox::FlatLook() const {
  const bool idle = !GetComponentState().Contains(csDesigning) && !FMouseInside && !Focused() && !FEditFocused;
  return FFlat && (idle || FExiting);
}

void TVyrCustomComboBox::RepaintBorder() {
  if (!handle_) return;
  HDC dc = GetWindowDC(handle_);
  TRect r{0, 0, GetWidth(), GetHeight()};
  HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  HBRUSH window = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
  HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
  if (FlatLook()) {
    FrameRect(dc, &r, face);
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, face);
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, window);
  } else {
    RECT moved = r;
    OffsetRect(&moved, 1, 1);
    FrameRect(dc, &moved, frame);
    TRect inner{r.left, r.top, r.right - 1, r.bottom - 1};
    FrameRect(dc, &inner, face);
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  }
  DeleteObject(face);
  DeleteObject(window);
  DeleteObject(frame);
  ReleaseDC(handle_, dc);
}

void TVyrCustomComboBox::WMPaint(TMessage& Message) {
  TCustomComboBox::WMPaint(Message);
  RepaintBorder();
}

void TVyrCustomComboBox::CMEnter(TMessage& Message) {
  TCustomComboBox::CMEnter(Message);
  RepaintBorder();
}

void TVyrCustomComboBox::CMExit(TMessage& Message) {
  TCustomComboBox::CMExit(Message);
  ExitCtrl();
}

void TVyrCustomComboBox::CMMouseEnter(TMessage& Message) {
  TCustomComboBox::CMMouseEnter(Message);
  FMouseInside = true;
  if (FFlat && !Focused()) RepaintBorder();
}

void TVyrCustomComboBox::CMMouseLeave(TMessage& Message) {
  TCustomComboBox::CMMouseLeave(Message);
  FMouseInside = false;
  if (FFlat && !Focused() && !GetDroppedDown() && !FEditFocused) RepaintBorder();
}

void TVyrCustomComboBox::ExitCtrl() {
  if (!FMouseInside && !FEditFocused) {
    FExiting = true;
    RepaintBorder();
    FExiting = false;
  }
  if (FSearch) DisableSearchTimer();
}

// ---- the edit and list windows ----

void TVyrCustomComboBox::ComboWndProc(TMessage& Message, HWND ComboWnd, WNDPROC ComboProc) {
  TCustomComboBox::ComboWndProc(Message, ComboWnd, ComboProc);
  if (Message.Msg == WM_LBUTTONDOWN) FNavigationKey = false;
  if (ComboWnd != GetEditHandle()) return;
  switch (Message.Msg) {
    case WM_SETFOCUS:
      FEditFocused = true;
      RepaintBorder();
      break;
    case WM_KILLFOCUS:
      FEditFocused = false;
      // The box may have heard CM_EXIT before its edit part lost the focus.
      if (!FMouseInside && !Focused()) RepaintBorder();
      break;
    case WM_LBUTTONDOWN:
      if (OnEditClick) OnEditClick(this);
      break;
    default: break;
  }
}

void TVyrCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FNavigationKey = false;
  TCustomComboBox::MouseDown(Button, Shift, X, Y);
}

// ---- search ----

void TVyrCustomComboBox::EnableSearchTimer(int Interval) {
  TVyrTimerItem* timer = VyrApplication ? VyrApplication->GetTimer(FTimer) : nullptr;
  if (!timer) return;
  // The pool fires its items in step with its own ticks, not with the key:
  // the timer runs at the pool's step and the pause is counted from the
  // key on (enabling restarts the count).
  const int step = std::max<int>(1, VyrApplication->GetTimerPool()->GetMinInterval());
  FPauseTicks = std::max(1, (Interval + step - 1) / step);
  timer->SetEnabled(true);
}

void TVyrCustomComboBox::DisableSearchTimer() {
  if (TVyrTimerItem* timer = VyrApplication ? VyrApplication->GetTimer(FTimer) : nullptr) timer->SetEnabled(false);
}

void TVyrCustomComboBox::KeyDown(Word& Key, TShiftState Shift) {
  TCustomComboBox::KeyDown(Key, Shift);
  DisableSearchTimer();
  if (FSearch) {
    if (Key == VK_BACK || Key == VK_DELETE)
      EnableSearchTimer(FInterval + 1000);
    else if (Key >= 32)
      EnableSearchTimer(FInterval);
  }
  FNavigationKey = Key >= VK_PRIOR && Key <= VK_UP;
  // An open list takes Enter for its choice, which then hands over.
  if (Key == VK_RETURN && FFocusControl && !GetDroppedDown()) {
    HandOver();
    ExitCtrl();
  }
}

void TVyrCustomComboBox::DoTimerEvent(TObject*) {
  TVyrTimerItem* timer = VyrApplication ? VyrApplication->GetTimer(FTimer) : nullptr;
  if (timer && timer->GetCounter() < FPauseTicks) return;
  if (GetSorted()) {
    const AnsiString typed = GetText();
    TStrings* items = GetItems();
    for (int i = 0; i < items->GetCount(); ++i) {
      const AnsiString item = items->GetStrings(i);
      if (item.SubString(1, typed.Length()) != typed) continue;
      // The typed part stays, the rest of the item is selected.
      const int start = GetSelStart();
      SetItemIndex(i);
      SetSelStart(start);
      SetSelLength(item.Length() - start);
      break;
    }
  }
  DisableSearchTimer();
}

// ---- selection ----

void TVyrCustomComboBox::DoSelect() {
  if (OnSelect) OnSelect(this);
}

void TVyrCustomComboBox::HandOver() {
  if (FFocusControl && FFocusControl->CanFocus()) FFocusControl->SetFocus();
}

void TVyrCustomComboBox::CNCommand(TMessage& Message) {
  if (Message.WParamHi() == CBN_SELCHANGE) {
    DoSelect();
    if (!GetDroppedDown() && !FNavigationKey && FFocusControl) {
      HandOver();
      ExitCtrl();
    }
  }
  TCustomComboBox::CNCommand(Message);
}

}  // namespace Vyrcombo
