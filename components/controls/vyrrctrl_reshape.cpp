// Rebuilding a control's window region from its client rectangle.
#include "paint.h"
#include "rgn.h"
#include "vyrrctrl.h"
#include "wincontrol.h"

namespace Vyrrctrl {

void VyrReshape(TVyrRegion* Region, const TRect& Rect) {
  TWinControl* owner = Region->GetOwnerControl();
  if (!owner || !owner->HandleAllocated() || owner->GetComponentState().Contains(csLoading)) return;
  Region->CreateRegion(Rect);
  HRGN built = Region->GetRegionHandle();
  if (!built) return;
  // Handing a region over repaints the window, and the form reshapes on
  // every paint: the same outline is therefore not handed over again.
  HRGN current = CreateRectRgn(0, 0, 0, 0);
  const bool same = GetWindowRgn(owner->GetHandle(), current) != ERROR && EqualRgn(current, built);
  DeleteObject(current);
  if (!same) Region->SetRegion();
}

}  // namespace Vyrrctrl
