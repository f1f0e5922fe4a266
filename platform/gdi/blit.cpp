#include "blit.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <optional>
#include <vector>

#include "bitmap.h"
#include "blit_internal.h"
#include "row_copy.h"

namespace {

constexpr int kChunk = 512;

std::atomic<bool> g_fastPaths{true};

bool FastPaths() { return g_fastPaths.load(std::memory_order_relaxed); }

struct Span1D {
  long long start = 0, length = 0;
};

// A position and a signed size as the first pixel and a length; a negative
// size covers the pixels before the position's right neighbour, so that
// (w - 1, -w) mirrors 0 .. w - 1.
Span1D Normalise(long long position, long long size) {
  return size < 0 ? Span1D{position + size + 1, -size} : Span1D{position, size};
}

// Nearest-pixel sampling at the centres of the destination pixels.
long long SampleIndex(long long i, long long n, long long sourceN, bool mirror) {
  long long j = (2 * i + 1) * sourceN / (2 * n);
  return mirror ? sourceN - 1 - j : j;
}

// Source index per destination pixel of [lo, hi) on the surface, -1 where
// the source lies outside its surface.
std::vector<int> SampleMap(long long lo, long long hi, long long dstStart, long long n, long long srcStart,
                           long long srcN, bool mirror, int sourceSize) {
  std::vector<int> map(static_cast<std::size_t>(hi - lo));
  for (long long p = lo; p < hi; ++p) {
    long long s = srcStart + SampleIndex(p - dstStart, n, srcN, mirror);
    map[static_cast<std::size_t>(p - lo)] = s >= 0 && s < sourceSize ? static_cast<int>(s) : -1;
  }
  return map;
}

// The contiguous run of valid entries (sampling is monotone).
bool ValidRange(const std::vector<int>& map, long long& first, long long& last) {
  auto lo = std::find_if(map.begin(), map.end(), [](int v) { return v >= 0; });
  if (lo == map.end()) return false;
  auto hi = std::find_if(lo, map.end(), [](int v) { return v < 0; });
  first = lo - map.begin();
  last = hi - map.begin();
  return true;
}

void ConvertRow(const BlitSource& s, const Pixel* in, Pixel* out, int n) {
  switch (s.convert) {
    case SourceConvert::None:
      std::memcpy(out, in, static_cast<std::size_t>(n) * sizeof(Pixel));
      break;
    case SourceConvert::MonoToColor:
      for (int i = 0; i < n; ++i) out[i] = (in[i] & kPixelMask) ? s.one : s.zero;
      break;
    case SourceConvert::ColorToMono:
      for (int i = 0; i < n; ++i) out[i] = (in[i] & kPixelMask) == s.key ? kPixelMask : 0;
      break;
    case SourceConvert::NearestMono:
      for (int i = 0; i < n; ++i) out[i] = NearestMono(in[i]);
      break;
  }
}

RECT ClampedRect(long long l, long long t, long long r, long long b) {
  return TRect(ClampCoord(l), ClampCoord(t), ClampCoord(r), ClampCoord(b));
}

}  // namespace

void SetBlitFastPaths(bool enabled) { g_fastPaths = enabled; }

BlitSource SourceFor(const DeviceContext& dst, const DeviceContext& src) {
  BlitSource s;
  s.surface = src.surface;
  if (src.targetBits == 1 && dst.targetBits != 1) {
    s.convert = SourceConvert::MonoToColor;
    s.zero = ColorRefToPixel(dst.a.textColor);
    s.one = ColorRefToPixel(dst.a.bkColor);
  } else if (src.targetBits != 1 && dst.targetBits == 1) {
    s.convert = SourceConvert::ColorToMono;
    s.key = ColorRefToPixel(src.a.bkColor);
  }
  return s;
}

namespace {

// What stays the same for every row of one transfer.
struct RowJob {
  DeviceContext& dst;
  const BlitSource& src;
  BYTE code;
  const RealizedBrush* brush;  // null when the code uses no pattern
  bool masked;                 // the brush leaves some pixels alone
};

// The run through buffers: conversion, pattern, the brush's gaps.
[[gnu::noinline]] void TransferRunBuffered(const RowJob& job, Pixel* drow, const Pixel* in, int x, int y, int n) {
  Pixel sbuf[kChunk], pat[kChunk], before[kChunk];
  BYTE opaque[kChunk];
  for (int start = 0; start < n; start += kChunk) {
    const int m = std::min(kChunk, n - start);
    const Pixel* s = in + start;
    if (job.src.convert != SourceConvert::None) {
      ConvertRow(job.src, s, sbuf, m);
      s = sbuf;
    }
    if (job.brush) BrushRow(job.dst, *job.brush, x + start, y, m, pat, job.masked ? opaque : nullptr);
    if (job.masked) std::memcpy(before, drow + start, static_cast<std::size_t>(m) * sizeof(Pixel));
    Rop3Row(job.code, drow + start, s, job.brush ? pat : nullptr, m);
    if (job.masked)
      for (int i = 0; i < m; ++i)
        if (!opaque[i]) drow[start + i] = before[i];
  }
}

// n source pixels from `in`, converted and combined onto drow, which lies
// at surface (x, y).
inline void TransferRun(const RowJob& job, Pixel* drow, const Pixel* in, int x, int y, int n) {
  if (job.src.convert != SourceConvert::None || job.brush) return TransferRunBuffered(job, drow, in, x, y, n);
  Rop3Row(job.code, drow, in, nullptr, n);
}

// Where a copy at one to one from another surface lands: the destination
// pixels on their surface whose source lies on its surface, and the offset
// from a destination pixel to its source.
struct UnscaledArea {
  RECT valid;
  int dx = 0, dy = 0;
  bool empty = true;
};

// Inline: the small copies would otherwise pay a call for a few compares.
[[gnu::always_inline]] inline UnscaledArea AreaUnscaled(const Surface& D, const Surface& S, long long ox,
                                                        long long oy, long long w, long long h, long long sx,
                                                        long long sy) {
  const long long shiftX = sx - ox, shiftY = sy - oy;
  const long long left = std::max(std::max(ox, 0LL), -shiftX);
  const long long right = std::min(std::min(ox + w, static_cast<long long>(D.Width())), S.Width() - shiftX);
  const long long top = std::max(std::max(oy, 0LL), -shiftY);
  const long long bottom = std::min(std::min(oy + h, static_cast<long long>(D.Height())), S.Height() - shiftY);
  UnscaledArea area;
  if (left >= right || top >= bottom) return area;
  // Both sides lie on both surfaces now, so every value fits their sizes.
  area.valid.left = static_cast<LONG>(left);
  area.valid.top = static_cast<LONG>(top);
  area.valid.right = static_cast<LONG>(right);
  area.valid.bottom = static_cast<LONG>(bottom);
  area.dx = static_cast<int>(shiftX);
  area.dy = static_cast<int>(shiftY);
  area.empty = false;
  return area;
}

// Every destination pixel has its source at a fixed offset, so there are no
// sample maps to build.
void TransferUnscaled(const RowJob& job, const Surface& S, long long ox, long long oy, long long w, long long h,
                      long long sx, long long sy) {
  Surface& D = *job.dst.surface;
  const UnscaledArea area = AreaUnscaled(D, S, ox, oy, w, h, sx, sy);
  if (area.empty) return;
  ForEachClipPiece(job.dst, area.valid, [&](const RECT& piece) {
    for (int yy = piece.top; yy < piece.bottom; ++yy)
      TransferRun(job, D.Row(yy) + piece.left, S.Row(yy + area.dy) + piece.left + area.dx, piece.left, yy,
                  piece.right - piece.left);
  });
}

}  // namespace

void TransferRect(DeviceContext& dst, long long x, long long y, long long width, long long height,
                  const BlitSource* src, long long srcX, long long srcY, long long srcWidth, long long srcHeight,
                  DWORD rop) {
  const BYTE code = Rop3Index(rop);
  const Span1D dx = Normalise(x, width), dy = Normalise(y, height);
  if (!Rop3UsesSource(code)) {
    PatRect(dst, ClampedRect(dx.start, dy.start, dx.start + dx.length, dy.start + dy.length), rop);
    return;
  }
  if (!src || !src->surface || src->surface->Empty() || !dst.surface || dst.surface->Empty()) return;
  const Span1D sx = Normalise(srcX, srcWidth), sy = Normalise(srcY, srcHeight);
  if (!dx.length || !dy.length || !sx.length || !sy.length) return;
  const bool mirrorX = (width < 0) != (srcWidth < 0), mirrorY = (height < 0) != (srcHeight < 0);
  const bool identity = dx.length == sx.length && dy.length == sy.length && !mirrorX && !mirrorY;

  const bool usesPattern = Rop3UsesPattern(code);
  const RealizedBrush* brush = usesPattern ? &RealizeBrush(dst) : nullptr;
  if (brush && brush->null) return;
  const RowJob job{dst, *src, code, brush, brush && !brush->opaque.empty()};

  Surface& D = *dst.surface;
  const long long ox = dx.start + dst.origin.x, oy = dy.start + dst.origin.y;
  if (identity && src->surface != &D && FastPaths()) {
    TransferUnscaled(job, *src->surface, ox, oy, dx.length, dy.length, sx.start, sy.start);
    return;
  }

  // The destination on its surface, cut to the surface first so that the
  // sample maps stay as small as the surface.
  const long long left = std::max(ox, 0LL), right = std::min(ox + dx.length, static_cast<long long>(D.Width()));
  const long long top = std::max(oy, 0LL), bottom = std::min(oy + dy.length, static_cast<long long>(D.Height()));
  if (left >= right || top >= bottom) return;
  std::vector<int> cols = SampleMap(left, right, ox, dx.length, sx.start, sx.length, mirrorX, src->surface->Width());
  std::vector<int> rows = SampleMap(top, bottom, oy, dy.length, sy.start, sy.length, mirrorY, src->surface->Height());
  long long c0, c1, r0, r1;
  if (!ValidRange(cols, c0, c1) || !ValidRange(rows, r0, r1)) return;
  const RECT valid = ClampedRect(left + c0, top + r0, left + c1, top + r1);

  // A source on the destination's own surface that overlaps it is read from
  // a copy, so that no pixel is read after it was written.
  const Surface* S = src->surface;
  std::optional<Surface> copy;
  if (S == &D) {
    // By value: the maps are rewritten below.
    const int minC = std::min(cols[static_cast<std::size_t>(c0)], cols[static_cast<std::size_t>(c1 - 1)]);
    const int maxC = std::max(cols[static_cast<std::size_t>(c0)], cols[static_cast<std::size_t>(c1 - 1)]);
    const int minR = std::min(rows[static_cast<std::size_t>(r0)], rows[static_cast<std::size_t>(r1 - 1)]);
    const int maxR = std::max(rows[static_cast<std::size_t>(r0)], rows[static_cast<std::size_t>(r1 - 1)]);
    const bool overlaps = minC < valid.right && maxC >= valid.left && minR < valid.bottom && maxR >= valid.top;
    if (overlaps) {
      copy.emplace(maxC - minC + 1, maxR - minR + 1);
      for (int r = minR; r <= maxR; ++r)
        std::memcpy(copy->Row(r - minR), S->Row(r) + minC, static_cast<std::size_t>(maxC - minC + 1) * sizeof(Pixel));
      for (int& c : cols) c = c >= 0 ? c - minC : c;
      for (int& r : rows) r = r >= 0 ? r - minR : r;
      S = &*copy;
    }
  }

  std::vector<Pixel> gathered;
  ForEachClipPiece(dst, valid, [&](const RECT& piece) {
    const int n = piece.right - piece.left;
    const int* colMap = cols.data() + (piece.left - left);
    for (int yy = piece.top; yy < piece.bottom; ++yy) {
      const Pixel* srow = S->Row(rows[static_cast<std::size_t>(yy - top)]);
      const Pixel* in = srow + colMap[0];
      if (!identity) {
        gathered.resize(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) gathered[static_cast<std::size_t>(i)] = srow[colMap[i]];
        in = gathered.data();
      }
      TransferRun(job, D.Row(yy) + piece.left, in, piece.left, yy, n);
    }
  });
}

namespace {

BOOL Blit(DeviceContext& dst, HDC hsrc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
          int srcHeight, DWORD rop) {
  return StretchBltDC(dst, Rop3UsesSource(Rop3Index(rop)) ? ResolveDC(hsrc) : nullptr, x, y, width, height, srcX,
                      srcY, srcWidth, srcHeight, rop);
}

}  // namespace

namespace {

// The copy the board and the controls make most: one to one, positive
// sizes, between two surfaces of one depth, under a code without pattern.
// It needs none of the general path's set-up. False when it does not apply.
bool PlainCopy(DeviceContext& dst, DeviceContext& src, POINT d, POINT s, int width, int height, BYTE code) {
  if (width <= 0 || height <= 0 || Rop3UsesPattern(code)) return false;
  if (!dst.surface || !src.surface || dst.surface == src.surface || (dst.targetBits == 1) != (src.targetBits == 1))
    return false;
  Surface& D = *dst.surface;
  const Surface& S = *src.surface;
  const UnscaledArea area =
      AreaUnscaled(D, S, static_cast<long long>(d.x) + dst.origin.x, static_cast<long long>(d.y) + dst.origin.y, width,
                   height, static_cast<long long>(s.x) + src.origin.x, static_cast<long long>(s.y) + src.origin.y);
  if (area.empty) return true;
  // Rows in the destination's memory order (a bottom-up bitmap walks its
  // rows backwards), which the processor's prefetching follows best.
  const bool upward = D.Stride() < 0;
  const std::ptrdiff_t toStep = upward ? -D.Stride() : D.Stride(), fromStep = upward ? -S.Stride() : S.Stride();
  ForEachClipPiece(dst, area.valid, [&](const RECT& piece) {
    const int n = piece.right - piece.left, rows = piece.bottom - piece.top;
    const int first = upward ? piece.bottom - 1 : piece.top;
    Pixel* to = D.Row(first) + piece.left;
    const Pixel* from = S.Row(first + area.dy) + piece.left + area.dx;
    if (code == 0xCC) return CopyRowBlock(to, toStep, from, fromStep, n, rows);  // SRCCOPY
    for (int k = 0; k < rows; ++k) {
      Rop3Row(code, to, from, nullptr, n);
      to = reinterpret_cast<Pixel*>(reinterpret_cast<std::byte*>(to) + toStep);
      from = reinterpret_cast<const Pixel*>(reinterpret_cast<const std::byte*>(from) + fromStep);
    }
  });
  return true;
}

}  // namespace

BOOL StretchBltDC(DeviceContext& dst, DeviceContext* src, int x, int y, int width, int height, int srcX, int srcY,
                  int srcWidth, int srcHeight, DWORD rop) {
  const POINT d = LogicalToDevice(dst, TPoint(x, y));
  const BYTE code = Rop3Index(rop);
  if (!Rop3UsesSource(code)) {
    TransferRect(dst, d.x, d.y, width, height, nullptr, 0, 0, 0, 0, rop);
    return TRUE;
  }
  if (!src) return FALSE;
  const POINT s = LogicalToDevice(*src, TPoint(srcX, srcY));
  if (width == srcWidth && height == srcHeight && FastPaths() && PlainCopy(dst, *src, d, s, width, height, code))
    return TRUE;
  const BlitSource source = SourceFor(dst, *src);
  TransferRect(dst, d.x, d.y, width, height, &source, static_cast<long long>(s.x) + src->origin.x,
               static_cast<long long>(s.y) + src->origin.y, srcWidth, srcHeight, rop);
  return TRUE;
}

BOOL BitBlt(HDC hdst, int x, int y, int width, int height, HDC hsrc, int srcX, int srcY, DWORD rop) {
  DeviceContext* dst = ResolveDC(hdst);
  RecordedCall record(dst, "BitBlt", {x, y, width, height, srcX, srcY, static_cast<long long>(rop)});
  return dst ? Blit(*dst, hsrc, x, y, width, height, srcX, srcY, width, height, rop) : FALSE;
}

BOOL StretchBlt(HDC hdst, int x, int y, int width, int height, HDC hsrc, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop) {
  DeviceContext* dst = ResolveDC(hdst);
  RecordedCall record(dst, "StretchBlt",
                      {x, y, width, height, srcX, srcY, srcWidth, srcHeight, static_cast<long long>(rop)});
  return dst ? Blit(*dst, hsrc, x, y, width, height, srcX, srcY, srcWidth, srcHeight, rop) : FALSE;
}

BOOL PatBlt(HDC h, int x, int y, int width, int height, DWORD rop) {
  DeviceContext* dc = ResolveDC(h);
  RecordedCall record(dc, "PatBlt", {x, y, width, height, static_cast<long long>(rop)});
  if (!dc) return FALSE;
  if (Rop3UsesSource(Rop3Index(rop))) return FALSE;
  const POINT d = LogicalToDevice(*dc, TPoint(x, y));
  TransferRect(*dc, d.x, d.y, width, height, nullptr, 0, 0, 0, 0, rop);
  return TRUE;
}

namespace {

RowJob JobFor(DeviceContext& dst, const BlitSource& src, DWORD rop) {
  const BYTE code = Rop3Index(rop);
  const RealizedBrush* brush = Rop3UsesPattern(code) ? &RealizeBrush(dst) : nullptr;
  return RowJob{dst, src, code, brush, brush && !brush->opaque.empty()};
}

// MaskBlt at one to one from another surface, in one pass: each run gets
// both codes, the foreground into a buffer, and takes the foreground's
// pixels where the mask is set. False when the general way must do it.
bool MaskBltUnscaled(DeviceContext& dst, HDC hsrc, const BitmapObject& mask, int x, int y, int width, int height,
                     int srcX, int srcY, int maskX, int maskY, DWORD fore, DWORD back) {
  DeviceContext* src = ResolveDC(hsrc);
  if (!src || !src->surface || !dst.surface || src->surface == dst.surface) return false;
  const BlitSource source = SourceFor(dst, *src);
  const RowJob foreJob = JobFor(dst, source, fore), backJob = JobFor(dst, source, back);
  // Where the source is missing a code without source would still draw.
  if (!Rop3UsesSource(foreJob.code) || !Rop3UsesSource(backJob.code)) return false;
  // A null brush draws nothing under a code that uses it.
  if ((foreJob.brush && foreJob.brush->null) || (backJob.brush && backJob.brush->null)) return false;
  if (src->surface->Empty() || dst.surface->Empty()) return true;
  const POINT d = LogicalToDevice(dst, TPoint(x, y));
  const POINT s = LogicalToDevice(*src, TPoint(srcX, srcY));
  const long long ox = static_cast<long long>(d.x) + dst.origin.x, oy = static_cast<long long>(d.y) + dst.origin.y;
  Surface& D = *dst.surface;
  const UnscaledArea area = AreaUnscaled(D, *src->surface, ox, oy, width, height,
                                         static_cast<long long>(s.x) + src->origin.x,
                                         static_cast<long long>(s.y) + src->origin.y);
  if (area.empty) return true;
  const Surface& M = mask.surface;
  ForEachClipPiece(dst, area.valid, [&](const RECT& piece) {
    for (int yy = piece.top; yy < piece.bottom; ++yy) {
      Pixel* drow = D.Row(yy);
      const Pixel* srow = src->surface->Row(yy + area.dy) + area.dx;
      const long long my = maskY + (yy - oy);
      const Pixel* mrow = my >= 0 && my < M.Height() ? M.Row(static_cast<int>(my)) : nullptr;
      for (int start = piece.left; start < piece.right; start += kChunk) {
        const int m = std::min(kChunk, static_cast<int>(piece.right - start));
        Pixel foreground[kChunk];
        std::memcpy(foreground, drow + start, static_cast<std::size_t>(m) * sizeof(Pixel));
        TransferRun(foreJob, foreground, srow + start, start, yy, m);
        TransferRun(backJob, drow + start, srow + start, start, yy, m);
        if (!mrow) continue;
        for (int i = 0; i < m; ++i) {
          const long long mx = maskX + (start + i - ox);
          if (mx >= 0 && mx < M.Width() && (mrow[mx] & kPixelMask)) drow[start + i] = foreground[i];
        }
      }
    }
  });
  return true;
}

}  // namespace

BOOL MaskBlt(HDC hdst, int x, int y, int width, int height, HDC hsrc, int srcX, int srcY, HBITMAP mask, int maskX,
             int maskY, DWORD rop) {
  RecordedCall record(hdst, "MaskBlt", {x, y, width, height, srcX, srcY, maskX, maskY, static_cast<long long>(rop)});
  const DWORD fore = rop & 0x00FFFFFF;
  const DWORD back = ((rop >> 8) & 0x00FF0000) | (rop & 0xFFFF);
  if (!mask) return BitBlt(hdst, x, y, width, height, hsrc, srcX, srcY, fore);
  auto* m = GdiResolveAs<BitmapObject>(mask, GdiKind::Bitmap);
  DeviceContext* dst = ResolveDC(hdst);
  if (!m || !m->Monochrome() || !dst || width <= 0 || height <= 0) return FALSE;
  if (FastPaths() && MaskBltUnscaled(*dst, hsrc, *m, x, y, width, height, srcX, srcY, maskX, maskY, fore, back))
    return TRUE;
  // Two passes through a copy of the destination: the background code
  // everywhere, then the foreground code where the mask is set.
  HDC foreDc = CreateCompatibleDC(hdst);
  HBITMAP foreBits = CreateBitmap(width, height, 1, dst->targetBits == 1 ? 1 : 32, nullptr);
  HGDIOBJ old = SelectObject(foreDc, foreBits);
  DeviceContext* f = ResolveDC(foreDc);
  if (f) {
    SelectObject(foreDc, dst->a.brush);
    SetTextColor(foreDc, dst->a.textColor);
    SetBkColor(foreDc, dst->a.bkColor);
    SetBrushOrgEx(foreDc, dst->a.brushOrg.x - x, dst->a.brushOrg.y - y, nullptr);
  }
  BitBlt(foreDc, 0, 0, width, height, hdst, x, y, SRCCOPY);
  BitBlt(foreDc, 0, 0, width, height, hsrc, srcX, srcY, fore);
  BitBlt(hdst, x, y, width, height, hsrc, srcX, srcY, back);
  // Copy the foreground pixels where the mask has 1.
  auto* fb = GdiResolveAs<BitmapObject>(foreBits, GdiKind::Bitmap);
  if (fb && dst->surface) {
    const POINT d = LogicalToDevice(*dst, TPoint(x, y));
    const RECT area = ClampedRect(static_cast<long long>(d.x) + dst->origin.x,
                                  static_cast<long long>(d.y) + dst->origin.y,
                                  static_cast<long long>(d.x) + dst->origin.x + width,
                                  static_cast<long long>(d.y) + dst->origin.y + height);
    ForEachClipPiece(*dst, area, [&](const RECT& piece) {
      for (int yy = piece.top; yy < piece.bottom; ++yy)
        for (int xx = piece.left; xx < piece.right; ++xx) {
          const long long mx = static_cast<long long>(maskX) + xx - area.left;
          const long long my = static_cast<long long>(maskY) + yy - area.top;
          if (mx < 0 || my < 0 || mx >= m->surface.Width() || my >= m->surface.Height()) continue;
          if (m->surface.At(static_cast<int>(mx), static_cast<int>(my)) & kPixelMask)
            dst->surface->At(xx, yy) = fb->surface.At(xx - area.left, yy - area.top);
        }
    });
  }
  SelectObject(foreDc, old);
  DeleteDC(foreDc);
  DeleteObject(foreBits);
  return TRUE;
}
