// fuzz-libs: morvant_classes
// The form reader over arbitrary bytes: building components and turning the
// stream into text must end in a result or EReadError, never a crash.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "../classes/stream_fixture.h"
#include "exceptions.h"
#include "formres.h"
#include "formtext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  stream_fixture::RegisterTestClasses();
  const AnsiString bytes(reinterpret_cast<const char*>(data), size);
  try {
    TStringStream in(bytes);
    std::unique_ptr<TComponent> root(ReadComponentFromStream(&in, nullptr));
    // What was read writes back.
    TMemoryStream out;
    WriteComponentToStream(&out, root.get());
  } catch (const EReadError&) {
  }
  try {
    TStringStream in(bytes);
    TStringStream text;
    ObjectBinaryToText(&in, &text);
  } catch (const EReadError&) {
  }
  return 0;
}
