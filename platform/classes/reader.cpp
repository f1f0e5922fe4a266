// TReader's values: the primitives of the binary form format.
#include <cstring>
#include <string>

#include "component.h"
#include "exceptions.h"
#include "extended.h"
#include "reader.h"
#include "streams.h"
#include "utf8.h"

TReader::TReader(TStream* Stream) : TFiler(Stream) {}

void TReader::Error(const AnsiString& What) const {
  const AnsiString place = Place();
  throw EReadError("Fehler beim Lesen des Formulars" + (place.IsEmpty() ? AnsiString() : " (" + place + ")") + ": " +
                   What);
}

AnsiString TReader::Place() const {
  AnsiString place = current_ ? current_->GetName() : AnsiString();
  if (!propName_.IsEmpty()) place += (place.IsEmpty() ? "" : ".") + propName_;
  return place;
}

void TReader::CheckAvailable(std::uint64_t Count) {
  const Int64 left = stream_->GetSize() - stream_->GetPosition();
  if (left < 0 || Count > static_cast<std::uint64_t>(left)) Error("unerwartetes Ende des Streams");
}

void TReader::Read(void* Buf, LongInt Count) {
  if (Count < 0) Error("negative Länge");
  CheckAvailable(static_cast<std::uint64_t>(Count));
  stream_->ReadBuffer(Buf, Count);
}

Byte TReader::ReadByte() {
  Byte b = 0;
  Read(&b, 1);
  return b;
}

std::uint64_t TReader::ReadLength32() {
  std::uint32_t length = 0;
  Read(&length, 4);
  // Checked against the bytes left before anything is allocated for it.
  CheckAvailable(length);
  return length;
}

AnsiString TReader::ReadBytesAsText(std::uint64_t Length) {
  CheckAvailable(Length);
  std::string bytes(static_cast<std::size_t>(Length), '\0');
  if (Length) stream_->ReadBuffer(bytes.data(), static_cast<LongInt>(Length));
  return AnsiString(std::move(bytes));
}

void TReader::ReadSignature() {
  char signature[4] = {};
  Read(signature, 4);
  if (std::memcmp(signature, "TPF0", 4) != 0) Error("ungültiges Stream-Format (keine Formulardaten)");
}

void TReader::ReadPrefix(TFilerFlags& Flags, int& AChildPos) {
  Flags = TFilerFlags();
  AChildPos = 0;
  CheckAvailable(1);
  const Byte b = ReadByte();
  if ((b & 0xF0) != 0xF0) {
    stream_->Seek(-1, soFromCurrent);
    return;
  }
  Flags = TFilerFlags::FromBits(b & 0x07);
  if (Flags.Contains(ffChildPos)) AChildPos = ReadInteger();
}

TValueType TReader::ReadValue() {
  const Byte b = ReadByte();
  if (b > vaUTF8String) Error("ungültiger Werttyp " + AnsiString(static_cast<int>(b)));
  return static_cast<TValueType>(b);
}

TValueType TReader::NextValue() {
  const TValueType v = ReadValue();
  stream_->Seek(-1, soFromCurrent);
  return v;
}

// What follows a list may be a property name, whose length byte is no value
// type (a name of 21 characters and more starts with a byte past them).
bool TReader::EndOfList() {
  CheckAvailable(1);
  const Byte b = ReadByte();
  stream_->Seek(-1, soFromCurrent);
  return b == vaNull;
}

void TReader::ExpectValue(TValueType Expected) {
  if (ReadValue() != Expected) Error("ungültiger Eigenschaftswert");
}

void TReader::ReadListBegin() { ExpectValue(vaList); }

void TReader::ReadListEnd() { ExpectValue(vaNull); }

Int64 TReader::ReadInt64() {
  switch (ReadValue()) {
    case vaInt8: {
      std::int8_t v = 0;
      Read(&v, 1);
      return v;
    }
    case vaInt16: {
      std::int16_t v = 0;
      Read(&v, 2);
      return v;
    }
    case vaInt32: {
      std::int32_t v = 0;
      Read(&v, 4);
      return v;
    }
    case vaInt64: {
      std::int64_t v = 0;
      Read(&v, 8);
      return v;
    }
    default:
      Error("Ganzzahl erwartet");
  }
}

int TReader::ReadInteger() {
  if (NextValue() == vaInt64) Error("Wert außerhalb des 32-Bit-Bereichs");
  return static_cast<int>(ReadInt64());
}

bool TReader::ReadBoolean() {
  const TValueType v = ReadValue();
  if (v != vaFalse && v != vaTrue) Error("Wahrheitswert erwartet");
  return v == vaTrue;
}

double TReader::ReadFloat() {
  switch (NextValue()) {
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64:
      return static_cast<double>(ReadInt64());
    default:
      break;
  }
  switch (ReadValue()) {
    case vaExtended: {
      std::array<std::uint8_t, 10> bytes{};
      Read(bytes.data(), 10);
      return ExtendedToDouble(bytes);
    }
    case vaSingle: {
      float v = 0;
      Read(&v, 4);
      return v;
    }
    case vaDate: {
      double v = 0;
      Read(&v, 8);
      return v;
    }
    case vaCurrency: {
      std::int64_t v = 0;
      Read(&v, 8);
      return static_cast<double>(v) / 10000.0;
    }
    default:
      Error("Gleitkommawert erwartet");
  }
}

std::vector<Byte> TReader::ReadBinary() {
  ExpectValue(vaBinary);
  std::vector<Byte> data(static_cast<std::size_t>(ReadLength32()));
  if (!data.empty()) Read(data.data(), static_cast<LongInt>(data.size()));
  return data;
}

AnsiString TReader::ReadStr() { return ReadBytesAsText(ReadByte()); }

AnsiString TReader::ReadString() {
  switch (ReadValue()) {
    case vaString:
      return AnsiString(TextFromOutsideBytes(ReadStr().str()));
    case vaLString:
      return AnsiString(TextFromOutsideBytes(ReadBytesAsText(ReadLength32()).str()));
    case vaUTF8String: {
      AnsiString s = ReadBytesAsText(ReadLength32());
      if (!IsValidUtf8(s.str())) Error("ungültiger UTF-8-Text");
      return s;
    }
    case vaWString: {
      std::uint32_t units = 0;
      Read(&units, 4);
      if (units > 0x7FFFFFFF / 2) Error("unerwartetes Ende des Streams");
      const AnsiString raw = ReadBytesAsText(std::uint64_t{units} * 2);
      std::string out;
      const auto* p = reinterpret_cast<const unsigned char*>(raw.data());
      auto unit = [&](std::uint32_t i) -> std::uint32_t { return p[2 * i] | (p[2 * i + 1] << 8); };
      for (std::uint32_t i = 0; i < units; ++i) {
        std::uint32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF)
          cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(++i) - 0xDC00);
        else if (cp >= 0xD800 && cp <= 0xDFFF)
          cp = 0xFFFD;  // a lone surrogate
        AppendUtf8(out, cp);
      }
      return AnsiString(std::move(out));
    }
    default:
      Error("Zeichenkette erwartet");
  }
}

AnsiString TReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent:
      return ReadStr();
    case vaFalse:
      return "False";
    case vaTrue:
      return "True";
    case vaNil:
      return "nil";
    case vaNull:
      return "Null";
    default:
      Error("Bezeichner erwartet");
  }
}
