// The idle update of a form's actions.
#include <algorithm>
#include <vector>

#include "forms.h"
#include "menus.h"

namespace {

void UpdateClients(TWinControl* Container, std::vector<TBasicAction*>& Updated) {
  for (int i = 0; i < Container->GetControlCount(); ++i) {
    TControl* control = Container->GetControls(i);
    if (!control->GetVisible()) continue;
    if (control->GetControlStyle().Contains(csActionClient)) {
      if (TBasicAction* action = control->GetAction()) Updated.push_back(action);
      control->InitiateAction();
      // An update may take controls away.
      if (i >= Container->GetControlCount() || Container->GetControls(i) != control) continue;
    }
    if (auto* win = dynamic_cast_object<TWinControl>(control)) UpdateClients(win, Updated);
  }
}

void UpdateMenuItems(TMenuItem* Item, std::vector<TBasicAction*>& Updated) {
  for (int i = 0; i < Item->GetCount(); ++i) {
    TMenuItem* child = Item->GetItems(i);
    if (TBasicAction* action = child->GetAction()) Updated.push_back(action);
    child->InitiateAction();
  }
}

}  // namespace

void TCustomForm::UpdateActions() {
  if (GetComponentState().Contains(csDesigning) || !GetShowing()) return;
  std::vector<TBasicAction*> updated;
  if (TBasicAction* action = GetAction()) updated.push_back(action);
  InitiateAction();
  if (auto* menu = dynamic_cast<TMainMenu*>(menu_)) UpdateMenuItems(menu->GetItems(), updated);
  UpdateClients(this, updated);
  // What no client showed is updated all the same, so that its OnUpdate
  // can bring a hidden control back or keep a shortcut's action current.
  std::vector<TCustomActionList*> lists;
  for (int i = 0; i < GetComponentCount(); ++i)
    if (auto* list = dynamic_cast_object<TCustomActionList>(GetComponents(i))) lists.push_back(list);
  for (TCustomActionList* list : lists)
    for (int i = 0; i < list->GetActionCount(); ++i) {
      TContainedAction* action = list->GetActions(i);
      if (std::find(updated.begin(), updated.end(), action) != updated.end()) continue;
      updated.push_back(action);
      action->Update();
    }
}
