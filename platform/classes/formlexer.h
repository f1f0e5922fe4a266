// The tokens of the form text (formtext.h): symbols (dotted names
// included), strings with their quotes and #nnn escapes joined, integers,
// floats and single characters. Internal to the text conversion.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class TFormTokenKind { End, Symbol, String, Integer, Float, Char };

struct TFormToken {
  TFormTokenKind Kind = TFormTokenKind::End;
  // Symbol: its name; String: its text (UTF-8).
  std::string Text;
  std::int64_t Integer = 0;
  double Float = 0;
  // Float: 0, or 's', 'c', 'd' for single, currency, date.
  char Suffix = 0;
  char Ch = 0;
};

class TFormLexer {
 public:
  explicit TFormLexer(std::string Text);

  const TFormToken& Current() const { return token_; }
  void Next();
  // Current is '{': the hex digits up to '}' as bytes; then moves past it.
  std::vector<std::uint8_t> ReadHexBlock();

  bool IsSymbol(const char* Name) const;
  bool IsChar(char C) const { return token_.Kind == TFormTokenKind::Char && token_.Ch == C; }
  // The line the current token starts on.
  int TokenLine() const { return tokenLine_; }
  // Raises EParserError "Zeile n: What".
  [[noreturn]] void Error(const std::string& What) const;

 private:
  void SkipBlanks();
  void ReadSymbol();
  void ReadNumber();
  void ReadString();
  int Peek(std::size_t Ahead = 0) const;

  std::string text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int tokenLine_ = 1;
  TFormToken token_;
};
