// AutoSize of windowed controls: the control takes the size that holds its
// visible children where they stand, plus its border. Children aligned to
// the whole client area follow the control and are left out.
#include <algorithm>

#include "wincontrol.h"

void TWinControl::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  if (Value) AdjustSize();
}

void TWinControl::ChildBoundsChanged() {
  if (autoSize_ && !autoSizing_ && !aligning_) AdjustSize();
}

void TWinControl::AdjustSize() {
  if (!autoSize_ || autoSizing_ || GetComponentState().Contains(csLoading)) return;
  int right = 0, bottom = 0;
  bool any = false;
  for (TControl* c : controls_) {
    if (!c->GetVisible() || c->GetAlign() == alClient) continue;
    any = true;
    right = std::max(right, c->GetLeft() + c->GetWidth());
    bottom = std::max(bottom, c->GetTop() + c->GetHeight());
  }
  if (!any) return;
  // The children stand in client coordinates; the border beyond their
  // right and bottom edges is what the client area (with its adjustments)
  // leaves of the bounds there.
  TRect client = GetClientRect();
  AdjustClientRect(client);
  const int width = right + (width_ - client.right);
  const int height = bottom + (height_ - client.bottom);
  autoSizing_ = true;
  SetBounds(left_, top_, width, height);
  autoSizing_ = false;
}
