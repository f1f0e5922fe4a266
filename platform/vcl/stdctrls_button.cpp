#include "stdctrls_button.h"

#include "colors.h"
#include "drawframecontrol.h"
#include "fill.h"
#include "brush.h"
#include "gdiobj.h"
#include "keyboard.h"
#include "stdctrls_accel.h"
#include "stdctrls_captiontext.h"
#include "syscolors.h"
#include "text.h"

void TCustomButton::Publish(TPublisher<TCustomButton>& P) {
  // A button has the face colour of its own, not its parent's.
  P.Color("Color", &TCustomButton::GetColor, &TCustomButton::SetColor, clBtnFace);
  P.Bool("ParentColor", &TCustomButton::GetParentColor, &TCustomButton::SetParentColor, false);
  P.Bool("Cancel", &TCustomButton::GetCancel, &TCustomButton::SetCancel, false);
  P.Bool("Default", &TCustomButton::GetDefault, &TCustomButton::SetDefault, false);
  P.Integer("ModalResult", &TCustomButton::GetModalResult, &TCustomButton::SetModalResult, mrNone);
}

TCustomButton::TCustomButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(left_, top_, 75, 25);
  SetColor(clBtnFace);
}

void TCustomButton::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  Params.Style |= active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TCustomButton::CreateWnd() {
  TButtonControl::CreateWnd();
  if (ButtonKind() != BS_OWNERDRAW) return;
  // The owner may size its item; a push button keeps its bounds.
  MEASUREITEMSTRUCT measure;
  measure.CtlType = ODT_BUTTON;
  measure.itemWidth = static_cast<UINT>(width_);
  measure.itemHeight = static_cast<UINT>(height_);
  Perform(CN_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
}

void TCustomButton::SetDefault(bool Value) {
  default_ = Value;
  TCustomForm* form = GetParentForm(this);
  if (form)
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->GetActiveControl()));
  else
    MakeActive(Value);
}

void TCustomButton::MakeActive(bool Value) {
  if (active_ == Value) return;
  active_ = Value;
  SetButtonStyle(Value);
}

// An owner-drawn button keeps its style: the default look is its owner's.
void TCustomButton::SetButtonStyle(bool ADefault) {
  if (!handle_ || ButtonKind() == BS_OWNERDRAW) return;
  const DWORD kind = ADefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (ButtonKind() != kind) Perform(BM_SETSTYLE, kind, 1);
}

void TCustomButton::CMFocusChanged(TMessage& Message) {
  auto* focused = reinterpret_cast<TWinControl*>(Message.LParam);
  if (focused && focused->Is<TCustomButton>())
    MakeActive(focused == this);
  else
    MakeActive(default_);
  TButtonControl::CMFocusChanged(Message);
}

void TCustomButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

void TCustomButton::CNCommand(TMessage& Message) {
  if (Message.WParamHi() == BN_CLICKED) Click();
}

void TCustomButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR) {
    CMDialogChar(Message);
    return;
  }
  TButtonControl::Dispatch(Message);
}

void TCustomButton::CMDialogKey(TMessage& Message) {
  const WORD key = static_cast<WORD>(Message.WParam);
  const bool plain = !(static_cast<DWORD>(Message.LParam) & (1u << 29)) && GetKeyState(VK_SHIFT) >= 0 &&
                     GetKeyState(VK_CONTROL) >= 0;
  if (((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) && plain && CanFocus()) {
    Click();
    Message.Result = 1;
    return;
  }
  TButtonControl::CMDialogKey(Message);
}

void TCustomButton::CMDialogChar(TMessage& Message) {
  if (IsAccel(static_cast<WORD>(Message.WParam), GetCaption()) && CanFocus()) {
    Click();
    Message.Result = 1;
    return;
  }
  TButtonControl::Dispatch(Message);
}

void TCustomButton::PaintWindow(HDC DC) {
  if (ButtonKind() != BS_OWNERDRAW) {
    PaintFace(DC);
    return;
  }
  DRAWITEMSTRUCT item;
  item.CtlType = ODT_BUTTON;
  item.itemAction = ODA_DRAWENTIRE;
  if (GetPushed()) item.itemState |= ODS_SELECTED;
  if (Focused()) item.itemState |= ODS_FOCUS;
  if (!GetEnabled()) item.itemState |= ODS_DISABLED;
  item.hwndItem = handle_;
  item.hDC = DC;
  item.rcItem = GetClientRect();
  Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
}

// The classic face: a black ring on the default button, the platform's push
// button face (the message box's) in the button's colour, pushed with the
// caption one pixel down and right, the caption centred, and the dotted
// focus rectangle inside.
void TCustomButton::PaintFace(HDC DC) {
  const TRect client = GetClientRect();
  RECT r = client;
  if (ButtonKind() == BS_DEFPUSHBUTTON) {
    FrameRect(DC, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(DC, &r, DFC_BUTTON,
                   DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (GetPushed() ? DFCS_PUSHED : 0) | (GetEnabled() ? 0 : DFCS_INACTIVE));
  const auto colour = static_cast<COLORREF>(ColorToRGB(GetColor()));
  if (colour != GetSysColor(COLOR_BTNFACE)) {
    HBRUSH face = CreateSolidBrush(colour);
    FillRect(DC, &r, face);
    DeleteObject(face);
  }

  RECT text = client;
  InflateRect(&text, -4, -4);
  if (GetPushed()) OffsetRect(&text, 1, 1);
  DrawCaptionText(DC, GetFont(), GetCaption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, GetEnabled());
  if (Focused()) {
    RECT dots = client;
    InflateRect(&dots, -4, -4);
    DrawFocusRect(DC, &dots);
  }
}
