#include "dialogs_customcolors.h"

#include <gtest/gtest.h>

TEST(CustomColorsTest, ValuesAreTheColoursHexDigitsAndFFFFFFFFIsUnused) {
  struct Case {
    const char* text;
    std::optional<TColor> color;
  };
  const Case cases[] = {
      {"0000FF", clRed},        {"ff0000", clBlue},      {"00808000", clTeal}, {" C0C0C0 ", clSilver},
      {"FFFFFFFF", std::nullopt}, {"80000005", std::nullopt}, {"12345", std::nullopt},
      {"GG0000", std::nullopt}, {"", std::nullopt},      {"$0000FF", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(TCustomColorSlots::ParseValue(c.text), c.color) << c.text;
  EXPECT_EQ(TCustomColorSlots::FormatValue(clRed), "0000FF");
  EXPECT_EQ(TCustomColorSlots::FormatValue(std::nullopt), "FFFFFFFF");
  EXPECT_EQ(TCustomColorSlots::Key(0), "FarbeA");
  EXPECT_EQ(TCustomColorSlots::Key(15), "FarbeP");
}

TEST(CustomColorsTest, AnUntouchedListComesBackLineForLine) {
  TStringList lines;
  lines.SetText("[Farben]\nFarbeA=0000FF\nColorB=00FF00\nFarbeC=FFFFFFFF\nFarbeD=kaputt\nanders=1\n");
  TCustomColorSlots slots;
  slots.Read(lines);
  EXPECT_EQ(slots.Get(0), clRed);
  EXPECT_EQ(slots.Get(1), clLime);
  EXPECT_EQ(slots.Get(2), std::nullopt);
  EXPECT_EQ(slots.Get(3), std::nullopt);
  EXPECT_EQ(slots.Get(4), std::nullopt);

  TStringList back;
  back.Assign(&lines);
  slots.WriteBack(back);
  EXPECT_EQ(back.GetText(), lines.GetText());

  // Changed slots keep the key the caller used; new ones get the prefix.
  slots.Set(1, clBlue);
  slots.Set(3, std::nullopt);
  slots.Set(5, clYellow);
  slots.Set(0, clRed);
  slots.WriteBack(back);
  TStringList want;
  want.SetText("[Farben]\nFarbeA=0000FF\nColorB=FF0000\nFarbeC=FFFFFFFF\nFarbeD=kaputt\nanders=1\nFarbeF=00FFFF\n");
  EXPECT_EQ(back.GetText(), want.GetText());
}
