#include "formlexer.h"

#include <cmath>
#include <cstdlib>

#include "formtext.h"
#include "sysutils.h"
#include "utf8.h"

namespace {

bool IsLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }
int HexValue(int c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The longest name the binary form can hold (a short string).
constexpr std::size_t kMaxSymbol = 255;

}  // namespace

TFormLexer::TFormLexer(std::string Text) : text_(std::move(Text)) { Next(); }

int TFormLexer::Peek(std::size_t Ahead) const {
  const std::size_t at = pos_ + Ahead;
  return at < text_.size() ? static_cast<unsigned char>(text_[at]) : -1;
}

void TFormLexer::Error(const std::string& What) const {
  throw EParserError("Zeile " + AnsiString(tokenLine_) + ": " + AnsiString(What));
}

bool TFormLexer::IsSymbol(const char* Name) const {
  return token_.Kind == TFormTokenKind::Symbol && SameText(AnsiString(token_.Text), AnsiString(Name));
}

void TFormLexer::SkipBlanks() {
  while (Peek() >= 0 && Peek() <= ' ') {
    if (Peek() == '\n') ++line_;
    ++pos_;
  }
}

void TFormLexer::Next() {
  SkipBlanks();
  tokenLine_ = line_;
  token_ = TFormToken();
  const int c = Peek();
  if (c < 0) return;
  if (IsLetter(c)) return ReadSymbol();
  if (IsDigit(c) || c == '$') return ReadNumber();
  if (c == '\'' || c == '#') return ReadString();
  token_.Kind = TFormTokenKind::Char;
  token_.Ch = static_cast<char>(c);
  ++pos_;
}

void TFormLexer::ReadSymbol() {
  token_.Kind = TFormTokenKind::Symbol;
  for (;;) {
    while (IsLetter(Peek()) || IsDigit(Peek())) token_.Text += static_cast<char>(text_[pos_++]);
    if (Peek() != '.' || !IsLetter(Peek(1))) break;
    token_.Text += '.';
    ++pos_;
  }
  if (token_.Text.size() > kMaxSymbol) Error("Name zu lang");
}

void TFormLexer::ReadNumber() {
  if (Peek() == '$') {
    ++pos_;
    std::uint64_t value = 0;
    int digits = 0;
    for (; HexValue(Peek()) >= 0; ++pos_, ++digits) {
      if (digits == 16) Error("Zahl zu groß");
      value = (value << 4) | static_cast<unsigned>(HexValue(Peek()));
    }
    if (digits == 0) Error("Hexadezimalzahl erwartet");
    token_.Kind = TFormTokenKind::Integer;
    // Up to eight digits are a 32-bit value, as colours are written
    // ($80000005 is a system colour, negative as an Integer).
    token_.Integer = digits <= 8 ? static_cast<std::int32_t>(static_cast<std::uint32_t>(value))
                                 : static_cast<std::int64_t>(value);
    return;
  }
  const std::size_t start = pos_;
  bool isFloat = false;
  while (IsDigit(Peek())) ++pos_;
  if (Peek() == '.' && IsDigit(Peek(1))) {
    isFloat = true;
    ++pos_;
    while (IsDigit(Peek())) ++pos_;
  }
  if ((Peek() == 'e' || Peek() == 'E') &&
      (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
    isFloat = true;
    pos_ += 2;
    while (IsDigit(Peek())) ++pos_;
  }
  const std::string digits = text_.substr(start, pos_ - start);
  const int suffix = Peek();
  if (suffix == 's' || suffix == 'S' || suffix == 'c' || suffix == 'C' || suffix == 'd' || suffix == 'D') {
    if (!IsLetter(Peek(1)) && !IsDigit(Peek(1))) {
      isFloat = true;
      token_.Suffix = static_cast<char>(suffix | 0x20);
      ++pos_;
    }
  }
  if (IsLetter(Peek())) Error("ungültige Zahl");
  if (isFloat) {
    token_.Kind = TFormTokenKind::Float;
    token_.Float = std::strtod(digits.c_str(), nullptr);
    if (!std::isfinite(token_.Float)) Error("Zahl zu groß");
    return;
  }
  token_.Kind = TFormTokenKind::Integer;
  std::uint64_t value = 0;
  for (char d : digits) {
    if (value > (static_cast<std::uint64_t>(INT64_MAX) - static_cast<std::uint64_t>(d - '0')) / 10) Error("Zahl zu groß");
    value = value * 10 + static_cast<std::uint64_t>(d - '0');
  }
  token_.Integer = static_cast<std::int64_t>(value);
}

void TFormLexer::ReadString() {
  token_.Kind = TFormTokenKind::String;
  for (;;) {
    if (Peek() == '\'') {
      ++pos_;
      for (;;) {
        const int c = Peek();
        if (c < 0 || c == '\n' || c == '\r') Error("Zeichenkette nicht abgeschlossen");
        ++pos_;
        if (c == '\'') {
          if (Peek() != '\'') break;
          ++pos_;
        }
        token_.Text += static_cast<char>(c);
      }
    } else if (Peek() == '#') {
      ++pos_;
      std::uint32_t code = 0;
      int digits = 0;
      const bool hex = Peek() == '$';
      if (hex) ++pos_;
      for (;;) {
        const int v = hex ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
        if (v < 0) break;
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(v);
        if (code > 0x10FFFF) Error("ungültiges Zeichen nach #");
        ++pos_;
        ++digits;
      }
      if (digits == 0 || !IsEncodableCodePoint(code)) Error("ungültiges Zeichen nach #");
      AppendUtf8(token_.Text, code);
    } else {
      break;
    }
  }
}

std::vector<std::uint8_t> TFormLexer::ReadHexBlock() {
  std::vector<std::uint8_t> bytes;
  int high = -1;
  for (;;) {
    const int c = Peek();
    if (c < 0) Error("'}' fehlt");
    ++pos_;
    if (c == '}') break;
    if (c == '\n') ++line_;
    if (c <= ' ') continue;
    const int v = HexValue(c);
    if (v < 0) Error("ungültige Hexadezimalziffer");
    if (high < 0) {
      high = v;
    } else {
      bytes.push_back(static_cast<std::uint8_t>((high << 4) | v));
      high = -1;
    }
  }
  if (high >= 0) Error("ungerade Anzahl Hexadezimalziffern");
  Next();
  return bytes;
}
