// TApplication: the program's message loop and its hidden application
// window. Every loop (Run, ProcessMessages, a modal form) takes messages
// the same way, so handlers nest: a handler may call ProcessMessages, and
// the messages it dispatches run inside it.
//
// An exception that escapes an event handler is caught where the window
// procedure called into the control; OnException sees it if set, otherwise
// ShowException shows its message in a box, and the loop goes on.
//
// The loop also looks at each message on its way: a character that the
// focused control does not take is offered to the form's controls as an
// access key (CM_DIALOGCHAR); mouse moves steer the hints, and keep the
// screen's and the controls' cursors in place.
//
// Hints: a control whose ShowHint holds (its own or, with ParentShowHint,
// its parent's) and that has a Hint (its own or its nearest parent's) shows
// the short part in the hint window once the mouse has rested on it for
// HintPause ms, for HintHidePause ms or until the mouse leaves it. Moving
// on from a showing hint to another control takes only HintShortPause.
// Hint always holds the long part for the control under the mouse, and
// OnHint fires when it changes.
#pragma once

#include <atomic>
#include <exception>
#include <vector>

#include "component.h"
#include "exceptions.h"
#include "forms.h"
#include "message_queue.h"

using TMessageEvent = TClosure<void(MSG& Msg, bool& Handled)>;
using TIdleEvent = TClosure<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = TClosure<void(TObject* Sender, Exception* E)>;
// Sees a message of the application window before it is handled; true
// swallows it.
using TWindowHook = TClosure<bool(TMessage& Message)>;
using THelpContext = int;

class THintWindow;

class TApplication : public TComponent {
  MORVANT_CLASS(TApplication, TComponent)
 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  void Initialize();
  AnsiString GetTitle() const { return title_; }
  void SetTitle(const AnsiString& Value) { title_ = Value; }
  AnsiString GetExeName() const;
  HWND GetHandle() const { return handle_; }
  // Whether one of the program's windows is the active window.
  bool GetActive() const;

  // Creates a form owned by the application and stores it in Reference
  // before it is streamed; the first form becomes the main form.
  template <class T>
  void CreateForm(T*& Reference) {
    T* form = TObject::CreateInto(Reference, this);
    if (!mainForm_) mainForm_ = form;
  }
  TCustomForm* GetMainForm() const { return mainForm_; }
  bool GetShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool Value) { showMainForm_ = Value; }

  // Shows the main form and handles messages until Terminated, then frees
  // the forms (and whatever else the application owns).
  void Run();
  // Dispatches every message now pending, then returns.
  void ProcessMessages();
  // Dispatches one message, or goes idle and waits for one.
  void HandleMessage();
  void Terminate();
  bool GetTerminated() const { return terminated_; }

  // The exception being handled (inside a catch block) to OnException or
  // ShowException.
  void HandleException(TObject* Sender);
  void ShowException(Exception* E);
  // A message box with the application's title as the default caption.
  int MessageBox(const AnsiString& Text, const AnsiString& Caption, UINT Flags);

  // The hooks run in the order they were added; removal compares the
  // bound method. A hook may unhook itself while it runs.
  void HookMainWindow(const TWindowHook& Hook);
  void UnhookMainWindow(const TWindowHook& Hook);

  // There is no help system: nothing opens, and the answer is false.
  bool HelpContext(THelpContext Context);

  // Every action asks these after its list and before its own handler;
  // true when OnActionExecute / OnActionUpdate handled it.
  bool ExecuteAction(TBasicAction* Action);
  bool UpdateAction(TBasicAction* Action);
  TActionEvent OnActionExecute;
  TActionEvent OnActionUpdate;

  // ---- hints ----
  bool GetShowHint() const { return showHint_; }
  // False hides a showing hint and frees the hint window.
  void SetShowHint(bool Value);
  int GetHintPause() const { return hintPause_; }
  void SetHintPause(int Value) { hintPause_ = Value; }
  int GetHintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int Value) { hintHidePause_ = Value; }
  int GetHintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(int Value) { hintShortPause_ = Value; }
  TColor GetHintColor() const { return hintColor_; }
  void SetHintColor(TColor Value);
  AnsiString GetHint() const { return hint_; }
  void SetHint(const AnsiString& Value);
  // The window hints show in; nullptr until the first hint.
  THintWindow* GetHintWindow() const { return hintWindow_; }
  // Hides the hint now; the control under the mouse shows it again only
  // after the mouse has left it.
  void HideHint();
  // Hides the hint and forgets the control under the mouse, so that the
  // next move over it waits the pause again.
  void CancelHint();

  TMessageEvent OnMessage;
  TIdleEvent OnIdle;
  TExceptionEvent OnException;
  TNotifyEvent OnHint;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TCustomForm;
  bool ProcessMessage(MSG& Msg);
  // OnIdle; when it is done, the showing forms update their actions, then
  // the loop waits for input.
  void Idle();
  void FormDestroyed(TCustomForm* Form);
  void WndProc(TMessage& Message);
  // True when the message went to the form's controls as an access key.
  bool IsDialogChar(const MSG& Msg);
  // Hints and cursors follow the mouse.
  void NoteMouseMessage(const MSG& Msg);
  void ApplyCursor(TControl* Control);
  void HintMouseMessage(TControl* Control);
  void SetHintControl(TControl* Control);
  void HintTimerExpired(UINT_PTR Id);
  void ShowHintNow();
  void StopHintTimers();

  std::vector<TWindowHook> hooks_;
  bool showHint_ = true;
  int hintPause_ = 500;
  int hintHidePause_ = 2500;
  int hintShortPause_ = 50;
  TColor hintColor_;
  AnsiString hint_;
  THintWindow* hintWindow_ = nullptr;
  // The control under the mouse that the hint belongs to.
  TControl* hintControl_ = nullptr;
  bool hintShowing_ = false;
  // Until this tick the next hint takes the short pause.
  DWORD shortPauseUntil_ = 0;

  AnsiString title_;
  HWND handle_ = nullptr;
  WNDPROC instance_ = nullptr;
  TCustomForm* mainForm_ = nullptr;
  bool showMainForm_ = true;
  // Read by worker threads that end when the program does.
  std::atomic<bool> terminated_ = false;
};

extern TApplication* Application;

// The catch-all of window procedures and timers: the exception being
// handled goes to Application->HandleException (rethrown when there is no
// application).
void HandleEventException(TObject* Sender);

// Windows for objects that are not controls (timers): a hidden
// message-only window whose messages go to Method.
HWND AllocateHWnd(const TWndMethod& Method);
void DeallocateHWnd(HWND Wnd);
