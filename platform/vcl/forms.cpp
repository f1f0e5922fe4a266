#include "forms.h"

#include <algorithm>
#include <utility>

#include "application.h"
#include "canvas_binding.h"
#include "colors.h"
#include "focus.h"
#include "formres.h"
#include "forms_scrollbox.h"
#include "keyboard.h"
#include "tscreen.h"
#include "window_pos.h"

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner), canvas_(new TControlCanvas) {
  canvas_->SetControl(this);
  visible_ = false;
  SetColor(clBtnFace);
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  left_ = 0;
  top_ = 0;
  width_ = 320;
  height_ = 240;
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (std::exchange(created_, false)) DoDestroy();
  if (Screen) Screen->RemoveForm(this);
  if (Application) Application->FormDestroyed(this);
  DestroyHandle();
  canvas_.reset();
}

void TCustomForm::Publish(TPublisher<TCustomForm>& P) {
  P.Enum("BorderStyle", &TCustomForm::GetBorderStyle, &TCustomForm::SetBorderStyle,
         {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}, bsSizeable);
  P.Set("BorderIcons", &TCustomForm::GetBorderIcons, &TCustomForm::SetBorderIcons,
        {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}, 7);
  P.Enum("Position", &TCustomForm::GetPosition, &TCustomForm::SetPosition,
         {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter",
          "poMainFormCenter", "poOwnerFormCenter"},
         poDesigned);
  P.Enum("FormStyle", &TCustomForm::GetFormStyle, &TCustomForm::SetFormStyle,
         {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}, fsNormal);
  P.Enum("WindowState", &TCustomForm::GetWindowState, &TCustomForm::SetWindowState,
         {"wsNormal", "wsMinimized", "wsMaximized"}, wsNormal);
  P.Integer("ClientWidth", &TCustomForm::GetClientWidth, &TCustomForm::SetClientWidth);
  P.Integer("ClientHeight", &TCustomForm::GetClientHeight, &TCustomForm::SetClientHeight);
  P.Bool("KeyPreview", &TCustomForm::GetKeyPreview, &TCustomForm::SetKeyPreview, false);
  P.Component("ActiveControl", &TCustomForm::GetActiveControl, &TCustomForm::SetActiveControl);
  P.Component("Menu", &TCustomForm::GetMenu, &TCustomForm::SetMenu);
  P.Event("OnCreate", &TCustomForm::OnCreate);
  P.Event("OnDestroy", &TCustomForm::OnDestroy);
  P.Event("OnShow", &TCustomForm::OnShow);
  P.Event("OnHide", &TCustomForm::OnHide);
  P.Event("OnActivate", &TCustomForm::OnActivate);
  P.Event("OnDeactivate", &TCustomForm::OnDeactivate);
  P.Event("OnClose", &TCustomForm::OnClose);
  P.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
  P.Event("OnPaint", &TCustomForm::OnPaint);
}

void TCustomForm::AfterConstruction() {
  inherited::AfterConstruction();
  InitInheritedComponent(this, TForm::StaticClass());
  created_ = true;
  DoCreate();
}

void TCustomForm::BeforeDestruction() {
  if (std::exchange(created_, false)) DoDestroy();
  inherited::BeforeDestruction();
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == activeControl_) activeControl_ = nullptr;
  if (AComponent == focusedControl_) focusedControl_ = nullptr;
  if (AComponent == menu_) menu_ = nullptr;
}

void TCustomForm::SetMenu(TComponent* Value) {
  menu_ = Value;
  if (Value) Value->FreeNotification(this);
}

// ---- the frame ----

void TCustomForm::FrameStyle(DWORD& Style, DWORD& ExStyle) const {
  switch (borderStyle_) {
    case bsNone: Style = WS_POPUP; break;
    case bsSingle: Style = WS_CAPTION | WS_BORDER; break;
    case bsSizeable: Style = WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      Style = WS_POPUP | WS_CAPTION;
      ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      Style = WS_CAPTION;
      ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      Style = WS_CAPTION | WS_THICKFRAME;
      ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (borderStyle_ != bsNone && borderIcons_.Contains(biSystemMenu)) {
    Style |= WS_SYSMENU;
    if (borderStyle_ == bsSingle || borderStyle_ == bsSizeable) {
      if (borderIcons_.Contains(biMinimize)) Style |= WS_MINIMIZEBOX;
      if (borderIcons_.Contains(biMaximize)) Style |= WS_MAXIMIZEBOX;
    }
  }
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  if (parent_) return;  // a form hosted as a child keeps the child style
  Params.Style &= ~(WS_CHILD | WS_VISIBLE | WS_TABSTOP);
  Params.Style |= WS_CLIPCHILDREN;
  FrameStyle(Params.Style, Params.ExStyle);
  Params.WndParent = nullptr;
}

TSize TCustomForm::FrameSize() const {
  DWORD style = 0, exStyle = 0;
  FrameStyle(style, exStyle);
  RECT r{};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return TSize(r.right - r.left, r.bottom - r.top);
}

TRect TCustomForm::GetClientRect() const {
  if (handle_ || parent_) return TWinControl::GetClientRect();
  const TSize frame = FrameSize();
  return TRect(0, 0, std::max<int>(0, width_ - frame.cx), std::max<int>(0, height_ - frame.cy));
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (borderStyle_ == Value) return;
  const TRect client = GetClientRect();
  borderStyle_ = Value;
  RecreateWnd();
  // The client area keeps its size, as a streamed form expects.
  SetClientWidth(client.Width());
  SetClientHeight(client.Height());
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (borderIcons_ == Value) return;
  borderIcons_ = Value;
  RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState Value) {
  windowState_ = Value;
  if (!handle_ || !GetShowing()) return;
  ShowWindow(handle_, Value == wsMinimized ? SW_MINIMIZE : Value == wsMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

bool TCustomForm::GetShowing() const { return parent_ ? TWinControl::GetShowing() : visible_ && handle_; }

bool TCustomForm::GetActive() const { return handle_ && GetActiveWindow() == handle_; }

void TCustomForm::ApplyPosition() {
  positioned_ = true;
  if (parent_ || !Screen) return;
  switch (position_) {
    case poScreenCenter:
      SetBounds((Screen->GetWidth() - width_) / 2, (Screen->GetHeight() - height_) / 2, width_, height_);
      break;
    case poDesktopCenter:
      SetBounds(Screen->GetDesktopLeft() + (Screen->GetDesktopWidth() - width_) / 2,
                Screen->GetDesktopTop() + (Screen->GetDesktopHeight() - height_) / 2, width_, height_);
      break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
      TCustomForm* main = Application ? Application->GetMainForm() : nullptr;
      if (!main || main == this) main = nullptr;
      if (main)
        SetBounds(main->GetLeft() + (main->GetWidth() - width_) / 2, main->GetTop() + (main->GetHeight() - height_) / 2,
                  width_, height_);
      break;
    }
    default: break;
  }
}

// ---- showing and activation ----

void TCustomForm::Show() {
  SetVisible(true);
  if (handle_ && !parent_) BringWindowToTop(handle_);
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::CMVisibleChanged(TMessage& Message) {
  if (parent_) {
    TWinControl::CMVisibleChanged(Message);
    return;
  }
  if (visible_) {
    HandleNeeded();
    if (!positioned_) ApplyPosition();
    DoShow();
    ShowWindow(handle_, windowState_ == wsMaximized ? SW_SHOWMAXIMIZED : SW_SHOW);
    SetActiveWindow(handle_);
  } else {
    DoHide();
    if (handle_) ShowWindow(handle_, SW_HIDE);
  }
}

void TCustomForm::WMActivate(TMessage& Message) {
  if (LOWORD(Message.WParam) == WA_INACTIVE) {
    DefaultHandler(Message);
    return;
  }
  if (Screen && Screen->activeForm_ != this) {
    TCustomForm* previous = Screen->activeForm_;
    Screen->activeForm_ = this;
    if (previous) previous->Deactivate();
    Activate();
  }
  TWinControl* target = activeControl_;
  if (!target || !target->CanFocus()) target = FindNextControl(nullptr, true, true, false);
  if (target)
    ::SetFocus(target->GetHandle());
  else
    DefaultHandler(Message);
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (Control == activeControl_) return;
  if (Control && !ContainsControl(Control)) throw EInvalidOperation("Cannot focus a control of another form");
  if (Control && handle_ && GetActive() && Control->CanFocus()) {
    ::SetFocus(Control->GetHandle());
    return;
  }
  activeControl_ = Control;
}

void TCustomForm::FocusControl(TWinControl* Control) {
  if (handle_ && GetShowing() && Control->CanFocus()) {
    ::SetFocus(Control->GetHandle());
    return;
  }
  activeControl_ = Control;
}

void TCustomForm::SetFocusedControl(TWinControl* Control) {
  if (Control == this) {
    // The form's window took the focus: pass it on to the active control.
    if (activeControl_ && activeControl_->CanFocus() && activeControl_->HandleAllocated())
      ::SetFocus(activeControl_->GetHandle());
    return;
  }
  activeControl_ = Control;
  if (Control == focusedControl_) return;
  TWinControl* previous = focusedControl_;
  focusedControl_ = Control;
  if (previous) previous->Perform(CM_EXIT, 0, 0);
  // An OnExit handler may have moved the focus on already.
  if (focusedControl_ == Control) Control->Perform(CM_ENTER, 0, 0);
  // A control focused inside scrolling ones comes into their view, the
  // innermost first, so each outer one sees where the inner one put it.
  if (focusedControl_ == Control && !GetComponentState().Contains(csLoading))
    for (TWinControl* p = Control->GetParent(); p && p != this; p = p->GetParent())
      if (auto* box = dynamic_cast_object<TScrollingWinControl>(p)) box->ScrollInView(Control);
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
}

void TCustomForm::CMDialogKey(TMessage& Message) {
  const WORD key = static_cast<WORD>(Message.WParam);
  const bool alt = GetKeyState(VK_MENU) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  if (!alt && !ctrl) {
    switch (key) {
      case VK_TAB:
        SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
        Message.Result = 1;
        return;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (activeControl_ && activeControl_->GetParent()) {
          activeControl_->GetParent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN, false);
          Message.Result = 1;
        }
        return;
      default: break;
    }
  }
  TWinControl::CMDialogKey(Message);
}

// ---- painting and messages ----

void TCustomForm::PaintWindow(HDC DC) {
  TCanvasBinding bound(*canvas_, DC);
  Paint();
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

namespace {

// A frame sized by hand stays within the form's Constraints (0: no limit);
// the window's own smallest track size still holds beneath a smaller
// minimum.
void ConstrainTracking(const TSizeConstraints& limits, MINMAXINFO& info) {
  auto least = [](LONG& track, int minimum) {
    if (minimum > 0) track = std::max<LONG>(track, minimum);
  };
  auto most = [](LONG& track, LONG floor, int maximum) {
    if (maximum > 0) track = std::max<LONG>(floor, std::min<LONG>(track, maximum));
  };
  least(info.ptMinTrackSize.x, limits.GetMinWidth());
  least(info.ptMinTrackSize.y, limits.GetMinHeight());
  most(info.ptMaxTrackSize.x, info.ptMinTrackSize.x, limits.GetMaxWidth());
  most(info.ptMaxTrackSize.y, info.ptMinTrackSize.y, limits.GetMaxHeight());
}

}  // namespace

void TCustomForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETMINMAXINFO:
      TWinControl::Dispatch(Message);
      if (Message.LParam) ConstrainTracking(*GetConstraints(), *reinterpret_cast<MINMAXINFO*>(Message.LParam));
      break;
    case WM_ACTIVATE: WMActivate(Message); break;
    case WM_CLOSE: WMClose(Message); break;
    case CM_RELEASE: CMRelease(Message); break;
    case WM_SYSCOMMAND: WMSysCommand(Message); break;
    case CM_DIALOGCHAR: CMDialogChar(Message); break;
    default: TWinControl::Dispatch(Message); break;
  }
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WMSysCommand(TMessage& Message) {
  // lParam is the character; 0 (Alt or F10 alone) and the space (the
  // system menu) belong to the menus.
  const bool menuKey = (Message.WParam & 0xFFF0) == SC_KEYMENU;
  if (menuKey && Message.LParam > 0x20 && Perform(CM_DIALOGCHAR, static_cast<WPARAM>(Message.LParam), 0) != 0) {
    Message.Result = 0;
    return;
  }
  DefaultHandler(Message);
}

namespace {

bool OfferDialogChar(TWinControl* Parent, TMessage& Message) {
  // A copy: the control that takes the key may change the tree.
  std::vector<TControl*> children;
  for (int i = 0; i < Parent->GetControlCount(); ++i) children.push_back(Parent->GetControls(i));
  for (TControl* child : children) {
    if (!Parent->ContainsControl(child) || !child->GetVisible() || !child->GetEnabled()) continue;
    child->WndProc(Message);
    if (Message.Result != 0) return true;
    if (auto* window = dynamic_cast_object<TWinControl>(child))
      if (OfferDialogChar(window, Message)) return true;
  }
  return false;
}

}  // namespace

void TCustomForm::CMDialogChar(TMessage& Message) {
  Message.Result = 0;
  if (OfferDialogChar(this, Message)) Message.Result = 1;
}

void TCustomForm::CMRelease(TMessage&) { Free(); }

void TCustomForm::Release() {
  PostMessage(GetHandle(), CM_RELEASE, 0, 0);
}

void TCustomForm::GetChildren(TGetChildProc Proc, TComponent* Root) {
  TWinControl::GetChildren(Proc, Root);
  if (Root != this) return;
  for (int i = 0; i < GetComponentCount(); ++i)
    if (!GetComponents(i)->HasParent()) Proc(GetComponents(i));
}
