// Case mapping and case-insensitive comparison. The Ansi forms know the
// letters of the Windows-1252 code page that the original's texts used; in
// UTF-8 each of them is two bytes in either case, so lengths never change.
#include <algorithm>
#include <string>

#include "sysutils.h"
#include "utf8.h"

namespace {

constexpr char32_t kRawByte = 0xFFFFFFFF;

struct CasePair {
  char32_t upper, lower;
};

// The letters beyond ASCII and the Latin-1 block (where lower = upper + 0x20).
constexpr CasePair kExtraPairs[] = {{0x0152, 0x0153}, {0x0160, 0x0161}, {0x0178, 0x00FF}, {0x017D, 0x017E}};

bool IsLatin1Upper(char32_t c) { return c >= 0xC0 && c <= 0xDE && c != 0xD7; }
bool IsLatin1Lower(char32_t c) { return c >= 0xE0 && c <= 0xFE && c != 0xF7; }

char32_t ToUpperLetter(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if (IsLatin1Lower(c)) return c - 0x20;
  for (const CasePair& p : kExtraPairs)
    if (p.lower == c) return p.upper;
  return c;
}

char32_t ToLowerLetter(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if (IsLatin1Upper(c)) return c + 0x20;
  for (const CasePair& p : kExtraPairs)
    if (p.upper == c) return p.lower;
  return c;
}

// Calls f(unit, code point) for each letter; a byte that starts no
// well-formed letter comes alone as kRawByte, so that it passes through
// unchanged.
template <class F>
void ForEachUnit(std::string_view s, F f) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t start = i;
    const char32_t c = NextCodePoint(s, i);
    const bool broken = c == kReplacementChar && i - start == 1;
    f(s.substr(start, i - start), broken ? kRawByte : c);
  }
}

template <class Map>
AnsiString MapLetters(const AnsiString& s, Map map) {
  std::string out;
  out.reserve(s.str().size());
  ForEachUnit(s.str(), [&](std::string_view unit, char32_t c) {
    if (c == kRawByte) out += unit;
    else AppendUtf8(out, map(c));
  });
  return AnsiString(std::move(out));
}

// The letter a dictionary files an accented letter under, in capitals.
std::string_view BaseLetters(char32_t upper) {
  switch (upper) {
    case 0xC0: case 0xC1: case 0xC2: case 0xC3: case 0xC4: case 0xC5: return "A";
    case 0xC6: return "AE";
    case 0xC7: return "C";
    case 0xC8: case 0xC9: case 0xCA: case 0xCB: return "E";
    case 0xCC: case 0xCD: case 0xCE: case 0xCF: return "I";
    case 0xD0: return "D";
    case 0xD1: return "N";
    case 0xD2: case 0xD3: case 0xD4: case 0xD5: case 0xD6: case 0xD8: return "O";
    case 0xD9: case 0xDA: case 0xDB: case 0xDC: return "U";
    case 0xDD: case 0x0178: return "Y";
    case 0xDE: return "TH";
    case 0xDF: return "SS";
    case 0x0152: return "OE";
    case 0x0160: return "S";
    case 0x017D: return "Z";
    default: return {};
  }
}

std::string DictionaryKey(const AnsiString& s) {
  std::string key;
  ForEachUnit(s.str(), [&](std::string_view unit, char32_t c) {
    const char32_t upper = ToUpperLetter(c);
    const std::string_view base = BaseLetters(upper);
    if (!base.empty()) key += base;
    else if (c < 0x80) key += static_cast<char>(upper);
    else key += unit;
  });
  return key;
}

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

AnsiString AnsiUpperCase(const AnsiString& s) { return MapLetters(s, ToUpperLetter); }
AnsiString AnsiLowerCase(const AnsiString& s) { return MapLetters(s, ToLowerLetter); }

int CompareText(const AnsiString& a, const AnsiString& b) {
  const std::string& x = a.str();
  const std::string& y = b.str();
  const std::size_t n = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto cx = static_cast<unsigned char>(x[i]);
    const auto cy = static_cast<unsigned char>(y[i]);
    const int ux = cx >= 'a' && cx <= 'z' ? cx - 0x20 : cx;
    const int uy = cy >= 'a' && cy <= 'z' ? cy - 0x20 : cy;
    if (ux != uy) return ux - uy;
  }
  return Sign(static_cast<int>(x.size()) - static_cast<int>(y.size()));
}

bool SameText(const AnsiString& a, const AnsiString& b) { return CompareText(a, b) == 0; }

int AnsiCompareText(const AnsiString& a, const AnsiString& b) {
  const int primary = DictionaryKey(a).compare(DictionaryKey(b));
  if (primary != 0) return Sign(primary);
  return Sign(AnsiUpperCase(a).str().compare(AnsiUpperCase(b).str()));
}

bool AnsiSameText(const AnsiString& a, const AnsiString& b) { return AnsiUpperCase(a) == AnsiUpperCase(b); }
