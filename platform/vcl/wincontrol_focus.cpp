// Focus, tab order and keys. The focus moves through the window manager;
// when a control's window gets WM_SETFOCUS its form records it and sends
// CM_EXIT to the control that had it and CM_ENTER to the new one, which is
// the class library's order. A key goes first to the form when it has
// KeyPreview, then to the focused control; a dialog key (Tab, Enter, Esc,
// arrows) that the control does not want becomes CM_DIALOGKEY to its form.
#include <algorithm>

#include "focus.h"
#include "forms.h"
#include "keyboard.h"
#include "menus.h"
#include "wincontrol.h"

int TWinControl::GetTabOrder() const {
  if (!parent_) return -1;
  const auto& list = parent_->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (GetComponentState().Contains(csLoading)) {
    // Siblings later in the stream do not exist yet: order them at the end.
    streamedTabOrder_ = Value;
    return;
  }
  if (!parent_) return;
  auto& list = parent_->tabList_;
  std::erase(list, this);
  const int count = static_cast<int>(list.size());
  if (Value < 0 || Value > count) Value = count;
  list.insert(list.begin() + Value, this);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  std::stable_sort(tabList_.begin(), tabList_.end(), [](TWinControl* a, TWinControl* b) {
    // Controls without a stored order keep their place after the others.
    const unsigned ka = static_cast<unsigned>(a->streamedTabOrder_);
    const unsigned kb = static_cast<unsigned>(b->streamedTabOrder_);
    return ka < kb;
  });
  AdjustSize();
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
  for (TWinControl* c : tabList_) {
    List.push_back(c);
    c->GetTabOrderList(List);
  }
}

bool TWinControl::CanFocus() const {
  TCustomForm* form = GetParentForm(const_cast<TWinControl*>(this));
  if (!form || !form->GetVisible() || !form->GetEnabled()) return false;
  for (const TControl* c = this; c && c != form; c = c->GetParent())
    if (!c->GetVisible() || !c->GetEnabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  TCustomForm* form = GetParentForm(this);
  if (form)
    form->FocusControl(this);
  else if (parent_)
    parent_->SetFocus();
  else
    ::SetFocus(GetHandle());
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int count = static_cast<int>(list.size());
  auto it = std::find(list.begin(), list.end(), CurControl);
  // Without a current control, going forward starts at the first.
  int start = it == list.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(it - list.begin());
  int i = start;
  for (int step = 0; step < count; ++step) {
    i = GoForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* c = list[static_cast<std::size_t>(i)];
    if (c == CurControl && it != list.end()) break;
    if ((!CheckTabStop || c->GetTabStop()) && (!CheckParent || c->GetParent() == this) && c->CanFocus()) return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) next->SetFocus();
}

void TWinControl::WMSetFocus(TMessage& Message) {
  DefaultHandler(Message);
  if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& Message) { DefaultHandler(Message); }

void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::CMDialogKey(TMessage& Message) { Broadcast(Message); }

// ---- keys ----

bool TWinControl::DoKeyDown(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->GetKeyPreview() && form->DoKeyDown(Message)) return true;
  Word key = static_cast<Word>(Message.WParam);
  KeyDown(key, KeyboardShiftState());
  Message.WParam = key;
  return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->GetKeyPreview() && form->DoKeyPress(Message)) return true;
  // KeyPress sees one byte; a letter beyond it (U+0100 and up) goes on
  // whole unless the handler changed that byte.
  const WPARAM typed = Message.WParam;
  char key = static_cast<char>(typed);
  KeyPress(key);
  if (static_cast<unsigned char>(key) == (typed & 0xFF)) return typed == 0;
  Message.WParam = static_cast<unsigned char>(key);
  return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->GetKeyPreview() && form->DoKeyUp(Message)) return true;
  Word key = static_cast<Word>(Message.WParam);
  KeyUp(key, KeyboardShiftState());
  Message.WParam = key;
  return key == 0;
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::KeyUp(Word& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

namespace {

// Whether a control that answers WM_GETDLGCODE with `code` takes `key`
// itself rather than leaving it to the dialog navigation.
bool WantsKey(LRESULT code, WORD key) {
  if (code & DLGC_WANTALLKEYS) return true;
  switch (key) {
    case VK_TAB: return (code & DLGC_WANTTAB) != 0;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return (code & DLGC_WANTARROWS) != 0;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL: return false;
    default: return true;
  }
}

}  // namespace

void TWinControl::WMKeyDown(TMessage& Message) {
  // Menu shortcuts come before the form's preview and the control.
  if (IsMenuKey(this, static_cast<WORD>(Message.WParam), KeyboardShiftState())) {
    Message.Result = 0;
    return;
  }
  if (DoKeyDown(Message)) {
    Message.Result = 0;
    return;
  }
  const WORD key = static_cast<WORD>(Message.WParam);
  if (!WantsKey(Perform(WM_GETDLGCODE, 0, 0), key)) {
    if (TCustomForm* form = GetParentForm(this)) {
      if (form->Perform(CM_DIALOGKEY, key, Message.LParam) != 0) {
        Message.Result = 0;
        return;
      }
    }
  }
  DefaultHandler(Message);
}

void TWinControl::WMChar(TMessage& Message) {
  if (DoKeyPress(Message)) {
    Message.Result = 0;
    return;
  }
  DefaultHandler(Message);
}

void TWinControl::WMKeyUp(TMessage& Message) {
  if (DoKeyUp(Message)) {
    Message.Result = 0;
    return;
  }
  DefaultHandler(Message);
}
