#include "registry_file.h"

#include <gtest/gtest.h>

#include "registry.h"

namespace {

std::string Dword(std::uint32_t v) {
  std::string d;
  for (int i = 0; i < 4; ++i) d += static_cast<char>((v >> (8 * i)) & 0xFF);
  return d;
}

}  // namespace

TEST(RegistryFile, WritesKeysAndValuesInCreationOrderWithFirstSpelling) {
  RegistryHive hive;
  RegistryKey& setup = hive.CreateKey("Software\\Tallix Software\\TALLIX MORVANT II\\SETUP");
  setup.SetValue("SOUND", REG_SZ, "1");
  setup.SetValue("LEVEL", REG_DWORD, Dword(3));
  setup.SetValue("DATA", REG_BINARY, std::string("\x01\x02\xff", 3));
  hive.CreateKey("software\\TALLIX SOFTWARE\\tallix morvant ii\\STAT\\");  // other spelling, trailing '\'
  hive.CreateKey("\\Software\\Tallix Software\\TALLIX MORVANT II\\SETUP").SetValue("sound", REG_SZ, "0");
  hive.CreateKey("Leer");
  RegistryKey& text = hive.CreateKey("Software\\Größe");
  text.SetValue("Pfad", REG_SZ, "C:\\Spiele\\\"x\"\nzweite");
  text.SetValue("", REG_SZ, "Vorgabe");
  text.SetValue("@", REG_DWORD, Dword(0xDEADBEEF));

  EXPECT_EQ(WriteRegistryText(hive),
            "[Software]\n"
            "[Software\\Tallix Software]\n"
            "[Software\\Tallix Software\\TALLIX MORVANT II]\n"
            "[Software\\Tallix Software\\TALLIX MORVANT II\\SETUP]\n"
            "\"SOUND\"=\"0\"\n"
            "\"LEVEL\"=dword:00000003\n"
            "\"DATA\"=hex:01,02,ff\n"
            "[Software\\Tallix Software\\TALLIX MORVANT II\\STAT]\n"
            "[Leer]\n"
            "[Software\\Größe]\n"
            "\"Pfad\"=\"C:\\\\Spiele\\\\\\\"x\\\"\\nzweite\"\n"
            "@=\"Vorgabe\"\n"
            "\"@\"=dword:deadbeef\n");
  const RegistryParseResult back = ParseRegistryText(WriteRegistryText(hive));
  EXPECT_EQ(back.DamagedLines, 0);
  EXPECT_EQ(back.Hive, hive);
}

TEST(RegistryFile, ReadsWhatHandsAndOtherToolsWrite) {
  const RegistryParseResult r = ParseRegistryText(
      "; settings\r\n"
      "\r\n"
      "[A\\B]\r\n"
      "  ; indented comment\r\n"
      "\"N\"=dword:0000ABCD\r\n"
      "\"H\"=hex:0A,Ff\r\n"
      "\"E\"=hex:\r\n"
      "\"N\"=dword:00000001\r\n"  // a repeated name: the later line wins, in the earlier place
      "[a]\r\n"
      "\"x\"=\"\"");              // no final line end
  EXPECT_EQ(r.DamagedLines, 0);
  ASSERT_EQ(r.Hive.Keys().size(), 2u);
  // The ancestor A is made before A\B; the later [a] is that same key.
  EXPECT_EQ(r.Hive.Keys()[0].Path, "A");
  EXPECT_EQ(r.Hive.Keys()[1].Path, "A\\B");
  ASSERT_NE(r.Hive.FindKey("a\\b"), nullptr);
  const RegistryKey& ab = *r.Hive.FindKey("a\\b");
  ASSERT_EQ(ab.Values.size(), 3u);
  EXPECT_EQ(ab.Values[0], (RegistryValue{"N", REG_DWORD, Dword(1)}));
  EXPECT_EQ(ab.Values[1], (RegistryValue{"H", REG_BINARY, "\x0a\xff"}));
  EXPECT_EQ(ab.Values[2], (RegistryValue{"E", REG_BINARY, ""}));
  EXPECT_EQ(r.Hive.FindKey("A")->Values[0], (RegistryValue{"x", REG_SZ, ""}));
}

TEST(RegistryFile, DamagedLinesAreCountedAndSkipped) {
  struct Case {
    const char* line;
  } cases[] = {
      {"\"n\"=dword:123"},         {"\"n\"=dword:0000000g"}, {"\"n\"=hex:1,2"},    {"\"n\"=hex:01,"},
      {"\"n\"=\"open"},            {"\"n\"=\"a\\tb\""},      {"\"n\"=\"a\" "},     {"\"n\"=42"},
      {"n=\"a\""},                 {"\"n\"\"a\""},           {"[unclosed"},        {"garbage"},
      {"\"n\"=dword:000000001"},   {"\"n\"=str:\"a\""},
  };
  for (const Case& c : cases) {
    const std::string text = std::string("[K]\n\"before\"=\"1\"\n") + c.line + "\n\"after\"=\"2\"\n";
    const RegistryParseResult r = ParseRegistryText(text);
    SCOPED_TRACE(c.line);
    const RegistryKey* k = r.Hive.FindKey("K");
    ASSERT_NE(k, nullptr);
    EXPECT_NE(k->FindValue("before"), nullptr);
    if (c.line[0] == '[') {
      // Values below a broken key line belong to no key we could name.
      EXPECT_EQ(r.DamagedLines, 2);
      EXPECT_EQ(k->FindValue("after"), nullptr);
    } else {
      EXPECT_EQ(r.DamagedLines, 1);
      EXPECT_NE(k->FindValue("after"), nullptr);
    }
  }
  EXPECT_EQ(ParseRegistryText("\"orphan\"=\"1\"\n").DamagedLines, 1);
}

TEST(RegistryFile, TextThatIsNotUtf8IsWindows1252) {
  const RegistryParseResult r = ParseRegistryText("[Gr\xF6\xDF" "e]\n\"\xC4\"=\"\x80\"\n");
  EXPECT_EQ(r.DamagedLines, 0);
  const RegistryKey* k = r.Hive.FindKey("Größe");
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->Values[0], (RegistryValue{"Ä", REG_SZ, "€"}));
}

TEST(RegistryFile, NamesCompareWithoutCaseIncludingUmlauts) {
  RegistryHive hive;
  hive.CreateKey("Größe\\ÄRGER").SetValue("Übel", REG_SZ, "1");
  EXPECT_EQ(hive.FindKey("GRÖSSE\\ärger"), nullptr);  // ß is not SS
  ASSERT_NE(hive.FindKey("GRÖßE\\ärger"), nullptr);
  EXPECT_NE(hive.FindKey("größe\\Ärger")->FindValue("üBEL"), nullptr);
  EXPECT_EQ(hive.FindKey("Grosse"), nullptr);
}

TEST(RegistryFile, SubkeysAndTreeDeletion) {
  RegistryHive hive;
  hive.CreateKey("A\\B\\C");
  hive.CreateKey("A\\D");
  hive.CreateKey("AB");  // shares a prefix with A but is not below it
  EXPECT_EQ(hive.SubKeyNames(""), (std::vector<std::string>{"A", "AB"}));
  EXPECT_EQ(hive.SubKeyNames("a"), (std::vector<std::string>{"B", "D"}));
  EXPECT_TRUE(hive.DeleteTree("a\\b"));
  EXPECT_EQ(hive.FindKey("A\\B\\C"), nullptr);
  EXPECT_FALSE(hive.DeleteTree("A\\B"));
  EXPECT_TRUE(hive.DeleteTree("A"));
  ASSERT_EQ(hive.Keys().size(), 1u);
  EXPECT_EQ(hive.Keys()[0].Path, "AB");
}
