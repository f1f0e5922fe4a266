#include "stdctrls_label.h"

#include "colors.h"
#include "dc.h"
#include "gdiobj.h"
#include "stdctrls_accel.h"
#include "text.h"
#include "wincontrol.h"

void TCustomLabel::Publish(TPublisher<TCustomLabel>& P) {
  P.Enum("Alignment", &TCustomLabel::GetAlignment, &TCustomLabel::SetAlignment,
         {"taLeftJustify", "taRightJustify", "taCenter"}, taLeftJustify);
  P.Bool("AutoSize", &TCustomLabel::GetAutoSize, &TCustomLabel::SetAutoSize, true);
  P.Enum("Layout", &TCustomLabel::GetLayout, &TCustomLabel::SetLayout, {"tlTop", "tlCenter", "tlBottom"}, tlTop);
  P.Bool("Transparent", &TCustomLabel::GetTransparent, &TCustomLabel::SetTransparent, false);
  P.Bool("WordWrap", &TCustomLabel::GetWordWrap, &TCustomLabel::SetWordWrap, false);
  P.Bool("ShowAccelChar", &TCustomLabel::GetShowAccelChar, &TCustomLabel::SetShowAccelChar, true);
  P.Component("FocusControl", &TCustomLabel::GetFocusControl, &TCustomLabel::SetFocusControl);
}

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csReplicatable, csDoubleClicks};
  SetBounds(left_, top_, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (layout_ == Value) return;
  layout_ = Value;
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (GetTransparent() == Value) return;
  if (Value)
    controlStyle_.Exclude(csOpaque);
  else
    controlStyle_.Include(csOpaque);
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (showAccelChar_ == Value) return;
  showAccelChar_ = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  if (focusControl_) focusControl_->RemoveFreeNotification(this);
  focusControl_ = Value;
  if (Value) Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::CMTextChanged(TMessage& Message) {
  TGraphicControl::CMTextChanged(Message);
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& Message) {
  TGraphicControl::CMFontChanged(Message);
  AdjustBounds();
}

// The access key focuses the control the label names, if it can take it.
void TCustomLabel::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && focusControl_ && showAccelChar_ && GetEnabled() &&
      IsAccel(static_cast<WORD>(Message.WParam), GetCaption()) && focusControl_->CanFocus()) {
    focusControl_->SetFocus();
    Message.Result = 1;
    return;
  }
  TGraphicControl::Dispatch(Message);
}

// An empty caption still measures one line, so an auto-sized label keeps
// its height.
AnsiString TCustomLabel::LabelText() const {
  AnsiString text = GetCaption();
  if ((text.IsEmpty() || (showAccelChar_ && text == AnsiString("&"))) && autoSize_) text = " ";
  return text;
}

UINT TCustomLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS | AlignmentFlags(alignment_);
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  return flags;
}

void TCustomLabel::DoDrawText(TRect& Rect, UINT Flags) {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetStyle(bsClear);
  const AnsiString text = LabelText();
  RECT r = Rect;
  if (GetEnabled() || (Flags & DT_CALCRECT)) {
    DrawText(canvas->GetHandle(), text.c_str(), -1, &r, Flags);
  } else {
    // The classic grey text: a light copy one pixel down-right, then shadow.
    TRect lit(r.left + 1, r.top + 1, r.right + 1, r.bottom + 1);
    canvas->GetFont()->SetColor(clBtnHighlight);
    DrawText(canvas->GetHandle(), text.c_str(), -1, &lit, Flags);
    canvas->GetFont()->SetColor(clBtnShadow);
    DrawText(canvas->GetHandle(), text.c_str(), -1, &r, Flags);
  }
  Rect = TRect(r.left, r.top, r.right, r.bottom);
}

void TCustomLabel::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect client(0, 0, GetWidth(), GetHeight());
  if (!GetTransparent()) {
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect(client);
  }
  TRect rect = client;
  if (layout_ != tlTop) {
    TRect measured = client;
    DoDrawText(measured, TextFlags() | DT_CALCRECT);
    const int spare = client.Height() - measured.Height();
    rect.top += layout_ == tlBottom ? spare : spare / 2;
  }
  DoDrawText(rect, TextFlags());
}

// Measures on a memory DC of the label's font, so that a label without a
// parent sizes too.
void TCustomLabel::AdjustBounds() {
  if (!autoSize_ || GetComponentState().Contains(csLoading)) return;
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return;
  HGDIOBJ oldFont = SelectObject(dc, GetFont()->GetHandle());
  TRect r(0, 0, GetWidth(), 0);
  const AnsiString text = LabelText();
  DrawText(dc, text.c_str(), -1, &r, (TextFlags() & ~(DT_RIGHT | DT_CENTER)) | DT_CALCRECT);
  SelectObject(dc, oldFont);
  DeleteDC(dc);
  const int newWidth = r.right - r.left, newHeight = r.bottom - r.top;
  int newLeft = GetLeft();
  if (alignment_ == taRightJustify) newLeft += GetWidth() - newWidth;
  SetBounds(newLeft, GetTop(), newWidth, newHeight);
}
