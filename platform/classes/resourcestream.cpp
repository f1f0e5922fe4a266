#include <cstdint>

#include "exceptions.h"
#include "resources.h"
#include "streams.h"

namespace {

// Numbered resource types are pointers below 64 K, as on the platform.
AnsiString ResourceTypeName(const char* type) {
  const auto value = reinterpret_cast<std::uintptr_t>(type);
  if (value >= 0x10000) return AnsiString(type);
  switch (value) {
    case 1: return "CURSOR";
    case 2: return "BITMAP";
    case 3: return "ICON";
    case 6: return "STRING";
    case 10: return "RCDATA";
    case 12: return "GROUP_CURSOR";
    case 14: return "GROUP_ICON";
    default: return AnsiString(static_cast<unsigned>(value));
  }
}

}  // namespace

TResourceStream::TResourceStream(HINSTANCE, const AnsiString& ResName, const char* ResType) { Open(ResName, ResType); }

TResourceStream::TResourceStream(HINSTANCE, int ResID, const char* ResType) { Open(AnsiString(ResID), ResType); }

void TResourceStream::Open(const AnsiString& ResName, const char* ResType) {
  const EmbeddedResource* res = FindEmbeddedResource((ResourceTypeName(ResType) + "/" + ResName).str());
  if (!res) throw EResNotFound("Ressource " + ResName + " wurde nicht gefunden");
  // Read-only: Write below never touches the bytes.
  SetPointer(const_cast<std::uint8_t*>(res->Data), static_cast<Int64>(res->Size));
}

LongInt TResourceStream::Write(const void*, LongInt) { return 0; }
