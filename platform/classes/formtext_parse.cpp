// Form text to the binary form: a recursive descent over the lexer's tokens,
// writing through TWriter's primitives as it goes.
#include <cmath>
#include <limits>
#include <string>

#include "exceptions.h"
#include "formlexer.h"
#include "formtext.h"
#include "streams.h"
#include "sysutils.h"
#include "writer.h"

namespace {

class FormTextParser {
 public:
  FormTextParser(std::string text, TStream* output, const TFormTextOptions& options)
      : lexer_(std::move(text)), output_(output), writer_(output), options_(options) {}

  void Run() {
    try {
      writer_.WriteSignature();
      ParseObject();
    } catch (const EWriteError& e) {
      lexer_.Error(e.Message.str());
    }
    if (lexer_.Current().Kind != TFormTokenKind::End) lexer_.Error("Text nach dem letzten 'end'");
  }

 private:
  class Nesting {
   public:
    explicit Nesting(FormTextParser& p) : p_(p) {
      if (++p_.depth_ > kMaxFilerDepth) p_.lexer_.Error("zu tief verschachtelt");
    }
    ~Nesting() { --p_.depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

   private:
    FormTextParser& p_;
  };

  // The class whose properties are being read, for the file loader.
  class ClassScope {
   public:
    ClassScope(FormTextParser& p, const std::string& className) : p_(p), saved_(std::move(p.className_)) {
      p_.className_ = className;
    }
    ~ClassScope() { p_.className_ = std::move(saved_); }
    ClassScope(const ClassScope&) = delete;
    ClassScope& operator=(const ClassScope&) = delete;

   private:
    FormTextParser& p_;
    std::string saved_;
  };

  bool AtObjectStart() const {
    return lexer_.IsSymbol("object") || lexer_.IsSymbol("inherited") || lexer_.IsSymbol("inline");
  }

  std::string ExpectSymbol(const char* what) {
    if (lexer_.Current().Kind != TFormTokenKind::Symbol) lexer_.Error(std::string(what) + " erwartet");
    std::string s = lexer_.Current().Text;
    lexer_.Next();
    return s;
  }

  void ExpectChar(char c) {
    if (!lexer_.IsChar(c)) lexer_.Error(std::string("'") + c + "' erwartet");
    lexer_.Next();
  }

  std::int64_t ExpectInteger() {
    if (lexer_.Current().Kind != TFormTokenKind::Integer) lexer_.Error("Ganzzahl erwartet");
    const std::int64_t v = lexer_.Current().Integer;
    lexer_.Next();
    return v;
  }

  // Notes that what is written next came from the current token's line.
  void MarkPlace() {
    if (options_.Places) options_.Places->push_back({output_->GetPosition(), lexer_.TokenLine()});
  }

  void ParseObject() {
    Nesting nesting(*this);
    if (!AtObjectStart()) lexer_.Error("'object' erwartet");
    MarkPlace();
    TFilerFlags flags;
    if (lexer_.IsSymbol("inherited")) flags.Include(ffInherited);
    if (lexer_.IsSymbol("inline")) flags.Include(ffInline);
    lexer_.Next();
    std::string name = ExpectSymbol("Komponentenname");
    std::string className;
    if (lexer_.IsChar(':')) {
      lexer_.Next();
      className = ExpectSymbol("Klassenname");
    } else {
      className = std::move(name);
      name.clear();
    }
    if (className.find('.') != std::string::npos || name.find('.') != std::string::npos)
      lexer_.Error("ungültiger Name");
    int childPos = 0;
    if (lexer_.IsChar('[')) {
      lexer_.Next();
      const std::int64_t pos = ExpectInteger();
      if (pos < INT32_MIN || pos > INT32_MAX) lexer_.Error("Position außerhalb des Bereichs");
      childPos = static_cast<int>(pos);
      flags.Include(ffChildPos);
      ExpectChar(']');
    }
    writer_.WritePrefix(flags, childPos);
    writer_.WriteStr(className);
    writer_.WriteStr(name);
    {
      ClassScope scope(*this, className);
      while (!AtObjectStart() && !lexer_.IsSymbol("end")) ParseProperty();
    }
    writer_.WriteListEnd();
    while (!lexer_.IsSymbol("end")) ParseObject();
    writer_.WriteListEnd();
    lexer_.Next();
  }

  void ParseProperty() {
    MarkPlace();
    const std::string name = ExpectSymbol("Eigenschaftsname");
    writer_.WriteStr(name);
    ExpectChar('=');
    ParseValue(name);
  }

  void ParseValue(const std::string& propName) {
    Nesting nesting(*this);
    const TFormToken& t = lexer_.Current();
    switch (t.Kind) {
      case TFormTokenKind::Integer:
        writer_.WriteInteger(t.Integer);
        lexer_.Next();
        return;
      case TFormTokenKind::Float:
        WriteFloat(t.Float, t.Suffix);
        lexer_.Next();
        return;
      case TFormTokenKind::String: {
        std::string s = t.Text;
        lexer_.Next();
        while (lexer_.IsChar('+')) {
          lexer_.Next();
          if (lexer_.Current().Kind != TFormTokenKind::String) lexer_.Error("Zeichenkette erwartet");
          s += lexer_.Current().Text;
          lexer_.Next();
        }
        writer_.WriteString(AnsiString(std::move(s)));
        return;
      }
      case TFormTokenKind::Symbol:
        WriteIdent(t.Text);
        lexer_.Next();
        return;
      case TFormTokenKind::End:
        lexer_.Error("Wert erwartet");
      case TFormTokenKind::Char:
        break;
    }
    switch (t.Ch) {
      case '-': {
        lexer_.Next();
        const TFormToken& n = lexer_.Current();
        if (n.Kind == TFormTokenKind::Integer)
          writer_.WriteInteger(-n.Integer);
        else if (n.Kind == TFormTokenKind::Float)
          WriteFloat(-n.Float, n.Suffix);
        else
          lexer_.Error("Zahl erwartet");
        lexer_.Next();
        return;
      }
      case '[':
        lexer_.Next();
        writer_.WriteValue(vaSet);
        while (!lexer_.IsChar(']')) {
          writer_.WriteStr(AnsiString(ExpectSymbol("Mengenelement")));
          if (!lexer_.IsChar(',')) break;
          lexer_.Next();
        }
        ExpectChar(']');
        writer_.WriteStr(AnsiString());
        return;
      case '(':
        lexer_.Next();
        writer_.WriteListBegin();
        while (!lexer_.IsChar(')')) ParseValue(propName);
        writer_.WriteListEnd();
        lexer_.Next();
        return;
      case '<':
        lexer_.Next();
        writer_.WriteValue(vaCollection);
        while (lexer_.IsSymbol("item")) {
          MarkPlace();
          lexer_.Next();
          if (lexer_.IsChar('[')) {
            lexer_.Next();
            const std::int64_t index = ExpectInteger();
            if (index < INT32_MIN || index > INT32_MAX) lexer_.Error("Position außerhalb des Bereichs");
            writer_.WriteInteger(index);
            ExpectChar(']');
          }
          writer_.WriteListBegin();
          {
            // The text does not say an item's class.
            ClassScope scope(*this, std::string());
            while (!lexer_.IsSymbol("end")) ParseProperty();
          }
          writer_.WriteListEnd();
          lexer_.Next();
        }
        ExpectChar('>');
        writer_.WriteListEnd();
        return;
      case '{': {
        const std::vector<Byte> bytes = lexer_.ReadHexBlock();
        WriteBinary(bytes);
        return;
      }
      case '@': {
        lexer_.Next();
        if (lexer_.Current().Kind != TFormTokenKind::String) lexer_.Error("Dateiname erwartet");
        const AnsiString path = JoinPath(lexer_.Current().Text);
        const std::vector<Byte> bytes = LoadFile(AnsiString(propName), path);
        WriteBinary(bytes);
        lexer_.Next();
        return;
      }
      default:
        lexer_.Error("Wert erwartet");
    }
  }

  void WriteFloat(double v, char suffix) {
    // Currency keeps four decimals in 64 bits; within this range it also
    // reads back to the same text.
    constexpr double kMaxCurrency = 1e11;
    if (suffix == 's' && std::fabs(v) > std::numeric_limits<float>::max()) lexer_.Error("Zahl zu groß");
    if (suffix == 'c' && std::fabs(v) > kMaxCurrency) lexer_.Error("Zahl zu groß");
    if (suffix == 's')
      writer_.WriteSingle(static_cast<float>(v));
    else if (suffix == 'c')
      writer_.WriteCurrency(v);
    else if (suffix == 'd')
      writer_.WriteDate(v);
    else
      writer_.WriteFloat(v);
  }

  void WriteIdent(const std::string& ident) {
    const AnsiString s(ident);
    for (const char* special : {"False", "True", "nil"})
      if (SameText(s, AnsiString(special))) return writer_.WriteIdent(AnsiString(special));
    writer_.WriteIdent(s);
  }

  void WriteBinary(const std::vector<Byte>& bytes) {
    if (bytes.size() > 0x7FFFFFFF) lexer_.Error("Datenblock zu groß");
    writer_.WriteBinary(bytes.data(), static_cast<LongInt>(bytes.size()));
  }

  AnsiString JoinPath(const std::string& path) const {
    if (path.empty()) lexer_.Error("leerer Dateiname");
    if (path[0] == '/' || options_.BaseFolder.IsEmpty()) return AnsiString(path);
    AnsiString base = options_.BaseFolder;
    if (!base.IsEmpty() && base[base.Length()] != '/') base += "/";
    return base + AnsiString(path);
  }

  std::vector<Byte> LoadFile(const AnsiString& propName, const AnsiString& path) const {
    try {
      return options_.LoadFile ? options_.LoadFile(AnsiString(className_), propName, path) : ReadFormFileBytes(path);
    } catch (const EParserError& e) {
      lexer_.Error(e.Message.str());
    } catch (const Exception& e) {
      lexer_.Error(path.str() + ": " + e.Message.str());
    }
  }

  TFormLexer lexer_;
  TStream* output_;
  TWriter writer_;
  const TFormTextOptions& options_;
  int depth_ = 0;
  std::string className_;
};

}  // namespace

void ObjectTextToBinary(TStream* Input, TStream* Output, const TFormTextOptions& Options) {
  const Int64 left = Input->GetSize() - Input->GetPosition();
  std::string bytes(static_cast<std::size_t>(left > 0 ? left : 0), '\0');
  if (!bytes.empty()) Input->ReadBuffer(bytes.data(), static_cast<LongInt>(bytes.size()));
  FormTextParser parser(TextFromOutsideBytes(bytes), Output, Options);
  parser.Run();
}

std::vector<Byte> ReadFormFileBytes(const AnsiString& Path) {
  TMemoryStream file;
  try {
    file.LoadFromFile(Path);
  } catch (const Exception&) {
    throw EParserError("Datei " + Path + " kann nicht gelesen werden");
  }
  const auto* data = static_cast<const Byte*>(file.GetMemory());
  return std::vector<Byte>(data, data + file.GetSize());
}
