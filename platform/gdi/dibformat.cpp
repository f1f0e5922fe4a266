#include "dibformat.h"

#include <cstring>

namespace {

Pixel QuadToPixel(const RGBQUAD& q) {
  return static_cast<Pixel>(q.rgbBlue) | (static_cast<Pixel>(q.rgbGreen) << 8) |
         (static_cast<Pixel>(q.rgbRed) << 16);
}

Pixel TableColor(const RGBQUAD* table, int count, int index) {
  return index < count ? QuadToPixel(table[index]) : 0;
}

}  // namespace

bool CheckDibHeader(const BITMAPINFOHEADER& h, DibLayout& out) {
  if (h.biSize < sizeof(BITMAPINFOHEADER)) return false;
  if (h.biPlanes != 1 || h.biCompression != BI_RGB) return false;
  switch (h.biBitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
  }
  if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN) return false;
  long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
  if (static_cast<long long>(h.biWidth) * height > kMaxBitmapPixels) return false;
  out.width = h.biWidth;
  out.height = static_cast<int>(height);
  out.topDown = h.biHeight < 0;
  out.bitCount = h.biBitCount;
  out.rowBytes = DibRowBytes(out.width, out.bitCount);
  int maxColors = h.biBitCount <= 8 ? 1 << h.biBitCount : 0;
  if (h.biClrUsed > static_cast<DWORD>(h.biBitCount <= 8 ? maxColors : 256)) return false;
  out.colorCount = h.biClrUsed ? static_cast<int>(h.biClrUsed) : maxColors;
  return true;
}

int DibRowBytes(int width, int bitCount) {
  long long bits = static_cast<long long>(width) * bitCount;
  return static_cast<int>((bits + 31) / 32 * 4);
}

void UnpackDibRow(const DibLayout& layout, const BYTE* row, const RGBQUAD* table, Pixel* out) {
  const int w = layout.width;
  const int n = layout.colorCount;
  switch (layout.bitCount) {
    case 1:
      for (int x = 0; x < w; ++x) out[x] = TableColor(table, n, (row[x >> 3] >> (7 - (x & 7))) & 1);
      break;
    case 4:
      for (int x = 0; x < w; ++x) out[x] = TableColor(table, n, (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
      break;
    case 8:
      for (int x = 0; x < w; ++x) out[x] = TableColor(table, n, row[x]);
      break;
    case 16:
      for (int x = 0; x < w; ++x) {
        unsigned v = row[2 * x] | (row[2 * x + 1] << 8);
        unsigned r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
        out[x] = ((r << 3 | r >> 2) << 16) | ((g << 3 | g >> 2) << 8) | (b << 3 | b >> 2);
      }
      break;
    case 24:
      for (int x = 0; x < w; ++x)
        out[x] = row[3 * x] | (row[3 * x + 1] << 8) | (static_cast<Pixel>(row[3 * x + 2]) << 16);
      break;
    case 32:
      for (int x = 0; x < w; ++x) {
        Pixel p;
        std::memcpy(&p, row + 4 * x, 4);
        out[x] = p & kPixelMask;
      }
      break;
  }
}

int NearestColorIndex(Pixel p, const RGBQUAD* table, int count) {
  int best = 0;
  long bestDistance = -1;
  int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  for (int i = 0; i < count; ++i) {
    long dr = r - table[i].rgbRed, dg = g - table[i].rgbGreen, db = b - table[i].rgbBlue;
    long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      best = i;
      bestDistance = d;
      if (d == 0) break;
    }
  }
  return best;
}

void PackDibRow(int width, int bitCount, const Pixel* in, const RGBQUAD* table, int count, BYTE* row) {
  std::memset(row, 0, static_cast<std::size_t>(DibRowBytes(width, bitCount)));
  // Neighbouring pixels mostly repeat: remember the last lookup.
  Pixel lastPixel = 0;
  int lastIndex = -1;
  auto index = [&](Pixel p) {
    p &= kPixelMask;
    if (lastIndex < 0 || p != lastPixel) {
      lastPixel = p;
      lastIndex = NearestColorIndex(p, table, count);
    }
    return lastIndex;
  };
  switch (bitCount) {
    case 1:
      for (int x = 0; x < width; ++x)
        if (index(in[x])) row[x >> 3] |= static_cast<BYTE>(0x80 >> (x & 7));
      break;
    case 4:
      for (int x = 0; x < width; ++x) row[x >> 1] |= static_cast<BYTE>(index(in[x]) << ((x & 1) ? 0 : 4));
      break;
    case 8:
      for (int x = 0; x < width; ++x) row[x] = static_cast<BYTE>(index(in[x]));
      break;
    case 16:
      for (int x = 0; x < width; ++x) {
        Pixel p = in[x];
        unsigned v = (((p >> 19) & 31) << 10) | (((p >> 11) & 31) << 5) | ((p >> 3) & 31);
        row[2 * x] = static_cast<BYTE>(v);
        row[2 * x + 1] = static_cast<BYTE>(v >> 8);
      }
      break;
    case 24:
      for (int x = 0; x < width; ++x) {
        row[3 * x] = static_cast<BYTE>(in[x]);
        row[3 * x + 1] = static_cast<BYTE>(in[x] >> 8);
        row[3 * x + 2] = static_cast<BYTE>(in[x] >> 16);
      }
      break;
    case 32:
      for (int x = 0; x < width; ++x) {
        Pixel p = in[x] & kPixelMask;
        std::memcpy(row + 4 * x, &p, 4);
      }
      break;
  }
}
