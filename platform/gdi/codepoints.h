// Text is UTF-8; it is measured and drawn glyph by glyph, one glyph per code
// point. A byte that does not start a well-formed sequence (a stray
// continuation, an overlong or surrogate form, a cut-off tail) becomes one
// U+FFFD and decoding goes on after it, so outside bytes never stop a draw.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

constexpr char32_t kReplacementChar = 0xFFFD;

// The code point starting at text[pos]; pos moves past it. pos < size.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

struct CodePointAt {
  char32_t cp;
  std::size_t byteOffset;  // where its bytes start in the text
};

std::vector<CodePointAt> DecodeCodePoints(std::string_view text);
