#include <string>

#include "exceptions.h"
#include "vyrutils.h"

namespace Vyrutils {

namespace {
constexpr int kMaxStringBytes = 255;

// Little-endian, whatever the machine; a short read leaves zeros.
template <class T>
void WriteLE(TStream* Stream, T Value) {
  std::uint8_t bytes[sizeof(T)];
  for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<std::uint8_t>(static_cast<std::uint64_t>(Value) >> (8 * i));
  Stream->Write(bytes, sizeof(T));
}

template <class T>
T ReadLE(TStream* Stream) {
  std::uint8_t bytes[sizeof(T)] = {};
  Stream->Read(bytes, sizeof(T));
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) v |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
  return static_cast<T>(v);
}
}  // namespace

void stWriteInteger(TStream* Stream, int Value) { WriteLE(Stream, static_cast<std::uint32_t>(Value)); }
int stReadInteger(TStream* Stream) { return static_cast<int>(ReadLE<std::uint32_t>(Stream)); }
void stWriteWord(TStream* Stream, std::uint16_t Value) { WriteLE(Stream, Value); }
std::uint16_t stReadWord(TStream* Stream) { return ReadLE<std::uint16_t>(Stream); }
void stWriteByte(TStream* Stream, std::uint8_t Value) { WriteLE(Stream, Value); }
std::uint8_t stReadByte(TStream* Stream) { return ReadLE<std::uint8_t>(Stream); }

void stWriteString(TStream* Stream, const AnsiString& S) {
  std::size_t length = S.str().size();
  if (length > kMaxStringBytes) length = Utf8StartOfCodePoint(S.str(), kMaxStringBytes);
  stWriteByte(Stream, static_cast<std::uint8_t>(length));
  Stream->Write(S.data(), static_cast<LongInt>(length));
}

AnsiString stReadString(TStream* Stream) {
  std::string bytes(stReadByte(Stream), '\0');
  Stream->Read(bytes.data(), static_cast<LongInt>(bytes.size()));
  return TextFromOutsideBytes(bytes);
}

void stWriteStringList(TStream* Stream, TStrings* List, bool Compressed) {
  TMemoryStream text;
  List->SaveToStream(&text);
  text.SetPosition(0);
  if (Compressed) {
    SaveCompressedStream(&text, Stream, static_cast<int>(text.GetSize()));
    return;
  }
  const Int64 start = Stream->GetPosition();
  stWriteInteger(Stream, 0);
  Stream->CopyFrom(&text, 0);
  const Int64 end = Stream->GetPosition();
  Stream->SetPosition(start);
  stWriteInteger(Stream, static_cast<int>(end - start - 4));
  Stream->SetPosition(end);
}

void stReadStringList(TStream* Stream, TStrings* List, bool Compressed) {
  TMemoryStream text;
  if (Compressed) {
    LoadCompressedStream(Stream, &text);
  } else {
    const int length = stReadInteger(Stream);
    // Checked against what the stream holds before any memory is taken.
    if (length < 0 || length > Stream->GetSize() - Stream->GetPosition())
      throw EReadError("String list cut or corrupt");
    text.SetSize(length);
    Stream->ReadBuffer(text.GetMemory(), length);
  }
  text.SetPosition(0);
  List->LoadFromStream(&text);
}

}  // namespace Vyrutils
