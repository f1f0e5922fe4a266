// fuzz-libs: morvant_gdi
// ICO files from arbitrary bytes: refused or decoded with image and mask of
// one size; whatever decodes must also encode.
#include <cstddef>
#include <cstdint>

#include "ico_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  IconImage icon;
  if (DecodeIco(std::span<const std::uint8_t>(data, size), icon)) {
    if (icon.Mask.Pixels.size() != icon.Color.Pixels.size()) __builtin_trap();
    if (icon.Color.Pixels.size() <= 4096) (void)EncodeIco(icon);
  }
  return 0;
}
