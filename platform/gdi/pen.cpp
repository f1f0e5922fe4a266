#include "pen.h"

#include <cstring>

int PenObject::GetObjectData(int size, void* out) const {
  if (!out) return sizeof(LOGPEN);
  if (size < static_cast<int>(sizeof(LOGPEN))) return 0;
  std::memcpy(out, &log, sizeof(LOGPEN));
  return sizeof(LOGPEN);
}

HPEN CreatePenIndirect(const LOGPEN* lp) {
  if (!lp) return nullptr;
  UINT style = lp->lopnStyle & PS_STYLE_MASK;
  if (style > PS_INSIDEFRAME) return nullptr;
  auto pen = std::make_unique<PenObject>();
  pen->log = *lp;
  pen->log.lopnWidth.x = lp->lopnWidth.x < 0 ? 0 : lp->lopnWidth.x;
  pen->log.lopnWidth.y = 0;
  return static_cast<HPEN>(GdiCreateHandle(GdiKind::Pen, std::move(pen)));
}

HPEN CreatePen(int style, int width, COLORREF color) {
  LOGPEN lp;
  lp.lopnStyle = static_cast<UINT>(style);
  lp.lopnWidth.x = width;
  lp.lopnColor = color;
  return CreatePenIndirect(&lp);
}
