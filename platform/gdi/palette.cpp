#include "palette.h"

#include <algorithm>
#include <vector>

#include "dc_internal.h"

namespace {

struct PaletteObject : GdiObject {
  std::vector<PALETTEENTRY> entries;
  int GetObjectData(int size, void* out) const override {
    // GetObject of a palette answers its entry count as a WORD.
    if (!out) return sizeof(WORD);
    if (size < static_cast<int>(sizeof(WORD))) return 0;
    *static_cast<WORD*>(out) = static_cast<WORD>(entries.size());
    return sizeof(WORD);
  }
};

}  // namespace

HPALETTE CreatePalette(const LOGPALETTE* lp) {
  if (!lp || lp->palVersion != 0x300) return nullptr;
  auto palette = std::make_unique<PaletteObject>();
  palette->entries.assign(lp->palPalEntry, lp->palPalEntry + lp->palNumEntries);
  return static_cast<HPALETTE>(GdiCreateHandle(GdiKind::Palette, std::move(palette)));
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground) {
  (void)forceBackground;
  if (GdiKindOf(palette) != GdiKind::Palette) return nullptr;
  return static_cast<HPALETTE>(SelectObject(dc, palette));
}

UINT RealizePalette(HDC dc) {
  (void)dc;
  return 0;
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
  auto* p = dynamic_cast<PaletteObject*>(GdiResolve(palette, GdiKind::Palette));
  if (!p) return 0;
  const std::size_t total = p->entries.size();
  if (!entries) return static_cast<UINT>(total);
  if (start >= total) return 0;
  const std::size_t n = std::min<std::size_t>(count, total - start);
  std::copy_n(p->entries.begin() + start, n, entries);
  return static_cast<UINT>(n);
}
