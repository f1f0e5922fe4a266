// AnsiString: the class library's 1-based byte string.
//
// Text is UTF-8 throughout the program. Positions and lengths count bytes, as
// the original string did, but no routine here ever cuts a code point in two:
// a cut that would land inside a multi-byte letter is widened to take the whole
// letter. Measuring and drawing count code points elsewhere (CodePointCount).
#pragma once

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

#include "utf8.h"

class AnsiString {
 public:
  AnsiString() = default;
  AnsiString(const char* s) : data_(s ? s : "") {}
  AnsiString(const char* s, std::size_t n) : data_(s ? std::string(s, n) : std::string()) {}
  AnsiString(std::string s) : data_(std::move(s)) {}
  AnsiString(std::string_view s) : data_(s) {}
  explicit AnsiString(char c) : data_(1, c) {}
  // The original converts numbers to decimal text; explicit here so that a
  // stray char or bool never becomes a number by accident.
  explicit AnsiString(int v);
  explicit AnsiString(long v);
  explicit AnsiString(long long v);
  explicit AnsiString(unsigned v);
  explicit AnsiString(unsigned long v);
  explicit AnsiString(unsigned long long v);
  explicit AnsiString(double v);

  // Byte length.
  int Length() const { return static_cast<int>(data_.size()); }
  bool IsEmpty() const { return data_.empty(); }
  const char* c_str() const { return data_.c_str(); }
  const char* data() const { return data_.data(); }
  const std::string& str() const { return data_; }
  std::string& str() { return data_; }
  operator std::string_view() const { return data_; }

  // 1-based byte access, as the original's operator[].
  char operator[](int index) const;
  char& operator[](int index);

  // Copy(S, Index, Count): Index 1-based; out-of-range parts are clipped.
  AnsiString SubString(int index, int count) const;
  // Position of the first occurrence (1-based), 0 when absent.
  int Pos(const AnsiString& sub) const;
  AnsiString& Delete(int index, int count);
  AnsiString& Insert(const AnsiString& s, int index);
  AnsiString& SetLength(int newLength);

  AnsiString UpperCase() const;
  AnsiString LowerCase() const;
  AnsiString Trim() const;
  AnsiString TrimLeft() const;
  AnsiString TrimRight() const;

  // Decimal (or "$" hex) text; ToInt raises EConvertError on bad text.
  int ToInt() const;
  int ToIntDef(int defaultValue) const;
  double ToDouble() const;

  // Letters (code points) rather than bytes.
  int CodePointCount() const;

  static AnsiString StringOfChar(char c, int count);

  AnsiString& operator+=(const AnsiString& o) {
    data_ += o.data_;
    return *this;
  }
  AnsiString& operator+=(const char* o) {
    data_ += o ? o : "";
    return *this;
  }
  AnsiString& operator+=(char c) {
    data_ += c;
    return *this;
  }

  friend AnsiString operator+(const AnsiString& a, const AnsiString& b) { return AnsiString(a.data_ + b.data_); }
  friend AnsiString operator+(const AnsiString& a, const char* b) { return AnsiString(a.data_ + (b ? b : "")); }
  friend AnsiString operator+(const char* a, const AnsiString& b) { return AnsiString((a ? a : "") + b.data_); }
  friend AnsiString operator+(const AnsiString& a, char b) { return AnsiString(a.data_ + b); }
  friend AnsiString operator+(char a, const AnsiString& b) { return AnsiString(a + b.data_); }

  friend bool operator==(const AnsiString& a, const AnsiString& b) { return a.data_ == b.data_; }
  friend bool operator==(const AnsiString& a, const char* b) { return a.data_ == (b ? b : ""); }
  friend std::strong_ordering operator<=>(const AnsiString& a, const AnsiString& b) { return a.data_ <=> b.data_; }

 private:
  std::string data_;
};

// Decimal with optional sign, or "$"/"0x" hexadecimal, within the 32-bit range.
bool ParseInteger(std::string_view text, long long& value);
// Outside text that is not valid UTF-8 is taken as Windows-1252.
std::string TextFromOutsideBytes(std::string_view bytes);

namespace std {
template <>
struct hash<AnsiString> {
  size_t operator()(const AnsiString& s) const noexcept { return hash<string>()(s.str()); }
};
}  // namespace std
