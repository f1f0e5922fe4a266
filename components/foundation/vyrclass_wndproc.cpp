#include "application.h"
#include "forms.h"
#include "messages.h"
#include "vyrclass.h"
#include "window.h"
#include "wndproc.h"

namespace Vyrclass {

void TVyrWndProcComponent::Publish(TPublisher<TVyrWndProcComponent>& P) {
  P.Bool("Enabled", &TVyrWndProcComponent::GetEnabled, &TVyrWndProcComponent::SetEnabled, true);
  P.Bool("HandleApp", &TVyrWndProcComponent::GetHandleApp, &TVyrWndProcComponent::SetHandleApp, false);
}

TVyrWndProcComponent::TVyrWndProcComponent(TComponent* AOwner) : TVyrComponent(AOwner) {
  if (TForm* form = dynamic_cast_object<TForm>(AOwner)) {
    if (form->GetFormStyle() == fsMDIChild) mdiKind_ = 1;
    else if (form->GetFormStyle() == fsMDIForm) mdiKind_ = 2;
  }
}

// Out of the chain while still whole; the destructor covers a plain delete.
void TVyrWndProcComponent::BeforeDestruction() {
  RestoreWndProc();
  inherited::BeforeDestruction();
}

TVyrWndProcComponent::~TVyrWndProcComponent() { RestoreWndProc(); }

void TVyrWndProcComponent::Loaded() {
  inherited::Loaded();
  if (!Designing()) Init();
}

void TVyrWndProcComponent::Init() {
  if (enabled_ && !objectInstance_) NewWndProc();
}

bool TVyrWndProcComponent::AppWndProc(TMessage&) { return true; }

void TVyrWndProcComponent::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  if (Designing()) return;
  if (Value)
    Init();
  else
    RestoreState();
}

void TVyrWndProcComponent::SetHandleApp(bool Value) {
  if (Designing() || GetComponentState().Contains(csLoading)) handleApp_ = Value;
}

TForm* TVyrWndProcComponent::GetOwnerForm() const { return dynamic_cast_object<TForm>(GetOwner()); }

HWND TVyrWndProcComponent::GetOwnerHandle() const {
  TForm* form = GetOwnerForm();
  if (!form) return nullptr;
  if (mdiKind_ == 2 && !useFormHandle_) return form->GetClientHandle();
  return form->GetHandle();
}

bool TVyrWndProcComponent::ValidOwner() const {
  const TForm* form = GetOwnerForm();
  const TComponentState state = GetComponentState();
  return form && form->HandleAllocated() && !state.Contains(csLoading) && !state.Contains(csDestroying);
}

bool TVyrWndProcComponent::NewWndProc() {
  if (Designing() || savedWndProc_) return false;
  const HWND window = GetOwnerHandle();
  if (!window) return false;
  destroying_ = false;
  if (handleApp_ && Application) {
    Application->HookMainWindow(TWindowHook(this, &TVyrWndProcComponent::AppWndProc));
    appHooked_ = true;
  }
  objectInstance_ = MakeObjectInstance(TWndMethod(this, &TVyrWndProcComponent::WndProc));
  savedWndProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtr(window, GWLP_WNDPROC));
  SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(objectInstance_));
  subclassedWindow_ = window;
  return true;
}

// Takes out only this component's own procedure, wherever it stands in the
// chain, and never makes a window: a window that is gone, or going, only
// loses the instance.
bool TVyrWndProcComponent::RestoreWndProc() {
  if (objectInstance_) {
    const bool windowLives = subclassedWindow_ && IsWindow(subclassedWindow_) && !destroying_;
    if (!windowLives) {
      FreeObjectInstance(objectInstance_);
    } else if (GetWindowLongPtr(subclassedWindow_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(objectInstance_)) {
      SetWindowLongPtr(subclassedWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(savedWndProc_));
      FreeObjectInstance(objectInstance_);
    } else {
      // A hook above still calls this instance: its calls go on below.
      FreeObjectInstance(objectInstance_, savedWndProc_);
    }
  }
  objectInstance_ = nullptr;
  savedWndProc_ = nullptr;
  subclassedWindow_ = nullptr;
  if (handleApp_ && appHooked_) {
    if (Application) Application->UnhookMainWindow(TWindowHook(this, &TVyrWndProcComponent::AppWndProc));
    appHooked_ = false;
  }
  silentRemoval_ = false;
  destroying_ = false;
  return true;
}

void TVyrWndProcComponent::SilentRemove() {
  silentRemoval_ = true;
  RestoreWndProc();
  SetEnabled(false);
}

void TVyrWndProcComponent::WndProc(TMessage& Message) {
  if (destroying_) return;
  if (Message.Msg == WM_DESTROY) {
    destroying_ = true;
    if (mdiKind_ == 1) {
      RestoreWndProc();
      return;
    }
  }
  Message.Result = CallWindowProc(savedWndProc_, subclassedWindow_, Message.Msg, Message.WParam, Message.LParam);
}

}  // namespace Vyrclass
