#include "vyrctrl.h"

namespace Vyrctrl {

bool VyrFormShapeBackCheck(TWinControl*) { return false; }

TBitmap* VyrFormShapeBackBitmap(TWinControl*) { return nullptr; }

bool VyrFormShapeBackDrawArea(TWinControl*, TCanvas*, const TRect&, const TPoint&) { return false; }

}  // namespace Vyrctrl
