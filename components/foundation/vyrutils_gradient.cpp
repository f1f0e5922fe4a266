// The gradient engine: colour lists, their palettes and the eight
// geometries, one GDI call per band.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "bitmap_class.h"
#include "numbers.h"
#include "palette.h"
#include "tlist.h"
#include "vyrutils.h"
#include "vyrutils_clip.h"

namespace Vyrutils {

using Vyrgraph::TVyrGradientStyle;

namespace {

COLORREF ItemColor(TList* List, int Index) {
  return static_cast<COLORREF>(reinterpret_cast<std::intptr_t>(List->GetItems(Index)));
}

int Channel(COLORREF c, int Shift) { return static_cast<int>((c >> Shift) & 0xFF); }

}  // namespace

void VyrGradientCreateColorList(TColor StartColor, TColor EndColor, std::uint8_t Count, TList* List) {
  if (!List || Count == 0) return;
  List->Clear();
  const auto start = static_cast<COLORREF>(ColorToRGB(StartColor));
  const auto end = static_cast<COLORREF>(ColorToRGB(EndColor));
  if (Count == 1) {
    List->Add(reinterpret_cast<void*>(static_cast<std::intptr_t>(start)));
    return;
  }
  for (int i = 0; i < Count; ++i) {
    COLORREF c = 0;
    for (int shift : {0, 8, 16}) {
      const int from = Channel(start, shift), to = Channel(end, shift);
      c |= static_cast<COLORREF>((from + MulDiv(i, to - from, Count - 1)) & 0xFF) << shift;
    }
    List->Add(reinterpret_cast<void*>(static_cast<std::intptr_t>(c)));
  }
}

HPALETTE VyrGradientCreatePalette(TList* List) {
  if (!List || List->GetCount() == 0) return nullptr;
  const int n = List->GetCount();
  std::vector<unsigned char> buffer(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * static_cast<std::size_t>(n));
  auto* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(n);
  for (int i = 0; i < n; ++i) {
    const COLORREF c = ItemColor(List, i);
    PALETTEENTRY& e = palette->palPalEntry[i];
    e.peRed = static_cast<BYTE>(Channel(c, 0));
    e.peGreen = static_cast<BYTE>(Channel(c, 8));
    e.peBlue = static_cast<BYTE>(Channel(c, 16));
    e.peFlags = PC_NOCOLLAPSE;
  }
  return CreatePalette(palette);
}

namespace {

TRect OriginRect(TVyrGradientStyle Style, int W, int H) {
  switch (Style) {
    case TVyrGradientStyle::gstSquare:
    case TVyrGradientStyle::gstElliptic: return TRect(W / 2, H / 2, W / 2, H / 2);
    case TVyrGradientStyle::gstTopLeft: return TRect(0, 0, 1, 1);
    case TVyrGradientStyle::gstTopRight: return TRect(W, 1, W + 1, 0);
    case TVyrGradientStyle::gstBottomLeft: return TRect(0, H, 1, H + 1);
    case TVyrGradientStyle::gstBottomRight: return TRect(W, H, W + 1, H + 1);
    default: return TRect(0, 0, W, H);
  }
}

// Area is the rect being painted, in the work canvas's coordinates.
void PaintBands(TCanvas* Work, const TRect& Area, TRect R0, TVyrGradientStyle Style, TList* List, bool WithPalette) {
  const int n = List->GetCount();
  const int W = Area.Width(), H = Area.Height();
  TBrush* brush = Work->GetBrush();
  brush->SetStyle(bsSolid);
  Work->GetPen()->SetStyle(psClear);
  auto useColour = [&](int i) {
    const COLORREF c = ItemColor(List, i);
    brush->SetColor(static_cast<TColor>(
        WithPalette ? PALETTERGB(BYTE(Channel(c, 0)), BYTE(Channel(c, 8)), BYTE(Channel(c, 16))) : c));
  };
  if (Style == TVyrGradientStyle::gstHorizontal) {
    for (int i = 0; i < n; ++i) {
      useColour(i);
      Work->FillRect(TRect(R0.left + MulDiv(i, W, n), R0.top, R0.left + MulDiv(i + 1, W, n), R0.bottom));
    }
    return;
  }
  const TPoint C(R0.left, R0.top);
  for (int i = n - 1; i >= 0; --i) {
    useColour(i);
    const int dx = MulDiv(i + 1, W, n), dy = MulDiv(i + 1, H, n);
    switch (Style) {
      case TVyrGradientStyle::gstVertical:
        Work->FillRect(TRect(R0.left, R0.top + MulDiv(i, H, n), R0.right, R0.top + MulDiv(i + 1, H, n)));
        break;
      case TVyrGradientStyle::gstSquare:
        // A band reaches one pixel past half its size on the right and
        // bottom (the pen-less Rectangle keeps its last column and row
        // free); for an even size that pixel lies outside Area.
        Work->Rectangle(C.x - dx / 2, C.y - dy / 2, std::min(C.x + dx / 2 + 2, Area.right + 1),
                        std::min(C.y + dy / 2 + 2, Area.bottom + 1));
        break;
      case TVyrGradientStyle::gstElliptic: {
        const int ex = static_cast<int>(Round(dx / 1.4)), ey = static_cast<int>(Round(dy / 1.4));
        Work->Ellipse(C.x - ex, C.y - ey, C.x + ex, C.y + ey);
        break;
      }
      case TVyrGradientStyle::gstTopLeft: Work->Rectangle(R0.left, R0.top, R0.right + dx, R0.bottom + dy); break;
      case TVyrGradientStyle::gstTopRight: Work->Rectangle(R0.left - dx, R0.top + dy, R0.right, R0.bottom); break;
      case TVyrGradientStyle::gstBottomLeft: Work->Rectangle(R0.left, R0.top - dy, R0.right + dx, R0.bottom); break;
      case TVyrGradientStyle::gstBottomRight: Work->Rectangle(R0.left - dx, R0.top - dy, R0.right, R0.bottom); break;
      case TVyrGradientStyle::gstHorizontal: break;
    }
  }
}

void Realize(TCanvas* Canvas, HPALETTE Palette) {
  SelectPalette(Canvas->GetHandle(), Palette, FALSE);
  RealizePalette(Canvas->GetHandle());
}

}  // namespace

void VyrGradientPaintExt(TCanvas* Canvas, const TRect& Rect, TVyrGradientStyle Style, TList* List, HPALETTE Palette,
                         std::uint16_t Flags, int ClipOffset) {
  if (!List || List->GetCount() == 0 || Rect.Width() <= 0 || Rect.Height() <= 0) return;
  const int W = Rect.Width(), H = Rect.Height();
  TRect R0 = OriginRect(Style, W, H);
  const bool withPalette = (Flags & 0x1000) && Palette;

  if (Flags & 0x0004) {
    auto work = std::make_unique<TBitmap>();
    work->SetSize(W, H);
    // What the bands leave (the corners outside an ellipse) keeps the
    // picture beneath, as when painting directly.
    work->GetCanvas()->CopyRect(TRect(0, 0, W, H), Canvas, Rect);
    if (withPalette) Realize(work->GetCanvas(), Palette);
    PaintBands(work->GetCanvas(), TRect(0, 0, W, H), R0, Style, List, withPalette);
    if (withPalette) Realize(Canvas, Palette);
    Canvas->Draw(Rect.left, Rect.top, work.get());
    return;
  }
  R0 = TRect(R0.left + Rect.left, R0.top + Rect.top, R0.right + Rect.left, R0.bottom + Rect.top);
  std::unique_ptr<Detail::ClipScope> clip;
  if (Flags & 0x0001)
    clip = std::make_unique<Detail::ClipScope>(Canvas->GetHandle(), Detail::ClipRectWithOffset(Rect, ClipOffset));
  if (withPalette) Realize(Canvas, Palette);
  PaintBands(Canvas, Rect, R0, Style, List, withPalette);
  if (withPalette) Realize(Canvas, Palette);
}

void VyrGradientPaint(TCanvas* Canvas, const TRect& Rect, TColor StartColor, TColor EndColor, std::uint8_t ColorCount,
                      TVyrGradientStyle Style, std::uint16_t Flags, int ClipOffset) {
  auto list = std::make_unique<TList>();
  VyrGradientCreateColorList(StartColor, EndColor, ColorCount, list.get());
  HPALETTE palette = (Flags & 0x1000) ? VyrGradientCreatePalette(list.get()) : nullptr;
  VyrGradientPaintExt(Canvas, Rect, Style, list.get(), palette, Flags, ClipOffset);
  if (palette) DeleteObject(palette);
}

}  // namespace Vyrutils
