// Region objects: creation from figures and data, the algebra, queries.
#include "rgn.h"

#include <cstring>
#include <memory>
#include <vector>

#include "curve_raster.h"
#include "dc.h"
#include "polygon_raster.h"

namespace {

HRGN MakeRegion(Region region) {
  auto object = std::make_unique<RegionObject>();
  object->region = std::move(region);
  return static_cast<HRGN>(GdiCreateHandle(GdiKind::Region, std::move(object)));
}

// Figures may be given with corners in any order.
TRect Box(int left, int top, int right, int bottom) {
  RECT r{{left}, {top}, {right}, {bottom}};
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return r;
}

const RECT kEverywhere{{-Region::kMaxCoord}, {-Region::kMaxCoord}, {Region::kMaxCoord}, {Region::kMaxCoord}};

}  // namespace

bool RegionObject::GetRects(std::vector<RECT>& out) const {
  const auto rects = region.Rects();
  out.assign(rects.begin(), rects.end());
  return true;
}

Region* ResolveRegion(HRGN rgn) {
  auto* object = GdiResolveAs<RegionObject>(rgn, GdiKind::Region);
  return object ? &object->region : nullptr;
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) { return MakeRegion(Region(Box(left, top, right, bottom))); }

HRGN CreateRectRgnIndirect(const RECT* r) {
  return r ? CreateRectRgn(r->left, r->top, r->right, r->bottom) : nullptr;
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height) {
  return MakeRegion(curve_raster::RoundRect(Box(left, top, right, bottom), width, height));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
  return MakeRegion(curve_raster::Ellipse(Box(left, top, right, bottom)));
}

HRGN CreateEllipticRgnIndirect(const RECT* r) {
  return r ? CreateEllipticRgn(r->left, r->top, r->right, r->bottom) : nullptr;
}

HRGN CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int mode) {
  if (!points || !counts || polygons <= 0 || (mode != ALTERNATE && mode != WINDING)) return nullptr;
  std::size_t total = 0;
  for (int i = 0; i < polygons; ++i) {
    if (counts[i] < 0) return nullptr;
    total += static_cast<std::size_t>(counts[i]);
  }
  const PolyFill fill = mode == WINDING ? PolyFill::Winding : PolyFill::Alternate;
  return MakeRegion(PolygonFillRegion({points, total}, {counts, static_cast<std::size_t>(polygons)}, fill, kEverywhere));
}

HRGN CreatePolygonRgn(const POINT* points, int count, int mode) {
  if (count < 0) return nullptr;
  return CreatePolyPolygonRgn(points, &count, 1, mode);
}

int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode) {
  Region* out = ResolveRegion(dst);
  const Region* ra = ResolveRegion(a);
  if (!out || !ra) return ERROR;
  if (mode == RGN_COPY) {
    *out = *ra;
    return out->GetKind();
  }
  const Region* rb = ResolveRegion(b);
  if (!rb) return ERROR;
  switch (mode) {
    case RGN_AND: *out = *ra & *rb; break;
    case RGN_OR:
      // In place when the result is the first operand: adding a rectangle
      // below or beside the last one then costs no copy.
      if (out == ra)
        *out |= *rb;
      else
        *out = *ra | *rb;
      break;
    case RGN_XOR: *out = *ra ^ *rb; break;
    case RGN_DIFF: *out = *ra - *rb; break;
    default: return ERROR;
  }
  return out->GetKind();
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
  Region* r = ResolveRegion(rgn);
  if (!r || !r->Offset(dx, dy)) return ERROR;
  return r->GetKind();
}

BOOL PtInRegion(HRGN rgn, int x, int y) {
  const Region* r = ResolveRegion(rgn);
  return r && r->Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN rgn, const RECT* rect) {
  const Region* r = ResolveRegion(rgn);
  return r && rect && r->Overlaps(*rect) ? TRUE : FALSE;
}

int GetRgnBox(HRGN rgn, RECT* box) {
  const Region* r = ResolveRegion(rgn);
  if (!r || !box) return ERROR;
  *box = r->Bounds();
  return r->GetKind();
}

BOOL EqualRgn(HRGN a, HRGN b) {
  const Region* ra = ResolveRegion(a);
  const Region* rb = ResolveRegion(b);
  if (!ra || !rb) return ERROR;
  return *ra == *rb ? TRUE : FALSE;
}

BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
  Region* r = ResolveRegion(rgn);
  if (!r) return FALSE;
  r->SetRect(Box(left, top, right, bottom));
  return TRUE;
}

DWORD GetRegionData(HRGN rgn, DWORD size, RGNDATA* data) {
  const Region* r = ResolveRegion(rgn);
  if (!r) return 0;
  const std::size_t needed = r->RegionDataSize();
  if (!data || size < needed) return static_cast<DWORD>(needed);
  r->WriteRegionData(reinterpret_cast<BYTE*>(data));
  return static_cast<DWORD>(needed);
}

HRGN ExtCreateRegion(const XFORM* xform, DWORD size, const RGNDATA* data) {
  if (xform) {
    const XFORM identity;
    if (xform->eM11 != identity.eM11 || xform->eM12 != identity.eM12 || xform->eM21 != identity.eM21 ||
        xform->eM22 != identity.eM22 || xform->eDx != identity.eDx || xform->eDy != identity.eDy)
      return nullptr;
  }
  Region region;
  if (!Region::FromRegionData(reinterpret_cast<const BYTE*>(data), size, region)) return nullptr;
  return MakeRegion(std::move(region));
}
