// A memory DC over a fresh bitmap, for the raster tests: colour (32 bits)
// or monochrome, cleared to one colour, freed at the end of the test.
#pragma once

#include "gdi.h"
#include "rect.h"

class MemoryDC {
 public:
  MemoryDC(int width, int height, COLORREF fill = RGB(255, 255, 255), bool mono = false) {
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateBitmap(width, height, 1, mono ? 1 : 32, nullptr);
    old_ = SelectObject(dc_, bitmap_);
    Clear(fill);
  }
  ~MemoryDC() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  void Clear(COLORREF c) {
    BITMAP bm;
    GetObject(bitmap_, sizeof bm, &bm);
    HBRUSH b = CreateSolidBrush(c);
    TRect r(0, 0, bm.bmWidth, bm.bmHeight);
    FillRect(dc_, &r, b);
    DeleteObject(b);
  }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};
