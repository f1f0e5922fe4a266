// Text is UTF-8 throughout; this is the one place that knows its bytes.
// Decoding is forgiving: a byte that does not start a well-formed sequence
// (a stray continuation, an overlong or surrogate form, a cut-off tail)
// becomes one U+FFFD and decoding goes on after it, so outside bytes never
// stop a draw or a caret. Boundaries are the bytes that are not continuation
// bytes; a letter is at most four bytes, so a longer stray run of
// continuation bytes counts byte by byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

constexpr char32_t kReplacementChar = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr std::size_t kMaxUtf8Length = 4;

constexpr bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
// A scalar value: in range and not a surrogate half.
constexpr bool IsEncodableCodePoint(char32_t cp) { return cp <= kMaxCodePoint && (cp < 0xD800 || cp > 0xDFFF); }

// Appends cp as UTF-8; a value that cannot be encoded becomes U+FFFD.
void AppendUtf8(std::string& out, char32_t cp);
std::string Utf8Encode(char32_t cp);

// The code point starting at text[pos]; pos moves past it. pos < size.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

struct CodePointAt {
  char32_t cp;
  std::size_t byteOffset;  // where its bytes start in the text
};
std::vector<CodePointAt> DecodeCodePoints(std::string_view text);

bool IsValidUtf8(std::string_view s);

// Byte index moved back to the first byte of the letter it lies in (the
// size when it is past the end).
std::size_t Utf8StartOfCodePoint(std::string_view s, std::size_t index);
// Byte index moved forward to the next boundary (or the end).
std::size_t Utf8EndOfCodePoint(std::string_view s, std::size_t index);
// The boundary after / before the letter at position (clamped to the text).
std::size_t Utf8NextBoundary(std::string_view s, std::size_t position);
std::size_t Utf8PreviousBoundary(std::string_view s, std::size_t position);
// Letters (boundaries) in s.
std::size_t Utf8Length(std::string_view s);
