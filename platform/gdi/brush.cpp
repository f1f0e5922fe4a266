#include "brush.h"

#include <cstring>

#include "bitmap.h"
#include "syscolors.h"

int BrushObject::GetObjectData(int size, void* out) const {
  if (!out) return sizeof(LOGBRUSH);
  if (size < static_cast<int>(sizeof(LOGBRUSH))) return 0;
  std::memcpy(out, &log, sizeof(LOGBRUSH));
  return sizeof(LOGBRUSH);
}

const BYTE* HatchRows(int style) {
  static const BYTE rows[6][8] = {
      {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF},  // HS_HORIZONTAL
      {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // HS_VERTICAL
      {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // HS_FDIAGONAL: top-left to bottom-right
      {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // HS_BDIAGONAL
      {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0xFF},  // HS_CROSS
      {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // HS_DIAGCROSS
  };
  if (style < 0 || style > HS_DIAGCROSS) return nullptr;
  return rows[style];
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* lb) {
  if (!lb) return nullptr;
  auto brush = std::make_unique<BrushObject>();
  brush->log = *lb;
  switch (lb->lbStyle) {
    case BS_SOLID:
    case BS_NULL:
      break;
    case BS_HATCHED:
      if (!HatchRows(static_cast<int>(lb->lbHatch))) return nullptr;
      break;
    case BS_PATTERN: {
      // The pattern is a copy: the caller may delete its bitmap at once.
      auto* bm = GdiResolveAs<BitmapObject>(reinterpret_cast<HGDIOBJ>(lb->lbHatch), GdiKind::Bitmap);
      if (!bm || bm->surface.Empty()) return nullptr;
      const Surface& src = bm->surface;
      brush->pattern = Surface(src.Width(), src.Height());
      for (int y = 0; y < src.Height(); ++y)
        std::memcpy(brush->pattern.Row(y), src.Row(y), static_cast<std::size_t>(src.Width()) * sizeof(Pixel));
      brush->monoPattern = bm->Monochrome();
      break;
    }
    default:
      return nullptr;
  }
  return static_cast<HBRUSH>(GdiCreateHandle(GdiKind::Brush, std::move(brush)));
}

HBRUSH CreateSolidBrush(COLORREF color) {
  LOGBRUSH lb;
  lb.lbStyle = BS_SOLID;
  lb.lbColor = color;
  return CreateBrushIndirect(&lb);
}

HBRUSH CreateHatchBrush(int style, COLORREF color) {
  LOGBRUSH lb;
  lb.lbStyle = BS_HATCHED;
  lb.lbColor = color;
  lb.lbHatch = static_cast<ULONG_PTR>(style);
  return CreateBrushIndirect(&lb);
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
  LOGBRUSH lb;
  lb.lbStyle = BS_PATTERN;
  lb.lbHatch = reinterpret_cast<ULONG_PTR>(bitmap);
  return CreateBrushIndirect(&lb);
}
