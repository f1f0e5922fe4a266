// Device contexts: creation, deletion, SaveDC/RestoreDC and SelectObject.
#include "dc.h"

#include <atomic>

#include "bitmap.h"
#include "dc_internal.h"
#include "lasterror.h"
#include "pen.h"

namespace {

void HoldAll(const DcAttributes& a) {
  for (HGDIOBJ h : {static_cast<HGDIOBJ>(a.pen), static_cast<HGDIOBJ>(a.brush), static_cast<HGDIOBJ>(a.font),
                    static_cast<HGDIOBJ>(a.bitmap), static_cast<HGDIOBJ>(a.palette)})
    if (h) GdiHold(h);
}

void ReleaseAll(const DcAttributes& a) {
  for (HGDIOBJ h : {static_cast<HGDIOBJ>(a.pen), static_cast<HGDIOBJ>(a.brush), static_cast<HGDIOBJ>(a.font),
                    static_cast<HGDIOBJ>(a.bitmap), static_cast<HGDIOBJ>(a.palette)})
    if (h) GdiRelease(h);
}

bool DcUsesBitmap(const DeviceContext& dc, HBITMAP bitmap) {
  if (dc.a.bitmap == bitmap) return true;
  for (const DcAttributes& s : dc.saved)
    if (s.bitmap == bitmap) return true;
  return false;
}

// After the DC let go of `bitmap` somewhere, it is free for other DCs once
// no state of this DC names it.
void ForgetBitmapIfUnused(DeviceContext& dc, HDC self, HBITMAP bitmap) {
  if (!bitmap || DcUsesBitmap(dc, bitmap)) return;
  if (auto* bm = GdiResolveAs<BitmapObject>(bitmap, GdiKind::Bitmap); bm && bm->selectedInto == self)
    bm->selectedInto = nullptr;
}

// A memory DC draws on its bitmap.
void AttachSelectedBitmap(DeviceContext& dc) {
  if (!dc.memory) return;
  auto* bm = GdiResolveAs<BitmapObject>(dc.a.bitmap, GdiKind::Bitmap);
  dc.surface = bm ? &bm->surface : nullptr;
  dc.targetBits = bm && bm->Monochrome() ? 1 : 32;
  UpdateDcClip(dc);
}

std::unique_ptr<DeviceContext> NewDcState() {
  auto dc = std::make_unique<DeviceContext>();
  dc->a.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
  dc->a.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  dc->a.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  dc->a.palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
  return dc;
}

HDC Register(std::unique_ptr<DeviceContext> dc) {
  TouchSelection(*dc);
  DcAttributes attributes = dc->a;
  HDC h = static_cast<HDC>(GdiCreateHandle(GdiKind::DC, std::move(dc)));
  if (h) HoldAll(attributes);
  return h;
}

HBITMAP SelectBitmap(HDC h, DeviceContext& dc, HBITMAP bitmap) {
  auto* bm = GdiResolveAs<BitmapObject>(bitmap, GdiKind::Bitmap);
  if (!dc.memory || !bm) return nullptr;
  // One DC at a time (the stock 1 x 1 bitmap is shared by all fresh DCs).
  if (bitmap != GdiDefaultBitmap() && bm->selectedInto && bm->selectedInto != h && ResolveDC(bm->selectedInto))
    return nullptr;
  HBITMAP previous = dc.a.bitmap;
  GdiHold(bitmap);
  dc.a.bitmap = bitmap;
  if (bitmap != GdiDefaultBitmap()) bm->selectedInto = h;
  ForgetBitmapIfUnused(dc, h, previous);
  GdiRelease(previous);
  AttachSelectedBitmap(dc);
  return previous;
}

template <class H>
H Swap(H& slot, H next) {
  H previous = slot;
  GdiHold(next);
  slot = next;
  GdiRelease(previous);
  return previous;
}

}  // namespace

void TouchSelection(DeviceContext& dc) {
  static std::atomic<std::uint64_t> next{1};
  dc.selectionStamp = next.fetch_add(1, std::memory_order_relaxed);
}

HDC CreateCompatibleDC(HDC dc) {
  if (dc && !ResolveDC(dc)) return nullptr;
  auto state = NewDcState();
  state->memory = true;
  state->a.bitmap = GdiDefaultBitmap();
  AttachSelectedBitmap(*state);
  return Register(std::move(state));
}

HDC CreateSurfaceDC(Surface* surface, POINT origin, const std::vector<RECT>& visible) {
  if (!surface) return nullptr;
  auto state = NewDcState();
  state->surface = surface;
  state->origin = origin;
  state->visible = visible;
  state->visibleIsWhole = false;
  UpdateDcClip(*state);
  return Register(std::move(state));
}

BOOL SetSurfaceDCVisible(HDC h, POINT origin, const std::vector<RECT>& visible) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc || dc->memory) return FALSE;
  dc->origin = origin;
  dc->visible = visible;
  UpdateDcClip(*dc);
  return TRUE;
}

BOOL DeleteDC(HDC h) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  DcAttributes current = dc->a;
  std::vector<DcAttributes> saved = std::move(dc->saved);
  dc->saved.clear();
  dc->a = DcAttributes{};
  ForgetBitmapIfUnused(*dc, h, current.bitmap);
  for (const DcAttributes& s : saved) ForgetBitmapIfUnused(*dc, h, s.bitmap);
  ReleaseAll(current);
  for (const DcAttributes& s : saved) ReleaseAll(s);
  return GdiDestroyDcHandle(h) ? TRUE : FALSE;
}

int SaveDC(HDC h) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return 0;
  dc->saved.push_back(dc->a);
  HoldAll(dc->a);
  return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC h, int savedLevel) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc) return FALSE;
  const int count = static_cast<int>(dc->saved.size());
  const int target = savedLevel < 0 ? count + savedLevel + 1 : savedLevel;
  if (target < 1 || target > count) return FALSE;
  DcAttributes dropped = dc->a;
  dc->a = dc->saved[static_cast<std::size_t>(target - 1)];  // its holds move with it
  std::vector<DcAttributes> above(dc->saved.begin() + target, dc->saved.end());
  dc->saved.resize(static_cast<std::size_t>(target - 1));
  if (auto* bm = GdiResolveAs<BitmapObject>(dc->a.bitmap, GdiKind::Bitmap); bm && dc->a.bitmap != GdiDefaultBitmap())
    bm->selectedInto = h;
  ForgetBitmapIfUnused(*dc, h, dropped.bitmap);
  for (const DcAttributes& s : above) ForgetBitmapIfUnused(*dc, h, s.bitmap);
  ReleaseAll(dropped);
  for (const DcAttributes& s : above) ReleaseAll(s);
  AttachSelectedBitmap(*dc);
  UpdateDcClip(*dc);
  TouchSelection(*dc);
  return TRUE;
}

HGDIOBJ SelectObject(HDC h, HGDIOBJ object) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc || !object) return nullptr;
  TouchSelection(*dc);
  switch (GdiKindOf(object)) {
    case GdiKind::Pen:
      if (!GdiResolve(object, GdiKind::Pen)) return nullptr;
      return Swap(dc->a.pen, static_cast<HPEN>(object));
    case GdiKind::Brush:
      if (!GdiResolve(object, GdiKind::Brush)) return nullptr;
      return Swap(dc->a.brush, static_cast<HBRUSH>(object));
    case GdiKind::Font:
      return Swap(dc->a.font, static_cast<HFONT>(object));
    case GdiKind::Palette:
      return Swap(dc->a.palette, static_cast<HPALETTE>(object));
    case GdiKind::Bitmap:
      return SelectBitmap(h, *dc, static_cast<HBITMAP>(object));
    case GdiKind::Region: {
      // The region's copy becomes the clip; the result is its complexity
      // (NULLREGION 1, SIMPLEREGION 2, COMPLEXREGION 3), ERROR 0 on failure.
      GdiObject* region = GdiResolve(object, GdiKind::Region);
      std::vector<RECT> rects;
      if (!region || !region->GetRects(rects)) return nullptr;
      SetDcClipRects(*dc, &rects);
      std::uintptr_t complexity = dc->clip.empty() ? 1 : dc->clip.size() == 1 ? 2 : 3;
      return reinterpret_cast<HGDIOBJ>(complexity);
    }
    default:
      return nullptr;
  }
}
