// fuzz-libs: morvant_gdi
// PNG files from arbitrary bytes: libpng's errors come back as a refusal,
// sizes are checked before anything is allocated for them.
#include <cstddef>
#include <cstdint>

#include "png_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RasterImage image;
  if (DecodePng(std::span<const std::uint8_t>(data, size), image)) {
    if (image.Pixels.size() != static_cast<std::size_t>(image.Width) * image.Height) __builtin_trap();
    if (image.Pixels.size() <= 4096) (void)EncodePng(image, PngLayout::Palette);
  }
  return 0;
}
