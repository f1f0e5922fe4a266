#include "icon.h"

#include <cstdint>
#include <map>
#include <mutex>

#include "bitmap.h"
#include "blit.h"
#include "dc.h"
#include "gdiobj.h"

namespace {

struct IconRecord {
  HBITMAP Mask = nullptr;
  HBITMAP Color = nullptr;
  int Width = 0;
  int Height = 0;
  DWORD HotX = 0, HotY = 0;
  BOOL IsIcon = TRUE;
};

// Icons are few; a table keyed by a never-reused number keeps stale
// handles harmless.
struct IconTable {
  std::mutex Lock;
  std::map<std::uintptr_t, IconRecord> Icons;
  std::uintptr_t Next = 1;
};

IconTable& Table() {
  static IconTable* table = new IconTable;
  return *table;
}

bool Find(HICON icon, IconRecord& out) {
  IconTable& t = Table();
  std::lock_guard<std::mutex> guard(t.Lock);
  auto it = t.Icons.find(reinterpret_cast<std::uintptr_t>(icon));
  if (it == t.Icons.end()) return false;
  out = it->second;
  return true;
}

HBITMAP CopyBitmap(HBITMAP source) {
  auto* object = source ? GdiResolveAs<BitmapObject>(source, GdiKind::Bitmap) : nullptr;
  if (!object || object->surface.Empty()) return nullptr;
  const Surface& in = object->surface;
  HBITMAP copy = CreateBitmap(in.Width(), in.Height(), 1, object->Monochrome() ? 1 : 32, nullptr);
  auto* target = copy ? GdiResolveAs<BitmapObject>(copy, GdiKind::Bitmap) : nullptr;
  if (!target) return copy;
  for (int y = 0; y < in.Height(); ++y)
    for (int x = 0; x < in.Width(); ++x) target->surface.At(x, y) = in.At(x, y);
  return copy;
}

bool Blit(HDC dc, int x, int y, int cx, int cy, HBITMAP bitmap, int w, int h, DWORD rop) {
  HDC src = CreateCompatibleDC(nullptr);
  if (!src) return false;
  HGDIOBJ old = SelectObject(src, bitmap);
  const BOOL ok = StretchBlt(dc, x, y, cx, cy, src, 0, 0, w, h, rop);
  SelectObject(src, old);
  DeleteDC(src);
  return ok != FALSE;
}

}  // namespace

HICON CreateIconIndirect(const ICONINFO* info) {
  if (!info) return nullptr;
  auto* colour = info->hbmColor ? GdiResolveAs<BitmapObject>(info->hbmColor, GdiKind::Bitmap) : nullptr;
  auto* mask = info->hbmMask ? GdiResolveAs<BitmapObject>(info->hbmMask, GdiKind::Bitmap) : nullptr;
  if (!colour || !mask || colour->surface.Empty()) return nullptr;
  IconRecord record;
  record.Width = colour->surface.Width();
  record.Height = colour->surface.Height();
  record.HotX = info->xHotspot, record.HotY = info->yHotspot, record.IsIcon = info->fIcon;
  record.Color = CopyBitmap(info->hbmColor);
  record.Mask = CopyBitmap(info->hbmMask);
  IconTable& t = Table();
  std::lock_guard<std::mutex> guard(t.Lock);
  const std::uintptr_t id = t.Next++;
  t.Icons[id] = record;
  return reinterpret_cast<HICON>(id);
}

BOOL DestroyIcon(HICON icon) {
  IconRecord record;
  {
    IconTable& t = Table();
    std::lock_guard<std::mutex> guard(t.Lock);
    auto it = t.Icons.find(reinterpret_cast<std::uintptr_t>(icon));
    if (it == t.Icons.end()) return FALSE;
    record = it->second;
    t.Icons.erase(it);
  }
  DeleteObject(record.Color);
  DeleteObject(record.Mask);
  return TRUE;
}

BOOL GetIconInfo(HICON icon, ICONINFO* info) {
  IconRecord record;
  if (!info || !Find(icon, record)) return FALSE;
  info->fIcon = record.IsIcon;
  info->xHotspot = record.HotX, info->yHotspot = record.HotY;
  info->hbmColor = CopyBitmap(record.Color);
  info->hbmMask = CopyBitmap(record.Mask);
  return TRUE;
}

BOOL GetIconSize(HICON icon, int* width, int* height) {
  IconRecord record;
  if (!Find(icon, record)) return FALSE;
  if (width) *width = record.Width;
  if (height) *height = record.Height;
  return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) { return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL); }

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT flags) {
  IconRecord record;
  if (!Find(icon, record)) return FALSE;
  if (cx == 0) cx = record.Width;
  if (cy == 0) cy = record.Height;
  // The mask is monochrome: keep it black and white on colour targets.
  const COLORREF text = SetTextColor(dc, 0x000000), back = SetBkColor(dc, 0xFFFFFF);
  bool ok = true;
  if (flags & DI_MASK) ok = Blit(dc, x, y, cx, cy, record.Mask, record.Width, record.Height, SRCAND) && ok;
  if (flags & DI_IMAGE)
    ok = Blit(dc, x, y, cx, cy, record.Color, record.Width, record.Height, (flags & DI_MASK) ? SRCINVERT : SRCCOPY) && ok;
  SetTextColor(dc, text);
  SetBkColor(dc, back);
  return ok ? TRUE : FALSE;
}
