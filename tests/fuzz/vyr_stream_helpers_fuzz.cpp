// fuzz-libs: morvant_foundation
// Outside bytes through the typed stream readers that the containers use:
// strings, and string lists plain and compressed. A read either gives a
// value or raises EReadError; a string read writes back the way it came.
#include <cstddef>
#include <cstdint>

#include "exceptions.h"
#include "vyrutils.h"

using namespace Vyrutils;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AnsiString bytes(reinterpret_cast<const char*>(data), size);
  {
    TStringStream stream(bytes);
    while (stream.GetPosition() < stream.GetSize()) {
      const AnsiString s = stReadString(&stream);
      TStringStream again;
      stWriteString(&again, s);
      again.SetPosition(0);
      if (stReadString(&again) != s && s.Length() <= 255) __builtin_trap();
    }
  }
  for (bool compressed : {false, true}) {
    TStringStream stream(bytes);
    TStringList list;
    try {
      stReadStringList(&stream, &list, compressed);
    } catch (const EReadError&) {
    }
  }
  return 0;
}
