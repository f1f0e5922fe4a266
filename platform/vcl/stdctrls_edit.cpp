#include "stdctrls_edit.h"

#include <algorithm>
#include <cstring>

#include "colors.h"
#include "cursor_caret.h"
#include "dc.h"
#include "edit_messages.h"
#include "fill.h"
#include "focus.h"
#include "brush.h"
#include "gdiobj.h"
#include "keyboard.h"
#include "mouse.h"
#include "text.h"
#include "window.h"

namespace {

// Space between the border and the text.
constexpr int kMargin = 1;

// The clipboard of the program's edit fields.
std::string& Clipboard() {
  static std::string text;
  return text;
}

std::string Utf8Of(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x110000) {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

// A memory DC with a font selected, for measuring.
class MeasuringDC {
 public:
  explicit MeasuringDC(HFONT font) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_) old_ = SelectObject(dc_, font);
  }
  ~MeasuringDC() {
    if (!dc_) return;
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  MeasuringDC(const MeasuringDC&) = delete;
  MeasuringDC& operator=(const MeasuringDC&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

}  // namespace

void TCustomEdit::Publish(TPublisher<TCustomEdit>& P) {
  P.String("Caption", &TCustomEdit::GetCaption, &TCustomEdit::SetCaption).Stored([](TCustomEdit*) { return false; });
  P.Bool("TabStop", &TCustomEdit::GetTabStop, &TCustomEdit::SetTabStop, true);
  // A field is white of its own, not of its parent's colour.
  P.Color("Color", &TCustomEdit::GetColor, &TCustomEdit::SetColor, clWindow);
  P.Bool("ParentColor", &TCustomEdit::GetParentColor, &TCustomEdit::SetParentColor, false);
  P.Bool("AutoSelect", &TCustomEdit::GetAutoSelect, &TCustomEdit::SetAutoSelect, true);
  P.Enum("BorderStyle", &TCustomEdit::GetBorderStyle, &TCustomEdit::SetBorderStyle, {"bsNone", "bsSingle"}, bsSingle);
  P.Integer("MaxLength", &TCustomEdit::GetMaxLength, &TCustomEdit::SetMaxLength, 0);
  P.Bool("ReadOnly", &TCustomEdit::GetReadOnly, &TCustomEdit::SetReadOnly, false);
  P.String("Text", &TCustomEdit::GetText, &TCustomEdit::SetText);
  P.Event("OnChange", &TCustomEdit::OnChange);
}

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  controlStyle_ = {csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
  SetBounds(left_, top_, 121, 21);
  SetColor(clWindow);
  SetTabStop(true);
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= ES_AUTOHSCROLL;
  if (readOnly_) Params.Style |= ES_READONLY;
  if (borderStyle_ == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsSingle) Value = bsNone;
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool Value) {
  readOnly_ = Value;
  if (!handle_) return;
  const DWORD style = static_cast<DWORD>(GetWindowLong(handle_, GWL_STYLE));
  SetWindowLong(handle_, GWL_STYLE, static_cast<LONG>(Value ? style | ES_READONLY : style & ~ES_READONLY));
}

// ---- selection and text from the program ----

void TCustomEdit::SetSelStart(int Value) {
  buffer_.Select(static_cast<std::size_t>(std::max(0, Value)), 0);
  SelectionMoved();
}

void TCustomEdit::SetSelLength(int Value) {
  buffer_.Select(buffer_.SelStart(), static_cast<std::size_t>(std::max(0, Value)));
  SelectionMoved();
}

void TCustomEdit::SetSelText(const AnsiString& Value) {
  if (buffer_.Replace(std::string_view(Value.c_str(), static_cast<std::size_t>(Value.Length()))))
    TextEdited();
}

void TCustomEdit::SelectAll() {
  buffer_.SelectAll();
  SelectionMoved();
}

void TCustomEdit::ClearSelection() {
  if (buffer_.Replace({})) TextEdited();
}

void TCustomEdit::CopyToClipboard() {
  if (buffer_.SelLength() > 0) Clipboard() = buffer_.SelText();
}

void TCustomEdit::CutToClipboard() {
  CopyToClipboard();
  if (!readOnly_) ClearSelection();
}

void TCustomEdit::PasteFromClipboard() {
  if (readOnly_) return;
  std::string text = Clipboard();
  // One line only: what follows a line break stays out.
  text = text.substr(0, text.find_first_of("\r\n"));
  if (buffer_.Replace(text, static_cast<std::size_t>(maxLength_))) TextEdited();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::TextEdited() {
  modified_ = true;
  editing_ = true;
  text_ = AnsiString(buffer_.Text());
  try {
    Perform(CM_TEXTCHANGED, 0, 0);
  } catch (...) {
    editing_ = false;
    throw;
  }
  editing_ = false;
  SelectionMoved();
}

void TCustomEdit::CMTextChanged(TMessage& Message) {
  TWinControl::CMTextChanged(Message);
  if (!editing_) {
    buffer_.SetText(std::string(text_.c_str(), static_cast<std::size_t>(text_.Length())));
    scroll_ = 0;
    PlaceCaret();
  }
  if (!GetComponentState().Contains(csLoading)) Change();
}

void TCustomEdit::CMFontChanged(TMessage& Message) {
  TWinControl::CMFontChanged(Message);
  if (caretMade_ && handle_) {
    CreateCaret(handle_, nullptr, 1, LineHeight());
    PlaceCaret();
    ShowCaret(handle_);
  }
}

void TCustomEdit::DoEnter() {
  if (autoSelect_ && !controlState_.Contains(csLButtonDown)) SelectAll();
  TWinControl::DoEnter();
}

// ---- measuring and painting ----

int TCustomEdit::TextWidth(std::size_t Bytes) const {
  if (Bytes == 0) return 0;
  MeasuringDC m(GetFont()->GetHandle());
  SIZE size{};
  GetTextExtentPoint32(m.dc(), buffer_.Text().c_str(), static_cast<int>(Bytes), &size);
  return size.cx;
}

int TCustomEdit::LineHeight() const {
  MeasuringDC m(GetFont()->GetHandle());
  TEXTMETRIC tm{};
  GetTextMetrics(m.dc(), &tm);
  return std::max<int>(1, tm.tmHeight);
}

int TCustomEdit::TextLeft() const { return kMargin - scroll_; }

std::size_t TCustomEdit::PositionAt(int X) const {
  const int x = X - TextLeft();
  std::size_t previous = 0;
  int previousWidth = 0;
  while (previous < buffer_.Text().size()) {
    const std::size_t next = buffer_.NextLetter(previous);
    const int width = TextWidth(next);
    if (x < (previousWidth + width) / 2) return previous;
    previous = next;
    previousWidth = width;
  }
  return previous;
}

void TCustomEdit::PlaceCaret() {
  if (!handle_) return;
  const int visible = std::max(1, GetClientWidth() - 2 * kMargin);
  const int caretX = TextWidth(buffer_.Caret());
  const int old = scroll_;
  if (caretX < scroll_) scroll_ = std::max(0, caretX - visible / 4);
  if (caretX > scroll_ + visible - 1) scroll_ = caretX - visible + 1 + visible / 4;
  scroll_ = std::max(0, std::min(scroll_, TextWidth(buffer_.Text().size()) - visible + 1));
  if (scroll_ != old) Invalidate();
  if (!caretMade_) return;
  const int top = std::max(0, (GetClientHeight() - LineHeight()) / 2);
  SetCaretPos(TextLeft() + caretX, top);
}

void TCustomEdit::SelectionMoved() {
  Invalidate();
  PlaceCaret();
}

void TCustomEdit::PaintWindow(HDC DC) {
  const std::string& text = buffer_.Text();
  HGDIOBJ oldFont = SelectObject(DC, GetFont()->GetHandle());
  SetBkMode(DC, TRANSPARENT);
  const int top = std::max(0, (GetClientHeight() - LineHeight()) / 2);
  const TColor textColor = GetEnabled() ? GetFont()->GetColor() : clGrayText;
  SetTextColor(DC, static_cast<COLORREF>(ColorToRGB(textColor)));
  TextOut(DC, TextLeft(), top, text.c_str(), static_cast<int>(text.size()));
  if (Focused() && buffer_.SelLength() > 0) {
    const std::size_t start = buffer_.SelStart(), length = buffer_.SelLength();
    const int left = TextLeft() + TextWidth(start);
    const int right = TextLeft() + TextWidth(start + length);
    RECT band = TRect(left, top, right, top + LineHeight());
    HBRUSH highlight = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(clHighlight)));
    FillRect(DC, &band, highlight);
    DeleteObject(highlight);
    SetTextColor(DC, static_cast<COLORREF>(ColorToRGB(clHighlightText)));
    TextOut(DC, left, top, text.c_str() + start, static_cast<int>(length));
  }
  SelectObject(DC, oldFont);
}

// ---- focus and the caret ----

void TCustomEdit::WMSetFocus(TMessage& Message) {
  TWinControl::WMSetFocus(Message);
  if (!handle_ || GetFocus() != handle_) return;
  CreateCaret(handle_, nullptr, 1, LineHeight());
  caretMade_ = true;
  PlaceCaret();
  ShowCaret(handle_);
  Invalidate();
}

void TCustomEdit::WMKillFocus(TMessage& Message) {
  if (caretMade_) {
    DestroyCaret();
    caretMade_ = false;
  }
  if (dragging_) {
    dragging_ = false;
    if (GetCapture() == handle_) ReleaseCapture();
  }
  Invalidate();
  TWinControl::WMKillFocus(Message);
}

// ---- input ----

void TCustomEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: MousePress(Message, Message.Msg == WM_LBUTTONDBLCLK); break;
    case WM_MOUSEMOVE: MouseDrag(Message); break;
    case WM_LBUTTONUP:
      if (dragging_) {
        dragging_ = false;
        if (GetCapture() == handle_) ReleaseCapture();
      }
      break;
    default: break;
  }
  TWinControl::Dispatch(Message);
}

void TCustomEdit::MousePress(TMessage& Message, bool Double) {
  if (!handle_) return;
  if (!Focused()) SetFocus();
  TWMMouse m(Message);
  const std::size_t at = PositionAt(m.XPos());
  if (Double) {
    const std::string& text = buffer_.Text();
    std::size_t start = at, end = at;
    while (start > 0 && !IsSpace(text[start - 1])) start = buffer_.PreviousLetter(start);
    while (end < text.size() && !IsSpace(text[end])) end = buffer_.NextLetter(end);
    buffer_.Select(start, end - start);
  } else {
    buffer_.MoveTo(at, (m.Keys() & MK_SHIFT) != 0);
    dragging_ = true;
    SetCapture(handle_);
  }
  SelectionMoved();
}

void TCustomEdit::MouseDrag(TMessage& Message) {
  if (!dragging_) return;
  TWMMouse m(Message);
  buffer_.MoveTo(PositionAt(m.XPos()), true);
  SelectionMoved();
}

// The class library hands KeyPress a single byte; a letter beyond it
// (U+0100 and up) goes on whole unless the handler swallowed or replaced
// that byte. (A letter whose low byte is 0 reads as swallowed there, so it
// goes on regardless.)
void TCustomEdit::WMChar(TMessage& Message) {
  const WPARAM typed = Message.WParam;
  const bool swallowed = DoKeyPress(Message);
  if (swallowed && (typed & 0xFF) != 0) {
    Message.Result = 0;
    return;
  }
  if ((Message.WParam & 0xFF) == (typed & 0xFF)) Message.WParam = typed;
  DefaultHandler(Message);
}

// The field's own reactions, as the text field window has them.
void TCustomEdit::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL; return;
    case WM_KEYDOWN:
      if (EditKey(static_cast<WORD>(Message.WParam))) {
        Message.Result = 0;
        return;
      }
      break;
    case WM_CHAR:
      EditChar(static_cast<char32_t>(Message.WParam));
      Message.Result = 0;
      return;
    case WM_CAPTURECHANGED: dragging_ = false; break;
    case WM_GETTEXTLENGTH: Message.Result = static_cast<LRESULT>(buffer_.Text().size()); return;
    case WM_GETTEXT: {
      auto* out = reinterpret_cast<char*>(Message.LParam);
      const std::size_t room = static_cast<std::size_t>(Message.WParam);
      if (!out || room == 0) {
        Message.Result = 0;
        return;
      }
      const std::size_t n = buffer_.Boundary(std::min(room - 1, buffer_.Text().size()));
      std::memcpy(out, buffer_.Text().data(), n);
      out[n] = '\0';
      Message.Result = static_cast<LRESULT>(n);
      return;
    }
    case EM_GETSEL: {
      const auto start = static_cast<DWORD>(buffer_.SelStart());
      const auto end = static_cast<DWORD>(buffer_.SelStart() + buffer_.SelLength());
      if (auto* s = reinterpret_cast<DWORD*>(Message.WParam)) *s = start;
      if (auto* e = reinterpret_cast<DWORD*>(Message.LParam)) *e = end;
      Message.Result = static_cast<LRESULT>(MAKELONG(static_cast<WORD>(start), static_cast<WORD>(end)));
      return;
    }
    case EM_SETSEL: {
      const auto start = static_cast<LPARAM>(static_cast<int>(Message.WParam));
      const LPARAM end = Message.LParam;
      const std::size_t size = buffer_.Text().size();
      if (start < 0) {
        buffer_.MoveTo(buffer_.Caret(), false);
      } else {
        const std::size_t from = std::min(static_cast<std::size_t>(start), size);
        const std::size_t to = end < 0 ? size : std::min(static_cast<std::size_t>(end), size);
        buffer_.Select(std::min(from, to), to > from ? to - from : from - to);
      }
      SelectionMoved();
      Message.Result = 0;
      return;
    }
    case EM_REPLACESEL:
      SetSelText(AnsiString(reinterpret_cast<LPCSTR>(Message.LParam)));
      Message.Result = 0;
      return;
    case EM_LIMITTEXT: SetMaxLength(static_cast<int>(Message.WParam)); return;
    case EM_GETLIMITTEXT: Message.Result = maxLength_; return;
    case EM_SETREADONLY:
      SetReadOnly(Message.WParam != 0);
      Message.Result = 1;
      return;
    case EM_GETMODIFY: Message.Result = modified_; return;
    case EM_SETMODIFY: modified_ = Message.WParam != 0; return;
    case WM_COPY: CopyToClipboard(); return;
    case WM_CUT: CutToClipboard(); return;
    case WM_PASTE: PasteFromClipboard(); return;
    case WM_CLEAR:
      if (!readOnly_) ClearSelection();
      return;
    default: break;
  }
  TWinControl::DefaultHandler(Message);
}

bool TCustomEdit::EditKey(WORD Key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  switch (Key) {
    case VK_LEFT:
      if (!shift && !ctrl && buffer_.SelLength() > 0)
        buffer_.MoveTo(buffer_.SelStart(), false);
      else
        buffer_.MoveTo(ctrl ? buffer_.PreviousWord(buffer_.Caret()) : buffer_.PreviousLetter(buffer_.Caret()), shift);
      break;
    case VK_RIGHT:
      if (!shift && !ctrl && buffer_.SelLength() > 0)
        buffer_.MoveTo(buffer_.SelStart() + buffer_.SelLength(), false);
      else
        buffer_.MoveTo(ctrl ? buffer_.NextWord(buffer_.Caret()) : buffer_.NextLetter(buffer_.Caret()), shift);
      break;
    case VK_HOME: buffer_.MoveTo(0, shift); break;
    case VK_END: buffer_.MoveTo(buffer_.Text().size(), shift); break;
    case VK_DELETE:
      if (shift) {
        CutToClipboard();
        return true;
      }
      if (!readOnly_ && buffer_.Delete()) TextEdited();
      return true;
    case VK_INSERT:
      if (ctrl) CopyToClipboard();
      if (shift) PasteFromClipboard();
      return true;
    default: return false;
  }
  SelectionMoved();
  return true;
}

void TCustomEdit::EditChar(char32_t Letter) {
  switch (Letter) {
    case 0x08:
      if (!readOnly_ && buffer_.Backspace()) TextEdited();
      return;
    case 0x01: SelectAll(); return;
    case 0x03: CopyToClipboard(); return;
    case 0x16: PasteFromClipboard(); return;
    case 0x18: CutToClipboard(); return;
    default: break;
  }
  if (Letter < 0x20 || Letter == 0x7F || readOnly_) return;
  if (buffer_.Replace(Utf8Of(Letter), static_cast<std::size_t>(maxLength_))) TextEdited();
}
