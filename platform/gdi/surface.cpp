#include "surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t kRowAlign = 16;

std::ptrdiff_t AlignedStride(int width) {
  std::size_t bytes = static_cast<std::size_t>(width) * sizeof(Pixel);
  return static_cast<std::ptrdiff_t>((bytes + kRowAlign - 1) / kRowAlign * kRowAlign);
}

}  // namespace

void Surface::FreeAligned::operator()(std::byte* p) const { std::free(p); }

Surface::Surface(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (width_ == 0 || height_ == 0) {
    width_ = height_ = 0;
    return;
  }
  stride_ = AlignedStride(width_);
  std::size_t bytes = static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_);
  void* mem = std::aligned_alloc(kRowAlign, bytes);
  if (!mem) throw std::bad_alloc();
  std::memset(mem, 0, bytes);
  owned_.reset(static_cast<std::byte*>(mem));
  first_ = owned_.get();
}

Surface::Surface(void* firstRow, int width, int height, std::ptrdiff_t stride)
    : first_(static_cast<std::byte*>(firstRow)), width_(std::max(width, 0)), height_(std::max(height, 0)),
      stride_(stride) {
  if (!first_) width_ = height_ = 0;
}

Surface::Surface(Surface&& o) noexcept { *this = std::move(o); }

Surface& Surface::operator=(Surface&& o) noexcept {
  owned_ = std::move(o.owned_);
  first_ = o.first_;
  width_ = o.width_;
  height_ = o.height_;
  stride_ = o.stride_;
  o.first_ = nullptr;
  o.width_ = o.height_ = 0;
  o.stride_ = 0;
  return *this;
}

void Surface::Fill(Pixel p) {
  for (int y = 0; y < height_; ++y) FillPixels(Row(y), width_, p);
}

void Surface::Resize(int width, int height) {
  Surface grown(width, height);
  int w = std::min(width_, grown.width_);
  int h = std::min(height_, grown.height_);
  for (int y = 0; y < h; ++y) std::memcpy(grown.Row(y), Row(y), static_cast<std::size_t>(w) * sizeof(Pixel));
  *this = std::move(grown);
}

void FillPixels(Pixel* dst, int n, Pixel value) {
  for (int i = 0; i < n; ++i) dst[i] = value;
}
