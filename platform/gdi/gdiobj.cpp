#include "gdiobj.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "bitmap.h"
#include "brush.h"
#include "dc_internal.h"
#include "font.h"
#include "pen.h"

namespace {

// Handle value: generation in bits 32..63, slot index in bits 8..31, kind in
// bits 0..7. The generation starts at 1, so no handle is 0.
constexpr std::size_t kChunkSize = 4096;
constexpr std::size_t kMaxChunks = 1024;
constexpr int kStockCount = 18;
constexpr std::uint32_t kStockSlot0 = 1;  // slots 1..18: stock objects 0..17
constexpr std::uint32_t kDefaultBitmapSlot = kStockSlot0 + kStockCount;
constexpr std::uint32_t kFirstFreeSlot = kDefaultBitmapSlot + 1;

struct Slot {
  std::unique_ptr<GdiObject> object;
  std::uint32_t generation = 1;
  GdiKind kind = GdiKind::None;
  bool live = false;
  bool stock = false;
  bool deletePending = false;
  int holds = 0;
};

struct Table {
  std::mutex lock;
  // Chunks never move, so a resolve needs no lock against a growing table.
  std::array<std::unique_ptr<Slot[]>, kMaxChunks> chunks;
  std::uint32_t slotCount = 0;  // slots in use or freed below this
  std::vector<std::uint32_t> freeSlots;

  Slot* At(std::uint32_t index) {
    std::size_t c = index / kChunkSize;
    if (c >= kMaxChunks || !chunks[c]) return nullptr;
    return &chunks[c][index % kChunkSize];
  }
  Slot* Grow(std::uint32_t index) {
    std::size_t c = index / kChunkSize;
    if (c >= kMaxChunks) return nullptr;
    if (!chunks[c]) chunks[c] = std::make_unique<Slot[]>(kChunkSize);
    return &chunks[c][index % kChunkSize];
  }
};

HGDIOBJ MakeHandle(std::uint32_t index, const Slot& s) {
  std::uint64_t v = (static_cast<std::uint64_t>(s.generation) << 32) | (static_cast<std::uint64_t>(index) << 8) |
                    static_cast<std::uint64_t>(s.kind);
  return reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(v));
}

struct Decoded {
  std::uint32_t index;
  std::uint32_t generation;
  GdiKind kind;
};

Decoded Decode(HGDIOBJ h) {
  std::uint64_t v = reinterpret_cast<std::uintptr_t>(h);
  return {static_cast<std::uint32_t>((v >> 8) & 0xFFFFFF), static_cast<std::uint32_t>(v >> 32),
          static_cast<GdiKind>(v & 0xFF)};
}

std::unique_ptr<GdiObject> MakeStockPen(UINT style, COLORREF color) {
  auto pen = std::make_unique<PenObject>();
  pen->log.lopnStyle = style;
  pen->log.lopnWidth.x = 1;
  pen->log.lopnColor = color;
  return pen;
}

std::unique_ptr<GdiObject> MakeStockBrush(UINT style, COLORREF color) {
  auto brush = std::make_unique<BrushObject>();
  brush->log.lbStyle = style;
  brush->log.lbColor = color;
  return brush;
}

void PlaceStock(Table& t, std::uint32_t index, GdiKind kind, std::unique_ptr<GdiObject> object) {
  Slot* s = t.Grow(index);
  s->object = std::move(object);
  s->kind = kind;
  s->live = true;
  s->stock = true;
}

Table& Objects() {
  static Table* table = [] {
    auto* t = new Table;
    PlaceStock(*t, kStockSlot0 + WHITE_BRUSH, GdiKind::Brush, MakeStockBrush(BS_SOLID, 0xFFFFFF));
    PlaceStock(*t, kStockSlot0 + LTGRAY_BRUSH, GdiKind::Brush, MakeStockBrush(BS_SOLID, 0xC0C0C0));
    PlaceStock(*t, kStockSlot0 + GRAY_BRUSH, GdiKind::Brush, MakeStockBrush(BS_SOLID, 0x808080));
    PlaceStock(*t, kStockSlot0 + DKGRAY_BRUSH, GdiKind::Brush, MakeStockBrush(BS_SOLID, 0x404040));
    PlaceStock(*t, kStockSlot0 + BLACK_BRUSH, GdiKind::Brush, MakeStockBrush(BS_SOLID, 0x000000));
    PlaceStock(*t, kStockSlot0 + NULL_BRUSH, GdiKind::Brush, MakeStockBrush(BS_NULL, 0));
    PlaceStock(*t, kStockSlot0 + WHITE_PEN, GdiKind::Pen, MakeStockPen(PS_SOLID, 0xFFFFFF));
    PlaceStock(*t, kStockSlot0 + BLACK_PEN, GdiKind::Pen, MakeStockPen(PS_SOLID, 0x000000));
    PlaceStock(*t, kStockSlot0 + NULL_PEN, GdiKind::Pen, MakeStockPen(PS_NULL, 0));
    // Fonts: the text code installs the objects; the handles exist now.
    for (int font : {OEM_FIXED_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, SYSTEM_FONT, DEVICE_DEFAULT_FONT,
                     SYSTEM_FIXED_FONT, DEFAULT_GUI_FONT})
      PlaceStock(*t, kStockSlot0 + font, GdiKind::Font, nullptr);
    PlaceStock(*t, kStockSlot0 + DEFAULT_PALETTE, GdiKind::Palette, std::make_unique<GdiObject>());
    auto mono = std::make_unique<BitmapObject>();
    mono->surface = Surface(1, 1);
    mono->bitsPixel = 1;
    PlaceStock(*t, kDefaultBitmapSlot, GdiKind::Bitmap, std::move(mono));
    t->slotCount = kFirstFreeSlot;
    return t;
  }();
  return *table;
}

// The slot of a live handle, or null.
Slot* LiveSlot(Table& t, HGDIOBJ h) {
  if (!h) return nullptr;
  Decoded d = Decode(h);
  Slot* s = t.At(d.index);
  if (!s || !s->live || s->generation != d.generation || s->kind != d.kind) return nullptr;
  return s;
}

// Frees the slot's object; the generation moves on so old handles go stale.
void FreeSlot(Table& t, std::uint32_t index, Slot& s) {
  s.object.reset();
  s.live = false;
  s.deletePending = false;
  s.holds = 0;
  s.kind = GdiKind::None;
  s.stock = false;
  ++s.generation;
  if (s.generation == 0) s.generation = 1;
  t.freeSlots.push_back(index);
}

}  // namespace

HGDIOBJ GdiCreateHandle(GdiKind kind, std::unique_ptr<GdiObject> object, bool permanent) {
  Table& t = Objects();
  std::lock_guard<std::mutex> guard(t.lock);
  std::uint32_t index;
  if (!t.freeSlots.empty()) {
    index = t.freeSlots.back();
    t.freeSlots.pop_back();
  } else {
    index = t.slotCount;
    if (!t.Grow(index) || index > 0xFFFFFF) return nullptr;
    ++t.slotCount;
  }
  Slot* s = t.At(index);
  s->object = std::move(object);
  s->kind = kind;
  s->live = true;
  s->stock = permanent;
  return MakeHandle(index, *s);
}

GdiObject* GdiResolve(HGDIOBJ h, GdiKind kind) {
  Slot* s = LiveSlot(Objects(), h);
  if (!s || s->kind != kind) return nullptr;
  return s->object.get();
}

GdiKind GdiKindOf(HGDIOBJ h) {
  Slot* s = LiveSlot(Objects(), h);
  return s ? s->kind : GdiKind::None;
}

void GdiHold(HGDIOBJ h) {
  Table& t = Objects();
  std::lock_guard<std::mutex> guard(t.lock);
  if (Slot* s = LiveSlot(t, h)) ++s->holds;
}

void GdiRelease(HGDIOBJ h) {
  Table& t = Objects();
  std::lock_guard<std::mutex> guard(t.lock);
  Slot* s = LiveSlot(t, h);
  if (!s || s->holds == 0) return;
  if (--s->holds == 0 && s->deletePending) FreeSlot(t, Decode(h).index, *s);
}

bool GdiDestroyDcHandle(HGDIOBJ h) {
  Table& t = Objects();
  std::unique_ptr<GdiObject> doomed;
  {
    std::lock_guard<std::mutex> guard(t.lock);
    Slot* s = LiveSlot(t, h);
    if (!s || s->kind != GdiKind::DC) return false;
    doomed = std::move(s->object);
    FreeSlot(t, Decode(h).index, *s);
  }
  return true;
}

int GdiStockIndex(HGDIOBJ h) {
  Table& t = Objects();
  Slot* s = LiveSlot(t, h);
  if (!s || !s->stock) return -1;
  std::uint32_t index = Decode(h).index;
  if (index < kStockSlot0 || index >= kStockSlot0 + kStockCount) return -1;
  return static_cast<int>(index - kStockSlot0);
}

void GdiInstallStock(int stockIndex, std::unique_ptr<GdiObject> object) {
  if (stockIndex < 0 || stockIndex >= kStockCount) return;
  Table& t = Objects();
  std::lock_guard<std::mutex> guard(t.lock);
  Slot* s = t.At(kStockSlot0 + static_cast<std::uint32_t>(stockIndex));
  if (s && s->live && !s->object) s->object = std::move(object);
}

HBITMAP GdiDefaultBitmap() {
  Table& t = Objects();
  return static_cast<HBITMAP>(MakeHandle(kDefaultBitmapSlot, *t.At(kDefaultBitmapSlot)));
}

HGDIOBJ GetStockObject(int index) {
  if (index < 0 || index >= kStockCount) return nullptr;
  // The text code makes the stock fonts; outside the table lock, which
  // installing takes.
  if (index >= OEM_FIXED_FONT && index != DEFAULT_PALETTE) InstallStockFonts();
  Table& t = Objects();
  Slot* s = t.At(kStockSlot0 + static_cast<std::uint32_t>(index));
  if (!s || !s->live) return nullptr;  // 9 is no stock object
  return MakeHandle(kStockSlot0 + static_cast<std::uint32_t>(index), *s);
}

BOOL DeleteObject(HGDIOBJ h) {
  Table& t = Objects();
  std::unique_ptr<GdiObject> doomed;  // destroyed outside the lock
  {
    std::lock_guard<std::mutex> guard(t.lock);
    Slot* s = LiveSlot(t, h);
    if (!s || s->kind == GdiKind::DC) return FALSE;
    if (s->stock || s->deletePending) return TRUE;
    if (s->holds > 0) {
      s->deletePending = true;
      return TRUE;
    }
    doomed = std::move(s->object);
    FreeSlot(t, Decode(h).index, *s);
  }
  return TRUE;
}

int GetObject(HGDIOBJ h, int size, void* out) {
  Table& t = Objects();
  Slot* s = LiveSlot(t, h);
  if (!s || !s->object) return 0;
  if (out && size <= 0) return 0;
  return s->object->GetObjectData(size, out);
}

DWORD GetObjectType(HGDIOBJ h) {
  switch (GdiKindOf(h)) {
    case GdiKind::Pen: return OBJ_PEN;
    case GdiKind::Brush: return OBJ_BRUSH;
    case GdiKind::Bitmap: return OBJ_BITMAP;
    case GdiKind::Font: return OBJ_FONT;
    case GdiKind::Region: return OBJ_REGION;
    case GdiKind::Palette: return OBJ_PAL;
    case GdiKind::DC: {
      DeviceContext* dc = ResolveDC(static_cast<HDC>(h));
      return dc && dc->memory ? OBJ_MEMDC : OBJ_DC;
    }
    default: return 0;
  }
}
