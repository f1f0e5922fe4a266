#include "utf8.h"

#include <algorithm>

void AppendUtf8(std::string& out, char32_t cp) {
  if (!IsEncodableCodePoint(cp)) cp = kReplacementChar;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string Utf8Encode(char32_t cp) {
  std::string out;
  AppendUtf8(out, cp);
  return out;
}

namespace {

// The well-formed sequence at text[pos]: its code point and length, or
// length 0 when there is none.
struct Sequence {
  char32_t cp;
  std::size_t length;
};

Sequence SequenceAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return {lead, 1};
  std::size_t tail = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    tail = 1, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    tail = 2, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    tail = 3, cp = lead & 0x07, minimum = 0x10000;
  } else {
    return {kReplacementChar, 0};
  }
  if (text.size() - pos <= tail) return {kReplacementChar, 0};
  for (std::size_t i = 1; i <= tail; ++i) {
    const char c = text[pos + i];
    if (!IsUtf8Continuation(c)) return {kReplacementChar, 0};
    cp = (cp << 6) | (static_cast<unsigned char>(c) & 0x3F);
  }
  if (cp < minimum || !IsEncodableCodePoint(cp)) return {kReplacementChar, 0};
  return {cp, tail + 1};
}

}  // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const Sequence s = SequenceAt(text, pos);
  pos += s.length == 0 ? 1 : s.length;
  return s.cp;
}

std::vector<CodePointAt> DecodeCodePoints(std::string_view text) {
  std::vector<CodePointAt> out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    const char32_t cp = NextCodePoint(text, pos);
    out.push_back({cp, start});
  }
  return out;
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t pos = 0; pos < s.size();) {
    const std::size_t length = SequenceAt(s, pos).length;
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::size_t Utf8StartOfCodePoint(std::string_view s, std::size_t index) {
  if (index >= s.size()) return s.size();
  std::size_t i = index;
  for (std::size_t steps = 1; steps < kMaxUtf8Length && i > 0 && IsUtf8Continuation(s[i]); ++steps) --i;
  return IsUtf8Continuation(s[i]) ? index : i;
}

std::size_t Utf8EndOfCodePoint(std::string_view s, std::size_t index) {
  // At most four steps: past a letter's last byte, or four bytes into a run
  // of continuation bytes, the next byte starts one.
  while (index < s.size() && Utf8StartOfCodePoint(s, index) != index) ++index;
  return std::min(index, s.size());
}

std::size_t Utf8NextBoundary(std::string_view s, std::size_t position) {
  position = Utf8StartOfCodePoint(s, position);
  return position >= s.size() ? s.size() : Utf8EndOfCodePoint(s, position + 1);
}

std::size_t Utf8PreviousBoundary(std::string_view s, std::size_t position) {
  position = Utf8StartOfCodePoint(s, std::min(position, s.size()));
  return position == 0 ? 0 : Utf8StartOfCodePoint(s, position - 1);
}

std::size_t Utf8Length(std::string_view s) {
  std::size_t letters = 0;
  for (std::size_t pos = 0; pos < s.size(); pos = Utf8NextBoundary(s, pos)) ++letters;
  return letters;
}
