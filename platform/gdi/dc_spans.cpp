// The drawing primitives every figure, fill and glyph ends in: brush spans,
// colour spans, pixels, pattern rectangles and coverage blending, all
// clipped to the DC.
#include <algorithm>
#include <cstring>

#include "bitmap.h"
#include "dc_internal.h"

namespace {

int Mod(int v, int m) {
  int r = v % m;
  return r < 0 ? r + m : r;
}

// A clip piece test for single pixels (surface coordinates).
bool ClipContains(const DeviceContext& dc, int x, int y) {
  for (const RECT& c : dc.clip) {
    if (c.top > y) break;
    if (y < c.bottom && x >= c.left && x < c.right) return true;
  }
  return false;
}

RECT ToSurface(const DeviceContext& dc, const RECT& device) {
  RECT r;
  r.left = ClampCoord(static_cast<long long>(device.left) + dc.origin.x);
  r.top = ClampCoord(static_cast<long long>(device.top) + dc.origin.y);
  r.right = ClampCoord(static_cast<long long>(device.right) + dc.origin.x);
  r.bottom = ClampCoord(static_cast<long long>(device.bottom) + dc.origin.y);
  return r;
}

constexpr int kRowChunk = 512;

}  // namespace

Pixel DcPixel(const DeviceContext& dc, COLORREF c) {
  Pixel p = ColorRefToPixel(c);
  return dc.targetBits == 1 ? NearestMono(p) : p;
}

const RealizedBrush& RealizeBrush(DeviceContext& dc) {
  auto* brush = GdiResolveAs<BrushObject>(dc.a.brush, GdiKind::Brush);
  const COLORREF brushColor = brush ? brush->log.lbColor : 0;
  if (dc.brushCacheFor == dc.a.brush && dc.brushCacheText == dc.a.textColor && dc.brushCacheBk == dc.a.bkColor &&
      dc.brushCacheMode == dc.a.bkMode && dc.brushCacheBits == dc.targetBits && dc.brushCacheColor == brushColor)
    return dc.brushCache;
  RealizedBrush r;
  if (brush) {
    switch (brush->log.lbStyle) {
      case BS_SOLID:
        r.null = false;
        r.solid = true;
        r.color = DcPixel(dc, brush->log.lbColor);
        break;
      case BS_HATCHED: {
        r.null = false;
        r.width = r.height = 8;
        const BYTE* rows = HatchRows(static_cast<int>(brush->log.lbHatch));
        const Pixel line = DcPixel(dc, brush->log.lbColor), gap = DcPixel(dc, dc.a.bkColor);
        const bool transparent = dc.a.bkMode == TRANSPARENT;
        if (transparent) r.opaque.resize(64);
        for (int y = 0; y < 8; ++y)
          for (int x = 0; x < 8; ++x) {
            const bool on = rows && ((rows[y] >> (7 - x)) & 1);
            r.pixels.push_back(on ? line : gap);
            if (transparent) r.opaque[static_cast<std::size_t>(y * 8 + x)] = on ? 1 : 0;
          }
        break;
      }
      case BS_PATTERN: {
        r.null = false;
        const Surface& tile = brush->pattern;
        r.width = tile.Width();
        r.height = tile.Height();
        const Pixel zero = DcPixel(dc, dc.a.textColor), one = DcPixel(dc, dc.a.bkColor);
        for (int y = 0; y < r.height; ++y)
          for (int x = 0; x < r.width; ++x) {
            Pixel p = tile.At(x, y) & kPixelMask;
            r.pixels.push_back(brush->monoPattern ? (p ? one : zero) : (dc.targetBits == 1 ? NearestMono(p) : p));
          }
        break;
      }
      default:
        break;
    }
  }
  dc.brushCache = std::move(r);
  dc.brushCacheFor = dc.a.brush;
  dc.brushCacheText = dc.a.textColor;
  dc.brushCacheBk = dc.a.bkColor;
  dc.brushCacheMode = dc.a.bkMode;
  dc.brushCacheBits = dc.targetBits;
  dc.brushCacheColor = brushColor;
  return dc.brushCache;
}

void BrushRow(const DeviceContext& dc, const RealizedBrush& brush, int surfaceX, int surfaceY, int n, Pixel* pixels,
              BYTE* opaque) {
  if (brush.solid) {
    FillPixels(pixels, n, brush.color);
    if (opaque) std::memset(opaque, 1, static_cast<std::size_t>(n));
    return;
  }
  // Tiles are aligned to device (0, 0) moved by the brush origin.
  const int py = Mod(surfaceY - dc.origin.y - dc.a.brushOrg.y, brush.height);
  const Pixel* row = brush.pixels.data() + static_cast<std::size_t>(py) * static_cast<std::size_t>(brush.width);
  const BYTE* mask = brush.opaque.empty() ? nullptr : brush.opaque.data() + py * brush.width;
  int px = Mod(surfaceX - dc.origin.x - dc.a.brushOrg.x, brush.width);
  for (int i = 0; i < n; ++i) {
    pixels[i] = row[px];
    if (opaque) opaque[i] = mask ? mask[px] : 1;
    if (++px == brush.width) px = 0;
  }
}

void FillSpan(DeviceContext& dc, int y, int x0, int x1) {
  const RealizedBrush& brush = RealizeBrush(dc);
  if (brush.null || dc.a.rop2 == R2_NOP) return;
  RECT span = ToSurface(dc, TRect(x0, y, x1, y + 1));
  ForEachClipPiece(dc, span, [&](const RECT& piece) {
    Pixel* row = dc.surface->Row(piece.top) + piece.left;
    const int n = piece.right - piece.left;
    if (brush.solid) {
      Rop2Row(dc.a.rop2, row, brush.color, n);
      return;
    }
    Pixel pat[kRowChunk];
    BYTE opaque[kRowChunk];
    for (int start = 0; start < n; start += kRowChunk) {
      const int m = std::min(kRowChunk, n - start);
      BrushRow(dc, brush, piece.left + start, piece.top, m, pat, opaque);
      for (int i = 0; i < m; ++i)
        if (opaque[i]) row[start + i] = ApplyRop2(dc.a.rop2, row[start + i], pat[i]);
    }
  });
}

void FillSpanColor(DeviceContext& dc, int y, int x0, int x1, COLORREF color) {
  if (dc.a.rop2 == R2_NOP) return;
  const Pixel pen = DcPixel(dc, color);
  RECT span = ToSurface(dc, TRect(x0, y, x1, y + 1));
  ForEachClipPiece(dc, span, [&](const RECT& piece) {
    Rop2Row(dc.a.rop2, dc.surface->Row(piece.top) + piece.left, pen, piece.right - piece.left);
  });
}

void PlotPixel(DeviceContext& dc, int x, int y, COLORREF color) {
  const long long sx = static_cast<long long>(x) + dc.origin.x, sy = static_cast<long long>(y) + dc.origin.y;
  if (!dc.surface || sx < 0 || sy < 0 || sx >= dc.surface->Width() || sy >= dc.surface->Height()) return;
  if (!ClipContains(dc, static_cast<int>(sx), static_cast<int>(sy))) return;
  Pixel& p = dc.surface->At(static_cast<int>(sx), static_cast<int>(sy));
  p = ApplyRop2(dc.a.rop2, p, DcPixel(dc, color));
}

void PatRect(DeviceContext& dc, const RECT& deviceRect, DWORD rop) {
  const BYTE code = Rop3Index(rop);
  const bool usesPattern = Rop3UsesPattern(code);
  const RealizedBrush& brush = RealizeBrush(dc);
  if (usesPattern && brush.null) return;  // a null brush paints nothing
  const bool masked = usesPattern && !brush.opaque.empty();
  ForEachClipPiece(dc, ToSurface(dc, deviceRect), [&](const RECT& piece) {
    const int n = piece.right - piece.left;
    for (int y = piece.top; y < piece.bottom; ++y) {
      Pixel* row = dc.surface->Row(y) + piece.left;
      if (!usesPattern) {
        Rop3Row(code, row, nullptr, nullptr, n);
        continue;
      }
      if (brush.solid && code == 0xF0) {
        FillPixels(row, n, brush.color);
        continue;
      }
      Pixel pat[kRowChunk];
      BYTE opaque[kRowChunk];
      Pixel before[kRowChunk];
      for (int start = 0; start < n; start += kRowChunk) {
        const int m = std::min(kRowChunk, n - start);
        BrushRow(dc, brush, piece.left + start, y, m, pat, masked ? opaque : nullptr);
        if (masked) std::memcpy(before, row + start, static_cast<std::size_t>(m) * sizeof(Pixel));
        Rop3Row(code, row + start, nullptr, pat, m);
        if (masked)
          for (int i = 0; i < m; ++i)
            if (!opaque[i]) row[start + i] = before[i];
      }
    }
  });
}

void FillRectColor(DeviceContext& dc, const RECT& deviceRect, COLORREF color) {
  const Pixel p = DcPixel(dc, color);
  ForEachClipPiece(dc, ToSurface(dc, deviceRect), [&](const RECT& piece) {
    for (int y = piece.top; y < piece.bottom; ++y)
      FillPixels(dc.surface->Row(y) + piece.left, piece.right - piece.left, p);
  });
}

void BlendCoverageMask(DeviceContext& dc, int x, int y, const BYTE* mask, int w, int h, int maskStride,
                       COLORREF color) {
  if (!mask || w <= 0 || h <= 0) return;
  const Pixel ink = DcPixel(dc, color);
  const RECT area = ToSurface(dc, TRect(x, y, ClampCoord(static_cast<long long>(x) + w),
                                       ClampCoord(static_cast<long long>(y) + h)));
  ForEachClipPiece(dc, area, [&](const RECT& piece) {
    for (int sy = piece.top; sy < piece.bottom; ++sy) {
      const BYTE* coverage = mask + static_cast<std::ptrdiff_t>(sy - area.top) * maskStride + (piece.left - area.left);
      Pixel* row = dc.surface->Row(sy) + piece.left;
      for (int i = 0; i < piece.right - piece.left; ++i) {
        const unsigned a = coverage[i];
        if (a == 0) continue;
        if (a == 255 || dc.targetBits == 1) {
          if (a >= 128) row[i] = ink;
          continue;
        }
        const Pixel d = row[i];
        Pixel out = 0;
        for (int shift = 0; shift < 24; shift += 8) {
          const unsigned dv = (d >> shift) & 0xFF, iv = (ink >> shift) & 0xFF;
          out |= static_cast<Pixel>((iv * a + dv * (255 - a) + 127) / 255) << shift;
        }
        row[i] = out;
      }
    }
  });
}
