// The edit field's input: the mouse, the keys and letters, the clipboard,
// and the messages a text field window answers.
#include <algorithm>
#include <cstring>

#include "edit_messages.h"
#include "keyboard.h"
#include "mouse.h"
#include "stdctrls_edit.h"

namespace {

// The clipboard of the program's edit fields.
std::string& Clipboard() {
  static std::string text;
  return text;
}

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

}  // namespace

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
  if (!readOnly_ && buffer_.Type(Letter, static_cast<std::size_t>(maxLength_))) TextEdited();
}
