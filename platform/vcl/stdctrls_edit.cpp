#include "stdctrls_edit.h"

#include <algorithm>

#include "brush.h"
#include "colors.h"
#include "cursor_caret.h"
#include "dc.h"
#include "edit_messages.h"
#include "fill.h"
#include "focus.h"
#include "gdiobj.h"
#include "mouse.h"
#include "scope_guard.h"
#include "text.h"
#include "window.h"

namespace {

// Space between the border and the text.
constexpr int kMargin = 1;

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

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::TextEdited() {
  modified_ = true;
  editing_ = true;
  text_ = AnsiString(buffer_.Text());
  {
    TScopeGuard done([this] { editing_ = false; });
    Perform(CM_TEXTCHANGED, 0, 0);
  }
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
