// TRegistry, TRegIniFile and TRegistryIniFile over a temporary user.reg.
#include "tregistry.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "../rtl/temp_config_home.h"
#include "registry_store.h"
#include "tstrings.h"

namespace {

constexpr const char* kGameKey = "Software\\Tallix Software\\TALLIX MORVANT II";

// What a value holds before an operation: nothing, a number, a text, bytes.
struct Stored {
  DWORD Type = REG_NONE;
  std::string Data;
};
Stored Missing() { return {}; }
Stored Number(std::int32_t v) { return {REG_DWORD, std::string(reinterpret_cast<const char*>(&v), 4)}; }
Stored Text(const char* s) { return {REG_SZ, s}; }
Stored Bytes(const char* s) { return {REG_BINARY, s}; }

class RegistryClassesTest : public TempConfigHome {
 protected:
  void Put(const char* section, const char* ident, const Stored& v) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(AnsiString("\\") + kGameKey + "\\" + section, true));
    if (v.Type == REG_NONE) return;
    HKEY key = reg.GetCurrentKey();
    ASSERT_EQ(RegSetValueEx(key, ident, 0, v.Type, reinterpret_cast<const BYTE*>(v.Data.data()),
                            static_cast<DWORD>(v.Data.size() + (v.Type == REG_SZ ? 1 : 0))),
              static_cast<LSTATUS>(ERROR_SUCCESS));
  }
  Stored Get(const char* section, const char* ident) {
    const auto hive = RegistryStore::ReadUser();
    const RegistryKey* key = hive->FindKey(std::string(kGameKey) + "\\" + section);
    const RegistryValue* v = key ? key->FindValue(ident) : nullptr;
    return v ? Stored{v->Type, v->Data} : Stored{};
  }
};

}  // namespace

TEST_F(RegistryClassesTest, IniReadConversions) {
  const struct {
    Stored prior;
    int defaultValue;
    int integer;        // ReadInteger
    bool boolean;       // ReadBool with default (defaultValue != 0)
  } cases[] = {
      {Missing(), 9999, 9999, true},
      {Number(7), 0, 7, true},
      {Number(0), 1, 0, false},
      {Number(-3), 0, -3, true},
      {Text("42"), 0, 42, true},
      {Text("$10"), 0, 16, true},
      {Text("1"), 0, 1, true},
      {Text("0"), 1, 0, false},
      {Text("abc"), 5, 5, true},
      {Text("true"), 0, 0, false},  // not a number: the default
      {Text(""), 8, 8, true},
      {Text("99999999999"), 4, 4, true},
      {Bytes("\x01\x02"), 6, 6, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.prior.Type << " '" << c.prior.Data << "'");
    TearDown();
    SetUp();
    Put("SETUP", "V", c.prior);
    TRegistryIniFile ini(kGameKey);
    EXPECT_EQ(ini.ReadInteger("SETUP", "V", c.defaultValue), c.integer);
    EXPECT_EQ(ini.ReadBool("SETUP", "v", c.defaultValue != 0), c.boolean);
  }
}

TEST_F(RegistryClassesTest, IniWriteConversions) {
  enum Op { WriteInt5, WriteTrue, WriteFalse, WriteText };
  const struct {
    Stored prior;
    Op op;
    Stored after;
  } cases[] = {
      {Missing(), WriteInt5, Number(5)},
      {Number(1), WriteInt5, Number(5)},
      {Text("12"), WriteInt5, Text("5")},  // an existing string stays a string
      {Text("x"), WriteInt5, Text("5")},
      {Bytes("ab"), WriteInt5, Number(5)},
      {Missing(), WriteTrue, Text("1")},
      {Missing(), WriteFalse, Text("0")},
      {Number(1), WriteFalse, Text("0")},
      {Number(3), WriteText, Text("Größe")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "op " << c.op << " over type " << c.prior.Type);
    TearDown();
    SetUp();
    Put("STAT", "V", c.prior);
    {
      TRegistryIniFile ini(kGameKey);
      switch (c.op) {
        case WriteInt5: ini.WriteInteger("STAT", "V", 5); break;
        case WriteTrue: ini.WriteBool("STAT", "V", true); break;
        case WriteFalse: ini.WriteBool("STAT", "V", false); break;
        case WriteText: ini.WriteString("STAT", "V", "Größe"); break;
      }
    }
    const Stored after = Get("STAT", "V");
    EXPECT_EQ(after.Type, c.after.Type);
    EXPECT_EQ(after.Data, c.after.Data);
  }
}

TEST_F(RegistryClassesTest, TheGamesWritesGiveThisFile) {
  {
    TRegistryIniFile ini(kGameKey);
    ini.WriteBool("SETUP", "SOUND", true);
    ini.WriteInteger("SETUP", "LEVEL", 3);
    ini.WriteBool("SCORE0", "G1", true);
    ini.WriteInteger("SCORE0", "M1", 42);
    ini.WriteInteger("setup", "level", 4);  // same value, first spelling kept
    EXPECT_EQ(ini.ReadInteger("STAT", "ZUEGE", 0), 0);  // reads create no section
  }
  EXPECT_EQ(Slurp(UserReg()),
            "[Software]\n"
            "[Software\\Tallix Software]\n"
            "[Software\\Tallix Software\\TALLIX MORVANT II]\n"
            "[Software\\Tallix Software\\TALLIX MORVANT II\\SETUP]\n"
            "\"SOUND\"=\"1\"\n"
            "\"LEVEL\"=dword:00000004\n"
            "[Software\\Tallix Software\\TALLIX MORVANT II\\SCORE0]\n"
            "\"G1\"=\"1\"\n"
            "\"M1\"=dword:0000002a\n");
}

TEST_F(RegistryClassesTest, SectionsAreSubkeys) {
  TRegIniFile ini(kGameKey);
  ini.WriteString("Farben", "ColorA", "FFFFFF");
  ini.WriteInteger("Farben", "ColorB", 255);
  ini.WriteString("", "Direkt", "im Schlüssel");
  ini.WriteString("Leer", "x", "1");
  ini.DeleteKey("Leer", "x");

  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(list.GetCommaText(), "Farben,Leer");
  ini.ReadSection("farben", &list);
  EXPECT_EQ(list.GetCommaText(), "ColorA,ColorB");
  ini.ReadSectionValues("Farben", &list);
  EXPECT_EQ(list.GetCommaText(), "ColorA=FFFFFF,ColorB=255");
  EXPECT_EQ(ini.ReadString("", "direkt", "-"), "im Schlüssel");
  EXPECT_EQ(ini.ReadString("Farben", "ColorB", "-"), "255");
  EXPECT_TRUE(ini.ValueExists("Farben", "colora"));
  EXPECT_FALSE(ini.ValueExists("Nirgends", "colora"));
  ini.ReadSection("Nirgends", &list);
  EXPECT_EQ(list.GetCount(), 0);

  ini.EraseSection("Farben");
  ini.ReadSections(&list);
  EXPECT_EQ(list.GetCommaText(), "Leer");
  EXPECT_EQ(ini.ReadString("Farben", "ColorA", "weg"), "weg");
  ini.EraseSection("");  // the key itself: emptied, kept
  ini.ReadSections(&list);
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(ini.ReadString("", "Direkt", "weg"), "weg");
  EXPECT_TRUE(ini.KeyExists(AnsiString("\\") + kGameKey));
}

TEST_F(RegistryClassesTest, TRegistryKeysAndTypes) {
  TRegistry reg;
  EXPECT_EQ(reg.GetRootKey(), HKEY_CURRENT_USER);
  EXPECT_FALSE(reg.OpenKey("Software\\Neu", false));
  ASSERT_TRUE(reg.OpenKey("Software\\Neu", true));
  EXPECT_EQ(reg.GetCurrentPath(), "Software\\Neu");
  ASSERT_TRUE(reg.OpenKey("Unter", true));  // relative to the current key
  EXPECT_EQ(reg.GetCurrentPath(), "Software\\Neu\\Unter");
  ASSERT_TRUE(reg.OpenKey("\\Software\\Neu", false));  // from the root
  EXPECT_EQ(reg.GetCurrentPath(), "Software\\Neu");
  EXPECT_TRUE(reg.HasSubKeys());
  EXPECT_TRUE(reg.KeyExists("unter"));

  reg.WriteString("S", "Text");
  reg.WriteInteger("I", -5);
  reg.WriteBool("B", true);
  reg.WriteFloat("F", 0.1);
  const BYTE bytes[3] = {1, 2, 255};
  reg.WriteBinaryData("D", bytes, 3);
  EXPECT_EQ(reg.ReadString("s"), "Text");
  EXPECT_EQ(reg.ReadInteger("I"), -5);
  EXPECT_TRUE(reg.ReadBool("B"));
  EXPECT_EQ(reg.ReadFloat("F"), 0.1);
  BYTE back[3] = {};
  EXPECT_EQ(reg.ReadBinaryData("D", back, 3), 3);
  EXPECT_EQ(back[2], 255);
  EXPECT_EQ(reg.GetDataType("S"), rdString);
  EXPECT_EQ(reg.GetDataType("I"), rdInteger);
  EXPECT_EQ(reg.GetDataType("D"), rdBinary);
  EXPECT_EQ(reg.GetDataType("none"), rdUnknown);
  EXPECT_EQ(reg.GetDataSize("S"), 5);
  EXPECT_EQ(reg.GetDataSize("none"), -1);
  EXPECT_EQ(reg.ReadString("none"), "");

  EXPECT_THROW(reg.ReadInteger("S"), ERegistryException);
  EXPECT_THROW(reg.ReadString("I"), ERegistryException);
  EXPECT_THROW(reg.ReadFloat("D"), ERegistryException);
  EXPECT_THROW(reg.ReadInteger("none"), ERegistryException);
  BYTE tooSmall[2];
  EXPECT_THROW(reg.ReadBinaryData("D", tooSmall, 2), ERegistryException);

  TStringList names;
  reg.GetValueNames(&names);
  EXPECT_EQ(names.GetCommaText(), "S,I,B,F,D");
  EXPECT_TRUE(reg.DeleteValue("S"));
  EXPECT_FALSE(reg.ValueExists("S"));
  EXPECT_TRUE(reg.DeleteKey("\\Software\\Neu"));
  EXPECT_FALSE(reg.KeyExists("\\Software\\Neu\\Unter"));
}

TEST_F(RegistryClassesTest, ReadOnlyRootsRaiseOnWrite) {
  RegistryHive machine;
  machine.CreateKey("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion").SetValue("RegisteredOwner", REG_SZ, "Eva");
  RegistryStore::SetMachineForTesting(machine);
  {
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.OpenKey("\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", false));  // all access
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"));
    EXPECT_EQ(reg.ReadString("RegisteredOwner"), "Eva");
    EXPECT_THROW(reg.WriteString("RegisteredOwner", "Max"), ERegistryException);
    EXPECT_THROW(reg.CreateKey("\\SOFTWARE\\Neu"), ERegistryException);
  }
  {
    // The ini view of an existing read-only key reads, and raises on write.
    TRegIniFile ini("x");
    ini.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(ini.OpenKeyReadOnly("SOFTWARE\\Microsoft"));
    EXPECT_EQ(ini.ReadString("Windows NT\\CurrentVersion", "RegisteredOwner", ""), "Eva");
    EXPECT_THROW(ini.WriteString("Windows NT", "x", "1"), ERegistryException);
  }
  RegistryStore::SetMachineForTesting(RegistryHive());
}
