#include "application.h"
#include "focus.h"
#include "forms.h"
#include "menu.h"
#include "menus.h"
#include "window.h"
#include "wndproc.h"

namespace {

void AppendItems(HMENU Menu, const TMenuItem* Parent) {
  for (int i = 0; i < Parent->GetCount(); ++i) {
    const TMenuItem* item = Parent->GetItems(i);
    if (!item->GetVisible()) continue;
    if (item->IsLine()) {
      AppendMenu(Menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (item->GetChecked()) flags |= MF_CHECKED;
    if (!item->GetEnabled()) flags |= MF_GRAYED;
    if (item->GetCount() > 0) {
      HMENU sub = CreatePopupMenu();
      AppendItems(sub, item);
      AppendMenu(Menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), item->GetCaption().c_str());
    } else {
      // The drop-down shows what follows a tab right-aligned.
      AnsiString text = item->GetCaption();
      const AnsiString shortcut = ShortCutToText(item->GetShortCut());
      if (!shortcut.IsEmpty()) text += "\t" + shortcut;
      AppendMenu(Menu, flags, item->GetCommand(), text.c_str());
    }
  }
}

// A hidden or disabled item hides and disables its sub-items' shortcuts too.
TMenuItem* FindShortCutItem(const TMenuItem* Parent, TShortCut Value) {
  if (Value == scNone) return nullptr;
  for (int i = 0; i < Parent->GetCount(); ++i) {
    TMenuItem* item = Parent->GetItems(i);
    if (!item->GetVisible() || !item->GetEnabled()) continue;
    if (item->GetShortCut() == Value && item->GetCount() == 0) return item;
    if (TMenuItem* inner = FindShortCutItem(item, Value)) return inner;
  }
  return nullptr;
}

}  // namespace

// ---- TMenu ----

void TMenu::Publish(TPublisher<TMenu>&) {}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), items_(TObject::Create<TMenuItem>(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  items_->menu_ = nullptr;
  items_->Free();
  DestroyMenuHandle();
}

HMENU TMenu::GetHandle() {
  if (!handle_) {
    handle_ = CreateMenuHandle();
    AppendItems(handle_, items_);
  }
  return handle_;
}

HMENU TMenu::CreateMenuHandle() { return CreatePopupMenu(); }

void TMenu::DestroyMenuHandle() {
  if (handle_) DestroyMenu(handle_);
  handle_ = nullptr;
}

// A live native menu is rebuilt at once, so what shows matches the items.
void TMenu::ItemsChanged() {
  if (!handle_ || GetComponentState().Contains(csDestroying)) return;
  HMENU old = handle_;
  handle_ = nullptr;
  GetHandle();
  MenuChanged();
  DestroyMenu(old);
}

TMenuItem* TMenu::FindItem(UINT Value, TFindItemKind Kind) const {
  if (Kind == fkShortCut) return FindShortCutItem(items_, static_cast<TShortCut>(Value));
  if (Kind != fkCommand) return nullptr;
  TMenuItem* item = TMenuItem::FromCommand(Value);
  return item && item != items_ && item->RootMenu() == this ? item : nullptr;
}

bool TMenu::IsShortCut(TShortCut Value) {
  TMenuItem* item = FindItem(Value, fkShortCut);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchCommand(UINT Command) {
  TMenuItem* item = FindItem(Command, fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

void TMenu::GetChildren(TGetChildProc Proc, TComponent* Root) { items_->GetChildren(Proc, Root); }

// ---- TMainMenu ----

void TMainMenu::Publish(TPublisher<TMainMenu>&) {}

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

TMainMenu::~TMainMenu() { Detach(); }

HMENU TMainMenu::CreateMenuHandle() { return CreateMenu(); }

void TMainMenu::Loaded() {
  TMenu::Loaded();
  auto* form = dynamic_cast<TCustomForm*>(GetOwner());
  if (form && (!form->GetMenu() || form->GetMenu() == this)) AttachTo(form);
}

void TMainMenu::AttachTo(TCustomForm* Form) {
  Detach();
  if (!Form) return;
  form_ = Form;
  form_->FreeNotification(this);
  form_->SetMenu(this);
  window_ = form_->GetHandle();
  oldProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtr(window_, GWLP_WNDPROC));
  hook_ = MakeObjectInstance(TWndMethod(this, &TMainMenu::FormWndProc));
  SetWindowLongPtr(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook_));
  // The menu bar takes its room from the frame, not from the client area
  // the form was designed with.
  const int clientHeight = form_->GetClientHeight();
  ::SetMenu(window_, GetHandle());
  form_->SetClientHeight(clientHeight);
}

void TMainMenu::Detach() {
  if (window_ && IsWindow(window_)) {
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtr(window_, GWLP_WNDPROC)) == hook_)
      SetWindowLongPtr(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
    if (::GetMenu(window_) == handle_) ::SetMenu(window_, nullptr);
  }
  // A later subclass may still hold the hook: the retired instance passes
  // its messages on to the procedure it replaced.
  if (hook_) FreeObjectInstance(hook_, oldProc_);
  hook_ = nullptr;
  oldProc_ = nullptr;
  window_ = nullptr;
  // A form on its way out forgets the menu by itself.
  if (form_ && !form_->GetComponentState().Contains(csDestroying)) {
    form_->RemoveFreeNotification(this);
    if (form_->GetMenu() == this) form_->SetMenu(nullptr);
  }
  form_ = nullptr;
}

void TMainMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == form_) {
    form_ = nullptr;
    Detach();
  }
}

void TMainMenu::MenuChanged() {
  if (window_ && IsWindow(window_)) ::SetMenu(window_, handle_);
}

// The bar's choices arrive as WM_COMMAND with no control; everything else
// goes on to the form. This procedure sits in front of the form's own, so
// an error in an item's handler is caught here, as the form would catch
// it, rather than leaving the message loop.
void TMainMenu::FormWndProc(TMessage& Message) {
  if (Message.Msg == WM_COMMAND && Message.LParam == 0 && Message.WParamHi() == 0) {
    bool dispatched = true;
    try {
      dispatched = DispatchCommand(Message.WParamLo());
    } catch (...) {
      HandleEventException(this);
    }
    if (dispatched) {
      Message.Result = 0;
      return;
    }
  }
  Message.Result = CallWindowProc(oldProc_, window_, Message.Msg, Message.WParam, Message.LParam);
}

// ---- TPopupMenu ----

void TPopupMenu::Publish(TPublisher<TPopupMenu>& P) {
  P.Bool("AutoPopup", &TPopupMenu::GetAutoPopup, &TPopupMenu::SetAutoPopup, true);
  P.Event("OnPopup", &TPopupMenu::OnPopup);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

HMENU TPopupMenu::CreateMenuHandle() { return CreatePopupMenu(); }

void TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  HWND owner = GetActiveWindow();
  if (!owner && Application) owner = Application->GetHandle();
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(GetHandle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, X, Y, 0, owner, nullptr));
  if (chosen) DispatchCommand(chosen);
}
