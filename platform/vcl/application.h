// TApplication: the program's message loop and its hidden application
// window. Every loop (Run, ProcessMessages, a modal form) takes messages
// the same way, so handlers nest: a handler may call ProcessMessages, and
// the messages it dispatches run inside it.
//
// An exception that escapes an event handler is caught where the window
// procedure called into the control; OnException sees it if set, otherwise
// ShowException shows its message in a box, and the loop goes on.
#pragma once

#include <exception>

#include "component.h"
#include "exceptions.h"
#include "forms.h"
#include "message_queue.h"

using TMessageEvent = TClosure<void(MSG& Msg, bool& Handled)>;
using TIdleEvent = TClosure<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = TClosure<void(TObject* Sender, Exception* E)>;

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
    T* form = new T(this);
    Reference = form;
    try {
      form->AfterConstruction();
    } catch (...) {
      Reference = nullptr;
      delete form;
      throw;
    }
    if (!mainForm_) mainForm_ = form;
  }
  TCustomForm* GetMainForm() const { return mainForm_; }
  bool GetShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool Value) { showMainForm_ = Value; }

  // Shows the main form and handles messages until Terminated.
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

  TMessageEvent OnMessage;
  TIdleEvent OnIdle;
  TExceptionEvent OnException;

 private:
  friend class TCustomForm;
  bool ProcessMessage(MSG& Msg);
  void Idle();
  void FormDestroyed(TCustomForm* Form);
  void WndProc(TMessage& Message);

  AnsiString title_;
  HWND handle_ = nullptr;
  WNDPROC instance_ = nullptr;
  TCustomForm* mainForm_ = nullptr;
  bool showMainForm_ = true;
  bool terminated_ = false;
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

// Creates Application and Screen (the unit's start-up), and frees them.
namespace Forms {
void Initialize();
void Finalize();
}  // namespace Forms
