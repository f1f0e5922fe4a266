// TCustomForm and TForm: top-level windowed controls with a frame, a
// caption, activation, closing and modal showing.
//
// Construction has two steps, because a C++ base constructor cannot see the
// derived class: the constructor builds the empty form, and
// AfterConstruction (run by Application->CreateForm and by
// TObject::Create<T>) joins the owner, reads the form's resources, "RCDATA/<CLASSNAME>"
// for its class and each ancestor below TForm, then fires OnCreate. Work a
// derived form does on its streamed components belongs in Loaded or in an
// AfterConstruction override that calls inherited first.
//
// OnActivate fires when the form becomes this program's active form: on its
// first activation and when the user switches to it from another form of
// the program; not when a modal form it showed closes, a message box goes
// away, or the program is switched back to from another program.
#pragma once

#include <memory>

#include "controlcanvas.h"
#include "wincontrol.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = TClosure<void(TObject* Sender, TCloseAction& Action)>;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;

class TCustomForm : public TWinControl {
  MORVANT_PUBLISHED(TCustomForm, TWinControl)
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  // Create<T>(Owner) makes a form of class T streamed and created
  // (OnCreate has run).
  // Joins the owner, reads the form's resources, then OnCreate.
  void AfterConstruction() override;
  // OnDestroy, while the components are still there, then frees them.
  void BeforeDestruction() override;

  TFormBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons GetBorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons Value);
  TPosition GetPosition() const { return position_; }
  void SetPosition(TPosition Value) { position_ = Value; }
  TFormStyle GetFormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle Value) { formStyle_ = Value; }
  TWindowState GetWindowState() const { return windowState_; }
  void SetWindowState(TWindowState Value);
  // Forms keep one window: the MDI client is the form's own.
  HWND GetClientHandle() { return GetHandle(); }

  TWinControl* GetActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* Control);
  // Focuses Control now when the form is showing, else on activation.
  void FocusControl(TWinControl* Control);
  // Records the control that got the focus and sends CM_EXIT / CM_ENTER.
  void SetFocusedControl(TWinControl* Control);
  bool GetKeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool Value) { keyPreview_ = Value; }
  // A slot for the menus unit.
  TComponent* GetMenu() const { return menu_; }
  void SetMenu(TComponent* Value);
  TCanvas* GetCanvas() const { return canvas_.get(); }
  bool GetActive() const;

  TModalResult GetModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  bool IsModal() const { return modal_; }

  void Show();
  void Hide();
  // CloseQuery, then OnClose; a modal form ends its loop with mrCancel.
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages now queued are handled.
  void Release();
  TModalResult ShowModal();
  // The idle time's update of a showing form's actions: those of its
  // visible controls and menu items through them, then every other action
  // of its action lists.
  virtual void UpdateActions();

  TRect GetClientRect() const override;
  bool GetShowing() const override;
  // Its controls, then, when it is the root, the components it owns that
  // sit in no control (timers, menus, dialogs).
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnPaint;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void PaintWindow(HDC DC) override;
  virtual void Paint();
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void Activate();
  virtual void Deactivate();
  virtual void DoClose(TCloseAction& Action);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  void CMVisibleChanged(TMessage& Message) override;
  void CMDialogKey(TMessage& Message) override;
  virtual void WMActivate(TMessage& Message);
  virtual void WMClose(TMessage& Message);
  virtual void CMRelease(TMessage& Message);
  // A character typed with Alt is an access key of the form's controls
  // before it opens the menu bar.
  virtual void WMSysCommand(TMessage& Message);
  // Offers the character to the visible, enabled controls, depth first;
  // Result 1 once one took it.
  virtual void CMDialogChar(TMessage& Message);

 private:
  friend class TScreen;
  // Window style bits for the border style and icons.
  void FrameStyle(DWORD& Style, DWORD& ExStyle) const;
  TSize FrameSize() const;
  void ApplyPosition();
  void CloseModal();

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = {biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  TFormStyle formStyle_ = fsNormal;
  TWindowState windowState_ = wsNormal;
  TWinControl* activeControl_ = nullptr;
  // The control that last had the focus: CM_EXIT goes to it.
  TWinControl* focusedControl_ = nullptr;
  bool keyPreview_ = false;
  TComponent* menu_ = nullptr;
  std::unique_ptr<TControlCanvas> canvas_;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool positioned_ = false;
  bool created_ = false;
};

class TForm : public TCustomForm {
  MORVANT_COMPONENT(TForm, TCustomForm)
 public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

// A form is made hidden and shown on demand.
inline void TForm::Publish(TPublisher<TForm>& P) {
  PublishOwnColor(P);
  P.Bool("Visible", &TControl::GetVisible, &TControl::SetVisible, false);
}
