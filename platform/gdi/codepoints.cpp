#include "codepoints.h"

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int tail = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    tail = 1, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    tail = 2, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    tail = 3, cp = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return kReplacementChar;
  }
  if (text.size() - pos <= static_cast<std::size_t>(tail)) {
    ++pos;
    return kReplacementChar;
  }
  for (int i = 1; i <= tail; ++i) {
    const auto c = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(c)) {
      ++pos;
      return kReplacementChar;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kReplacementChar;
  }
  pos += static_cast<std::size_t>(tail) + 1;
  return cp;
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
