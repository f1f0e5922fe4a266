#include "control.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "colors.h"
#include "dockform.h"
#include "dragengine.h"
#include "exceptions.h"
#include "gdi.h"
#include "forms.h"
#include "keyboard.h"
#include "menus.h"
#include "mouse.h"
#include "paint.h"
#include "wincontrol.h"
#include "window_pos.h"

namespace {

TControl*& CaptureControl() {
  static TControl* control = nullptr;
  return control;
}

}  // namespace

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState s;
  if (Keys & MK_SHIFT) s.Include(ssShift);
  if (Keys & MK_CONTROL) s.Include(ssCtrl);
  if (Keys & MK_LBUTTON) s.Include(ssLeft);
  if (Keys & MK_RBUTTON) s.Include(ssRight);
  if (Keys & MK_MBUTTON) s.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

TShiftState KeyboardShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

TControl* GetCaptureControl() { return CaptureControl(); }

void SetCaptureControl(TControl* Control) {
  CaptureControl() = Control;
  if (!Control) {
    if (GetCapture()) ReleaseCapture();
    return;
  }
  auto* win = dynamic_cast_object<TWinControl>(Control);
  if (!win) win = Control->GetParent();
  if (win && win->HandleAllocated()) SetCapture(win->GetHandle());
}

TCustomForm* GetParentForm(TControl* Control) {
  while (Control && Control->GetParent()) Control = Control->GetParent();
  return dynamic_cast_object<TCustomForm>(Control);
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), font_(new TFont), color_(clWindow) {
  controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  font_->OnChange = TNotifyEvent(this, &TControl::FontChanged);
  constraints_ = std::make_unique<TSizeConstraints>();
  constraints_->OnChange = TNotifyEvent(this, &TControl::ConstraintsChanged);
}

TControl::~TControl() {
  TDragEngine::Forget(this);
  if (CaptureControl() == this) SetCaptureControl(nullptr);
  if (auto* host = dynamic_cast_object<TFloatDockForm>(floatHost_)) {
    host->SetDockClient(nullptr);
    // Its tool window goes with a floating control.
    if (GetFloating() && !host->GetComponentState().Contains(csDestroying)) host->Release();
  }
  SetParent(nullptr);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == popupMenu_) popupMenu_ = nullptr;
  if (AComponent && AComponent == GetAction()) SetAction(nullptr);
}

void TControl::SetPopupMenu(TComponent* Value) {
  popupMenu_ = Value;
  if (Value) Value->FreeNotification(this);
}

void TControl::Publish(TPublisher<TControl>& P) {
  P.Integer("Left", &TControl::GetLeft, &TControl::SetLeft);
  P.Integer("Top", &TControl::GetTop, &TControl::SetTop);
  P.Integer("Width", &TControl::GetWidth, &TControl::SetWidth);
  P.Integer("Height", &TControl::GetHeight, &TControl::SetHeight);
  P.Enum("Align", &TControl::GetAlign, &TControl::SetAlign, {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"},
         alNone);
  P.String("Caption", &TControl::GetCaption, &TControl::SetCaption).Stored(&TControl::IsCaptionStored);
  P.Color("Color", &TControl::GetColor, &TControl::SetColor).Stored([](TControl* c) { return !c->GetParentColor(); });
  P.Bool("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, true);
  P.Object("Font", &TControl::GetFont).Stored([](TControl* c) { return !c->GetParentFont(); });
  P.Bool("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont, true);
  P.Bool("Visible", &TControl::GetVisible, &TControl::SetVisible, true).Stored(&TControl::IsVisibleStored);
  P.Bool("Enabled", &TControl::GetEnabled, &TControl::SetEnabled, true).Stored(&TControl::IsEnabledStored);
  P.String("Hint", &TControl::GetHint, &TControl::SetHint).Stored(&TControl::IsHintStored);
  P.Bool("ShowHint", &TControl::GetShowHint, &TControl::SetShowHint)
      .Stored([](TControl* c) { return !c->GetParentShowHint(); });
  P.Bool("ParentShowHint", &TControl::GetParentShowHint, &TControl::SetParentShowHint, true);
  P.Integer("Cursor", &TControl::GetCursor, &TControl::SetCursor, crDefault);
  P.Integer("HelpContext", &TControl::GetHelpContext, &TControl::SetHelpContext, 0)
      .Stored(&TControl::IsHelpContextStored);
  P.Component("Action", &TControl::GetAction, &TControl::SetAction);
  P.Event("OnClick", &TControl::OnClick).Stored(&TControl::IsOnClickStored);
  P.Event("OnDblClick", &TControl::OnDblClick);
  P.Event("OnMouseDown", &TControl::OnMouseDown);
  P.Event("OnMouseMove", &TControl::OnMouseMove);
  P.Event("OnMouseUp", &TControl::OnMouseUp);
  P.Event("OnResize", &TControl::OnResize);
  P.Component("PopupMenu", &TControl::GetPopupMenu, &TControl::SetPopupMenu);
  P.Set("Anchors", &TControl::GetAnchors, &TControl::SetAnchors, {"akLeft", "akTop", "akRight", "akBottom"},
        static_cast<Int64>(TAnchors{akLeft, akTop}.Bits()));
  P.Object("Constraints", &TControl::GetConstraints);
  P.Enum("BiDiMode", &TControl::GetBiDiMode, &TControl::SetBiDiMode,
         {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"})
      .Stored([](TControl* c) { return !c->GetParentBiDiMode(); });
  P.Bool("ParentBiDiMode", &TControl::GetParentBiDiMode, &TControl::SetParentBiDiMode, true);
  P.Enum("DragKind", &TControl::GetDragKind, &TControl::SetDragKind, {"dkDrag", "dkDock"}, dkDrag);
  P.Enum("DragMode", &TControl::GetDragMode, &TControl::SetDragMode, {"dmManual", "dmAutomatic"}, dmManual);
  P.Integer("DragCursor", &TControl::GetDragCursor, &TControl::SetDragCursor, crDrag);
  P.Event("OnStartDrag", &TControl::OnStartDrag);
  P.Event("OnDragOver", &TControl::OnDragOver);
  P.Event("OnDragDrop", &TControl::OnDragDrop);
  P.Event("OnEndDrag", &TControl::OnEndDrag);
  P.Event("OnStartDock", &TControl::OnStartDock);
  P.Event("OnEndDock", &TControl::OnEndDock);
  P.Event("OnCanResize", &TControl::OnCanResize);
  P.Event("OnConstrainedResize", &TControl::OnConstrainedResize);
}

// ---- geometry ----

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  CheckNewBounds(ALeft, ATop, AWidth, AHeight);
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  const bool resized = AWidth != width_ || AHeight != height_;
  InvalidateControl(GetShowing(), false);
  left_ = ALeft;
  top_ = ATop;
  width_ = AWidth;
  height_ = AHeight;
  BoundsChanged(resized);
  if (parent_) parent_->ChildBoundsChanged();
}

void TControl::CheckNewBounds(int Left, int Top, int& Width, int& Height) {
  if (Width < 0) Width = 0;
  if (Height < 0) Height = 0;
  CheckNewSize(Width, Height);
  if (Left > 0) Width = std::min(Width, std::numeric_limits<int>::max() - Left);
  if (Top > 0) Height = std::min(Height, std::numeric_limits<int>::max() - Top);
}

void TControl::CheckNewSize(int& Width, int& Height) {
  if ((Width != width_ || Height != height_) && !CanResize(Width, Height)) {
    Width = width_;
    Height = height_;
  }
  int minWidth = constraints_->GetMinWidth(), minHeight = constraints_->GetMinHeight();
  int maxWidth = constraints_->GetMaxWidth(), maxHeight = constraints_->GetMaxHeight();
  ConstrainedResize(minWidth, minHeight, maxWidth, maxHeight);
  if (maxWidth > 0) Width = std::min(Width, maxWidth);
  if (maxHeight > 0) Height = std::min(Height, maxHeight);
  Width = std::max({Width, minWidth, 0});
  Height = std::max({Height, minHeight, 0});
}

void TControl::ConstraintsChanged(TObject*) { SetBounds(left_, top_, width_, height_); }

void TControl::SetBiDiMode(TBiDiMode Value) {
  parentBiDiMode_ = false;
  if (biDiMode_ == Value) return;
  biDiMode_ = Value;
  Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool Value) {
  if (parentBiDiMode_ == Value) return;
  parentBiDiMode_ = Value;
  if (Value && parent_) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::CMBiDiModeChanged(TMessage&) { Invalidate(); }

void TControl::CMParentBiDiModeChanged(TMessage&) {
  if (!parentBiDiMode_ || !parent_) return;
  SetBiDiMode(parent_->GetBiDiMode());
  parentBiDiMode_ = true;
}

void TControl::BoundsChanged(bool Resized) {
  Invalidate();
  RequestAlign();
  if (Resized) Resize();
}

TRect TControl::GetClientRect() const { return TRect(0, 0, width_, height_); }

void TControl::SetClientWidth(int Value) { SetWidth(Value + width_ - GetClientWidth()); }
void TControl::SetClientHeight(int Value) { SetHeight(Value + height_ - GetClientHeight()); }

TPoint TControl::GetClientOrigin() const {
  if (!parent_) return TPoint(left_, top_);
  TPoint p = parent_->GetClientOrigin();
  return TPoint(p.x + left_, p.y + top_);
}

TPoint TControl::ClientToScreen(const TPoint& P) const {
  TPoint o = GetClientOrigin();
  return TPoint(P.x + o.x, P.y + o.y);
}

TPoint TControl::ScreenToClient(const TPoint& P) const {
  TPoint o = GetClientOrigin();
  return TPoint(P.x - o.x, P.y - o.y);
}

void TControl::SetAlign(TAlign Value) {
  if (align_ == Value) return;
  align_ = Value;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_) parent_->Realign();
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

// ---- tree and state ----

void TControl::SetParent(TWinControl* AParent) {
  if (parent_ == AParent) return;
  if (AParent == this) throw EInvalidOperation("A control cannot be its own parent");
  // Put elsewhere by the program: no longer docked where it was.
  if (hostDockSite_ && AParent != hostDockSite_) std::exchange(hostDockSite_, nullptr)->RemoveDockClient(this);
  if (parent_) parent_->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* Value) {
  if (auto* win = dynamic_cast_object<TWinControl>(Value)) SetParent(win);
}

void TControl::SetVisible(bool Value) {
  if (visible_ == Value) return;
  VisibleChanging();
  if (!Value) InvalidateControl(true, false);
  visible_ = Value;
  Perform(CM_VISIBLECHANGED, Value, 0);
  if (Value) Invalidate();
  RequestAlign();
  if (parent_) parent_->ChildBoundsChanged();
}

void TControl::Show() {
  if (parent_) parent_->ShowControl(this);
  SetVisible(true);
}

void TControl::Hide() { SetVisible(false); }

bool TControl::GetShowing() const { return visible_ && parent_ && parent_->GetShowing(); }

void TControl::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::BringToFront() {
  if (parent_) parent_->MoveControl(this, true);
}

void TControl::SendToBack() {
  if (parent_) parent_->MoveControl(this, false);
}

// ---- appearance ----

void TControl::SetColor(TColor Value) {
  if (color_ == Value && !parentColor_) return;
  color_ = Value;
  parentColor_ = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
  if (parentColor_ == Value) return;
  parentColor_ = Value;
  if (Value && parent_) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
  if (parentFont_ == Value) return;
  parentFont_ = Value;
  if (Value && parent_) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::FontChanged(TObject*) {
  parentFont_ = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetText(const AnsiString& Value) {
  if (text_ == Value) return;
  text_ = Value;
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value) {
  showHint_ = Value;
  parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool Value) {
  parentShowHint_ = Value;
  if (Value && parent_) showHint_ = parent_->GetShowHint();
}

void TControl::SetCursor(TCursor Value) {
  if (cursor_ == Value) return;
  cursor_ = Value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::Changed() { Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this)); }

// ---- painting ----

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque) {
  if (!IsVisible || !parent_ || !parent_->HandleAllocated()) return;
  RECT r = GetBoundsRect();
  InvalidateRect(parent_->GetHandle(), &r, !(IsOpaque || controlStyle_.Contains(csOpaque)));
}

void TControl::Invalidate() { InvalidateControl(GetShowing(), controlStyle_.Contains(csOpaque)); }

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  if (!GetShowing() || !parent_->HandleAllocated()) return;
  if (controlStyle_.Contains(csOpaque)) {
    HDC dc = GetDC(parent_->GetHandle());
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, left_, top_, left_ + width_, top_ + height_);
    parent_->PaintControls(dc, this);
    RestoreDC(dc, saved);
    ReleaseDC(parent_->GetHandle(), dc);
  } else {
    Invalidate();
    Update();
  }
}

// ---- messages ----

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage m;
  m.Msg = Msg;
  m.WParam = WParam;
  m.LParam = LParam;
  WndProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& Message) { Dispatch(Message); }

void TControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETTEXTLENGTH:
      Message.Result = static_cast<LRESULT>(text_.Length());
      break;
    default:
      break;
  }
}

void TControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: MouseButtonDown(Message, mbLeft, false); break;
    case WM_RBUTTONDOWN: MouseButtonDown(Message, mbRight, false); break;
    case WM_MBUTTONDOWN: MouseButtonDown(Message, mbMiddle, false); break;
    case WM_LBUTTONDBLCLK: MouseButtonDown(Message, mbLeft, true); break;
    case WM_RBUTTONDBLCLK: MouseButtonDown(Message, mbRight, true); break;
    case WM_MBUTTONDBLCLK: MouseButtonDown(Message, mbMiddle, true); break;
    case WM_LBUTTONUP: MouseButtonUp(Message, mbLeft); break;
    case WM_RBUTTONUP: MouseButtonUp(Message, mbRight); break;
    case WM_MBUTTONUP: MouseButtonUp(Message, mbMiddle); break;
    case WM_MOUSEMOVE: {
      TWMMouse m(Message);
      MouseMove(KeysToShiftState(m.Keys()), m.XPos(), m.YPos());
      break;
    }
    case CM_COLORCHANGED: CMColorChanged(Message); break;
    case CM_FONTCHANGED: CMFontChanged(Message); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(Message); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(Message); break;
    case CM_TEXTCHANGED: CMTextChanged(Message); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); break;
    case CM_HITTEST: CMHitTest(Message); break;
    case CM_MOUSEENTER: CMMouseEnter(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    case CM_BIDIMODECHANGED: CMBiDiModeChanged(Message); break;
    case CM_PARENTBIDIMODECHANGED: CMParentBiDiModeChanged(Message); break;
    case WM_CONTEXTMENU: WMContextMenu(Message); break;
    default: DefaultHandler(Message); break;
  }
}

void TControl::MouseButtonDown(TMessage& Message, TMouseButton Button, bool Double) {
  TWMMouse m(Message);
  if (controlStyle_.Contains(csCaptureMouse)) SetCaptureControl(this);
  if (Button == mbLeft) {
    controlState_.Include(csLButtonDown);
    if (controlStyle_.Contains(csClickEvents)) controlState_.Include(csClicked);
  }
  // The press may become a drag once the pointer moves far enough.
  if (Button == mbLeft && dragMode_ == dmAutomatic && !GetComponentState().Contains(csDesigning))
    TDragEngine::Init(this, false, -1, true);
  TShiftState shift = KeysToShiftState(m.Keys());
  if (Double) {
    if (controlStyle_.Contains(csDoubleClicks)) {
      shift.Include(ssDouble);
      if (Button == mbLeft) DblClick();
    }
  }
  MouseDown(Button, shift, m.XPos(), m.YPos());
}

void TControl::MouseButtonUp(TMessage& Message, TMouseButton Button) {
  TWMMouse m(Message);
  if (GetCaptureControl() == this) SetCaptureControl(nullptr);
  if (Button == mbLeft) {
    controlState_.Exclude(csLButtonDown);
    if (controlState_.Contains(csClicked)) {
      controlState_.Exclude(csClicked);
      TRect r = GetClientRect();
      if (m.XPos() >= r.left && m.XPos() < r.right && m.YPos() >= r.top && m.YPos() < r.bottom) Click();
    }
  }
  MouseUp(Button, KeysToShiftState(m.Keys()), m.XPos(), m.YPos());
  if (Button == mbRight) {
    const TPoint screen = ClientToScreen(TPoint(m.XPos(), m.YPos()));
    Perform(WM_CONTEXTMENU, 0, MakePointLParam(screen.x, screen.y));
  }
}

void TControl::Click() {
  // A handler of the control's own wins over the action; the action's own
  // handler is run through the action, so that its list and Update see it.
  TBasicAction* action = GetAction();
  if (OnClick && action && OnClick != action->GetOnExecute())
    OnClick(this);
  else if (action && !GetComponentState().Contains(csDesigning))
    actionLink_->Execute(this);
  else if (OnClick)
    OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMTextChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) {}
void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }

void TControl::CMParentColorChanged(TMessage& Message) {
  if (!parentColor_) return;
  const TColor c = Message.WParam ? static_cast<TColor>(Message.LParam) : (parent_ ? parent_->GetColor() : color_);
  if (c == color_) return;
  color_ = c;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::CMParentFontChanged(TMessage& Message) {
  if (!parentFont_) return;
  TFont* source = Message.WParam ? reinterpret_cast<TFont*>(Message.LParam) : (parent_ ? parent_->GetFont() : nullptr);
  if (!source) return;
  font_->OnChange = nullptr;
  font_->Assign(source);
  font_->OnChange = TNotifyEvent(this, &TControl::FontChanged);
  Perform(CM_FONTCHANGED, 0, 0);
  // A control's own font handler may have cleared the flag on the way; the
  // font still comes from the parent, and the next change must follow too.
  parentFont_ = true;
}

void TControl::CMHitTest(TMessage& Message) { Message.Result = HTCLIENT; }

void TControl::CMMouseEnter(TMessage&) {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::WMContextMenu(TMessage& Message) {
  auto* popup = dynamic_cast<TPopupMenu*>(popupMenu_);
  if (!popup || !popup->GetAutoPopup()) {
    if (parent_) Message.Result = parent_->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
    return;
  }
  TPoint at(static_cast<short>(Message.LParamLo()), static_cast<short>(Message.LParamHi()));
  if (at.x == -1 && at.y == -1) at = ClientToScreen(TPoint(width_ / 2, height_ / 2));
  popup->SetPopupComponent(this);
  popup->Popup(at.x, at.y);
  Message.Result = 1;
}

void TControl::CMMouseLeave(TMessage&) {
  if (OnMouseLeave) OnMouseLeave(this);
}
