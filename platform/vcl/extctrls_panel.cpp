#include "extctrls_panel.h"

#include "colors.h"
#include "text.h"

void TCustomPanel::Publish(TPublisher<TCustomPanel>& P) {
  P.Enum("Alignment", &TCustomPanel::GetAlignment, &TCustomPanel::SetAlignment,
         {"taLeftJustify", "taRightJustify", "taCenter"}, taCenter);
  P.Enum("BevelInner", &TCustomPanel::GetBevelInner, &TCustomPanel::SetBevelInner,
         {"bvNone", "bvLowered", "bvRaised", "bvSpace"}, bvNone);
  P.Enum("BevelOuter", &TCustomPanel::GetBevelOuter, &TCustomPanel::SetBevelOuter,
         {"bvNone", "bvLowered", "bvRaised", "bvSpace"}, bvRaised);
  P.Integer("BevelWidth", &TCustomPanel::GetBevelWidth, &TCustomPanel::SetBevelWidth, 1);
  P.Integer("BorderWidth", &TCustomPanel::GetBorderWidth, &TCustomPanel::SetBorderWidth, 0);
  P.Enum("BorderStyle", &TCustomPanel::GetBorderStyle, &TCustomPanel::SetBorderStyle, {"bsNone", "bsSingle"}, bsNone);
  PublishOwnColor(P);
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                   csReplicatable};
  SetBounds(left_, top_, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  if (bevelInner_ == Value) return;
  bevelInner_ = Value;
  FrameChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  if (bevelOuter_ == Value) return;
  bevelOuter_ = Value;
  FrameChanged();
}

void TCustomPanel::SetBevelWidth(int Value) {
  if (Value < 1) Value = 1;
  if (bevelWidth_ == Value) return;
  bevelWidth_ = Value;
  FrameChanged();
}

void TCustomPanel::SetBorderWidth(int Value) {
  if (Value < 0) Value = 0;
  if (borderWidth_ == Value) return;
  borderWidth_ = Value;
  FrameChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsSingle) Value = bsNone;
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomPanel::FrameChanged() {
  Realign();
  Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (borderStyle_ == bsSingle) Params.Style |= WS_BORDER;
}

void TCustomPanel::AdjustClientRect(TRect& Rect) const {
  int inset = borderWidth_;
  if (bevelOuter_ != bvNone) inset += bevelWidth_;
  if (bevelInner_ != bvNone) inset += bevelWidth_;
  Rect = TRect(Rect.left + inset, Rect.top + inset, Rect.right - inset, Rect.bottom - inset);
}

void TCustomPanel::CMTextChanged(TMessage& Message) {
  TCustomControl::CMTextChanged(Message);
  Invalidate();
}

void TCustomPanel::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect rect = GetClientRect();
  PaintBevel(canvas, rect, bevelOuter_, bevelWidth_);
  Frame3D(canvas, rect, GetColor(), GetColor(), borderWidth_);
  PaintBevel(canvas, rect, bevelInner_, bevelWidth_);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(rect);

  const AnsiString caption = GetCaption();
  if (caption.IsEmpty()) return;
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->SetFont(GetFont());
  RECT textRect = rect;
  DrawText(canvas->GetHandle(), caption.c_str(), -1, &textRect,
           DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | AlignmentFlags(alignment_));
}
