#include "ansistring.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "exceptions.h"

namespace {

// Clips the class library's (1-based index, count) pair to [begin, end) bytes,
// widened so that no letter is cut.
void ClipRange(std::string_view s, int index, int count, std::size_t& begin, std::size_t& end) {
  const long long size = static_cast<long long>(s.size());
  long long b = static_cast<long long>(index) - 1;
  if (b < 0) b = 0;
  if (b > size) b = size;
  long long e = count <= 0 ? b : b + count;
  if (e > size) e = size;
  begin = Utf8StartOfCodePoint(s, static_cast<std::size_t>(b));
  end = count <= 0 ? begin : Utf8EndOfCodePoint(s, static_cast<std::size_t>(e));
}

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string TextFromOutsideBytes(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  // Windows-1252: 0x80..0x9F hold the typographic letters; the rest is Latin-1.
  static constexpr char16_t kHigh[32] = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (unsigned char c : bytes) {
    AppendUtf8(out, c < 0x80 ? c : (c < 0xA0 ? kHigh[c - 0x80] : c));
  }
  return out;
}

AnsiString::AnsiString(int v) : data_(std::to_string(v)) {}
AnsiString::AnsiString(long v) : data_(std::to_string(v)) {}
AnsiString::AnsiString(long long v) : data_(std::to_string(v)) {}
AnsiString::AnsiString(unsigned v) : data_(std::to_string(v)) {}
AnsiString::AnsiString(unsigned long v) : data_(std::to_string(v)) {}
AnsiString::AnsiString(unsigned long long v) : data_(std::to_string(v)) {}
AnsiString::AnsiString(double v) {
  // Shortest text that reads back to the same value, with a dot.
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  data_.assign(buf, ec == std::errc() ? end : buf);
}

char AnsiString::operator[](int index) const {
  if (index < 1 || index > Length()) throw ERangeError("String index out of range");
  return data_[static_cast<std::size_t>(index - 1)];
}

char& AnsiString::operator[](int index) {
  if (index < 1 || index > Length()) throw ERangeError("String index out of range");
  return data_[static_cast<std::size_t>(index - 1)];
}

AnsiString AnsiString::SubString(int index, int count) const {
  std::size_t b, e;
  ClipRange(data_, index, count, b, e);
  return AnsiString(data_.substr(b, e - b));
}

int AnsiString::Pos(const AnsiString& sub) const {
  if (sub.data_.empty()) return 0;
  const auto at = data_.find(sub.data_);
  return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

AnsiString& AnsiString::Delete(int index, int count) {
  if (index < 1 || index > Length() || count <= 0) return *this;
  std::size_t b, e;
  ClipRange(data_, index, count, b, e);
  data_.erase(b, e - b);
  return *this;
}

AnsiString& AnsiString::Insert(const AnsiString& s, int index) {
  long long at = static_cast<long long>(index) - 1;
  if (at < 0) at = 0;
  if (at > Length()) at = Length();
  data_.insert(Utf8EndOfCodePoint(data_, static_cast<std::size_t>(at)), s.data_);
  return *this;
}

AnsiString& AnsiString::SetLength(int newLength) {
  if (newLength <= 0) {
    data_.clear();
  } else if (newLength < Length()) {
    data_.resize(Utf8StartOfCodePoint(data_, static_cast<std::size_t>(newLength)));
  } else {
    data_.resize(static_cast<std::size_t>(newLength), '\0');
  }
  return *this;
}

AnsiString AnsiString::UpperCase() const {
  std::string r = data_;
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return AnsiString(std::move(r));
}

AnsiString AnsiString::LowerCase() const {
  std::string r = data_;
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return AnsiString(std::move(r));
}

AnsiString AnsiString::TrimLeft() const {
  auto it = std::find_if_not(data_.begin(), data_.end(), IsBlankOrControl);
  return AnsiString(std::string(it, data_.end()));
}

AnsiString AnsiString::TrimRight() const {
  auto it = std::find_if_not(data_.rbegin(), data_.rend(), IsBlankOrControl);
  return AnsiString(std::string(data_.begin(), it.base()));
}

AnsiString AnsiString::Trim() const { return TrimLeft().TrimRight(); }

int AnsiString::CodePointCount() const { return static_cast<int>(Utf8Length(data_)); }

AnsiString AnsiString::StringOfChar(char c, int count) {
  return count <= 0 ? AnsiString() : AnsiString(std::string(static_cast<std::size_t>(count), c));
}

bool ParseInteger(std::string_view text, long long& value) {
  // Leading and trailing blanks are allowed, as the original's Val allows them.
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  std::string_view t = text.substr(b, e - b);
  bool negative = false;
  if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
    negative = t[0] == '-';
    t.remove_prefix(1);
  }
  int base = 10;
  if (!t.empty() && t[0] == '$') {
    base = 16;
    t.remove_prefix(1);
  } else if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
    base = 16;
    t.remove_prefix(2);
  }
  if (t.empty()) return false;
  unsigned long long magnitude = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), magnitude, base);
  if (ec != std::errc() || end != t.data() + t.size()) return false;
  if (base == 16) {
    // "$FFFFFFFF" is -1 as a 32-bit Integer, as colour texts rely on.
    if (magnitude > 0xFFFFFFFFull) return false;
    long long v = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    value = negative ? -v : v;
    return true;
  }
  if (magnitude > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return false;
  value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
  return true;
}

int AnsiString::ToInt() const {
  long long v = 0;
  if (!ParseInteger(data_, v)) throw EConvertError("'" + *this + "' ist kein gültiger Integerwert");
  return static_cast<int>(v);
}

int AnsiString::ToIntDef(int defaultValue) const {
  long long v = 0;
  return ParseInteger(data_, v) ? static_cast<int>(v) : defaultValue;
}

double AnsiString::ToDouble() const {
  std::string_view t = data_;
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  double v = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size())
    throw EConvertError("'" + *this + "' ist kein gültiger Gleitkommawert");
  return v;
}
