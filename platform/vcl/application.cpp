#include "application.h"

#include <algorithm>

#include "classregistry.h"
#include "controlcanvas.h"
#include "datamodule.h"
#include "findcontrol.h"
#include "focus.h"
#include "forms_scrollbox.h"
#include "library_units.h"
#include "msgbox.h"
#include "paths.h"
#include "tscreen.h"
#include "window.h"
#include "windowclass.h"
#include "wndproc.h"

TApplication* Application = nullptr;

void HandleEventException(TObject* Sender) {
  if (!Application) throw;
  Application->HandleException(Sender);
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner), hintColor_(clInfoBk) {
  instance_ = MakeObjectInstance(TWndMethod(this, &TApplication::WndProc));
  WNDCLASS wc;
  if (!GetClassInfo(nullptr, "TApplication", &wc)) {
    wc = WNDCLASS();
    wc.lpfnWndProc = &DefWindowProc;
    wc.lpszClassName = "TApplication";
    RegisterClass(&wc);
  }
  handle_ = CreateWindowEx(0, "TApplication", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (handle_) SetWindowLongPtr(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(instance_));
}

TApplication::~TApplication() {
  StopHintTimers();
  if (hintControl_) hintControl_->RemoveFreeNotification(this);
  hintControl_ = nullptr;
  // The forms go first, while the application window still exists.
  DestroyComponents();
  if (handle_) DestroyWindow(handle_);
  FreeObjectInstance(instance_);
}

void TApplication::Initialize() {}

AnsiString TApplication::GetExeName() const {
  char path[4096] = {};
  const DWORD n = GetModuleFileName(nullptr, path, sizeof path);
  return AnsiString(path, n);
}

bool TApplication::GetActive() const { return GetActiveWindow() != nullptr; }

void TApplication::WndProc(TMessage& Message) {
  try {
    // A copy, so that a hook may add or remove hooks; one removed by an
    // earlier hook of this round does not run.
    const std::vector<TWindowHook> hooks = hooks_;
    for (const TWindowHook& hook : hooks)
      if (std::find(hooks_.begin(), hooks_.end(), hook) != hooks_.end() && hook(Message)) return;
    if (Message.Msg == WM_TIMER) {
      HintTimerExpired(static_cast<UINT_PTR>(Message.WParam));
      return;
    }
  } catch (...) {
    HandleEventException(this);
    return;
  }
  Message.Result = DefWindowProc(handle_, Message.Msg, Message.WParam, Message.LParam);
}

void TApplication::HookMainWindow(const TWindowHook& Hook) {
  if (Hook) hooks_.push_back(Hook);
}

void TApplication::UnhookMainWindow(const TWindowHook& Hook) {
  auto it = std::find(hooks_.begin(), hooks_.end(), Hook);
  if (it != hooks_.end()) hooks_.erase(it);
}

bool TApplication::HelpContext(THelpContext) { return false; }

bool TApplication::ExecuteAction(TBasicAction* Action) {
  bool handled = false;
  if (OnActionExecute) OnActionExecute(Action, handled);
  return handled;
}

bool TApplication::UpdateAction(TBasicAction* Action) {
  bool handled = false;
  if (OnActionUpdate) OnActionUpdate(Action, handled);
  return handled;
}

void TApplication::FormDestroyed(TCustomForm* Form) {
  if (mainForm_ == Form) mainForm_ = nullptr;
}

// ---- the loop ----

bool TApplication::ProcessMessage(MSG& Msg) {
  if (!PeekMessage(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  bool handled = false;
  if (OnMessage) {
    try {
      OnMessage(Msg, handled);
    } catch (...) {
      HandleException(this);
      handled = true;
    }
  }
  if (handled) return true;
  try {
    NoteMouseMessage(Msg);
    if (IsDialogChar(Msg)) return true;
  } catch (...) {
    HandleException(this);
  }
  TranslateMessage(&Msg);
  DispatchMessage(&Msg);
  return true;
}

// A plain character goes to the form's access keys unless the focused
// control takes characters (an edit) or the form's own window has the
// focus (the game's main window reads every key itself). Characters typed
// with Alt reach the form as its menu key (see TCustomForm).
bool TApplication::IsDialogChar(const MSG& Msg) {
  if (Msg.message != WM_CHAR || Msg.wParam < 0x20) return false;
  TWinControl* control = FindControl(Msg.hwnd);
  TCustomForm* form = control ? GetParentForm(control) : nullptr;
  if (!form || form == control) return false;
  if (control->Perform(WM_GETDLGCODE, 0, 0) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) return false;
  return form->Perform(CM_DIALOGCHAR, Msg.wParam, Msg.lParam) != 0;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::Idle() {
  TControlCanvas::FreeDeviceContexts();
  bool done = true;
  if (OnIdle) {
    try {
      OnIdle(this, done);
    } catch (...) {
      HandleException(this);
    }
  }
  if (!done) return;
  try {
    if (Screen)
      for (int i = Screen->GetFormCount() - 1; i >= 0; --i)
        if (i < Screen->GetFormCount()) Screen->GetForms(i)->UpdateActions();
  } catch (...) {
    HandleException(this);
  }
  if (!terminated_) WaitMessage();
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) Idle();
}

void TApplication::Run() {
  if (mainForm_ && showMainForm_) mainForm_->Show();
  while (!terminated_ && mainForm_) HandleMessage();
  // The forms go as the program ends, before the start-up table finalises
  // the units beneath them: their controls give back pool timers and leave
  // the global container's links while both are still there, and what they
  // write on the way out still finds its settings.
  mainForm_ = nullptr;
  DestroyComponents();
}

void TApplication::Terminate() {
  if (terminated_.exchange(true)) return;
  // Wakes a loop waiting for input.
  PostQuitMessage(0);
}

// ---- exceptions and boxes ----

void TApplication::HandleException(TObject* Sender) {
  try {
    throw;
  } catch (Exception& e) {
    if (OnException)
      OnException(Sender, &e);
    else
      ShowException(&e);
  } catch (std::exception& e) {
    Exception wrapped{AnsiString(e.what())};
    if (OnException)
      OnException(Sender, &wrapped);
    else
      ShowException(&wrapped);
  }
}

void TApplication::ShowException(Exception* E) {
  AnsiString text = E->Message;
  if (!text.IsEmpty() && text[text.Length()] > '.') text += ".";
  MessageBox(text, title_, MB_OK | MB_ICONSTOP);
}

// Owned by the active window, which the box disables while it shows.
int TApplication::MessageBox(const AnsiString& Text, const AnsiString& Caption, UINT Flags) {
  const AnsiString caption = Caption.IsEmpty() ? title_ : Caption;
  HWND owner = GetActiveWindow();
  if (!owner && mainForm_ && mainForm_->HandleAllocated()) owner = mainForm_->GetHandle();
  return ::MessageBox(owner, Text.c_str(), caption.c_str(), Flags);
}

// ---- utility windows ----

namespace {

LRESULT UtilWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND AllocateHWnd(const TWndMethod& Method) {
  WNDCLASS wc;
  if (!GetClassInfo(nullptr, "TPUtilWindow", &wc)) {
    wc = WNDCLASS();
    wc.lpfnWndProc = &UtilWindowProc;
    wc.lpszClassName = "TPUtilWindow";
    RegisterClass(&wc);
  }
  HWND wnd = CreateWindowEx(0, "TPUtilWindow", "", WS_POPUP, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (wnd && Method) SetWindowLongPtr(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MakeObjectInstance(Method)));
  return wnd;
}

void DeallocateHWnd(HWND Wnd) {
  if (!IsWindow(Wnd)) return;
  WNDPROC proc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(Wnd, GWLP_WNDPROC));
  DestroyWindow(Wnd);
  if (IsObjectInstance(proc)) FreeObjectInstance(proc);
}

// ---- the unit ----

namespace Forms {

void Initialize() {
  RegisterClasses({TForm::StaticClass(), TScrollBox::StaticClass(), TDataModule::StaticClass()});
  if (!Application) Application = TObject::Create<TApplication>(nullptr);
  if (!Screen) Screen = TObject::Create<TScreen>(nullptr);
}

void Finalize() {
  if (Application) Application->Free();
  Application = nullptr;
  if (Screen) Screen->Free();
  Screen = nullptr;
}

}  // namespace Forms
