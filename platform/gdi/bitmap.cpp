#include "bitmap.h"

#include <cstring>

#include "dc_internal.h"
#include "dibformat.h"
#include "lasterror.h"

namespace {

bool SizeAllowed(int width, int height) {
  return width > 0 && height > 0 && static_cast<long long>(width) * height <= kMaxBitmapPixels;
}

HBITMAP NewBitmap(int width, int height, int bitsPixel) {
  auto bm = std::make_unique<BitmapObject>();
  bm->surface = Surface(width, height);
  bm->bitsPixel = bitsPixel;
  return static_cast<HBITMAP>(GdiCreateHandle(GdiKind::Bitmap, std::move(bm)));
}

}  // namespace

int BitmapObject::GetObjectData(int size, void* out) const {
  if (!out) return sizeof(BITMAP);
  if (size < static_cast<int>(sizeof(BITMAP))) return 0;
  BITMAP b;
  b.bmWidth = surface.Width();
  b.bmHeight = surface.Height();
  b.bmPlanes = 1;
  b.bmBitsPixel = static_cast<WORD>(bitsPixel);
  if (dibSection) {
    b.bmWidthBytes = DibRowBytes(b.bmWidth, bitsPixel);
    b.bmBits = const_cast<BYTE*>(dibBits.data());
  } else {
    b.bmWidthBytes = (b.bmWidth * bitsPixel + 15) / 16 * 2;  // word-aligned rows
  }
  std::memcpy(out, &b, sizeof(BITMAP));
  return sizeof(BITMAP);
}

Pixel NearestMono(Pixel p) {
  int sum = static_cast<int>((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF));
  return sum >= 384 ? kPixelMask : 0;
}

const std::vector<RGBQUAD>& FixedColorTable(int bitCount) {
  static const auto* tables = [] {
    auto quad = [](BYTE r, BYTE g, BYTE b) {
      RGBQUAD q;
      q.rgbRed = r, q.rgbGreen = g, q.rgbBlue = b;
      return q;
    };
    auto* t = new std::vector<RGBQUAD>[3];
    t[0] = {quad(0, 0, 0), quad(255, 255, 255)};
    // The 16 standard colours in the VGA order.
    t[1] = {quad(0, 0, 0),       quad(128, 0, 0),   quad(0, 128, 0),   quad(128, 128, 0),
            quad(0, 0, 128),     quad(128, 0, 128), quad(0, 128, 128), quad(192, 192, 192),
            quad(128, 128, 128), quad(255, 0, 0),   quad(0, 255, 0),   quad(255, 255, 0),
            quad(0, 0, 255),     quad(255, 0, 255), quad(0, 255, 255), quad(255, 255, 255)};
    // 256: those 16, a 6 x 6 x 6 cube and 24 greys.
    t[2] = t[1];
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b = 0; b < 6; ++b)
          t[2].push_back(quad(static_cast<BYTE>(r * 51), static_cast<BYTE>(g * 51), static_cast<BYTE>(b * 51)));
    for (int i = 0; i < 24; ++i) {
      BYTE v = static_cast<BYTE>(8 + i * 10);
      t[2].push_back(quad(v, v, v));
    }
    return t;
  }();
  static const std::vector<RGBQUAD> none;
  switch (bitCount) {
    case 1: return tables[0];
    case 4: return tables[1];
    case 8: return tables[2];
    default: return none;
  }
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (planes != 1) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (width == 0 || height == 0) return NewBitmap(1, 1, 1);
  int bpp = static_cast<int>(bitsPerPixel);
  if (!SizeAllowed(width, height) || (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HBITMAP h = NewBitmap(width, height, bpp);
  auto* bm = GdiResolveAs<BitmapObject>(h, GdiKind::Bitmap);
  if (!bm || !bits) return h;
  // Device-dependent rows are word-aligned, top-down; 1 bit = white.
  const BYTE* src = static_cast<const BYTE*>(bits);
  const int rowBytes = (width * bpp + 15) / 16 * 2;
  for (int y = 0; y < height; ++y, src += rowBytes) {
    Pixel* row = bm->surface.Row(y);
    for (int x = 0; x < width; ++x) {
      switch (bpp) {
        case 1: row[x] = ((src[x >> 3] >> (7 - (x & 7))) & 1) ? kPixelMask : 0; break;
        case 24: row[x] = src[3 * x] | (src[3 * x + 1] << 8) | (static_cast<Pixel>(src[3 * x + 2]) << 16); break;
        case 32: {
          Pixel p;
          std::memcpy(&p, src + 4 * x, 4);
          row[x] = p & kPixelMask;
          break;
        }
        default: {  // palette depths: the fixed tables; 16: 5-5-5
          DibLayout layout;
          layout.width = width;
          layout.bitCount = bpp;
          const auto& table = FixedColorTable(bpp);
          layout.colorCount = static_cast<int>(table.size());
          UnpackDibRow(layout, src, table.data(), row);
          x = width;
          break;
        }
      }
    }
  }
  return h;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
  DeviceContext* d = ResolveDC(dc);
  if (!d) return nullptr;
  if (width == 0 || height == 0) return NewBitmap(1, 1, 1);
  if (!SizeAllowed(width, height)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return NewBitmap(width, height, d->targetBits == 1 ? 1 : 32);
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset) {
  (void)dc, (void)offset;
  if (bits) *bits = nullptr;
  DibLayout layout;
  // The caller's view of the pixels must be the surface itself, so only
  // 32-bit sections are made; file sections are not supported.
  if (!info || section || usage != DIB_RGB_COLORS || !CheckDibHeader(info->bmiHeader, layout) ||
      layout.bitCount != 32) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto bm = std::make_unique<BitmapObject>();
  bm->dibSection = true;
  bm->bitsPixel = 32;
  bm->dibBits.assign(static_cast<std::size_t>(layout.rowBytes) * static_cast<std::size_t>(layout.height), 0);
  BYTE* base = bm->dibBits.data();
  if (layout.topDown)
    bm->surface = Surface(base, layout.width, layout.height, layout.rowBytes);
  else
    bm->surface = Surface(base + static_cast<std::ptrdiff_t>(layout.height - 1) * layout.rowBytes, layout.width,
                          layout.height, -static_cast<std::ptrdiff_t>(layout.rowBytes));
  if (bits) *bits = base;
  return static_cast<HBITMAP>(GdiCreateHandle(GdiKind::Bitmap, std::move(bm)));
}

HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info,
                       UINT usage) {
  DibLayout layout;
  if (!header || !CheckDibHeader(*header, layout)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HBITMAP h = CreateCompatibleBitmap(dc, layout.width, layout.height);
  if (h && (init & CBM_INIT) && bits && info) SetDIBits(dc, h, 0, static_cast<UINT>(layout.height), bits, info, usage);
  return h;
}
