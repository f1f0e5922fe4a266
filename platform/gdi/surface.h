// A 32-bit pixel surface: bytes B, G, R, X in memory, so a pixel read as a
// little-endian uint32 is 0x00RRGGBB. The X byte is kept 0 by every writer of
// this module, so pixels compare as plain integers.
//
// The memory is either owned (rows 16-byte aligned for the vector loops) or
// borrowed from a caller (a window manager's frame buffer, a DIB section). A
// negative stride walks bottom-up memory, as a bottom-up DIB lays it out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "gdi_handles.h"

using Pixel = std::uint32_t;

constexpr Pixel kPixelMask = 0x00FFFFFF;

// COLORREF 0x00BBGGRR <-> pixel 0x00RRGGBB; the palette flag and any high
// byte are dropped (palettes are no-ops on 32-bit surfaces).
constexpr Pixel ColorRefToPixel(COLORREF c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF PixelToColorRef(Pixel p) {
  return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

class Surface {
 public:
  Surface() = default;
  // Owned memory, cleared to black. Sizes below 0 count as 0.
  Surface(int width, int height);
  // Borrowed memory: `stride` in bytes, negative for bottom-up rows.
  Surface(void* firstRow, int width, int height, std::ptrdiff_t stride);

  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  Surface(Surface&&) noexcept;
  Surface& operator=(Surface&&) noexcept;
  ~Surface() = default;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Bytes from one row to the next (negative for bottom-up memory).
  std::ptrdiff_t Stride() const { return stride_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Pixel* Row(int y) { return reinterpret_cast<Pixel*>(first_ + y * stride_); }
  const Pixel* Row(int y) const { return reinterpret_cast<const Pixel*>(first_ + y * stride_); }
  Pixel& At(int x, int y) { return Row(y)[x]; }
  Pixel At(int x, int y) const { return Row(y)[x]; }

  void Fill(Pixel p);

  // A new owned surface of another size; the overlapping pixels are kept and
  // the gained ones are black.
  void Resize(int width, int height);

 private:
  struct FreeAligned {
    void operator()(std::byte* p) const;
  };
  std::unique_ptr<std::byte, FreeAligned> owned_;
  std::byte* first_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::ptrdiff_t stride_ = 0;
};

// Fill n pixels with one value in a loop the vectoriser takes (std::fill was
// left scalar at -O2).
void FillPixels(Pixel* dst, int n, Pixel value);
