#include "stdctrls_accel.h"

#include <cctype>

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

bool IsAccel(WORD Key, const AnsiString& Caption) {
  const char key = AccessKeyOf(Caption);
  if (key == 0 || Key == 0 || Key >= 0x80) return key != 0 && Key == static_cast<unsigned char>(key);
  return std::toupper(Key) == static_cast<unsigned char>(key);
}
