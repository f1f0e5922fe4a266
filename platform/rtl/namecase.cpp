#include "namecase.h"

namespace {

// Folds the letter starting at s[i] to upper case and advances i; the result
// is the letter's code (a byte, or 0x100 + code point for a folded Latin-1
// letter, so that it never equals a plain byte).
unsigned NextFoldedLetter(std::string_view s, std::size_t& i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  if (c >= 'a' && c <= 'z') {
    ++i;
    return c - 'a' + 'A';
  }
  // U+00C0..U+00FF are C3 80..C3 BF; the lower-case half is C3 A0..C3 BE
  // without the division sign C3 B7; ÿ (C3 BF) has its capital elsewhere.
  if (c == 0xC3 && i + 1 < s.size()) {
    unsigned next = static_cast<unsigned char>(s[i + 1]);
    if (next >= 0x80 && next <= 0xBF) {
      if (next >= 0xA0 && next <= 0xBE && next != 0xB7) next -= 0x20;
      i += 2;
      return 0x100 + next;
    }
  }
  ++i;
  return c;
}

}  // namespace

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size())
    if (NextFoldedLetter(a, i) != NextFoldedLetter(b, j)) return false;
  return i == a.size() && j == b.size();
}
