// TControl: the root of everything visible. It keeps its bounds in the
// parent's client coordinates, its visibility, colour, font and caption, and
// answers messages through WndProc, which dispatches them to the handler
// methods and ends in DefaultHandler. A control without a window of its own
// (TGraphicControl) receives its messages through Perform from its parent.
#pragma once

#include <memory>

#include "actnlist.h"
#include "ansistring.h"
#include "component.h"
#include "controlmessages.h"
#include "dragdrop.h"
#include "events.h"
#include "font_class.h"
#include "published.h"
#include "rect.h"
#include "sets.h"
#include "sizeconstraints.h"

class TWinControl;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Bit order of the class library: stored style values are their bit sums.
enum TControlStyleMember {
  csAcceptsControls,
  csCaptureMouse,
  csDesignInteractive,
  csClickEvents,
  csFramed,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,
  csDisplayDragImage,
  csReflector,
  csActionClient,
  csMenuEvents
};
using TControlStyle = TSet<TControlStyleMember>;

enum TControlStateMember {
  csLButtonDown,
  csClicked,
  csPalette,
  csReadingState,
  csAlignmentNeeded,
  csFocusing,
  csCreating,
  csPaintCopy,
  csCustomPaint,
  csDestroyingHandle,
  csDocking
};
using TControlState = TSet<TControlStateMember>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
using TMouseEvent = TClosure<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

using TMouseWheelEvent =
    TClosure<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = TClosure<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

using TCanResizeEvent = TClosure<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;
using TConstrainedResizeEvent =
    TClosure<void(TObject* Sender, int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight)>;

using TCursor = short;
constexpr TCursor crDefault = 0;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;

// Which edges of its parent a control keeps its distance to when the parent
// is resized; with neither edge of a direction it keeps its centre.
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TDragKind { dkDrag, dkDock };
enum TDragMode { dmManual, dmAutomatic };
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crHandPoint = -21;

class TControl;

// A control's tie to its action: Caption, Enabled, Hint, Visible,
// HelpContext and OnClick (the action's OnExecute) follow the action while
// the control's value agrees with the action's.
class TControlActionLink : public TActionLink {
  MORVANT_CLASS(TControlActionLink, TActionLink)
 public:
  explicit TControlActionLink(TControl* AClient) : client_(AClient) {}

  bool IsCaptionLinked() override;
  bool IsEnabledLinked() override;
  bool IsHelpContextLinked() override;
  bool IsHintLinked() override;
  bool IsVisibleLinked() override;
  bool IsOnExecuteLinked() override;
  void SetCaption(const AnsiString& Value) override;
  void SetEnabled(bool Value) override;
  void SetHelpContext(int Value) override;
  void SetHint(const AnsiString& Value) override;
  void SetVisible(bool Value) override;
  void SetOnExecute(const TNotifyEvent& Value) override;

 protected:
  TControl* client_;
};

// The class of link a control makes (GetActionLinkClass): its record and
// how to make one for a client.
struct TControlActionLinkClass {
  TClass Class = nullptr;
  TControlActionLink* (*Create)(TControl* Client) = nullptr;
};
template <class Link>
TControlActionLinkClass ActionLinkClassOf() {
  return {Link::StaticClass(), [](TControl* Client) -> TControlActionLink* { return TObject::Create<Link>(Client); }};
}

// The shift state of a mouse message's key flags, and of the keyboard now.
TShiftState KeysToShiftState(WPARAM Keys);
TShiftState KeyboardShiftState();

class TControl : public TComponent {
  MORVANT_PUBLISHED(TControl, TComponent)
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // ---- geometry ----
  int GetLeft() const { return left_; }
  int GetTop() const { return top_; }
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  void SetLeft(int Value) { SetBounds(Value, top_, width_, height_); }
  void SetTop(int Value) { SetBounds(left_, Value, width_, height_); }
  void SetWidth(int Value) { SetBounds(left_, top_, Value, height_); }
  void SetHeight(int Value) { SetBounds(left_, top_, width_, Value); }
  // Every change of position or size comes through here.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect GetBoundsRect() const { return TRect(left_, top_, left_ + width_, top_ + height_); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.left, R.top, R.Width(), R.Height()); }
  virtual TRect GetClientRect() const;
  int GetClientWidth() const { return GetClientRect().Width(); }
  int GetClientHeight() const { return GetClientRect().Height(); }
  virtual void SetClientWidth(int Value);
  virtual void SetClientHeight(int Value);
  TPoint ClientToScreen(const TPoint& P) const;
  TPoint ScreenToClient(const TPoint& P) const;
  // The client origin in screen coordinates.
  virtual TPoint GetClientOrigin() const;

  TAlign GetAlign() const { return align_; }
  void SetAlign(TAlign Value);
  TAnchors GetAnchors() const { return anchors_; }
  void SetAnchors(TAnchors Value) { anchors_ = Value; }
  // Every size the control takes is brought within these.
  TSizeConstraints* GetConstraints() const { return constraints_.get(); }
  void SetConstraints(TSizeConstraints* Value) { constraints_->Assign(Value); }

  // ---- tree and state ----
  TWinControl* GetParent() const { return parent_; }
  virtual void SetParent(TWinControl* AParent);
  bool HasParent() const override { return parent_ != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;

  bool GetVisible() const { return visible_; }
  void SetVisible(bool Value);
  void Show();
  void Hide();
  // Visible itself and all the way up, with a window at the top.
  virtual bool GetShowing() const;
  bool GetEnabled() const { return enabled_; }
  virtual void SetEnabled(bool Value);
  void BringToFront();

  // ---- action ----
  // The action this control shows and runs on a click; see actnlist.h.
  // Its link is made on first need; nullptr clears it.
  TBasicAction* GetAction() const;
  void SetAction(TBasicAction* Value);
  // The action's OnUpdate (the idle time calls it for visible controls).
  virtual void InitiateAction();
  void SendToBack();

  TControlStyle GetControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle Value) { controlStyle_ = Value; }
  TControlState GetControlState() const { return controlState_; }
  void SetControlState(TControlState Value) { controlState_ = Value; }

  // ---- appearance ----
  TColor GetColor() const { return color_; }
  void SetColor(TColor Value);
  bool GetParentColor() const { return parentColor_; }
  void SetParentColor(bool Value);
  TFont* GetFont() const { return font_.get(); }
  void SetFont(TFont* Value) { font_->Assign(Value); }
  bool GetParentFont() const { return parentFont_; }
  void SetParentFont(bool Value);
  AnsiString GetCaption() const { return GetText(); }
  void SetCaption(const AnsiString& Value) { SetText(Value); }
  virtual AnsiString GetText() const { return text_; }
  virtual void SetText(const AnsiString& Value);
  AnsiString GetHint() const { return hint_; }
  void SetHint(const AnsiString& Value) { hint_ = Value; }
  bool GetShowHint() const { return showHint_; }
  void SetShowHint(bool Value);
  bool GetParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool Value);
  TCursor GetCursor() const { return cursor_; }
  void SetCursor(TCursor Value);
  // A slot for the menus unit: any component the popup-menu code knows.
  TComponent* GetPopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TComponent* Value);
  int GetHelpContext() const { return helpContext_; }
  void SetHelpContext(int Value) { helpContext_ = Value; }
  // Stored and streamed; the drawing is always left to right. A change
  // sends CM_BIDIMODECHANGED to the control, and its children that follow
  // their parent (ParentBiDiMode) take it over and receive theirs.
  TBiDiMode GetBiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode Value);
  bool GetParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool Value);
  // How a drag of the control starts (dmAutomatic: a press and a move of
  // the drag threshold) and what it does (dkDock: docks; see dragdrop.h).
  TDragKind GetDragKind() const { return dragKind_; }
  void SetDragKind(TDragKind Value) { dragKind_ = Value; }
  TDragMode GetDragMode() const { return dragMode_; }
  void SetDragMode(TDragMode Value) { dragMode_ = Value; }
  TCursor GetDragCursor() const { return dragCursor_; }
  void SetDragCursor(TCursor Value) { dragCursor_ = Value; }

  // ---- drag and dock (dragdrop.h) ----
  // Starts a drag of the control: at once, or once the pointer has moved
  // Threshold pixels (-1: kDragThreshold) with the button held.
  void BeginDrag(bool Immediate, int Threshold = -1);
  // Ends the control's drag: dropped where the pointer is, or cancelled.
  void EndDrag(bool Drop);
  bool Dragging() const;
  // The site the control is docked in; nullptr when it is not docked.
  TWinControl* GetHostDockSite() const { return hostDockSite_; }
  // In a floating tool window of its own.
  bool GetFloating() const;
  // Docks the control into Site (a DockSite control) as a drop there
  // would, without a drag; false when the site it leaves refuses.
  bool ManualDock(TWinControl* Site);
  // Floats the control in its own tool window, whose client area takes
  // ScreenRect; false when the site it leaves refuses.
  bool ManualFloat(const TRect& ScreenRect);
  // The tool window holding the floating control (made on first need).
  TCustomForm* GetFloatHost() const { return floatHost_; }
  // The drop of a drag over the control that it accepted: OnDragDrop.
  virtual void DragDrop(TObject* Source, int X, int Y);

  // ---- messages and painting ----
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
  virtual void WndProc(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);
  virtual void Invalidate();
  virtual void Repaint();
  virtual void Update();
  void Refresh() { Repaint(); }

  // Text drawing flags for the control's reading order: always left to right.
  UINT DrawTextBiDiModeFlags(UINT Flags) const { return Flags; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnResize;
  TStartDragEvent OnStartDrag;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;
  TStartDockEvent OnStartDock;
  TEndDragEvent OnEndDock;
  // Asked before every change of size; Resize false keeps the old size.
  TCanResizeEvent OnCanResize;
  // The limits a new size is brought within, starting from Constraints.
  TConstrainedResizeEvent OnConstrainedResize;

 protected:
  // Routes a message to its handler; unknown ones go to DefaultHandler.
  virtual void Dispatch(TMessage& Message);

  // With an action: OnClick when the control has a handler of its own,
  // otherwise the action's Execute.
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void Resize();
  virtual void Changed();
  // Drag and dock: each runs its event.
  virtual void DoStartDrag(TDragObject*& DragObject);
  // Accept starts true when OnDragOver is assigned, false otherwise.
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  virtual void DoEndDrag(TObject* Target, int X, int Y);
  virtual void DoStartDock(TDragDockObject*& DragObject);
  virtual void DoEndDock(TObject* Target, int X, int Y);
  // Moves the control into Site at Rect (Site's client coordinates); from
  // a floating window that then hides.
  virtual void Dock(TWinControl* Site, const TRect& Rect);
  // A new size: OnCanResize may refuse it; true when it stands.
  virtual bool CanResize(int& NewWidth, int& NewHeight);
  // The limits of a new size: Constraints, then OnConstrainedResize.
  virtual void ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The window-less part: a graphic control invalidates its rectangle of
  // the parent (erasing it unless csOpaque).
  void InvalidateControl(bool IsVisible, bool IsOpaque);
  // Called for a move or a resize after the new bounds are stored.
  virtual void BoundsChanged(bool Resized);
  virtual void VisibleChanging() {}
  void RequestAlign();
  // A new size asked for: OnCanResize may keep the old one (only when the
  // size changes), then it is brought within the limits of
  // ConstrainedResize.
  void CheckNewSize(int& Width, int& Height);
  // What every SetBounds applies: no negative size, the size checks above,
  // and right and bottom edges within 32 bits whatever a form from outside
  // gives.
  void CheckNewBounds(int Left, int Top, int& Width, int& Height);
  // The constraints changed: the current size is brought within them.
  void ConstraintsChanged(TObject* Sender);

  virtual void CMColorChanged(TMessage& Message);
  virtual void CMFontChanged(TMessage& Message);
  virtual void CMParentColorChanged(TMessage& Message);
  virtual void CMParentFontChanged(TMessage& Message);
  virtual void CMTextChanged(TMessage& Message);
  virtual void CMVisibleChanged(TMessage& Message);
  virtual void CMEnabledChanged(TMessage& Message);
  virtual void CMHitTest(TMessage& Message);
  virtual void CMMouseEnter(TMessage& Message);
  virtual void CMMouseLeave(TMessage& Message);
  virtual void CMBiDiModeChanged(TMessage& Message);
  virtual void CMParentBiDiModeChanged(TMessage& Message);

  // The link to the action; nullptr before the first action.
  TControlActionLink* GetActionLink() const { return actionLink_.get(); }
  virtual TControlActionLinkClass GetActionLinkClass() const;
  // Takes over the action's properties; with CheckDefaults only those the
  // control still has at their defaults (an action set while loading, or
  // after the form is read).
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  // An action set while the form was read is applied once it is whole.
  void Loaded() override;
  // Shows the PopupMenu when it pops up by itself, else asks the parent;
  // lParam (-1, -1) means the key asked, and the menu shows on the control.
  virtual void WMContextMenu(TMessage& Message);

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TWinControl* parent_ = nullptr;
  TControlStyle controlStyle_;
  TControlState controlState_;
  bool visible_ = true;
  bool enabled_ = true;
  std::unique_ptr<TFont> font_;
  AnsiString text_;

 public:
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 private:
  void FontChanged(TObject* Sender);
  // The stored tests of the properties an action may carry: not stored
  // while linked.
  bool IsCaptionStored() const;
  bool IsEnabledStored() const;
  bool IsHintStored() const;
  bool IsVisibleStored() const;
  bool IsHelpContextStored() const;
  bool IsOnClickStored() const;
  void MouseButtonDown(TMessage& Message, TMouseButton Button, bool Double);
  void MouseButtonUp(TMessage& Message, TMouseButton Button);
  // The control leaves its dock site or floating window (not for another
  // place yet); false when the site refuses through OnUnDock.
  bool Undock(TWinControl* NewTarget);
  // Puts the floating control in its tool window at ScreenRect.
  void FloatAt(const TRect& ScreenRect);
  friend class TWinControl;
  friend class TDragEngine;
  friend class TFloatDockForm;

  TAlign align_ = alNone;
  TColor color_;
  bool parentColor_ = true;
  bool parentFont_ = true;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  AnsiString hint_;
  TCursor cursor_ = crDefault;
  TComponent* popupMenu_ = nullptr;
  int helpContext_ = 0;
  TAnchors anchors_{akLeft, akTop};
  std::unique_ptr<TSizeConstraints> constraints_;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
  TDragKind dragKind_ = dkDrag;
  TDragMode dragMode_ = dmManual;
  TCursor dragCursor_ = crDrag;
  TWinControl* hostDockSite_ = nullptr;
  TCustomForm* floatHost_ = nullptr;
  TOwnedObject<TControlActionLink> actionLink_;
};

// For a control whose constructor gives it a colour of its own: ParentColor
// is false from the start, so that is its declared default (else a form's
// ParentColor = True would not be written and come back false).
template <class C>
void PublishOwnColor(TPublisher<C>& P) {
  P.Bool("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, false);
}

// The form at the top of a control's parent chain; nullptr when there is none.
TCustomForm* GetParentForm(TControl* Control);
// The control whose window procedure is handling a message (the capture
// target for window-less controls), set by the parents.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
