// TWriter's values: the primitives of the binary form format.
#include <cmath>
#include <string>

#include "exceptions.h"
#include "extended.h"
#include "streams.h"
#include "writer.h"

TWriter::TWriter(TStream* Stream) : TFiler(Stream) {}

void TWriter::Write(const void* Buf, LongInt Count) { stream_->WriteBuffer(Buf, Count); }

void TWriter::WriteValue(TValueType Value) {
  const Byte b = Value;
  Write(&b, 1);
}

void TWriter::WriteSignature() { Write("TPF0", 4); }

void TWriter::WritePrefix(TFilerFlags Flags, int AChildPos) {
  if (Flags.Empty()) return;
  const Byte b = static_cast<Byte>(0xF0 | Flags.Bits());
  Write(&b, 1);
  if (Flags.Contains(ffChildPos)) WriteInteger(AChildPos);
}

void TWriter::WritePropName(const AnsiString& Name) { WriteStr(prefix_ + Name); }

void TWriter::WriteListBegin() { WriteValue(vaList); }

void TWriter::WriteListEnd() { WriteValue(vaNull); }

void TWriter::WriteInteger(Int64 Value) {
  if (Value >= INT8_MIN && Value <= INT8_MAX) {
    const auto v = static_cast<std::int8_t>(Value);
    WriteValue(vaInt8);
    Write(&v, 1);
  } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
    const auto v = static_cast<std::int16_t>(Value);
    WriteValue(vaInt16);
    Write(&v, 2);
  } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
    const auto v = static_cast<std::int32_t>(Value);
    WriteValue(vaInt32);
    Write(&v, 4);
  } else {
    WriteValue(vaInt64);
    Write(&Value, 8);
  }
}

void TWriter::WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }

void TWriter::WriteFloat(double Value) {
  const auto bytes = DoubleToExtended(Value);
  WriteValue(vaExtended);
  Write(bytes.data(), 10);
}

void TWriter::WriteSingle(float Value) {
  WriteValue(vaSingle);
  Write(&Value, 4);
}

void TWriter::WriteCurrency(double Value) {
  if (!(std::fabs(Value) < 9.2e14)) throw EWriteError("Währungswert außerhalb des Bereichs");
  const auto scaled = static_cast<std::int64_t>(std::llround(Value * 10000.0));
  WriteValue(vaCurrency);
  Write(&scaled, 8);
}

void TWriter::WriteDate(double Value) {
  WriteValue(vaDate);
  Write(&Value, 8);
}

void TWriter::WriteStr(const AnsiString& Value) {
  if (Value.Length() > 255) throw EWriteError("Name zu lang für den Formular-Stream: " + Value.SubString(1, 40));
  const Byte length = static_cast<Byte>(Value.Length());
  Write(&length, 1);
  Write(Value.data(), length);
}

void TWriter::WriteString(const AnsiString& Value) {
  bool ascii = true;
  for (char c : Value.str())
    if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
  const auto length = static_cast<std::uint32_t>(Value.Length());
  if (ascii && length <= 255) {
    WriteValue(vaString);
    WriteStr(Value);
    return;
  }
  WriteValue(ascii ? vaLString : vaUTF8String);
  Write(&length, 4);
  Write(Value.data(), static_cast<LongInt>(length));
}

void TWriter::WriteIdent(const AnsiString& Ident) {
  if (Ident == "False") return WriteValue(vaFalse);
  if (Ident == "True") return WriteValue(vaTrue);
  if (Ident == "nil") return WriteValue(vaNil);
  WriteValue(vaIdent);
  WriteStr(Ident);
}

void TWriter::WriteBinary(const void* Data, LongInt Count) {
  const auto length = static_cast<std::uint32_t>(Count);
  WriteValue(vaBinary);
  Write(&length, 4);
  Write(Data, Count);
}
