#include "stdctrls_accel.h"

#include <cctype>
#include <string>
#include <string_view>

#include "utf8.h"
#include "menu_model.h"

char AccessKeyOf(const AnsiString& Caption) {
  const char* s = Caption.c_str();
  for (; *s; ++s) {
    if (*s != '&') continue;
    if (s[1] == '&') {
      ++s;
      continue;
    }
    const unsigned char c = static_cast<unsigned char>(s[1]);
    return c < 0x80 ? static_cast<char>(std::toupper(c)) : static_cast<char>(c);
  }
  return 0;
}

AnsiString StripHotkey(const AnsiString& Text) {
  std::string out;
  const char* s = Text.c_str();
  for (; *s; ++s) {
    // A mark takes the character after it literally, so "&&" leaves one.
    if (*s == '&' && !*++s) break;
    out.push_back(*s);
  }
  return AnsiString(out);
}

// Compares code points, so that "&Übernehmen" answers to ü and Ü alike.
bool IsAccel(WORD Key, const AnsiString& Caption) {
  if (Key == 0) return false;
  const std::string_view text(Caption.c_str(), static_cast<std::size_t>(Caption.Length()));
  for (std::size_t pos = 0; pos < text.size();) {
    if (NextCodePoint(text, pos) != U'&' || pos >= text.size()) continue;
    const char32_t next = NextCodePoint(text, pos);
    if (next != U'&') return Menus::FoldCase(next) == Menus::FoldCase(Key);
  }
  return false;
}
