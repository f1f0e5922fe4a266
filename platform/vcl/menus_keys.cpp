// Keys for menus: shortcuts of the menus a control lies under and of its
// form's actions, and the keys that ask for a context menu.
#include "controlmessages.h"
#include "forms.h"
#include "keyboard.h"
#include "menus.h"
#include "wincontrol.h"

namespace {

bool PopupMenusTakeShortCut(TWinControl* Control, TShortCut Value) {
  for (TControl* c = Control; c; c = c->GetParent())
    if (auto* popup = dynamic_cast<TPopupMenu*>(c->GetPopupMenu()); popup && popup->IsShortCut(Value)) return true;
  return false;
}

bool FormMenuTakesShortCut(TWinControl* Control, TShortCut Value) {
  TCustomForm* form = GetParentForm(Control);
  auto* menu = form ? dynamic_cast<TMainMenu*>(form->GetMenu()) : nullptr;
  return menu && menu->IsShortCut(Value);
}

bool FormActionsTakeShortCut(TWinControl* Control, TShortCut Value) {
  TCustomForm* form = GetParentForm(Control);
  if (!form) return false;
  for (int i = 0; i < form->GetComponentCount(); ++i)
    if (auto* list = dynamic_cast_object<TCustomActionList>(form->GetComponents(i)); list && list->IsShortCut(Value))
      return true;
  return false;
}

bool IsContextMenuKey(WORD Key, TShiftState Shift) {
  return (Key == VK_APPS && Shift == TShiftState()) || (Key == VK_F10 && Shift == TShiftState{ssShift});
}

}  // namespace

bool IsMenuKey(TWinControl* Control, WORD Key, TShiftState Shift) {
  if (!Control) return false;
  const TShortCut value = ShortCut(Key, Shift);
  if (PopupMenusTakeShortCut(Control, value) || FormMenuTakesShortCut(Control, value) ||
      FormActionsTakeShortCut(Control, value))
    return true;
  if (!IsContextMenuKey(Key, Shift)) return false;
  // (-1, -1) says the menu was asked for by key, not at the pointer.
  const HWND window = Control->HandleAllocated() ? Control->GetHandle() : nullptr;
  return Control->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MakePointLParam(-1, -1)) != 0;
}
