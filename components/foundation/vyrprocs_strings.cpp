#include <algorithm>
#include <vector>

#include "sysutils.h"
#include "vyrprocs.h"

namespace Vyrprocs {

namespace {
constexpr char kBackslash = '\\';

AnsiString Padding(const AnsiString& S, int n, char c) { return StringOfChar(c, n - S.Length()); }

// The fields of S; none for an empty S.
std::vector<AnsiString> Fields(const AnsiString& S, char Sep) {
  std::vector<AnsiString> fields;
  if (S.IsEmpty()) return fields;
  std::string field;
  for (char ch : S.str()) {
    if (ch == Sep) {
      fields.emplace_back(field);
      field.clear();
    } else {
      field += ch;
    }
  }
  fields.emplace_back(field);
  return fields;
}

AnsiString Joined(std::span<const AnsiString> Fields, int last, char Sep) {
  AnsiString out;
  for (int i = 0; i <= last; ++i) {
    if (i > 0) out += Sep;
    out += Fields[i];
  }
  return out;
}
}  // namespace

AnsiString VyrAddCharL(const AnsiString& S, int n, char c) { return Padding(S, n, c) + S; }
AnsiString VyrAddCharR(const AnsiString& S, int n, char c) { return S + Padding(S, n, c); }
AnsiString VyrAddSpaceL(const AnsiString& S, int n) { return VyrAddCharL(S, n, ' '); }
AnsiString VyrAddSpaceR(const AnsiString& S, int n) { return VyrAddCharR(S, n, ' '); }
AnsiString VyrAddZeroL(const AnsiString& S, int n) { return VyrAddCharL(S, n, '0'); }
AnsiString VyrAddZeroR(const AnsiString& S, int n) { return VyrAddCharR(S, n, '0'); }

int VyrCount(const AnsiString& S, char c) {
  int n = 0;
  for (char ch : S.str()) n += ch == c;
  return n;
}

int VyrBackPos(char c, const AnsiString& S) {
  const std::size_t at = S.str().rfind(c);
  return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

bool VyrEmpty(const AnsiString& S) { return S.str().find_first_not_of(' ') == std::string::npos; }
AnsiString VyrFillString(int n, char c) { return StringOfChar(c, n); }
AnsiString VyrSpace(int n) { return StringOfChar(' ', n); }
AnsiString VyrTrimL(const AnsiString& S) { return TrimLeft(S); }
AnsiString VyrTrimR(const AnsiString& S) { return TrimRight(S); }
AnsiString VyrTrim(const AnsiString& S) { return Trim(S); }

AnsiString VyrReplaceChar(const AnsiString& S, char Old, char New) {
  std::string out = S.str();
  for (char& ch : out)
    if (ch == Old) ch = New;
  return out;
}

AnsiString VyrSlashAdd(const AnsiString& S) {
  if (!S.IsEmpty() && S.str().back() == kBackslash) return S;
  return S + AnsiString(kBackslash);
}

AnsiString VyrSlashRemove(const AnsiString& S) {
  if (S.IsEmpty() || S.str().back() != kBackslash) return S;
  return S.SubString(1, S.Length() - 1);
}

AnsiString VyrCodeString(std::span<const AnsiString> Strings, int High, char Sep) {
  return Joined(Strings, std::min(High, static_cast<int>(Strings.size()) - 1), Sep);
}

AnsiString VyrCodeInt(std::span<const int> Ints, int High, char Sep) {
  std::vector<AnsiString> texts;
  for (int v : Ints) texts.push_back(IntToStr(v));
  return VyrCodeString(texts, High, Sep);
}

int VyrGetCodedCount(const AnsiString& S, char Sep) { return S.IsEmpty() ? 0 : VyrCount(S, Sep) + 1; }

AnsiString VyrGetCodedString(const AnsiString& S, char Sep, int i) {
  const std::vector<AnsiString> fields = Fields(S, Sep);
  return i >= 0 && i < static_cast<int>(fields.size()) ? fields[i] : AnsiString();
}

int VyrGetCodedInt(const AnsiString& S, char Sep, int i) { return StrToIntDef(VyrGetCodedString(S, Sep, i), -1); }

void VyrSetCodedString(AnsiString& S, const AnsiString& Value, char Sep, int i) {
  if (i < 0) return;
  std::vector<AnsiString> fields = Fields(S, Sep);
  if (static_cast<int>(fields.size()) <= i) fields.resize(i + 1);
  fields[i] = Value;
  S = Joined(fields, static_cast<int>(fields.size()) - 1, Sep);
}

}  // namespace Vyrprocs
