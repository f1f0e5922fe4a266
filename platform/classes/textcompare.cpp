#include "textcompare.h"

#include <algorithm>

int CompareTextIgnoringCase(const AnsiString& S1, const AnsiString& S2) {
  auto fold = [](unsigned char c) -> int { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; };
  const std::string& a = S1.str();
  const std::string& b = S2.str();
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int d = fold(static_cast<unsigned char>(a[i])) - fold(static_cast<unsigned char>(b[i]));
    if (d != 0) return d;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}
