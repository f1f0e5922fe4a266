#include "wincontrol.h"

#include <algorithm>

#include "application.h"
#include "dragengine.h"
#include "exceptions.h"
#include "scope_guard.h"
#include "sysutils.h"
#include "paint.h"
#include "window_pos.h"
#include "wndproc.h"

namespace {

// The control whose window CreateWindowEx is making: its first message
// binds the window to the control's object instance.
TWinControl*& CreationControl() {
  static TWinControl* control = nullptr;
  return control;
}

}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  objectInstance_ = MakeObjectInstance(TWndMethod(this, &TWinControl::MainWndProc));
}

TWinControl::~TWinControl() {
  Destroying();
  while (!controls_.empty()) {
    TControl* child = controls_.back();
    RemoveControl(child);
    child->Free();
  }
  DestroyHandle();
  FreeObjectInstance(objectInstance_);
  ForgetMouseControl(this);
  ForgetDockSite(this);
}

void TWinControl::Publish(TPublisher<TWinControl>& P) {
  P.Bool("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, false);
  P.Integer("TabOrder", &TWinControl::GetTabOrder, &TWinControl::SetTabOrder).Stored([](TWinControl* c) {
    return c->GetTabOrder() >= 0;
  });
  // Written whenever the control has its own look, true included: a flat
  // parent would otherwise hand its look over on loading.
  P.Bool("Ctl3D", &TWinControl::GetCtl3D, &TWinControl::SetCtl3D).Stored([](TWinControl* c) {
    return !c->GetParentCtl3D();
  });
  P.Bool("ParentCtl3D", &TWinControl::GetParentCtl3D, &TWinControl::SetParentCtl3D, true);
  P.Bool("AutoSize", &TWinControl::GetAutoSize, &TWinControl::SetAutoSize, false);
  P.Bool("DockSite", &TWinControl::GetDockSite, &TWinControl::SetDockSite, false);
  P.Bool("UseDockManager", &TWinControl::GetUseDockManager, &TWinControl::SetUseDockManager, false);
  P.Event("OnDockDrop", &TWinControl::OnDockDrop);
  P.Event("OnDockOver", &TWinControl::OnDockOver);
  P.Event("OnGetSiteInfo", &TWinControl::OnGetSiteInfo);
  P.Event("OnUnDock", &TWinControl::OnUnDock);
  P.Event("OnEnter", &TWinControl::OnEnter);
  P.Event("OnExit", &TWinControl::OnExit);
  P.Event("OnKeyDown", &TWinControl::OnKeyDown);
  P.Event("OnKeyPress", &TWinControl::OnKeyPress);
  P.Event("OnKeyUp", &TWinControl::OnKeyUp);
  P.Event("OnMouseWheel", &TWinControl::OnMouseWheel);
  P.Event("OnMouseWheelDown", &TWinControl::OnMouseWheelDown);
  P.Event("OnMouseWheelUp", &TWinControl::OnMouseWheelUp);
}

// ---- the window ----

HWND TWinControl::GetHandle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::HandleNeeded() {
  if (handle_) return;
  if (parent_) {
    parent_->HandleNeeded();
    if (handle_) return;  // the parent made its children's windows too
  }
  CreateHandle();
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  CreateWnd();
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast_object<TWinControl>(c)) w->HandleNeeded();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params = TCreateParams();
  Params.Caption = text_;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (controlStyle_.Contains(csAcceptsControls)) Params.Style |= WS_CLIPCHILDREN;
  if (visible_) Params.Style |= WS_VISIBLE;
  if (!enabled_) Params.Style |= WS_DISABLED;
  if (tabStop_) Params.Style |= WS_TABSTOP;
  Params.X = left_;
  Params.Y = top_;
  Params.Width = width_;
  Params.Height = height_;
  if (parent_) Params.WndParent = parent_->GetHandle();
  Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  Params.WindowClass.lpfnWndProc = &DefWindowProc;
  Params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EInvalidOperation("Control '" + GetName() + "' has no parent window");
  defWndProc_ = params.WindowClass.lpfnWndProc;
  WNDCLASS existing;
  if (!GetClassInfo(nullptr, params.WinClassName.c_str(), &existing)) {
    WNDCLASS wc = params.WindowClass;
    wc.lpfnWndProc = &TWinControl::InitWndProc;
    wc.lpszClassName = params.WinClassName.c_str();
    RegisterClass(&wc);
  }
  TWinControl* outer = CreationControl();
  CreationControl() = this;
  {
    TScopeGuard restore([outer] { CreationControl() = outer; });
    CreateWindowHandle(params);
  }
  if (!handle_) throw EOutOfResources("Cannot create a window for '" + GetName() + "'");
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  CreateWindowEx(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style, Params.X,
                 Params.Y, Params.Width, Params.Height, Params.WndParent, nullptr, nullptr, Params.Param);
}

LRESULT TWinControl::InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = CreationControl();
  if (!control) return DefWindowProc(hwnd, msg, wParam, lParam);
  CreationControl() = nullptr;
  control->handle_ = hwnd;
  SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(control->objectInstance_));
  return CallWindowProc(control->objectInstance_, hwnd, msg, wParam, lParam);
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  controlState_.Include(csDestroyingHandle);
  DestroyWnd();
  controlState_.Exclude(csDestroyingHandle);
}

void TWinControl::DestroyWnd() { DestroyWindowHandle(); }

void TWinControl::DestroyWindowHandle() {
  if (handle_) DestroyWindow(handle_);
  handle_ = nullptr;
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  DestroyHandle();
  HandleNeeded();
}

// ---- children ----

TControl* TWinControl::GetControls(int Index) const {
  if (Index < 0 || Index >= GetControlCount()) throw EListError("Control index out of bounds (" + IntToStr(Index) + ")");
  return controls_[static_cast<std::size_t>(Index)];
}

bool TWinControl::ContainsControl(TControl* Control) const {
  for (TControl* c = Control; c; c = c->GetParent())
    if (c == this) return true;
  return false;
}

void TWinControl::InsertControl(TControl* AControl) {
  controls_.push_back(AControl);
  AControl->parent_ = this;
  if (auto* w = dynamic_cast_object<TWinControl>(AControl)) {
    tabList_.push_back(w);
    if (handle_) w->HandleNeeded();
  }
  AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
  AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
  // Only windowed controls have a 3-D look to take over.
  if (dynamic_cast_object<TWinControl>(AControl)) AControl->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
  AControl->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
  AControl->Invalidate();
  Realign();
  ChildBoundsChanged();
}

void TWinControl::RemoveControl(TControl* AControl) {
  AControl->InvalidateControl(AControl->GetShowing(), false);
  if (GetCaptureControl() == AControl) SetCaptureControl(nullptr);
  ForgetMouseControl(AControl);
  if (auto* w = dynamic_cast_object<TWinControl>(AControl)) {
    std::erase(tabList_, w);
    if (!w->GetComponentState().Contains(csDestroying)) w->DestroyHandle();
  }
  std::erase(controls_, AControl);
  AControl->parent_ = nullptr;
  Realign();
  ChildBoundsChanged();
}

void TWinControl::MoveControl(TControl* AControl, bool ToFront) {
  auto it = std::find(controls_.begin(), controls_.end(), AControl);
  if (it == controls_.end()) return;
  controls_.erase(it);
  if (ToFront)
    controls_.push_back(AControl);
  else
    controls_.insert(controls_.begin(), AControl);
  if (auto* w = dynamic_cast_object<TWinControl>(AControl); w && w->handle_)
    SetWindowPos(w->handle_, ToFront ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  AControl->Invalidate();
}

void TWinControl::NotifyControls(UINT Msg) {
  TMessage m;
  m.Msg = Msg;
  Broadcast(m);
}

void TWinControl::Broadcast(TMessage& Message) {
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children) {
    c->WndProc(Message);
    if (Message.Result != 0) return;
  }
}

// ---- geometry and state ----

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  CheckNewBounds(ALeft, ATop, AWidth, AHeight);
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  const bool resized = AWidth != width_ || AHeight != height_;
  left_ = ALeft;
  top_ = ATop;
  width_ = AWidth;
  height_ = AHeight;
  if (handle_) SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
  BoundsChanged(resized);
  if (parent_) parent_->ChildBoundsChanged();
}

void TWinControl::BoundsChanged(bool Resized) {
  RequestAlign();
  if (Resized) {
    AnchorControls();
    Realign();
    Resize();
  }
}

void TWinControl::UpdateBoundsFromWindow() {
  RECT r;
  if (!GetWindowRect(handle_, &r)) return;
  if (GetWindowLong(handle_, GWL_STYLE) & WS_CHILD) {
    HWND parentWnd = ::GetParent(handle_);
    MapWindowPoints(nullptr, parentWnd, reinterpret_cast<POINT*>(&r), 2);
  }
  TRect b(r.left, r.top, r.right, r.bottom);
  if (b == GetBoundsRect()) return;
  const bool resized = b.Width() != width_ || b.Height() != height_;
  left_ = b.left;
  top_ = b.top;
  width_ = b.Width();
  height_ = b.Height();
  BoundsChanged(resized);
}

TRect TWinControl::GetClientRect() const {
  if (!handle_) return TControl::GetClientRect();
  RECT r;
  ::GetClientRect(handle_, &r);
  return TRect(r.left, r.top, r.right, r.bottom);
}

TPoint TWinControl::GetClientOrigin() const {
  if (!handle_) return TControl::GetClientOrigin();
  POINT p{};
  ::ClientToScreen(handle_, &p);
  return TPoint(p.x, p.y);
}

bool TWinControl::GetShowing() const {
  if (!visible_) return false;
  if (parent_) return parent_->GetShowing();
  return handle_ && IsWindowVisible(handle_);
}

void TWinControl::SetText(const AnsiString& Value) {
  if (handle_)
    SetWindowText(handle_, Value.c_str());
  else
    TControl::SetText(Value);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, !controlStyle_.Contains(csOpaque));
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

// ---- messages ----

void TWinControl::MainWndProc(TMessage& Message) {
  try {
    if (TDragEngine::Filter(this, Message)) return;
    WndProc(Message);
  } catch (...) {
    HandleEventException(this);
  }
}

void TWinControl::WndProc(TMessage& Message) {
  if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && Message.Msg != WM_MOUSEWHEEL) {
    if (MouseToChild(Message)) return;
    if (Message.Msg == WM_MOUSEMOVE) TrackMouseControl(this);
  } else if (Message.Msg == WM_MOUSELEAVE) {
    TrackMouseControl(nullptr);
  }
  TControl::WndProc(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (!handle_) {
    TControl::DefaultHandler(Message);
    return;
  }
  Message.Result = CallWindowProc(defWndProc_, handle_, Message.Msg, Message.WParam, Message.LParam);
}

void TWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); break;
    // A child that shows this control through itself asks for its painting.
    case WM_PRINTCLIENT: PaintHandler(reinterpret_cast<HDC>(Message.WParam)); break;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); break;
    case WM_SETFOCUS: WMSetFocus(Message); break;
    case WM_KILLFOCUS: WMKillFocus(Message); break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: WMKeyDown(Message); break;
    case WM_CHAR: WMChar(Message); break;
    case WM_KEYUP:
    case WM_SYSKEYUP: WMKeyUp(Message); break;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(Message); break;
    case WM_MOUSEWHEEL: WMMouseWheel(Message); break;
    case WM_NCDESTROY: WMNCDestroy(Message); break;
    case WM_SETTEXT: WMSetText(Message); break;
    case CM_ENTER: CMEnter(Message); break;
    case CM_EXIT: CMExit(Message); break;
    case CM_DIALOGKEY: CMDialogKey(Message); break;
    case CM_FOCUSCHANGED: CMFocusChanged(Message); break;
    case CM_CTL3DCHANGED: CMCtl3DChanged(Message); break;
    case CM_PARENTCTL3DCHANGED: CMParentCtl3DChanged(Message); break;
    default: TControl::Dispatch(Message); break;
  }
}

void TWinControl::WMWindowPosChanged(TMessage& Message) {
  DefaultHandler(Message);
  UpdateBoundsFromWindow();
}

void TWinControl::WMNCDestroy(TMessage& Message) {
  DefaultHandler(Message);
  handle_ = nullptr;
}

void TWinControl::WMSetText(TMessage& Message) {
  const AnsiString value(reinterpret_cast<LPCSTR>(Message.LParam));
  DefaultHandler(Message);
  if (value == text_) return;
  text_ = value;
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TWinControl::CMColorChanged(TMessage& Message) {
  TControl::CMColorChanged(Message);
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::SetCtl3D(bool Value) {
  parentCtl3D_ = false;
  if (ctl3D_ == Value) return;
  ctl3D_ = Value;
  Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::SetParentCtl3D(bool Value) {
  if (parentCtl3D_ == Value) return;
  parentCtl3D_ = Value;
  if (Value && parent_) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TWinControl::CMCtl3DChanged(TMessage&) {
  Invalidate();
  NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMParentCtl3DChanged(TMessage&) {
  if (!parentCtl3D_ || !parent_) return;
  SetCtl3D(parent_->GetCtl3D());
  parentCtl3D_ = true;
}

void TWinControl::CMBiDiModeChanged(TMessage& Message) {
  TControl::CMBiDiModeChanged(Message);
  NotifyControls(CM_PARENTBIDIMODECHANGED);
}

void TWinControl::CMFontChanged(TMessage& Message) {
  TControl::CMFontChanged(Message);
  NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (handle_) ShowWindow(handle_, visible_ ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::CMFocusChanged(TMessage& Message) { Broadcast(Message); }

void TWinControl::CMEnabledChanged(TMessage& Message) {
  if (handle_) EnableWindow(handle_, enabled_);
  TControl::CMEnabledChanged(Message);
}

void TWinControl::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TControl* control : controls_)
    if (control->GetOwner() == Root) Proc(control);
}
