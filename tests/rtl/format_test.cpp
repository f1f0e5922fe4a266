#include "format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "exceptions.h"

namespace {

struct Row {
  AnsiString actual;
  const char* expected;
};

void ExpectRows(std::initializer_list<Row> rows) {
  int row = 0;
  for (const Row& r : rows) EXPECT_EQ(r.actual, r.expected) << "row " << row++;
}

enum Colour { kRed = 3 };

}  // namespace

TEST(Format, IntegerSpecifiers) {
  ExpectRows({
      {Format("%d", 42), "42"},
      {Format("%d", -7), "-7"},
      {Format("%.5d", 7), "00007"},
      {Format("%.5d", -7), "-00007"},
      {Format("%6.3d|", 7), "   007|"},
      {Format("%05d", 42), "   42"},  // a leading 0 is part of the width, not a flag
      {Format("%-5d|", 42), "42   |"},
      {Format("%*d", 4, 42), "  42"},
      {Format("%-*d|", 4, 42), "42  |"},
      {Format("%*d|", -4, 42), "42  |"},
      {Format("%.*d", 3, 5), "005"},
      {Format("%d%%", 50), "50%"},
      {Format("%d.%d", 5, 1), "5.1"},
      {Format("[%d,%d]", 3, -4), "[3,-4]"},
      {Format("%d", kRed), "3"},
      {Format("%d", std::numeric_limits<std::int64_t>::min()), "-9223372036854775808"},
      {Format("%d", std::numeric_limits<std::uint64_t>::max()), "18446744073709551615"},
      {Format("%u", -1), "4294967295"},
      {Format("%u", std::int64_t{-1}), "18446744073709551615"},
      {Format("%x", 255), "FF"},
      {Format("%X", 0xabc), "ABC"},
      {Format("%x", -1), "FFFFFFFF"},
      {Format("%.8x", 0xC0FFEE), "00C0FFEE"},
      {Format("%1:d %0:d %d", 1, 2), "2 1 2"},
  });
}

TEST(Format, FloatSpecifiers) {
  ExpectRows({
      {Format("%f", 1234.5), "1234.50"},
      {Format("%.0f", 2.5), "2"},
      {Format("%.3f", -0.0004), "0.000"},  // no "-0.000"
      {Format("%n", 1234567.891), "1,234,567.89"},
      {Format("%.0n", -1234.0), "-1,234"},
      {Format("%m", 1234.5), "1,234.50 €"},
      {Format("%e", 1234.5), "1.23450000000000E+003"},
      {Format("%.3e", -0.000123), "-1.23E-004"},
      {Format("%g", 0.1 + 0.2), "0.3"},
      {Format("%g", 1234.5), "1234.5"},
      {Format("%g", 100.0), "100"},
      {Format("%g", 1e20), "1E20"},
      {Format("%g", 0.00001), "0.00001"},
      {Format("%g", 0.000001), "1E-6"},
      {Format("%.3g", 12345.0), "1.23E4"},
      {Format("%8.2f|", 3.14159), "    3.14|"},
      {Format("%f", 3.0f), "3.00"},
      {Format("%f", std::numeric_limits<double>::infinity()), "INF"},
      {Format("%g", -std::numeric_limits<double>::infinity()), "-INF"},
      {Format("%e", std::numeric_limits<double>::quiet_NaN()), "NAN"},
  });
}

TEST(Format, TextCharAndPointerSpecifiers) {
  const std::string standard = "std";
  ExpectRows({
      {Format("%s: %s", "Fehler", AnsiString("Datei")), "Fehler: Datei"},
      {Format("[%s]", standard), "[std]"},
      {Format("%s", 'x'), "x"},
      {Format("%s", static_cast<const char*>(nullptr)), ""},
      {Format("%5s|", "ab"), "   ab|"},
      {Format("%-5s|", "ab"), "ab   |"},
      {Format("%-7s|", "Größe"), "Größe  |"},  // width counts letters, not bytes
      {Format("%.3s", "Größe"), "Grö"},        // and so does the precision
      {Format("%.2s", "abc"), "ab"},
      {Format("%p", reinterpret_cast<void*>(std::uintptr_t{0x1234ABCD})), "1234ABCD"},
      {Format("%p", static_cast<void*>(nullptr)), "00000000"},
      {Format("%p", reinterpret_cast<void*>(std::uintptr_t{0x1234ABCD5678})), "00001234ABCD5678"},
      {Format("no specifiers"), "no specifiers"},
      {Format("%d", 1, "extra ignored"), "1"},
  });
}

TEST(Format, UnformattedResourceTextsKeepTheirPlaceholders) {
  // A text with placeholders passed as an argument is not formatted again.
  EXPECT_EQ(Format("%s", "Datei %s kann nicht geöffnet werden"), "Datei %s kann nicht geöffnet werden");
}

TEST(Format, MismatchedMissingOrMalformedRaisesEConvertError) {
  const auto messageOf = [](auto call) -> std::string {
    try {
      call();
    } catch (const EConvertError& e) {
      return e.Message.str();
    }
    return "no exception";
  };
  EXPECT_EQ(messageOf([] { Format("%d", "text"); }), "Format '%d' ungültig oder nicht kompatibel mit Argument");
  EXPECT_EQ(messageOf([] { Format("%d and %d", 1); }), "Kein Argument für Format '%d and %d'");
  const std::string invalid = "ungültig oder nicht kompatibel";
  for (const auto& message : {
           messageOf([] { Format("%s", 3); }),
           messageOf([] { Format("%f", 3); }),  // an integer is no floating value
           messageOf([] { Format("%d", 3.0); }),
           messageOf([] { Format("%p", 3); }),
           messageOf([] { Format("%x", 'c'); }),
           messageOf([] { Format("%*d", "4", 2); }),
           messageOf([] { Format("%q", 1); }),
           messageOf([] { Format("ends in %", 1); }),
           messageOf([] { Format("%99999999d", 1); }),
       })
    EXPECT_NE(message.find(invalid), std::string::npos) << message;
  EXPECT_NE(messageOf([] { Format("%5:d", 1); }).find("Kein Argument"), std::string::npos);
}
