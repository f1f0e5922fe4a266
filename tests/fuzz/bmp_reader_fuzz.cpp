// fuzz-libs: morvant_gdi
// BMP files and packed DIBs from arbitrary bytes: refused or decoded, never
// read out of bounds; whatever decodes must also encode.
#include <cstddef>
#include <cstdint>

#include "bmp_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  RasterImage image;
  if (DecodeBmp(bytes, image)) {
    if (image.Pixels.size() != static_cast<std::size_t>(image.Width) * image.Height) __builtin_trap();
    if (image.Pixels.size() <= 4096) (void)EncodeBmp(image, 4);
  }
  RasterImage dib;
  (void)DecodeDib(bytes, dib);
  return 0;
}
