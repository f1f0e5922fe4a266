// The colour dialog's 16 custom colours as the caller keeps them: string
// lines "<prefix><letter>=<hex>", the letters A .. P, the prefix the class
// library's resource string (the same one the colour boxes read back), the
// value the colour's hexadecimal digits as a TColor holds them (BBGGRR, six
// or eight digits), "FFFFFFFF" for an unused slot.
//
// Reading is forgiving, since the lines often come from an ini file: a key
// with the English prefix "Color" is taken too, a value that is not a plain
// colour leaves its slot unused. Writing back changes only the values of
// slots whose colour changed and adds keys only for slots that gained a
// colour, so a list the dialog did not touch comes back line for line.
#pragma once

#include <array>
#include <optional>

#include "colors.h"
#include "tstrings.h"

constexpr int CustomColorCount = 16;

class TCustomColorSlots {
 public:
  void Read(const TStrings& Lines);
  void WriteBack(TStrings& Lines) const;

  std::optional<TColor> Get(int Index) const;
  void Set(int Index, std::optional<TColor> Color);

  // The letter's key with the resource string's prefix ("FarbeA").
  static AnsiString Key(int Index);
  // "0000FF" for clRed; nothing for text that is no colour or "FFFFFFFF".
  static std::optional<TColor> ParseValue(const AnsiString& Text);
  static AnsiString FormatValue(std::optional<TColor> Color);

 private:
  struct Slot {
    std::optional<TColor> color;
    bool changed = false;
  };
  std::array<Slot, CustomColorCount> slots_{};
};
