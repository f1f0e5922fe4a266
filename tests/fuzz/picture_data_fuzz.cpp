// fuzz-libs: morvant_gdi
// A picture's streamed Data from arbitrary bytes, as a form resource may hold
// it: the picture raises a clear error or loads, never crashes.
#include <cstddef>
#include <cstdint>

#include "exceptions.h"
#include "picture.h"
#include "streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<LongInt>(size));
  stream.SetPosition(0);
  TPicture picture;
  try {
    picture.ReadData(&stream);
  } catch (const Exception&) {
  }
  return 0;
}
