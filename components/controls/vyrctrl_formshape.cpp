#include "forms.h"
#include "vyrctrl.h"
#include "vyrregion.h"

namespace Vyrctrl {

namespace {

// The form shape that serves the control's form: the last one on it.
Vyrregion::TVyrFormShape* FormShapeOf(TWinControl* Form) {
  auto* form = dynamic_cast_object<TCustomForm>(Form);
  if (!form || !form->HandleAllocated()) return nullptr;
  for (int i = form->GetComponentCount() - 1; i >= 0; --i)
    if (form->GetComponents(i)->ClassName() == "TVyrFormShape")
      return dynamic_cast_object<Vyrregion::TVyrFormShape>(form->GetComponents(i));
  return nullptr;
}

}  // namespace

bool VyrFormShapeBackCheck(TWinControl* Form) {
  Vyrregion::TVyrFormShape* shape = FormShapeOf(Form);
  return shape && shape->BackBitmapCheck();
}

TBitmap* VyrFormShapeBackBitmap(TWinControl* Form) {
  Vyrregion::TVyrFormShape* shape = FormShapeOf(Form);
  return shape && shape->BackBitmapCheck() ? shape->BackBitmap() : nullptr;
}

bool VyrFormShapeBackDrawArea(TWinControl* Form, TCanvas* Canvas, const TRect& Rect, const TPoint& Point) {
  Vyrregion::TVyrFormShape* shape = FormShapeOf(Form);
  return shape && shape->BackDrawArea(Canvas, Rect, Point, 0);
}

}  // namespace Vyrctrl
