// fuzz-libs: morvant_classes
// The form text parser over arbitrary text. Text that parses must come back
// from the binary form as text that parses to the same binary.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "exceptions.h"
#include "formtext.h"
#include "streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFormTextOptions options;
  // No files: every @'path' is refused.
  options.LoadFile = [](const AnsiString&, const AnsiString&, const AnsiString& path) -> std::vector<Byte> {
    throw EParserError("keine Dateien: " + path);
  };
  TStringStream text(AnsiString(reinterpret_cast<const char*>(data), size));
  TStringStream binary;
  try {
    ObjectTextToBinary(&text, &binary, options);
  } catch (const EParserError&) {
    return 0;
  }
  binary.SetPosition(0);
  TStringStream again;
  try {
    ObjectBinaryToText(&binary, &again);
  } catch (const EReadError&) {
    // Floats beyond a double's range have no text form; nothing else may fail.
    return 0;
  }
  again.SetPosition(0);
  TStringStream binary2;
  ObjectTextToBinary(&again, &binary2, options);
  if (binary2.GetDataString() != binary.GetDataString()) std::abort();
  return 0;
}
