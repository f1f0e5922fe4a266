#include "registry_file.h"

#include <stdexcept>

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
      // Values below a broken key line belong to no key we could name, but
      // they stay in the file as they stood.
      EXPECT_EQ(r.DamagedLines, 2);
      EXPECT_EQ(k->FindValue("after"), nullptr);
      EXPECT_NE(WriteRegistryText(r.Hive).find(std::string(c.line) + "\n\"after\"=\"2\"\n"), std::string::npos);
    } else {
      EXPECT_EQ(r.DamagedLines, 1);
      EXPECT_NE(k->FindValue("after"), nullptr);
    }
  }
  EXPECT_EQ(ParseRegistryText("\"orphan\"=\"1\"\n").DamagedLines, 1);
}

std::string DeepPath(std::size_t depth) {
  std::string path = "D";
  for (std::size_t i = 1; i < depth; ++i) path += "\\D";
  return path;
}

TEST(RegistryFile, DamagedKeyLinesAndWhatStandsBelowThemAreWrittenBackAsTheyStood) {
  const std::string deep = DeepPath(kMaxRegistryKeyDepth + 88);
  const struct Case {
    const char* what;
    std::string text;
    std::vector<const char*> readable;    // keys holding a value "M1"
    std::vector<const char*> unreadable;  // keys not loaded
  } cases[] = {
      {"an unclosed key line between scores",
       "[S]\n[S\\SCORE1]\n\"M1\"=dword:00000005\n[S\\SCORE2\n\"M1\"=dword:00000007\n\"G1\"=\"1\"\n"
       "[S\\SCORE3]\n\"M1\"=dword:00000009\n",
       {"S\\SCORE1", "S\\SCORE3"},
       {"S\\SCORE2"}},
      {"two of them in a row",
       "[S]\n[S\\SCORE1]\n\"M1\"=dword:00000005\n[S\\SCORE2\n\"M1\"=dword:00000007\n[S\\SCORE3\n\"M1\"=dword:00000008\n"
       "[S\\SCORE4]\n\"M1\"=dword:00000009\n",
       {"S\\SCORE1", "S\\SCORE4"},
       {"S\\SCORE2", "S\\SCORE3"}},
      {"a key deeper than the limit",
       "[A]\n\"M1\"=\"1\"\n[" + deep + "]\n\"M1\"=\"2\"\n[B]\n\"M1\"=\"3\"\n",
       {"A", "B"},
       {"D"}},
      {"value lines before any key", "\"M1\"=\"1\"\n[K]\n\"M1\"=\"2\"\n", {"K"}, {""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const RegistryParseResult r = ParseRegistryText(c.text);
    EXPECT_GT(r.DamagedLines, 0);
    for (const char* path : c.readable) {
      const RegistryKey* k = r.Hive.FindKey(path);
      ASSERT_NE(k, nullptr) << path;
      EXPECT_NE(k->FindValue("M1"), nullptr) << path;
    }
    for (const char* path : c.unreadable) EXPECT_EQ(r.Hive.FindKey(path), nullptr) << path;
    // Written back unchanged, and reading that again finds the same.
    EXPECT_EQ(WriteRegistryText(r.Hive), c.text);
    EXPECT_EQ(ParseRegistryText(WriteRegistryText(r.Hive)).Hive, r.Hive);
  }
}

TEST(RegistryFile, KeysDownToTheDepthLimitAreMadeDeeperOnesRefused) {
  const RegistryParseResult r = ParseRegistryText("[" + DeepPath(kMaxRegistryKeyDepth) + "]\n");
  EXPECT_EQ(r.DamagedLines, 0);
  EXPECT_EQ(r.Hive.Keys().size(), kMaxRegistryKeyDepth);
  RegistryHive hive;
  EXPECT_THROW(hive.CreateKey(DeepPath(kMaxRegistryKeyDepth + 1)), std::length_error);
  EXPECT_TRUE(hive.Keys().empty());
}

TEST(RegistryFile, DeletingKeysAndValuesKeepsTheRestFoundAndTheDamagedLines) {
  RegistryParseResult r = ParseRegistryText("[A]\n[B]\n\"a\"=\"1\"\n\"b\"=\"2\"\n\"c\"=\"3\"\n[B\\C\n\"x\"=\"1\"\n[E]\n");
  RegistryKey& b = *r.Hive.FindKey("b");
  EXPECT_TRUE(b.DeleteValue("A"));
  ASSERT_NE(b.FindValue("C"), nullptr);
  EXPECT_EQ(b.FindValue("C")->Data, "3");
  b.SetValue("a", REG_SZ, "4");  // now last
  EXPECT_EQ(b.Values.back().Data, "4");
  b.ClearValues();
  EXPECT_EQ(b.FindValue("c"), nullptr);
  b.SetValue("c", REG_SZ, "5");
  EXPECT_EQ(b.FindValue("C")->Data, "5");
  EXPECT_TRUE(r.Hive.DeleteTree("B"));
  ASSERT_NE(r.Hive.FindKey("e"), nullptr);
  EXPECT_EQ(WriteRegistryText(r.Hive), "[A]\n[B\\C\n\"x\"=\"1\"\n[E]\n");
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
