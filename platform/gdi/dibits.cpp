// GetDIBits, SetDIBits and drawing DIBs on a DC.
#include <algorithm>
#include <cstring>

#include "bitmap.h"
#include "blit_internal.h"
#include "dibformat.h"
#include "lasterror.h"

namespace {

// The colour table GetDIBits writes for a depth: a monochrome bitmap's own
// black and white, else the fixed table.
const std::vector<RGBQUAD>& TableFor(int bitCount) { return FixedColorTable(bitCount); }

bool ValidUsage(UINT usage) { return usage == DIB_RGB_COLORS; }

// Surface row y of DIB scan line i.
int SurfaceRow(const DibLayout& layout, int scan) { return layout.topDown ? scan : layout.height - 1 - scan; }

// A whole DIB unpacked into a top-down surface; [firstRow, lastRow) are the
// surface rows the given scan lines filled.
bool UnpackDib(const BITMAPINFO* info, const void* bits, UINT startScan, UINT scanLines, Surface& out,
               DibLayout& layout, int& firstRow, int& lastRow) {
  if (!info || !bits || !CheckDibHeader(info->bmiHeader, layout)) return false;
  out = Surface(layout.width, layout.height);
  const BYTE* src = static_cast<const BYTE*>(bits);
  const long long first = startScan, last = std::min<long long>(layout.height, first + scanLines);
  firstRow = layout.height;
  lastRow = 0;
  for (long long scan = first; scan < last; ++scan) {
    const int y = SurfaceRow(layout, static_cast<int>(scan));
    UnpackDibRow(layout, src + (scan - first) * layout.rowBytes, info->bmiColors, out.Row(y));
    firstRow = std::min(firstRow, y);
    lastRow = std::max(lastRow, y + 1);
  }
  return firstRow < lastRow;
}

// Draws a DIB's pixels; the source rectangle counts from the DIB's first
// row in memory order (bottom-up DIBs: from the bottom), as on the original.
int DrawDib(HDC h, long long xDest, long long yDest, long long wDest, long long hDest, long long xSrc, long long ySrc,
            long long wSrc, long long hSrc, UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
            UINT usage, DWORD rop) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc || !ValidUsage(usage)) return 0;
  Surface pixels;
  DibLayout layout;
  int firstRow, lastRow;
  if (!UnpackDib(info, bits, startScan, scanLines, pixels, layout, firstRow, lastRow)) return 0;
  // Only the rows given may be read: cut a view of them.
  Surface given(pixels.Row(firstRow), pixels.Width(), lastRow - firstRow, pixels.Stride());
  const long long top = layout.topDown ? ySrc : layout.height - ySrc - hSrc;
  BlitSource source;
  source.surface = &given;
  source.convert = dc->targetBits == 1 ? SourceConvert::NearestMono : SourceConvert::None;
  const POINT d = LogicalToDevice(*dc, TPoint(ClampCoord(xDest), ClampCoord(yDest)));
  TransferRect(*dc, d.x, d.y, wDest, hDest, &source, xSrc, top - firstRow, wSrc, hSrc, rop);
  return lastRow - firstRow;
}

}  // namespace

int GetDIBits(HDC dc, HBITMAP bitmap, UINT startScan, UINT scanLines, void* bits, BITMAPINFO* info, UINT usage) {
  auto* bm = GdiResolveAs<BitmapObject>(bitmap, GdiKind::Bitmap);
  if (!ResolveDC(dc) || !bm || !info || !ValidUsage(usage)) return 0;
  BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize < sizeof(BITMAPINFOHEADER)) return 0;
  const int width = bm->surface.Width(), height = bm->surface.Height();
  if (h.biBitCount == 0) {
    // Asking for the format: the bitmap's own depth and size.
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bm->bitsPixel);
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(DibRowBytes(width, bm->bitsPixel)) * static_cast<DWORD>(height);
    return height;
  }
  const bool topDown = h.biHeight < 0;
  h.biWidth = width;
  h.biHeight = topDown ? -height : height;
  h.biPlanes = 1;
  DibLayout layout;
  if (!CheckDibHeader(h, layout)) return 0;
  h.biSizeImage = static_cast<DWORD>(layout.rowBytes) * static_cast<DWORD>(height);
  const std::vector<RGBQUAD>& table = TableFor(layout.bitCount);
  if (!table.empty()) {
    std::memcpy(info->bmiColors, table.data(), table.size() * sizeof(RGBQUAD));
    h.biClrUsed = 0;
  }
  if (!bits) return height;
  BYTE* out = static_cast<BYTE*>(bits);
  const long long first = startScan, last = std::min<long long>(height, first + scanLines);
  int copied = 0;
  for (long long scan = first; scan < last; ++scan, ++copied)
    PackDibRow(width, layout.bitCount, bm->surface.Row(SurfaceRow(layout, static_cast<int>(scan))), table.data(),
               static_cast<int>(table.size()), out + (scan - first) * layout.rowBytes);
  return copied;
}

int SetDIBits(HDC dc, HBITMAP bitmap, UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
              UINT usage) {
  (void)dc;
  auto* bm = GdiResolveAs<BitmapObject>(bitmap, GdiKind::Bitmap);
  DibLayout layout;
  if (!bm || !bits || !info || !ValidUsage(usage) || !CheckDibHeader(info->bmiHeader, layout)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  std::vector<Pixel> row(static_cast<std::size_t>(layout.width));
  const BYTE* src = static_cast<const BYTE*>(bits);
  const int width = std::min(layout.width, bm->surface.Width());
  const long long first = startScan, last = std::min<long long>(layout.height, first + scanLines);
  int copied = 0;
  for (long long scan = first; scan < last; ++scan, ++copied) {
    const int y = SurfaceRow(layout, static_cast<int>(scan));
    if (y >= bm->surface.Height()) continue;
    UnpackDibRow(layout, src + (scan - first) * layout.rowBytes, info->bmiColors, row.data());
    Pixel* dst = bm->surface.Row(y);
    for (int x = 0; x < width; ++x) dst[x] = bm->Monochrome() ? NearestMono(row[static_cast<std::size_t>(x)]) : row[static_cast<std::size_t>(x)];
  }
  return copied;
}

int SetDIBitsToDevice(HDC dc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT startScan,
                      UINT scanLines, const void* bits, const BITMAPINFO* info, UINT usage) {
  RecordedCall record(dc, "SetDIBitsToDevice", {xDest, yDest, w, h, xSrc, ySrc, startScan, scanLines});
  return DrawDib(dc, xDest, yDest, w, h, xSrc, ySrc, w, h, startScan, scanLines, bits, info, usage, SRCCOPY);
}

int StretchDIBits(HDC dc, int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc, int hSrc,
                  const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
  RecordedCall record(dc, "StretchDIBits",
                      {xDest, yDest, wDest, hDest, xSrc, ySrc, wSrc, hSrc, static_cast<long long>(rop)});
  DibLayout layout;
  if (!info || !CheckDibHeader(info->bmiHeader, layout)) return 0;
  return DrawDib(dc, xDest, yDest, wDest, hDest, xSrc, ySrc, wSrc, hSrc, 0, static_cast<UINT>(layout.height), bits,
                 info, usage, rop)
             ? layout.height
             : 0;
}
