// TWinControl: a control with a window of its own. The window is made on
// first need (HandleNeeded) through CreateParams, CreateWnd and
// CreateWindowHandle; its procedure is an object instance that calls the
// control's WndProc. A windowed control parents other controls, aligns
// them, paints its window-less children after its own paint, keeps the tab
// order of its windowed children and takes the keyboard.
#pragma once

#include <vector>

#include "control.h"
#include "window.h"
#include "windowclass.h"

struct TCreateParams {
  AnsiString Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  // lpfnWndProc is the procedure the control's DefaultHandler ends in.
  WNDCLASS WindowClass;
  AnsiString WinClassName;
};

class TWinControl : public TControl {
  MORVANT_PUBLISHED(TWinControl, TControl)
 public:
  explicit TWinControl(TComponent* AOwner);
  // Frees the child controls, then the window.
  ~TWinControl() override;

  // ---- the window ----
  HWND GetHandle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded();
  void DestroyHandle();
  // A new window in place of the old, keeping the control's state.
  void RecreateWnd();

  // ---- children ----
  int GetControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* GetControls(int Index) const;
  // The child controls that Root owns, in z-order: what a form stream
  // writes inside this control.
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  // The topmost visible child at P (client coordinates); disabled ones only
  // with AllowDisabled.
  TControl* ControlAtPos(const TPoint& P, bool AllowDisabled) const;
  bool ContainsControl(TControl* Control) const;
  void Realign();
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();
  // Paints the window-less children from First (all: nullptr) into DC.
  void PaintControls(HDC DC, TControl* First);
  // Sends Msg to every direct child.
  void NotifyControls(UINT Msg);
  void Broadcast(TMessage& Message);

  // ---- focus ----
  int GetTabOrder() const;
  void SetTabOrder(int Value);
  bool GetTabStop() const { return tabStop_; }
  void SetTabStop(bool Value) { tabStop_ = Value; }
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // Every windowed descendant in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& List) const;

  // ---- 3-D look ----
  // A change sends CM_CTL3DCHANGED to the control, and its children that
  // follow their parent (ParentCtl3D) take it over and receive theirs.
  bool GetCtl3D() const { return ctl3D_; }
  void SetCtl3D(bool Value);
  bool GetParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool Value);
  // The next focusable control after CurControl in tab order (wrapping);
  // nullptr when there is none.
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent) const;
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

  // ---- docking (dragdrop.h) ----
  // A site takes controls of DragKind dkDock dragged into it.
  bool GetDockSite() const { return dockSite_; }
  void SetDockSite(bool Value);
  // The docked controls laid out one after another along the site (a
  // tiled layout: no tabs, no splitters); without it they keep their place.
  bool GetUseDockManager() const { return useDockManager_; }
  void SetUseDockManager(bool Value);
  int GetDockClientCount() const { return static_cast<int>(dockClients_.size()); }
  TControl* GetDockClients(int Index) const;
  // The drop of a docking drag the site accepted, after the control is in
  // it: OnDockDrop.
  virtual void DockDrop(TDragDockObject* Source, int X, int Y);

  // ---- automatic size ----
  // The control takes the size that holds its visible children plus its
  // border, measured again when a child moves, sizes, shows or hides.
  bool GetAutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);

  // ---- overrides ----
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TRect GetClientRect() const override;
  TPoint GetClientOrigin() const override;
  bool GetShowing() const override;
  void SetText(const AnsiString& Value) override;
  void Invalidate() override;
  void Repaint() override;
  void Update() override;
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TDockDropEvent OnDockDrop;
  TDockOverEvent OnDockOver;
  TGetSiteInfoEvent OnGetSiteInfo;
  TUnDockEvent OnUnDock;

 protected:
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateHandle();
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  // Paints the control itself (the window-less children come after).
  virtual void PaintWindow(HDC DC);
  void PaintHandler(HDC DC);
  // Lays out the aligned children inside Rect.
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect& /*Rect*/) const {}
  // Docking: Accept starts true.
  virtual void DockOver(TDragDockObject* Source, int X, int Y, TDragState State, bool& Accept);
  // InfluenceRect (screen coordinates) starts as the client area.
  virtual void GetSiteInfo(TControl* Client, TRect& InfluenceRect, TPoint MousePos, bool& CanDock);
  // Client leaves for NewTarget (nullptr: floating); false keeps it here.
  virtual bool DoUnDock(TWinControl* NewTarget, TControl* Client);
  // The tiled layout of the docked controls.
  virtual void ArrangeDockClients();
  // AutoSize: the size that holds the visible children.
  virtual void AdjustSize();

  // Key handling: true when the key was taken (KeyPreview form first).
  bool DoKeyDown(TMessage& Message);
  bool DoKeyPress(TMessage& Message);
  bool DoKeyUp(TMessage& Message);
  virtual void KeyDown(Word& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  virtual void KeyUp(Word& Key, TShiftState Shift);
  // The wheel: OnMouseWheel first, then the down or up event; true when
  // handled (else the window's default passes it on). MousePos is in
  // screen coordinates.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  virtual void DoEnter();
  virtual void DoExit();

  void Dispatch(TMessage& Message) override;
  void BoundsChanged(bool Resized) override;
  // Puts the children read from a stream into the tab order they stored.
  void Loaded() override;
  void CMColorChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMVisibleChanged(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  virtual void CMEnter(TMessage& Message);
  virtual void CMExit(TMessage& Message);
  virtual void CMDialogKey(TMessage& Message);
  // The form tells every control of it which one has the focus now.
  virtual void CMFocusChanged(TMessage& Message);
  virtual void WMPaint(TMessage& Message);
  virtual void CMCtl3DChanged(TMessage& Message);
  virtual void CMParentCtl3DChanged(TMessage& Message);
  void CMBiDiModeChanged(TMessage& Message) override;
  virtual void WMEraseBkgnd(TMessage& Message);
  virtual void WMSetFocus(TMessage& Message);
  virtual void WMKillFocus(TMessage& Message);
  virtual void WMKeyDown(TMessage& Message);
  virtual void WMChar(TMessage& Message);
  virtual void WMKeyUp(TMessage& Message);
  virtual void WMMouseWheel(TMessage& Message);
  virtual void WMWindowPosChanged(TMessage& Message);
  virtual void WMNCDestroy(TMessage& Message);
  virtual void WMSetText(TMessage& Message);

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;

 private:
  friend class TControl;
  friend class TDragEngine;
  void AddDockClient(TControl* Client);
  void RemoveDockClient(TControl* Client);
  // A child moved, sized, showed or hid: an autosized control measures
  // again.
  void ChildBoundsChanged();
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  void ShowControl(TControl*) {}
  void MoveControl(TControl* AControl, bool ToFront);
  void MainWndProc(TMessage& Message);
  // Hands mouse messages over a window-less child (or the one holding the
  // capture) to it; true when it took the message.
  bool MouseToChild(TMessage& Message);
  void TrackMouseControl(TControl* Target);
  void UpdateBoundsFromWindow();
  static LRESULT InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  WNDPROC objectInstance_ = nullptr;
  bool tabStop_ = false;
  // The TabOrder a stream gave, applied once the whole form is read.
  int streamedTabOrder_ = -1;
  int alignDisabled_ = 0;
  bool aligning_ = false;
  bool alignPending_ = false;
  // Moves and sizes the unaligned children by their anchors for the change
  // of this control's size since the last call (not while loading: the
  // stream holds their places for the size it gives).
  void AnchorControls();
  int anchoredWidth_ = 0, anchoredHeight_ = 0;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  bool dockSite_ = false;
  bool useDockManager_ = false;
  bool arrangingDock_ = false;
  std::vector<TControl*> dockClients_;
  bool autoSize_ = false;
  bool autoSizing_ = false;
};

// Forgets a control that the pointer-tracking holds (a control going away).
void ForgetMouseControl(TControl* Control);
