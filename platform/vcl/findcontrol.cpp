#include "findcontrol.h"

#include "forms.h"
#include "tscreen.h"
#include "window_pos.h"

namespace {

TWinControl* FindIn(TWinControl* Parent, HWND Handle) {
  if (!Parent->HandleAllocated()) return nullptr;
  if (Parent->GetHandle() == Handle) return Parent;
  for (int i = 0; i < Parent->GetControlCount(); ++i)
    if (auto* child = dynamic_cast_object<TWinControl>(Parent->GetControls(i)))
      if (TWinControl* found = FindIn(child, Handle)) return found;
  return nullptr;
}

}  // namespace

TWinControl* FindControl(HWND Handle) {
  if (!Handle || !Screen) return nullptr;
  for (int i = 0; i < Screen->GetFormCount(); ++i)
    if (TWinControl* found = FindIn(Screen->GetForms(i), Handle)) return found;
  return nullptr;
}

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled) {
  TWinControl* window = FindControl(WindowFromPoint(TPoint(Pos.x, Pos.y)));
  if (!window) return nullptr;
  TControl* child = window->ControlAtPos(window->ScreenToClient(Pos), AllowDisabled);
  if (child && !child->Is<TWinControl>()) return child;
  return window;
}
