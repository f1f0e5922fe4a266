#include "format.h"

#include <algorithm>
#include <cctype>

#include "exceptions.h"
#include "floattext.h"
#include "resourcestrings.h"

namespace {

// Widths and precisions beyond this are taken for a damaged format rather
// than allocated.
constexpr int kMaxNumber = 65535;
// The class library shows at most 18 significant digits of a floating value.
constexpr int kMaxFloatDigits = 18;

struct Directive {
  bool left = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

class Formatter {
 public:
  Formatter(const AnsiString& format, std::span<const FormatArg> args) : format_(format), text_(format), args_(args) {}

  AnsiString Run() {
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c != '%') {
        out_ += c;
      } else if (Peek() == '%') {
        ++at_;
        out_ += '%';
      } else {
        const Directive directive = ReadDirective();
        out_ += Pad(Render(directive), directive);
      }
    }
    return AnsiString(std::move(out_));
  }

 private:
  const AnsiString& format_;
  std::string_view text_;
  std::span<const FormatArg> args_;
  std::size_t at_ = 0;
  std::size_t next_arg_ = 0;
  std::string out_;

  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }

  [[noreturn]] void Invalid() const { throw EConvertError(Format(LoadStr(SInvalidFormat), format_)); }

  const FormatArg& NextArg() {
    if (next_arg_ >= args_.size()) throw EConvertError(Format(LoadStr(SArgumentMissing), format_));
    return args_[next_arg_++];
  }

  const FormatArg& NextArg(FormatArg::Kind kind) {
    const FormatArg& a = NextArg();
    if (a.kind() != kind) Invalid();
    return a;
  }

  // Digits, or "*" for the next argument (an integer); false when neither is there.
  bool ReadNumber(int& value) {
    if (Peek() == '*') {
      ++at_;
      const FormatArg& a = NextArg(FormatArg::Kind::Integer);
      const auto v = static_cast<std::int64_t>(a.bits());
      if (!a.is_signed() && a.bits() > static_cast<std::uint64_t>(kMaxNumber)) Invalid();
      if (v > kMaxNumber || v < -kMaxNumber) Invalid();
      value = static_cast<int>(v);
      return true;
    }
    if (!std::isdigit(static_cast<unsigned char>(Peek()))) return false;
    value = 0;
    while (std::isdigit(static_cast<unsigned char>(Peek()))) {
      value = value * 10 + (text_[at_++] - '0');
      if (value > kMaxNumber) Invalid();
    }
    return true;
  }

  // "%" [index ":"] ["-"] [width] ["." precision] type, after the "%".
  Directive ReadDirective() {
    Directive directive;
    int number = 0;
    bool haveNumber = ReadNumber(number);
    if (haveNumber && Peek() == ':') {
      ++at_;
      if (number < 0) Invalid();
      next_arg_ = static_cast<std::size_t>(number);
      haveNumber = false;
    }
    if (!haveNumber) {
      if (Peek() == '-') {
        ++at_;
        directive.left = true;
      }
      haveNumber = ReadNumber(number);
    }
    if (haveNumber) {
      // A negative "*" width left-justifies, as in C.
      directive.left = directive.left || number < 0;
      directive.width = number < 0 ? -number : number;
    }
    if (Peek() == '.') {
      ++at_;
      int precision = 0;
      if (ReadNumber(precision)) directive.precision = precision < 0 ? -1 : precision;
      else directive.precision = 0;
    }
    if (at_ >= text_.size()) Invalid();
    directive.type = static_cast<char>(std::tolower(static_cast<unsigned char>(text_[at_++])));
    return directive;
  }

  std::string Render(const Directive& directive) {
    switch (directive.type) {
      case 'd': return RenderDecimal(NextArg(FormatArg::Kind::Integer), directive);
      case 'u': return ZeroPad(std::to_string(UnsignedValue(NextArg(FormatArg::Kind::Integer))), directive);
      case 'x': return ZeroPad(Hex(UnsignedValue(NextArg(FormatArg::Kind::Integer))), directive);
      case 'e': return FloatToScientificText(NextFloat(), FloatDigits(directive, 15, 1));
      case 'f': return FloatToFixedText(NextFloat(), FloatDigits(directive, 2, 0), false);
      case 'g': return FloatToGeneralText(NextFloat(), FloatDigits(directive, 15, 1));
      case 'n': return FloatToFixedText(NextFloat(), FloatDigits(directive, 2, 0), true);
      case 'm': return FloatToFixedText(NextFloat(), FloatDigits(directive, 2, 0), true).append(" €");
      case 's': return RenderText(NextArg(), directive);
      case 'p': return RenderPointer(NextArg(FormatArg::Kind::Pointer));
      default: Invalid();
    }
  }

  double NextFloat() { return NextArg(FormatArg::Kind::Float).floating(); }

  static int FloatDigits(const Directive& directive, int fallback, int minimum) {
    if (directive.precision < 0) return fallback;
    return std::clamp(directive.precision, minimum, kMaxFloatDigits);
  }

  static std::string ZeroPad(std::string digits, const Directive& directive) {
    if (directive.precision > static_cast<int>(digits.size()))
      digits.insert(0, static_cast<std::size_t>(directive.precision) - digits.size(), '0');
    return digits;
  }

  static std::string RenderDecimal(const FormatArg& a, const Directive& directive) {
    const bool negative = a.is_signed() && static_cast<std::int64_t>(a.bits()) < 0;
    // Two's complement magnitude, right for the most negative value too.
    const std::uint64_t magnitude = negative ? ~a.bits() + 1 : a.bits();
    std::string digits = ZeroPad(std::to_string(magnitude), directive);
    if (negative) digits.insert(digits.begin(), '-');
    return digits;
  }

  // A negative 32-bit value shows its 32-bit pattern, as the original's Integer does.
  static std::uint64_t UnsignedValue(const FormatArg& a) {
    return (a.is_signed() && a.is_narrow()) ? static_cast<std::uint32_t>(a.bits()) : a.bits();
  }

  static std::string Hex(std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
      out.insert(out.begin(), kDigits[value & 0xF]);
      value >>= 4;
    } while (value != 0);
    return out;
  }

  std::string RenderText(const FormatArg& a, const Directive& directive) {
    std::string text;
    if (a.kind() == FormatArg::Kind::Char) text.assign(1, a.character());
    else if (a.kind() == FormatArg::Kind::String) text.assign(a.text());
    else Invalid();
    if (directive.precision >= 0) text = FirstLetters(text, directive.precision);
    return text;
  }

  static std::string FirstLetters(const std::string& text, int letters) {
    std::size_t end = 0;
    for (int n = 0; n < letters && end < text.size(); ++n) end = Utf8EndOfCodePoint(text, end + 1);
    return text.substr(0, end);
  }

  static std::string RenderPointer(const FormatArg& a) {
    const auto value = reinterpret_cast<std::uintptr_t>(a.pointer());
    std::string digits = Hex(value);
    const std::size_t width = value > 0xFFFFFFFFu ? 16 : 8;
    if (width > digits.size()) digits.insert(0, width - digits.size(), '0');
    return digits;
  }

  static std::string Pad(std::string text, const Directive& directive) {
    const int letters = AnsiString(text).CodePointCount();
    if (directive.width <= letters) return text;
    const std::string blanks(static_cast<std::size_t>(directive.width - letters), ' ');
    return directive.left ? text + blanks : blanks + text;
  }
};

}  // namespace

AnsiString FormatArgs(const AnsiString& format, std::span<const FormatArg> args) {
  return Formatter(format, args).Run();
}
