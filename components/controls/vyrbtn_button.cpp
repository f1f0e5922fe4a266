// The windowed button: an owner-drawn push button with the library's face,
// glyph and caption, auto-repeat clicks and a drop-down menu.
#include "application.h"
#include "classregistry.h"
#include "canvas_binding.h"
#include "controlmessages.h"
#include "exceptions.h"
#include "message_queue.h"
#include "messages.h"
#include "mouse.h"
#include "ownerdraw.h"
#include "resourcestrings.h"
#include "vyrbtn.h"
#include "vyrclass_application.h"
#include "vyrcont.h"
#include "vyrctrla.h"
#include "vyrutils.h"
#include "window.h"

namespace Vyrbtn {

using S = TVyrButtonState;
using Vyrclass::VyrApplication;

TVyrCustomButton::TVyrCustomButton(TComponent* AOwner)
    : TButton(AOwner),
      buttonLayout_(std::make_unique<Vyrgraph::TVyrButtonLayout>()),
      glyph_(std::make_unique<Vyrglyph::TVyrGlyph>()),
      fontFx_(std::make_unique<Vyrgraph::TVyrFxCaption>()),
      imageLink_(this, [this](TObject* Sender) { GetIMLChange(Sender); }) {
  canvas_.SetControl(this);
  controlStyle_.Include(csReplicatable);
  buttonLayout_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  glyph_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  fontFx_->SetOnChange(TNotifyEvent([this](TObject* Sender) { GetChange(Sender); }));
  SetBounds(left_, top_, 75, 25);
}

// The repeat timer calls back into the button: it goes while the button
// is still whole.
void TVyrCustomButton::BeforeDestruction() {
  StopRepeat();
  TButton::BeforeDestruction();
}

TVyrCustomButton::~TVyrCustomButton() {
  StopRepeat();
  buttonLayout_->SetOnChange(nullptr);
  glyph_->SetOnChange(nullptr);
  fontFx_->SetOnChange(nullptr);
}

// ---- properties ----

void TVyrCustomButton::SetGlyph(TBitmap* Value) {
  VyrSetOwnGlyph(glyph_.get(), imageLink_, Value, Loading());
  Invalidate();
}

void TVyrCustomButton::SetNumGlyphs(int Value) {
  if (Value == glyph_->GetNumGlyphs()) return;
  glyph_->SetNumGlyphs(Value);
  Invalidate();
}

void TVyrCustomButton::SetGlyphKind(TVyrGlyphKind Value) {
  if (glyphKind_ == Value) return;
  glyphKind_ = Value;
  VyrGlyphOfKind(glyph_.get(), Value, imageLink_);
  Invalidate();
}

void TVyrCustomButton::SetDropDownMenu(TPopupMenu* Value) {
  if (dropDownMenu_ == Value) return;
  if (dropDownMenu_) dropDownMenu_->RemoveFreeNotification(this);
  dropDownMenu_ = Value;
  if (Value) Value->FreeNotification(this);
}

void TVyrCustomButton::SetDropDownIndent(int Value) {
  if (dropDownIndent_ == Value) return;
  dropDownIndent_ = Value;
  Invalidate();
}

void TVyrCustomButton::SetDropDownRight(bool Value) {
  if (dropDownRight_ == Value) return;
  dropDownRight_ = Value;
  Invalidate();
}

void TVyrCustomButton::SetMultiLine(bool Value) {
  if (multiLine_ == Value) return;
  multiLine_ = Value;
  Invalidate();
}

void TVyrCustomButton::SetStyle(TVyrNormalButtonStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  Invalidate();
}

HPALETTE TVyrCustomButton::GetPalette() const {
  TBitmap* glyph = glyph_->GetGlyph();
  return glyph ? glyph->GetPalette() : nullptr;
}

// ---- changes ----

void TVyrCustomButton::GetChange(TObject* Sender) {
  if (Loading()) return;
  if (Sender == GetFont() || Sender == fontFx_.get()) VyrResolveFontAngle(GetFont(), fontFx_.get(), Sender);
  Invalidate();
}

void TVyrCustomButton::GetIMLChange(TObject*) {
  if (glyphKind_ != TVyrGlyphKind::gkCustom) return;
  VyrGlyphFromList(glyph_.get(), imageLink_);
  Invalidate();
}

void TVyrCustomButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  TButton::ActionChange(Sender, CheckDefaults);
  if (glyphKind_ == TVyrGlyphKind::gkCustom) VyrGlyphFromAction(glyph_.get(), Sender);
}

void TVyrCustomButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int oldLeft = left_, oldTop = top_, oldWidth = width_, oldHeight = height_;
  TButton::SetBounds(ALeft, ATop, AWidth, AHeight);
  Vyrctrl::TVyrBoundsChangeStates state;
  if (left_ != oldLeft || top_ != oldTop) state.Include(Vyrctrl::TVyrBoundsChangeState::bcPos);
  if (width_ != oldWidth || height_ != oldHeight) state.Include(Vyrctrl::TVyrBoundsChangeState::bcSize);
  if (!state.Empty() && !Loading()) BoundsChange(state);
}

void TVyrCustomButton::CreateParams(TCreateParams& Params) {
  TButton::CreateParams(Params);
  Params.Style |= BS_OWNERDRAW;
}

void TVyrCustomButton::SetButtonStyle(bool ADefault) {
  if (defaultLook_ == ADefault) return;
  defaultLook_ = ADefault;
  Invalidate();
}

void TVyrCustomButton::DefineProperties(TFiler* Filer) {
  TButton::DefineProperties(Filer);
  imageLink_.DefineInternal(Filer);
}

void TVyrCustomButton::Loaded() {
  TButton::Loaded();
  if (glyphKind_ == TVyrGlyphKind::gkCustom && imageLink_.GetImageList()) GetIMLChange(nullptr);
}

void TVyrCustomButton::Notification(TComponent* AComponent, TOperation Operation) {
  TButton::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  imageLink_.Removed(AComponent);
  if (AComponent == dropDownMenu_) dropDownMenu_ = nullptr;
}

// ---- the face ----

void TVyrCustomButton::DrawItem(const DRAWITEMSTRUCT& Item) {
  TCanvasBinding binding(canvas_, Item.hDC);
  TRect rect = GetClientRect();
  if (!GetEnabled())
    state_ = S::bsDisabledUp;
  else if (Item.itemState & ODS_SELECTED)
    state_ = S::bsDown;
  else
    state_ = S::bsUp;
  std::uint16_t flags = 1;
  if (defaultLook_)
    flags |= 2;
  else if (Item.itemState & ODS_FOCUS)
    flags |= 0x20;
  Vyrutils::VyrDrawBtnFace(&canvas_, false, rect, static_cast<TVyrUserButtonStyle>(style_), state_, flags, GetColor());
  canvas_.SetFont(GetFont());
  Vyrgraph::TVyrDrawTextStyles styles{
      GetEnabled() ? Vyrgraph::TVyrDrawTextStyle::dtEnabled : Vyrgraph::TVyrDrawTextStyle::dtDisabled,
      Vyrgraph::TVyrDrawTextStyle::dt3DDisabled};
  glyph_->DrawButtonGlyphAndText(&canvas_, GetCaption(), fontFx_.get(), rect, state_, buttonLayout_.get(),
                                 multiLine_, true, true, styles, static_cast<int>(DrawTextBiDiModeFlags(0)));
}

// ---- clicks ----

void TVyrCustomButton::Click() {
  // The click that opens the menu is no answer of the dialog: its modal
  // result waits for a click without the menu.
  if (dropDownMenu_ && !droppedDown_) {
    if (OnClick) OnClick(this);
    DropDown();
    return;
  }
  TButton::Click();
}

void TVyrCustomButton::DropDown() {
  if (!dropDownMenu_ || droppedDown_) return;
  if (!defaultLook_ && CanFocus()) SetFocus();
  Perform(BM_SETSTATE, 1, 0);
  Repaint();
  droppedDown_ = true;
  if (OnDropDown) OnDropDown(this);
  const TPoint at = dropDownRight_ ? ClientToScreen(TPoint(width_, dropDownIndent_))
                                   : ClientToScreen(TPoint(dropDownIndent_, height_));
  dropDownMenu_->Popup(at.x, at.y);
  // The clicks that closed the menu over the button are not the button's;
  // those for other windows are theirs.
  if (HandleAllocated()) {
    MSG pending;
    while (PeekMessage(&pending, GetHandle(), WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
  }
  if (HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
  droppedDown_ = false;
  state_ = S::bsUp;
  Perform(BM_SETSTATE, 0, 0);
}

// ---- auto repeat ----

void TVyrCustomButton::StartRepeat() {
  if (!repeatedClick_ || repeatTimer_ != 0 || !VyrApplication) return;
  const Word ident = VyrApplication->AddTimer(Vyrclass::VyrPoolInterval(repeatingInterval_),
                                              TNotifyEvent(this, &TVyrCustomButton::ExecuteRepeatedClick));
  if (ident == 0) throw EOutOfResources(LoadStr(SNoTimers));
  repeatTimer_ = ident;
  if (Vyrclass::TVyrTimerItem* item = VyrApplication->GetTimer(ident)) item->SetEnabled(true);
}

void TVyrCustomButton::StopRepeat() {
  if (repeatTimer_ == 0) return;
  const Word ident = repeatTimer_;
  repeatTimer_ = 0;
  if (!VyrApplication) return;
  if (Vyrclass::TVyrTimerItem* item = VyrApplication->GetTimer(ident)) {
    item->SetEnabled(false);
    item->OnTimer = nullptr;
    VyrApplication->RemoveTimer(ident);
  }
}

// A window holding the capture hears of no leave: while pressed, the
// pushed look (which follows the pointer) tells where it is.
void TVyrCustomButton::ExecuteRepeatedClick(TObject*) {
  if (mouseInside_ && GetPushed()) DoRepeatedClick();
}

// ---- messages ----

void TVyrCustomButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam));
      Message.Result = 1;
      return;
    case CN_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      item->itemWidth = static_cast<UINT>(width_);
      item->itemHeight = static_cast<UINT>(height_);
      Message.Result = 1;
      return;
    }
    case WM_LBUTTONDBLCLK:
      // A quick second press presses again.
      Message.Msg = WM_LBUTTONDOWN;
      [[fallthrough]];
    case WM_LBUTTONDOWN:
      TButton::Dispatch(Message);
      StartRepeat();
      return;
    case WM_LBUTTONUP:
      TButton::Dispatch(Message);
      StopRepeat();
      return;
  }
  TButton::Dispatch(Message);
}

// The class library's handling would fire OnMouseEnter on every enter;
// the button fires it only at rest.
void TVyrCustomButton::CMMouseEnter(TMessage&) {
  if (state_ == S::bsUp && OnMouseEnter) OnMouseEnter(this);
  mouseInside_ = true;
}

void TVyrCustomButton::CMMouseLeave(TMessage& Message) {
  TButton::CMMouseLeave(Message);
  if (OnMouseExit) OnMouseExit(this);
  mouseInside_ = false;
  if (hideHint_ && Application) Application->HideHint();
}

void TVyrCustomButton::CMEnabledChanged(TMessage& Message) {
  TButton::CMEnabledChanged(Message);
  Invalidate();
}

void TVyrCustomButton::CMFontChanged(TMessage&) { GetChange(GetFont()); }

}  // namespace Vyrbtn
