// The binary form back to text, laid out as the class library does: two
// blanks of indent per level, hex blocks in lines of 32 bytes.
#include <cmath>
#include <string>

#include "exceptions.h"
#include "formtext.h"
#include "reader.h"
#include "streams.h"
#include "sysutils.h"

namespace {

bool IsDottedIdent(const std::string& s) {
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  bool atStart = true;
  for (char c : s) {
    if (c == '.' && !atStart) {
      atStart = true;
    } else if (letter(c) || (!atStart && c >= '0' && c <= '9')) {
      atStart = false;
    } else {
      return false;
    }
  }
  return !atStart;
}

std::string Quoted(const std::string& s) {
  if (s.empty()) return "''";
  std::string out;
  bool inQuotes = false;
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < ' ' || c == 127) {
      if (inQuotes) out += '\'';
      inQuotes = false;
      out += '#';
      out += std::to_string(c);
    } else {
      if (!inQuotes) out += '\'';
      inQuotes = true;
      out += ch;
      if (ch == '\'') out += '\'';
    }
  }
  if (inQuotes) out += '\'';
  return out;
}

class FormTextPrinter {
 public:
  explicit FormTextPrinter(TStream* input) : reader_(input) {}

  std::string Run() {
    reader_.ReadSignature();
    PrintObject(0);
    return std::move(out_);
  }

 private:
  void NewLine(int indent) {
    out_ += '\n';
    out_.append(static_cast<std::size_t>(indent), ' ');
  }

  void Enter() {
    if (++depth_ > kMaxFilerDepth) reader_.Error("zu tief verschachtelt");
  }

  std::string Ident(const AnsiString& s, bool mayBeEmpty = false) {
    if ((mayBeEmpty && s.IsEmpty()) || IsDottedIdent(s.str())) return s.str();
    reader_.Error("ungültiger Name '" + s + "'");
  }

  void PrintObject(int indent) {
    Enter();
    TFilerFlags flags;
    int childPos = 0;
    reader_.ReadPrefix(flags, childPos);
    const std::string className = Ident(reader_.ReadStr());
    const std::string name = Ident(reader_.ReadStr(), true);
    out_ += std::string(indent, ' ');
    out_ += flags.Contains(ffInherited) ? "inherited " : flags.Contains(ffInline) ? "inline " : "object ";
    out_ += name.empty() ? className : name + ": " + className;
    if (flags.Contains(ffChildPos)) out_ += " [" + std::to_string(childPos) + "]";
    out_ += "\n";
    while (!reader_.EndOfList()) {
      out_ += std::string(indent + 2, ' ') + Ident(reader_.ReadStr()) + " = ";
      PrintValue(indent + 2);
      out_ += "\n";
    }
    reader_.ReadListEnd();
    while (!reader_.EndOfList()) PrintObject(indent + 2);
    reader_.ReadListEnd();
    out_ += std::string(indent, ' ') + "end\n";
    --depth_;
  }

  void PrintValue(int indent) {
    Enter();
    switch (reader_.NextValue()) {
      case vaList:
        reader_.ReadListBegin();
        out_ += "(";
        while (!reader_.EndOfList()) {
          NewLine(indent + 2);
          PrintValue(indent + 2);
        }
        reader_.ReadListEnd();
        out_ += ")";
        break;
      case vaInt8:
      case vaInt16:
      case vaInt32:
      case vaInt64:
        out_ += std::to_string(reader_.ReadInt64());
        break;
      case vaExtended:
        out_ += FloatText(reader_.ReadFloat());
        break;
      case vaSingle:
        out_ += FloatText(reader_.ReadFloat()) + "s";
        break;
      case vaCurrency:
        out_ += FloatText(reader_.ReadFloat()) + "c";
        break;
      case vaDate:
        out_ += FloatText(reader_.ReadFloat()) + "d";
        break;
      case vaString:
      case vaLString:
      case vaWString:
      case vaUTF8String:
        out_ += Quoted(reader_.ReadString().str());
        break;
      case vaIdent:
        out_ += Ident(reader_.ReadIdent());
        break;
      case vaFalse:
      case vaTrue:
      case vaNil:
      case vaNull:
        out_ += reader_.ReadIdent().str();
        break;
      case vaBinary:
        PrintBinary(indent);
        break;
      case vaSet:
        reader_.ReadValue();
        out_ += "[";
        for (bool first = true;; first = false) {
          const AnsiString member = reader_.ReadStr();
          if (member.IsEmpty()) break;
          if (!first) out_ += ", ";
          out_ += Ident(member);
        }
        out_ += "]";
        break;
      case vaCollection:
        PrintCollection(indent);
        break;
    }
    --depth_;
  }

  std::string FloatText(double v) {
    if (!std::isfinite(v)) reader_.Error("Gleitkommawert ohne Textform");
    if (v == 0) return std::signbit(v) ? "-0.0" : "0.0";
    std::string s = FloatToStr(v).str();
    // A float stays a float when read back.
    if (s.find_first_of(".E") == std::string::npos) s += ".0";
    return s;
  }

  void PrintBinary(int indent) {
    static const char* const kHex = "0123456789ABCDEF";
    const std::vector<Byte> data = reader_.ReadBinary();
    out_ += "{";
    for (std::size_t i = 0; i < data.size(); ++i) {
      if (i % 32 == 0) NewLine(indent + 2);
      out_ += kHex[data[i] >> 4];
      out_ += kHex[data[i] & 15];
    }
    out_ += "}";
  }

  void PrintCollection(int indent) {
    reader_.ReadValue();
    out_ += "<";
    while (!reader_.EndOfList()) {
      NewLine(indent + 2);
      out_ += "item";
      const TValueType next = reader_.NextValue();
      if (next == vaInt8 || next == vaInt16 || next == vaInt32)
        out_ += " [" + std::to_string(reader_.ReadInteger()) + "]";
      out_ += "\n";
      reader_.ReadListBegin();
      while (!reader_.EndOfList()) {
        out_ += std::string(indent + 4, ' ') + Ident(reader_.ReadStr()) + " = ";
        PrintValue(indent + 4);
        out_ += "\n";
      }
      reader_.ReadListEnd();
      out_ += std::string(indent + 2, ' ') + "end";
    }
    reader_.ReadListEnd();
    out_ += ">";
  }

  TReader reader_;
  std::string out_;
  int depth_ = 0;
};

}  // namespace

void ObjectBinaryToText(TStream* Input, TStream* Output) {
  FormTextPrinter printer(Input);
  const std::string text = printer.Run();
  Output->WriteBuffer(text.data(), static_cast<LongInt>(text.size()));
}
