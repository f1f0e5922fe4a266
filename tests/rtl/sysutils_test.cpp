#include "sysutils.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "exceptions.h"
#include "german_locale.h"
#include "exceptobject.h"
#include "memory.h"
#include "resourcestrings.h"

TEST(SysUtilsConversions, IntegersBothWays) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-26), "-26");
  EXPECT_EQ(IntToStr(4294967295u), "4294967295");
  EXPECT_EQ(IntToStr(std::numeric_limits<Int64>::min()), "-9223372036854775808");
  EXPECT_EQ("midi" + IntToStr(19) + ".mid", "midi19.mid");
  EXPECT_EQ(StrToInt("$0000FF00"), 0xFF00);
  EXPECT_EQ(StrToInt("-12"), -12);
  EXPECT_EQ(StrToIntDef("10px", 10), 10);
  EXPECT_EQ(StrToIntDef("", 0), 0);
  try {
    StrToInt("abc");
    ADD_FAILURE() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "'abc' ist kein gültiger Integerwert");
  }
}

namespace {

using TestSupport::GermanLocale;

void ExpectFloatRoundTrips() {
  const double values[] = {0.1 + 0.2, 1.0 / 3, -2.5, 123456.789, 1e20, 1e-7, 5e-324, 1.7976931348623157e308, 100000.0, 0.0};
  for (double v : values) {
    const AnsiString text = FloatToStr(v);
    EXPECT_EQ(StrToFloat(text), v) << text.str();
  }
  EXPECT_EQ(FloatToStr(0.5), "0.5");
  EXPECT_EQ(FloatToStr(100000.0), "100000");
  EXPECT_EQ(FloatToStr(-2.5), "-2.5");
  EXPECT_EQ(FloatToStr(1e20), "1E20");
  EXPECT_EQ(FloatToStr(1e-7), "1E-7");
  EXPECT_EQ(Format("%.2f", 1.5), "1.50");
  EXPECT_THROW(StrToFloat("1,5"), EConvertError);
}

}  // namespace

TEST(SysUtilsConversions, FloatsReadBackWhatTheyWrite) {
  ExpectFloatRoundTrips();
  EXPECT_EQ(StrToFloat(" 1.5e-3 "), 0.0015);
  EXPECT_TRUE(std::isinf(StrToFloat(FloatToStr(std::numeric_limits<double>::infinity()))));
  try {
    StrToFloat("zwei");
    ADD_FAILURE() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "'zwei' ist kein gültiger Gleitkommawert");
  }
}

TEST(SysUtilsConversions, FloatsIgnoreAGermanLocale) {
  GermanLocale german;
  if (!german.active()) GTEST_SKIP() << "no German locale installed";
  ExpectFloatRoundTrips();
}

TEST(SysUtilsText, StringOfCharAndTrim) {
  EXPECT_EQ(StringOfChar('*', 80).Length(), 80);
  EXPECT_EQ(StringOfChar('*', 0), "");
  EXPECT_EQ(StringOfChar('*', -3), "");
  EXPECT_EQ(Trim("\t\r\n Sprung \x01"), "Sprung");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_TRUE(Trim(" \t ").IsEmpty());
}

TEST(SysUtilsText, CaseMapping) {
  EXPECT_EQ(UpperCase("größe äöü"), "GRößE äöü");  // ASCII only
  EXPECT_EQ(LowerCase("ÄÖÜ Abc"), "ÄÖÜ abc");
  EXPECT_EQ(AnsiUpperCase("größe äöü"), "GRÖßE ÄÖÜ");  // ß has no capital
  EXPECT_EQ(AnsiLowerCase("ÄÖÜ ABC"), "äöü abc");
  EXPECT_EQ(AnsiUpperCase("éà ÿ œ š ž"), "ÉÀ Ÿ Œ Š Ž");
  EXPECT_EQ(AnsiLowerCase("ÉÀ Ÿ Œ Š Ž"), "éà ÿ œ š ž");
  EXPECT_EQ(AnsiUpperCase("× ÷ € 漢"), "× ÷ € 漢");  // not letters, or outside the code page
  const std::string broken = "a\xC3\xC3z\xA4";
  EXPECT_EQ(AnsiUpperCase(broken).str(), "A\xC3\xC3Z\xA4");  // bytes that are no letter pass through
}

TEST(SysUtilsText, Comparisons) {
  EXPECT_EQ(CompareText("abc", "ABC"), 0);
  EXPECT_LT(CompareText("Button1", "button2"), 0);
  EXPECT_GT(CompareText("abcd", "ABC"), 0);
  EXPECT_NE(CompareText("ä", "Ä"), 0);  // ASCII only
  EXPECT_TRUE(SameText("Form1", "FORM1"));
  EXPECT_FALSE(SameText("Form1", "Form10"));

  EXPECT_EQ(AnsiCompareText("Größe", "GRÖSSE"), 1);  // ß files as "ss"; the accent decides
  EXPECT_EQ(AnsiCompareText("äpfel", "ÄPFEL"), 0);
  EXPECT_LT(AnsiCompareText("Äpfel", "Birne"), 0);
  EXPECT_LT(AnsiCompareText("Apfel", "Äpfel"), 0);
  EXPECT_GT(AnsiCompareText("Äpfel", "Apfel"), 0);
  EXPECT_LT(AnsiCompareText("Müller", "Mutter"), 0);
  EXPECT_LT(AnsiCompareText("zebra", "Zebras"), 0);
  EXPECT_TRUE(AnsiSameText("Größe", "GRÖßE"));
  EXPECT_FALSE(AnsiSameText("Apfel", "Äpfel"));
}

TEST(ResourceStrings, ClassAndComponentLibraryTexts) {
  EXPECT_EQ(LoadStr(SNoTimers), "Nicht genügend Timer verfügbar");
  EXPECT_EQ(LoadStr(65522), "Datei %s kann nicht geöffnet werden");
  EXPECT_EQ(Format(LoadStr(SListIndexError), 7), "Der Index der Liste überschreitet das Maximum (7)");
  EXPECT_EQ(LoadStr(65426), "(Unbekannt)");
  EXPECT_EQ(LoadStr(65216), "Temp path");   // first of the component library's
  EXPECT_EQ(LoadStr(65327), "&Delete Item");  // and its last
  EXPECT_EQ(LoadStr(65280), "Ne&xt >");
  EXPECT_EQ(LoadStr(65310), "Invalid owner (<>TForm) or second instance on a form");
  EXPECT_EQ(LoadStr(65251), "ramdisk");
  EXPECT_EQ(LoadStr(SColorPrefix) + "A", "FarbeA");
  EXPECT_EQ(LoadStr(65229), "");  // a gap in the table
  EXPECT_EQ(LoadStr(0), "");
  EXPECT_EQ(LoadStr(-1), "");
}

TEST(GetMem, FailureIsDetectable) {
  void* block = GetMem(8192);
  ASSERT_NE(block, nullptr);
  static_cast<char*>(block)[8191] = 1;
  FreeMem(block);
  EXPECT_EQ(GetMem(0), nullptr);
  EXPECT_EQ(GetMem(-1), nullptr);
  FreeMem(nullptr);
}

TEST(ExceptObject, IsTheExceptionBeingHandled) {
  EXPECT_EQ(ExceptObject(), nullptr);
  EXPECT_EQ(ExceptAddr(), nullptr);
  try {
    throw EConvertError("outer");
  } catch (const Exception& outer) {
    EXPECT_EQ(ExceptObject(), &outer);
    EXPECT_NE(ExceptAddr(), nullptr);
    try {
      throw EListError("inner");
    } catch (const Exception& inner) {
      EXPECT_EQ(ExceptObject(), &inner);
    }
    EXPECT_EQ(ExceptObject(), &outer);
  }
  try {
    throw std::runtime_error("not ours");
  } catch (...) {
    EXPECT_EQ(ExceptObject(), nullptr);
  }
  EXPECT_EQ(ExceptObject(), nullptr);
}
