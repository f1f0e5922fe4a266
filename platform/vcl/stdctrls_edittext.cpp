#include "stdctrls_edittext.h"

#include <algorithm>

#include "utf8.h"

namespace {
bool IsSpace(char c) { return c == ' ' || c == '\t'; }
}  // namespace

void TEditText::SetText(std::string Value) {
  text_ = std::move(Value);
  caret_ = anchor_ = 0;
}

std::size_t TEditText::Boundary(std::size_t Position) const { return Utf8StartOfCodePoint(text_, Position); }

std::size_t TEditText::NextLetter(std::size_t Position) const { return Utf8NextBoundary(text_, Position); }

std::size_t TEditText::PreviousLetter(std::size_t Position) const { return Utf8PreviousBoundary(text_, Position); }

std::size_t TEditText::NextWord(std::size_t Position) const {
  Position = Boundary(Position);
  while (Position < text_.size() && !IsSpace(text_[Position])) ++Position;
  while (Position < text_.size() && IsSpace(text_[Position])) ++Position;
  return Boundary(Position);
}

std::size_t TEditText::PreviousWord(std::size_t Position) const {
  Position = Boundary(Position);
  while (Position > 0 && IsSpace(text_[Position - 1])) --Position;
  while (Position > 0 && !IsSpace(text_[Position - 1])) --Position;
  return Boundary(Position);
}

std::size_t TEditText::Letters(std::string_view Text) { return Utf8Length(Text); }

bool TEditText::Typable(char32_t Letter) { return Letter >= 0x20 && Letter != 0x7F && IsEncodableCodePoint(Letter); }

void TEditText::Select(std::size_t Start, std::size_t Length) {
  Start = Boundary(Start);
  const std::size_t end = Boundary(Start + std::min(Length, text_.size() - Start));
  anchor_ = Start;
  caret_ = end;
}

void TEditText::MoveTo(std::size_t Position, bool Extend) {
  caret_ = Boundary(Position);
  if (!Extend) anchor_ = caret_;
}

bool TEditText::Replace(std::string_view Value, std::size_t MaxLetters) {
  const std::size_t start = SelStart(), length = SelLength();
  if (MaxLetters > 0) {
    const std::size_t kept = Letters(text_) - Letters(std::string_view(text_).substr(start, length));
    const std::size_t room = kept >= MaxLetters ? 0 : MaxLetters - kept;
    std::size_t cut = 0;
    for (std::size_t letters = 0; cut < Value.size() && letters < room; ++letters) cut = Utf8NextBoundary(Value, cut);
    Value = Value.substr(0, cut);
  }
  if (length == 0 && Value.empty()) return false;
  text_.replace(start, length, Value);
  caret_ = anchor_ = start + Value.size();
  return true;
}

bool TEditText::Backspace() {
  if (SelLength() == 0) {
    if (caret_ == 0) return false;
    anchor_ = PreviousLetter(caret_);
  }
  return Replace({});
}

bool TEditText::Delete() {
  if (SelLength() == 0) {
    if (caret_ >= text_.size()) return false;
    anchor_ = NextLetter(caret_);
  }
  return Replace({});
}

bool TEditText::Type(char32_t Letter, std::size_t MaxLetters) {
  return Typable(Letter) && Replace(Utf8Encode(Letter), MaxLetters);
}
