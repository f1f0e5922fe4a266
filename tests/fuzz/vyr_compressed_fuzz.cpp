// fuzz-libs: morvant_foundation
// Outside bytes as one compressed block and as a compressed stream (the
// containers' chunked bodies): decoding either raises EReadError or gives
// what compresses and decodes back to itself.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "exceptions.h"
#include "vyrutils.h"

using namespace Vyrutils;

namespace {
void CheckRoundTrip(const std::uint8_t* bytes, int size) {
  std::vector<std::uint8_t> block(kVyrBlockSize), back(kVyrBlockInput);
  const int length = VyrLZRWCompress(bytes, size, block.data());
  if (length > kVyrBlockSize) __builtin_trap();
  const int produced = VyrLZRWDecompress(block.data(), back.data(), length);
  if (produced != size || !std::equal(bytes, bytes + size, back.begin())) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size <= static_cast<std::size_t>(kVyrBlockSize)) {
    // Exactly the input's size, so that a read past it shows.
    std::vector<std::uint8_t> block(data, data + size), out(kVyrBlockInput);
    try {
      const int produced = VyrLZRWDecompress(block.data(), out.data(), static_cast<int>(size));
      CheckRoundTrip(out.data(), produced);
    } catch (const EReadError&) {
    }
  }

  TMemoryStream source, decoded;
  source.WriteBuffer(data, static_cast<LongInt>(size));
  source.SetPosition(0);
  try {
    LoadCompressedStream(&source, &decoded);
  } catch (const EReadError&) {
  }
  return 0;
}
