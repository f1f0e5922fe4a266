#include "comctrls_statusbar.h"

#include <algorithm>

#include "colors.h"
#include "drawframecontrol.h"
#include "text.h"
#include "window_pos.h"

namespace {
constexpr int kFieldGap = 2;  // between fields, and above them
constexpr int kTextInset = 2;  // from a field's bevel to its text
constexpr int kGripSize = 16;  // the corner the grip takes
}  // namespace

// ---- panels ----

void TStatusPanel::Publish(TPublisher<TStatusPanel>& P) {
  P.String("Text", &TStatusPanel::GetText, &TStatusPanel::SetText);
  P.Integer("Width", &TStatusPanel::GetWidth, &TStatusPanel::SetWidth, 50);
  P.Enum("Alignment", &TStatusPanel::GetAlignment, &TStatusPanel::SetAlignment,
         {"taLeftJustify", "taRightJustify", "taCenter"}, taLeftJustify);
  P.Enum("Bevel", &TStatusPanel::GetBevel, &TStatusPanel::SetBevel, {"pbNone", "pbLowered", "pbRaised"}, bvLowered);
}

TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}

void TStatusPanel::SetText(const AnsiString& Value) {
  if (text_ == Value) return;
  text_ = Value;
  Changed(false);
}

void TStatusPanel::SetWidth(int Value) {
  if (Value < 0) Value = 0;
  if (width_ == Value) return;
  width_ = Value;
  Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  Changed(false);
}

void TStatusPanel::SetBevel(TBevelCut Value) {
  if (Value == bvSpace) Value = bvNone;
  if (bevel_ == Value) return;
  bevel_ = Value;
  Changed(false);
}

TStatusPanels::TStatusPanels(TStatusBar* StatusBar)
    : TCollection(CollectionItemClassOf<TStatusPanel>(), StatusBar), statusBar_(StatusBar) {}

void TStatusPanels::Update(TCollectionItem*) { statusBar_->Invalidate(); }

// ---- the bar ----

void TStatusBar::Publish(TPublisher<TStatusBar>& P) {
  PublishOwnColor(P);
  // A status bar sits at the bottom of its form unless told otherwise.
  P.Enum("Align", &TControl::GetAlign, &TControl::SetAlign, {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"},
         alBottom);
  P.Collection("Panels", &TStatusBar::GetPanels);
  P.Bool("SimplePanel", &TStatusBar::GetSimplePanel, &TStatusBar::SetSimplePanel, false);
  P.String("SimpleText", &TStatusBar::GetSimpleText, &TStatusBar::SetSimpleText);
  P.Bool("SizeGrip", &TStatusBar::GetSizeGrip, &TStatusBar::SetSizeGrip, true);
}

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner), panels_(new TStatusPanels(this)) {
  controlStyle_ = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
  SetColor(clBtnFace);
  SetBounds(left_, top_, 150, 19);
  SetAlign(alBottom);
}

TStatusBar::~TStatusBar() {
  delete panels_;
  panels_ = nullptr;
}

void TStatusBar::SetSimplePanel(bool Value) {
  if (simplePanel_ == Value) return;
  simplePanel_ = Value;
  Invalidate();
}

void TStatusBar::SetSimpleText(const AnsiString& Value) {
  if (simpleText_ == Value) return;
  simpleText_ = Value;
  if (simplePanel_) Invalidate();
}

void TStatusBar::SetSizeGrip(bool Value) {
  if (sizeGrip_ == Value) return;
  sizeGrip_ = Value;
  Invalidate();
}

void TStatusBar::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect client = GetClientRect();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(client);
  canvas->SetFont(GetFont());

  const int right = sizeGrip_ ? client.right - kGripSize : client.right;
  if (simplePanel_) {
    PaintField(TRect(client.left, client.top + kFieldGap, right, client.bottom), bvLowered, taLeftJustify,
               simpleText_);
  } else {
    int left = client.left;
    for (int i = 0; i < panels_->GetCount() && left < right; ++i) {
      TStatusPanel* panel = panels_->GetItems(i);
      // The last panel takes the rest of the bar.
      const int width = i == panels_->GetCount() - 1 ? right - left : panel->GetWidth();
      PaintField(TRect(left, client.top + kFieldGap, std::min(left + width, right), client.bottom), panel->GetBevel(),
                 panel->GetAlignment(), panel->GetText());
      left += width + kFieldGap;
    }
  }
  if (sizeGrip_) PaintSizeGrip();
}

void TStatusBar::PaintField(TRect Rect, TBevelCut Bevel, TAlignment Alignment, const AnsiString& Text) {
  TCanvas* canvas = GetCanvas();
  PaintBevel(canvas, Rect, Bevel, 1);
  if (Text.IsEmpty()) return;
  canvas->GetBrush()->SetStyle(bsClear);
  TRect r(Rect.left + kTextInset, Rect.top, Rect.right - kTextInset, Rect.bottom);
  DrawText(canvas->GetHandle(), Text.c_str(), -1, &r,
           DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | AlignmentFlags(Alignment));
  canvas->GetBrush()->SetStyle(bsSolid);
}

void TStatusBar::WndProc(TMessage& Message) {
  if (Message.Msg == WM_NCHITTEST && sizeGrip_ && HandleAllocated()) {
    const HWND frame = GetAncestor(GetHandle(), GA_ROOT);
    POINT p = TPoint(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
    ::ScreenToClient(GetHandle(), &p);
    const TRect client = GetClientRect();
    const bool onGrip = p.x >= client.right - kGripSize && p.y >= client.bottom - kGripSize && p.x < client.right &&
                        p.y < client.bottom;
    if (onGrip && frame && (GetWindowLongPtr(frame, GWL_STYLE) & WS_THICKFRAME) && !IsZoomed(frame)) {
      Message.Result = HTBOTTOMRIGHT;
      return;
    }
  }
  TCustomControl::WndProc(Message);
}

void TStatusBar::PaintSizeGrip() {
  const TRect client = GetClientRect();
  RECT corner = TRect(client.right - kGripSize, client.top, client.right, client.bottom);
  DrawFrameControl(GetCanvas()->GetHandle(), &corner, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}
