// The combo box's windows: its own, the edit part, and the list (a popup
// while it drops down, a child of a simple box). The edit and list windows
// have window procedures of their own kind, reached through ComboWndProc.
#include <algorithm>

#include "brush.h"
#include "canvas_binding.h"
#include "cursor_caret.h"
#include "fill.h"
#include "focus.h"
#include "forms.h"
#include "gdiobj.h"
#include "keyboard.h"
#include "message_queue.h"
#include "mouse.h"
#include "paint.h"
#include "stdctrls_combobox.h"
#include "text.h"
#include "utf8.h"
#include "application.h"
#include "window_pos.h"
#include "windowclass.h"
#include "wndproc.h"

namespace {

constexpr const char* kEditClass = "MorvantComboEdit";
constexpr const char* kListClass = "MorvantComboList";

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

POINT PointOf(LPARAM LParam) { return TPoint(GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)); }

}  // namespace

// The procedures the edit and list windows' classes have: they hand the
// message to the box the window belongs to.
struct ComboNative {
  static TCustomComboBox* Box(HWND hwnd) {
    return reinterpret_cast<TCustomComboBox*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
  }
  static LRESULT Edit(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TCustomComboBox* box = Box(hwnd);
    return box && box->edit_ == hwnd ? box->EditNative(msg, wParam, lParam) : DefWindowProc(hwnd, msg, wParam, lParam);
  }
  static LRESULT List(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TCustomComboBox* box = Box(hwnd);
    return box && box->list_ == hwnd ? box->ListNative(msg, wParam, lParam) : DefWindowProc(hwnd, msg, wParam, lParam);
  }
  static void Register(const char* name, WNDPROC proc, UINT style) {
    WNDCLASS existing;
    if (GetClassInfo(nullptr, name, &existing)) return;
    WNDCLASS wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    RegisterClass(&wc);
  }
  // Makes a window of ours and puts the box's object instance in front of
  // the class procedure.
  static HWND Make(TCustomComboBox* box, const char* cls, DWORD exStyle, DWORD style, const RECT& r, HWND parent,
                   WNDPROC instance, WNDPROC& classProc) {
    HWND h = CreateWindowEx(exStyle, cls, "", style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent, nullptr,
                            nullptr, nullptr);
    if (!h) return nullptr;
    SetWindowLongPtr(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
    classProc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(h, GWLP_WNDPROC));
    SetWindowLongPtr(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(instance));
    return h;
  }
};

// ---- the windows ----

void TCustomComboBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
  if (style_ != csSimple) Params.ExStyle |= WS_EX_CLIENTEDGE;
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  MeasureAll();  // a new window asks for the heights again
  ComboNative::Register(kEditClass, &ComboNative::Edit, 0);
  ComboNative::Register(kListClass, &ComboNative::List, CS_DBLCLKS);
  const RECT none{};
  if (HasEdit())
    edit_ = ComboNative::Make(this, kEditClass, 0, WS_CHILD | WS_VISIBLE, none, handle_, editInstance_, editProc_);
  if (style_ == csSimple) {
    list_ = ComboNative::Make(this, kListClass, WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, none, handle_, listInstance_,
                              listProc_);
    pane_.Attach(list_);
  }
  LayoutPieces();
  pane_.SetItemIndex(itemIndex_);
}

void TCustomComboBox::DestroyWnd() {
  dropped_ = false;
  pane_.Attach(nullptr);
  if (list_) DestroyWindow(list_);
  if (edit_) DestroyWindow(edit_);
  list_ = edit_ = nullptr;
  hasFocus_ = false;
  canvas_->FreeHandle();
  TWinControl::DestroyWnd();
}

void TCustomComboBox::LayoutPieces() {
  if (!handle_) return;
  const TRect c = GetClientRect();
  if (style_ == csSimple) {
    const int fh = FieldHeight();
    if (edit_) MoveWindow(edit_, 3, 3, std::max(0, static_cast<int>(c.right) - 6), fh - 6, TRUE);
    if (list_) MoveWindow(list_, 0, fh, c.right, std::max(0, static_cast<int>(c.bottom) - fh), TRUE);
    pane_.Relayout();
  } else if (edit_) {
    const TRect f = FieldRect();
    MoveWindow(edit_, 2, 2, std::max(0, static_cast<int>(f.right) - 4), std::max(0, static_cast<int>(f.bottom) - 4),
               TRUE);
  }
}

// ---- the box's own window ----

void TCustomComboBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (CanFocus() && !Focused() && GetFocus() != edit_) SetFocus();
      if (HasDropDown()) {
        const POINT p = PointOf(Message.LParam);
        if (style_ != csDropDown || Inside(ButtonRect(), p)) {
          if (dropped_)
            CloseList(false);
          else
            OpenList();
        }
      }
      break;
    case WM_SETFOCUS:
      TWinControl::Dispatch(Message);
      if (edit_) {
        ::SetFocus(edit_);
      } else {
        hasFocus_ = true;
        Invalidate();
      }
      return;
    case WM_KILLFOCUS:
      if (!edit_) {
        hasFocus_ = false;
        if (reinterpret_cast<HWND>(Message.WParam) != list_) CloseList(false);
        Invalidate();
      }
      break;
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_SETTEXT:
      // The edit part holds the text; a list-only box keeps the window's.
      if (!HasEdit()) break;
      SetText(AnsiString(reinterpret_cast<LPCSTR>(Message.LParam)));
      Message.Result = TRUE;
      return;
    case CN_COMMAND: CNCommand(Message); return;
    default: break;
  }
  TWinControl::Dispatch(Message);
}

void TCustomComboBox::WMKeyDown(TMessage& Message) {
  const WORD key = static_cast<WORD>(Message.WParam);
  // An open list takes Enter and Escape before the form's buttons can.
  if (dropped_ && (key == VK_RETURN || key == VK_ESCAPE)) {
    if (!DoKeyDown(Message)) ComboKey(key, false);
    Message.Result = 0;
    return;
  }
  TWinControl::WMKeyDown(Message);
}

void TCustomComboBox::DefaultHandler(TMessage& Message) {
  if (handle_) {
    switch (Message.Msg) {
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        if (ComboKey(static_cast<WORD>(Message.WParam), (static_cast<DWORD>(Message.LParam) & (1u << 29)) != 0)) {
          Message.Result = 0;
          return;
        }
        break;
      case WM_CHAR:
        ComboChar(static_cast<unsigned>(Message.WParam));
        Message.Result = 0;
        return;
      case WM_MOUSEWHEEL:
        if (dropped_) {
          LRESULT r = 0;
          pane_.HandleMessage(Message.Msg, Message.WParam, Message.LParam, r, [] { return LRESULT(0); });
        } else {
          ComboKey(static_cast<short>(HIWORD(Message.WParam)) > 0 ? VK_UP : VK_DOWN, false);
        }
        Message.Result = 0;
        return;
      default: break;
    }
  }
  TWinControl::DefaultHandler(Message);
}

// ---- keys ----

bool TCustomComboBox::ComboKey(WORD Key, bool Alt) {
  // F4 alone toggles the list; Alt+F4 is the window's close command and goes
  // on, the list closed first so that it does not outlive its window.
  if (Key == VK_F4 && Alt) {
    if (dropped_) CloseList(false);
    return false;
  }
  if (HasDropDown() && (Key == VK_F4 || (Alt && (Key == VK_DOWN || Key == VK_UP)))) {
    if (dropped_)
      CloseList(true);
    else
      OpenList();
    return true;
  }
  if (dropped_) {
    if (Key == VK_RETURN || Key == VK_ESCAPE) {
      CloseList(Key == VK_RETURN);
      return true;
    }
    return pane_.MoveByKey(Key);
  }
  const bool homeEnd = !HasEdit() && (Key == VK_HOME || Key == VK_END);
  if (Key != VK_UP && Key != VK_DOWN && Key != VK_PRIOR && Key != VK_NEXT && !homeEnd) return false;
  const int last = items_->GetCount() - 1;
  if (last < 0) return true;
  const int page = std::max(1, dropDownCount_ - 1);
  int to = itemIndex_;
  switch (Key) {
    case VK_UP: to = itemIndex_ < 0 ? 0 : itemIndex_ - 1; break;
    case VK_DOWN: to = itemIndex_ + 1; break;
    case VK_PRIOR: to = itemIndex_ - page; break;
    case VK_NEXT: to = itemIndex_ + page; break;
    case VK_HOME: to = 0; break;
    default: to = last; break;
  }
  Choose(std::clamp(to, 0, last));
  return true;
}

void TCustomComboBox::ComboChar(unsigned Code) {
  if (!HasEdit()) {
    // A letter picks the next item that starts with it.
    if (Code < 32 || items_->GetCount() == 0) return;
    const AnsiString letter(Utf8Encode(Code));
    const int count = items_->GetCount();
    for (int step = 1; step <= count; ++step) {
      const int i = (std::max(itemIndex_, -1) + step) % count;
      if (AnsiCompareText(items_->GetStrings(i).SubString(1, letter.Length()), letter) == 0) {
        if (dropped_)
          pane_.SetItemIndex(i);
        else
          Choose(i);
        return;
      }
    }
    return;
  }
  if (!(Code == VK_BACK ? field_.Backspace() : field_.Type(Code))) return;
  FieldChanged();
  Notify(CBN_EDITCHANGE);
}

// ---- the edit part ----

void TCustomComboBox::EditWndProc(TMessage& Message) {
  try {
    ComboWndProc(Message, edit_, editProc_);
    EditMouse(Message);
  } catch (...) {
    HandleEventException(this);
  }
}

void TCustomComboBox::ListWndProc(TMessage& Message) {
  try {
    ComboWndProc(Message, list_, listProc_);
  } catch (...) {
    HandleEventException(this);
  }
}

void TCustomComboBox::ComboWndProc(TMessage& Message, HWND ComboWnd, WNDPROC ComboProc) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
      if (ComboWnd == edit_) {
        hasFocus_ = true;
        if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
      }
      break;
    case WM_KILLFOCUS:
      if (ComboWnd == edit_) {
        hasFocus_ = false;
        if (reinterpret_cast<HWND>(Message.WParam) != list_) CloseList(false);
      }
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (ComboWnd == edit_) {
        if (DoKeyDown(Message)) {
          Message.Result = 0;
          return;
        }
        const WORD key = static_cast<WORD>(Message.WParam);
        if (key == VK_TAB || (!dropped_ && (key == VK_RETURN || key == VK_ESCAPE))) {
          if (TCustomForm* form = GetParentForm(this); form && form->Perform(CM_DIALOGKEY, key, Message.LParam)) {
            Message.Result = 0;
            return;
          }
        }
      }
      break;
    case WM_CHAR:
      if (ComboWnd == edit_ && DoKeyPress(Message)) {
        Message.Result = 0;
        return;
      }
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (ComboWnd == edit_ && DoKeyUp(Message)) {
        Message.Result = 0;
        return;
      }
      break;
    default: break;
  }
  Message.Result = CallWindowProc(ComboProc, ComboWnd, Message.Msg, Message.WParam, Message.LParam);
}

void TCustomComboBox::PlaceCaret() {
  if (!edit_ || GetFocus() != edit_) return;
  HDC dc = GetDC(edit_);
  HGDIOBJ old = SelectObject(dc, GetFont()->GetHandle());
  SIZE s{};
  GetTextExtentPoint32(dc, field_.Text().c_str(), static_cast<int>(field_.Caret()), &s);
  SelectObject(dc, old);
  ReleaseDC(edit_, dc);
  SetCaretPos(1 + s.cx, 0);
}

void TCustomComboBox::PaintEdit(HDC DC) {
  RECT c;
  ::GetClientRect(edit_, &c);
  TCanvasBinding bound(*canvas_, DC, TCanvasBinding::Locked);
  PrepareCanvas(TOwnerDrawState());
  canvas_->FillRect(c);
  const bool focused = GetFocus() == edit_;
  if (focused && field_.SelLength() > 0) {
    // The selection as a highlighted run between the plain parts.
    const std::string& text = field_.Text();
    const int x0 = 1 + canvas_->TextWidth(AnsiString(text.substr(0, field_.SelStart())));
    const int x1 = 1 + canvas_->TextWidth(AnsiString(text.substr(0, field_.SelStart() + field_.SelLength())));
    canvas_->GetBrush()->SetStyle(bsClear);
    canvas_->TextOut(1, 0, text_);
    canvas_->GetBrush()->SetStyle(bsSolid);
    canvas_->GetBrush()->SetColor(clHighlight);
    canvas_->GetFont()->SetColor(clHighlightText);
    canvas_->TextRect(TRect(x0, 0, x1, c.bottom), x0, 0, GetSelText());
  } else {
    canvas_->GetBrush()->SetStyle(bsClear);
    canvas_->TextOut(1, 0, text_);
  }
}

LRESULT TCustomComboBox::EditNative(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
    case WM_SETFOCUS:
      CreateCaret(edit_, nullptr, 1, itemHeight_);
      PlaceCaret();
      ShowCaret(edit_);
      InvalidateRect(edit_, nullptr, TRUE);
      return 0;
    case WM_KILLFOCUS:
      DestroyCaret();
      InvalidateRect(edit_, nullptr, TRUE);
      return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(edit_, &ps);
      PaintEdit(dc);
      EndPaint(edit_, &ps);
      return 0;
    }
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const WORD key = static_cast<WORD>(WParam);
      if (ComboKey(key, (static_cast<DWORD>(LParam) & (1u << 29)) != 0)) return 0;
      const bool shift = GetKeyState(VK_SHIFT) < 0;
      std::size_t to = 0;
      switch (key) {
        case VK_LEFT: to = field_.PreviousLetter(field_.Caret()); break;
        case VK_RIGHT: to = field_.NextLetter(field_.Caret()); break;
        case VK_HOME: to = 0; break;
        case VK_END: to = field_.Text().size(); break;
        case VK_DELETE:
          if (field_.Delete()) {
            FieldChanged();
            Notify(CBN_EDITCHANGE);
          }
          return 0;
        default: return DefWindowProc(edit_, Msg, WParam, LParam);
      }
      field_.MoveTo(to, shift);
      PlaceCaret();
      InvalidateRect(edit_, nullptr, TRUE);
      return 0;
    }
    case WM_CHAR: ComboChar(static_cast<unsigned>(WParam)); return 0;
    case WM_LBUTTONDOWN: {
      if (dropped_) CloseList(false);
      if (GetFocus() != edit_) SetFocus();
      // The caret goes to the nearest gap between characters.
      const int x = GET_X_LPARAM(LParam) - 1;
      HDC dc = GetDC(edit_);
      HGDIOBJ old = SelectObject(dc, GetFont()->GetHandle());
      const std::string& text = field_.Text();
      std::size_t best = 0, at = 0;
      while (at < text.size()) {
        const std::size_t next = field_.NextLetter(at);
        SIZE a{}, b{};
        GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(at), &a);
        GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(next), &b);
        if (x >= (a.cx + b.cx) / 2) best = next;
        at = next;
      }
      SelectObject(dc, old);
      ReleaseDC(edit_, dc);
      field_.MoveTo(best, false);
      PlaceCaret();
      InvalidateRect(edit_, nullptr, TRUE);
      return 0;
    }
    case WM_MOUSEWHEEL: {
      TMessage m;
      m.Msg = Msg;
      m.WParam = WParam;
      m.LParam = LParam;
      DefaultHandler(m);
      return 0;
    }
    default: return DefWindowProc(edit_, Msg, WParam, LParam);
  }
}

// ---- the list ----

void TCustomComboBox::OpenList() {
  if (dropped_ || !HasDropDown() || !handle_) return;
  Notify(CBN_DROPDOWN);  // the handler may still fill the items
  RECT box;
  GetWindowRect(handle_, &box);
  const int width = std::max(static_cast<int>(box.right - box.left), dropWidth_);
  const int rows = std::clamp(items_->GetCount(), 1, dropDownCount_);
  int height = 2;
  for (int i = 0; i < rows; ++i) height += PaneItemHeight(i);
  if (items_->GetCount() == 0) height = itemHeight_ + 2;
  const RECT r = TRect(box.left, box.bottom, box.left + width, box.bottom + height);
  if (!list_) {
    list_ = ComboNative::Make(this, kListClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WS_POPUP | WS_BORDER, r, nullptr,
                              listInstance_, listProc_);
    if (!list_) return;
  } else {
    MoveWindow(list_, r.left, r.top, width, height, FALSE);
  }
  dropped_ = true;
  pane_.Attach(list_);
  pane_.SetItemIndex(itemIndex_);
  pane_.ScrollIntoView(itemIndex_);
  SetWindowPos(list_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetCapture(list_);
  Invalidate();
}

void TCustomComboBox::CloseList(bool Ok) {
  if (!dropped_) return;
  dropped_ = false;
  const int chosen = pane_.GetItemIndex();
  if (GetCapture() == list_) ReleaseCapture();
  pane_.Attach(nullptr);
  ShowWindow(list_, SW_HIDE);
  Invalidate();
  Notify(CBN_CLOSEUP);
  if (Ok && chosen >= 0 && chosen != itemIndex_)
    Choose(chosen);
  else
    pane_.SetItemIndex(itemIndex_);
}

LRESULT TCustomComboBox::ListNative(UINT Msg, WPARAM WParam, LPARAM LParam) {
  HWND list = list_;
  auto fallback = [&] { return DefWindowProc(list, Msg, WParam, LParam); };
  switch (Msg) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(list, &ps);
      pane_.Paint(dc);
      EndPaint(list, &ps);
      return 0;
    }
    default: break;
  }
  LRESULT result = 0;
  if (style_ == csSimple) {
    if (Msg == WM_LBUTTONDOWN && GetFocus() != edit_) SetFocus();
    return pane_.HandleMessage(Msg, WParam, LParam, result, fallback) ? result : fallback();
  }
  if (!dropped_) return fallback();
  RECT client;
  ::GetClientRect(list, &client);
  const POINT p = PointOf(LParam);
  switch (Msg) {
    case WM_MOUSEMOVE:
      if (pane_.HandleMessage(Msg, WParam, LParam, result, fallback)) return result;
      if (Inside(client, p)) {
        const int i = pane_.ItemAtPos(TPoint(p.x, p.y), true);
        if (i >= 0) pane_.SetItemIndex(i);
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (Inside(client, p)) {
        const int i = pane_.ItemAtPos(TPoint(p.x, p.y), true);
        if (i >= 0) pane_.SetItemIndex(i);
        return 0;
      }
      POINT screen = p;
      ::ClientToScreen(list, &screen);
      RECT w;
      GetWindowRect(list, &w);
      if (Inside(w, screen)) {
        // Under the capture the scroll bar's press arrives as a client one.
        pane_.HandleMessage(WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)),
                            result, fallback);
        return 0;
      }
      CloseList(false);
      return 0;
    }
    case WM_LBUTTONUP:
      if (pane_.HandleMessage(Msg, WParam, LParam, result, fallback)) {
        if (dropped_) SetCapture(list);
        return result;
      }
      if (Inside(client, p) && pane_.ItemAtPos(TPoint(p.x, p.y), true) >= 0) {
        pane_.SetItemIndex(pane_.ItemAtPos(TPoint(p.x, p.y), true));
        CloseList(true);
      }
      return 0;
    case WM_CAPTURECHANGED: return 0;
    default: return pane_.HandleMessage(Msg, WParam, LParam, result, fallback) ? result : fallback();
  }
}
