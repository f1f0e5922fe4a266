// Bitmaps and device-independent bitmaps. Inside, every bitmap is a 32-bit
// surface plus the depth it was declared with: a 1-bit bitmap holds only
// black and white pixels, and GetObject reports the declared depth. DIB
// conversions to 1, 4 and 8 bits map each pixel to the nearest colour of a
// fixed table (black/white, the 16 standard colours, a 256-colour cube), so
// an image that used only table colours reads back unchanged.
#pragma once

#include <vector>

#include "gdiobj.h"
#include "surface.h"
#include "wintypes.h"

constexpr DWORD BI_RGB = 0;
constexpr UINT DIB_RGB_COLORS = 0;
constexpr UINT DIB_PAL_COLORS = 1;
constexpr DWORD CBM_INIT = 4;

struct BITMAP {
  LONG bmType = 0;
  LONG bmWidth = 0;
  LONG bmHeight = 0;
  LONG bmWidthBytes = 0;
  WORD bmPlanes = 0;
  WORD bmBitsPixel = 0;
  LPVOID bmBits = nullptr;
};

#pragma pack(push, 2)
struct BITMAPFILEHEADER {
  WORD bfType = 0;
  DWORD bfSize = 0;
  WORD bfReserved1 = 0;
  WORD bfReserved2 = 0;
  DWORD bfOffBits = 0;
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == 14);

struct BITMAPINFOHEADER {
  DWORD biSize = 40;
  LONG biWidth = 0;
  LONG biHeight = 0;  // positive: bottom-up rows; negative: top-down
  WORD biPlanes = 1;
  WORD biBitCount = 0;
  DWORD biCompression = BI_RGB;
  DWORD biSizeImage = 0;
  LONG biXPelsPerMeter = 0;
  LONG biYPelsPerMeter = 0;
  DWORD biClrUsed = 0;
  DWORD biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
  BYTE rgbBlue = 0;
  BYTE rgbGreen = 0;
  BYTE rgbRed = 0;
  BYTE rgbReserved = 0;
};

// The header followed by the colour table; callers allocate room for as
// many entries as the depth needs and cast.
struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
};

struct BitmapObject : GdiObject {
  Surface surface;
  int bitsPixel = 32;  // declared depth: 1 or 32 (DIB sections: their own)
  // CreateDIBSection: the caller's view of the pixels. For 32 bits the
  // surface lies on this memory itself.
  std::vector<BYTE> dibBits;
  bool dibSection = false;
  // The memory DC it is selected into: a bitmap lives in one DC at a time.
  HDC selectedInto = nullptr;
  bool Monochrome() const { return bitsPixel == 1; }
  int GetObjectData(int size, void* out) const override;
};

// Monochrome bitmaps keep 0 (black) or 0x00FFFFFF (white): the nearest.
Pixel NearestMono(Pixel p);
// The fixed tables of DIB depths 1, 4 and 8 (2, 16 and 256 entries).
const std::vector<RGBQUAD>& FixedColorTable(int bitCount);

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset);
HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info,
                       UINT usage);
// Rows in the layout of `info` (bottom-up unless biHeight < 0, rows padded
// to 4 bytes). With bits null, fills in biSizeImage (and the colour table).
int GetDIBits(HDC dc, HBITMAP bitmap, UINT startScan, UINT scanLines, void* bits, BITMAPINFO* info, UINT usage);
int SetDIBits(HDC dc, HBITMAP bitmap, UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
              UINT usage);
int SetDIBitsToDevice(HDC dc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT startScan,
                      UINT scanLines, const void* bits, const BITMAPINFO* info, UINT usage);
int StretchDIBits(HDC dc, int xDest, int yDest, int wDest, int hDest, int xSrc, int ySrc, int wSrc, int hSrc,
                  const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
// Bytes in one DIB row of the given width and depth (padded to 4).
int DibRowBytes(int width, int bitCount);
