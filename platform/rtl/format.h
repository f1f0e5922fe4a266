// The class library's Format: "%" [index ":"] ["-"] [width] ["." precision] type,
// where index, width and precision may be "*" (taken from the next argument).
//
//   d  decimal; precision = minimum digits, zero-padded ("%.5d": 7 -> "00007")
//   u  unsigned decimal; x  upper-case hexadecimal (a negative 32-bit value
//      shows its 32-bit pattern)
//   e  scientific, precision = significant digits (15): "1.00000000000000E+000"
//   f  fixed, precision = decimals (2); n  the same with thousands separators
//   g  general, precision = significant digits (15): "0.5", "1E20"
//   m  money: as n, followed by " €"
//   s  text (or one char); precision = at most that many letters
//   p  pointer, upper-case hexadecimal, 8 digits (16 when it does not fit 32 bits)
//   %% a literal "%"
//
// A width pads with blanks on the left ("-": on the right); a leading "0" in
// the width is part of the number, not a zero flag, as in the original. Width
// and precision of texts count letters (code points), not bytes. Numbers use
// "." and "," whatever the locale, so texts written under one locale read back
// under another.
//
// Arguments are checked at run time against their specifiers: a missing or
// mismatched argument or a malformed specifier raises EConvertError naming the
// format. Types that Format cannot show (bool, classes) do not compile.
// Arguments beyond those the format uses are ignored, as in the original.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

#include "ansistring.h"

// One argument, viewed for the duration of the Format call.
class FormatArg {
 public:
  enum class Kind { Integer, Float, Char, String, Pointer };

  template <class T>
  static FormatArg From(const T& value);

  Kind kind() const { return kind_; }
  // Integers: the value's bits, whether its type is signed, and whether it is
  // at most 32 bits wide (for "%u" and "%x" of negative values).
  std::uint64_t bits() const { return bits_; }
  bool is_signed() const { return signed_; }
  bool is_narrow() const { return narrow_; }
  double floating() const { return float_; }
  char character() const { return char_; }
  std::string_view text() const { return text_; }
  const void* pointer() const { return pointer_; }

 private:
  Kind kind_ = Kind::Integer;
  std::uint64_t bits_ = 0;
  bool signed_ = false;
  bool narrow_ = false;
  double float_ = 0;
  char char_ = 0;
  std::string_view text_;
  const void* pointer_ = nullptr;

  template <class>
  static constexpr bool kUnsupported = false;
};

AnsiString FormatArgs(const AnsiString& format, std::span<const FormatArg> args);

template <class... Args>
AnsiString Format(const AnsiString& format, const Args&... args) {
  const std::array<FormatArg, sizeof...(Args)> list{FormatArg::From(args)...};
  return FormatArgs(format, list);
}

template <class T>
FormatArg FormatArg::From(const T& value) {
  using U = std::remove_cvref_t<T>;
  FormatArg a;
  if constexpr (std::is_same_v<U, bool>) {
    static_assert(kUnsupported<U>, "Format cannot show a bool; pass an int or a text");
  } else if constexpr (std::is_same_v<U, char>) {
    a.kind_ = Kind::Char;
    a.char_ = value;
  } else if constexpr (std::is_integral_v<U> || std::is_enum_v<U>) {
    using Raw = typename std::conditional_t<std::is_enum_v<U>, std::underlying_type<U>, std::type_identity<U>>::type;
    const Raw raw = static_cast<Raw>(value);
    a.kind_ = Kind::Integer;
    a.signed_ = std::is_signed_v<Raw>;
    a.narrow_ = sizeof(Raw) <= 4;
    a.bits_ = a.signed_ ? static_cast<std::uint64_t>(static_cast<std::int64_t>(raw)) : static_cast<std::uint64_t>(raw);
  } else if constexpr (std::is_floating_point_v<U>) {
    a.kind_ = Kind::Float;
    a.float_ = static_cast<double>(value);
  } else if constexpr (std::is_same_v<std::decay_t<U>, const char*> || std::is_same_v<std::decay_t<U>, char*>) {
    a.kind_ = Kind::String;
    const char* s = value;
    a.text_ = s ? std::string_view(s) : std::string_view();
  } else if constexpr (std::is_convertible_v<const U&, std::string_view>) {
    a.kind_ = Kind::String;
    a.text_ = static_cast<std::string_view>(value);
  } else if constexpr (std::is_pointer_v<U> || std::is_null_pointer_v<U>) {
    a.kind_ = Kind::Pointer;
    a.pointer_ = static_cast<const void*>(value);
  } else {
    static_assert(kUnsupported<U>, "Format cannot show this type");
  }
  return a;
}
