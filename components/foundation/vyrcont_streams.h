// Inside the container unit: the item flags and reads that refuse what the
// stream does not hold, so that nothing is taken from a cut or lying record.
#pragma once

#include <cstdint>

#include "ansistring.h"
#include "exceptions.h"
#include "streams.h"
#include "wintypes.h"

namespace Vyrcont {

constexpr Byte kFlagCompressed = 0x01;
constexpr Byte kFlagDescription = 0x02;
constexpr Byte kFlagIdent = 0x04;
constexpr Byte kFlagData = 0x08;
constexpr Byte kFlagMono = 0x10;
constexpr Byte kFlag4Bit = 0x20;
constexpr Byte kFlag8Bit = 0x40;

// The length byte and the eight characters of a container file's magic.
constexpr int kMagicSize = 9;

inline Int64 RemainingBytes(TStream* Stream) { return Stream->GetSize() - Stream->GetPosition(); }

// EReadError naming What unless Count more bytes remain.
inline void NeedBytes(TStream* Stream, Int64 Count, const char* What) {
  if (Count < 0 || RemainingBytes(Stream) < Count) throw EReadError(AnsiString("Container data cut: ") + What);
}

inline Byte ReadCheckedByte(TStream* Stream) {
  NeedBytes(Stream, 1, "byte");
  Byte b = 0;
  Stream->ReadBuffer(&b, 1);
  return b;
}

inline int ReadCheckedInteger(TStream* Stream) {
  NeedBytes(Stream, 4, "integer");
  std::uint8_t b[4];
  Stream->ReadBuffer(b, 4);
  return static_cast<int>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                          static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

}  // namespace Vyrcont


namespace Vyrcont {

enum class TVyrListItemClassType;

// The magic of Kind: a length byte 8 and its eight characters.
void WriteMagic(TStream* Stream, TVyrListItemClassType Kind);
// The kind the next nine bytes name; icInvalid for none (or too few).
TVyrListItemClassType ReadMagic(TStream* Stream);
// Exception: "Datei <FileName> kann nicht geöffnet werden: <ClassName>".
[[noreturn]] void RaiseFileError(const AnsiString& FileName, const AnsiString& ClassName);

}  // namespace Vyrcont
