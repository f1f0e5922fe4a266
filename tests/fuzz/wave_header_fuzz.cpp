// fuzz-libs: morvant_media
// RIFF/WAVE headers from arbitrary bytes: refused or accepted, never read out
// of bounds; what is accepted has its samples inside the image.
#include <cstddef>
#include <cstdint>

#include "wave_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WaveImageInfo info;
  if (!ParseWaveImage(data, size, info)) return 0;
  if (info.DataOffset > size || info.DataBytes > size - info.DataOffset) __builtin_trap();
  if (info.Channels == 0 || info.SamplesPerSec == 0 || info.BlockAlign == 0) __builtin_trap();
  (void)WaveDurationMs(info);
  return 0;
}
