// Device-independent file images of bitmaps: the headers, the image in
// memory and its writers.
#include <cstring>

#include "bitmap.h"
#include "bitmap_class.h"
#include "exceptions.h"
#include "focus.h"
#include "paint.h"
#include "palette.h"
#include "resourcestrings.h"
#include "vyrutils.h"

namespace Vyrutils {

namespace {

int BitCountFor(HBITMAP Bitmap, int ColorCount) {
  int bits = 0;
  switch (ColorCount) {
    case 2: bits = 1; break;
    case 16: bits = 4; break;
    case 256: bits = 8; break;
    default: {
      BITMAP info{};
      GetObject(Bitmap, sizeof(info), &info);
      bits = info.bmBitsPixel * info.bmPlanes;
    }
  }
  return (bits == 16 || bits == 32) ? 24 : bits;
}

}  // namespace

void InitBitmapInfoHeader(HBITMAP Bitmap, BITMAPINFOHEADER& Header, int ColorCount) {
  BITMAP info{};
  GetObject(Bitmap, sizeof(info), &info);
  Header = BITMAPINFOHEADER{};
  Header.biSize = 40;
  Header.biWidth = info.bmWidth;
  Header.biHeight = info.bmHeight;
  Header.biPlanes = 1;
  Header.biBitCount = static_cast<WORD>(BitCountFor(Bitmap, ColorCount));
  Header.biCompression = BI_RGB;
  Header.biSizeImage = static_cast<DWORD>((Header.biWidth * Header.biBitCount + 31) / 32 * 4 * Header.biHeight);
}

void GetDIBSizes(HBITMAP Bitmap, int& HeaderSize, int& ImageSize, int ColorCount) {
  BITMAPINFOHEADER header;
  InitBitmapInfoHeader(Bitmap, header, ColorCount);
  HeaderSize = header.biBitCount == 24 ? 40 : 40 + (4 << header.biBitCount);
  ImageSize = static_cast<int>(header.biSizeImage);
}

bool GetDIBitsWithPalette(HBITMAP Bitmap, HPALETTE Palette, BITMAPINFO& BitmapInfo, int ColorCount, void* Bits) {
  InitBitmapInfoHeader(Bitmap, BitmapInfo.bmiHeader, ColorCount);
  const HWND focus = GetFocus();
  HDC dc = GetDC(focus);
  HPALETTE old = nullptr;
  if (Palette) {
    old = SelectPalette(dc, Palette, FALSE);
    RealizePalette(dc);
  }
  const int rows = GetDIBits(dc, Bitmap, 0, static_cast<UINT>(BitmapInfo.bmiHeader.biHeight), Bits, &BitmapInfo,
                             DIB_RGB_COLORS);
  if (Palette) SelectPalette(dc, old, FALSE);
  ReleaseDC(focus, dc);
  return rows != 0;
}

std::vector<std::uint8_t> BuildDIBFileImage(HBITMAP Bitmap, HPALETTE Palette, int ColorCount) {
  if (!Bitmap) throw Exception(LoadStr(SInvalidBitmap));
  int headerSize = 0, imageSize = 0;
  GetDIBSizes(Bitmap, headerSize, imageSize, ColorCount);
  const int offBits = 14 + headerSize;
  std::vector<std::uint8_t> image(static_cast<std::size_t>(offBits + imageSize), 0);
  BITMAPFILEHEADER file;
  file.bfType = 0x4D42;
  file.bfSize = static_cast<DWORD>(image.size());
  file.bfOffBits = static_cast<DWORD>(offBits);
  std::memcpy(image.data(), &file, sizeof(file));
  // The file image puts the header at offset 14: fill aligned copies and
  // move them in.
  std::vector<std::uint32_t> info((static_cast<std::size_t>(headerSize) + 3) / 4, 0);
  std::vector<std::uint32_t> bits((static_cast<std::size_t>(imageSize) + 3) / 4, 0);
  GetDIBitsWithPalette(Bitmap, Palette, *reinterpret_cast<BITMAPINFO*>(info.data()), ColorCount, bits.data());
  std::memcpy(image.data() + 14, info.data(), static_cast<std::size_t>(headerSize));
  std::memcpy(image.data() + offBits, bits.data(), static_cast<std::size_t>(imageSize));
  return image;
}

void WriteDIBFileImage(TStream* Stream, HBITMAP Bitmap, HPALETTE Palette, int ColorCount, bool WithSize) {
  const std::vector<std::uint8_t> image = BuildDIBFileImage(Bitmap, Palette, ColorCount);
  if (WithSize) stWriteInteger(Stream, static_cast<int>(image.size()));
  Stream->WriteBuffer(image.data(), static_cast<LongInt>(image.size()));
}

void VyrBmpSaveDIBStream(TStream* Stream, TBitmap* Bitmap, int ColorCount) {
  const HBITMAP handle = Bitmap ? Bitmap->GetHandle() : nullptr;
  WriteDIBFileImage(Stream, handle, Bitmap ? Bitmap->GetPalette() : nullptr,
                    (Bitmap && Bitmap->GetMonochrome()) ? 2 : ColorCount, false);
  Stream->SetPosition(0);
}

}  // namespace Vyrutils
