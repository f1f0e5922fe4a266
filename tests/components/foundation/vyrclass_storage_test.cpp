#include <gtest/gtest.h>

#include <memory>

#include "foundation2_fixture.h"
#include "font_class.h"
#include "german_locale.h"
#include "inifiles.h"
#include "tregistry.h"
#include "tstrings.h"

namespace {

using namespace Vyrclass;

// A store of its own per test: the registry under the application's default
// path (in the test's configuration folder), or an ini file there.
class SettingsStorage : public ApplicationObjectTest {
 protected:
  SettingsStorage() {
    Application->SetTitle("TALLIX MORVANT II");
    VyrApplication->SetCompanyName("Tallix Software");
    ini.reset(TObject::Create<TVyrIniCtrl>(nullptr));
  }

  // The settings file of the ini target, in a folder of the test's own.
  AnsiString UseIniFile() {
    const AnsiString name = AnsiString(app.program_folder().c_str()) + "/settings.ini";
    ini->SetTarget(TVyrIniTarget::itIniFile);
    ini->SetIniPrefix(Vyrprocs::TVyrPathPrefix::ppFixed);
    ini->SetIniFile(name);
    return name;
  }

  static TStringList Lines(int count) {
    TStringList lines;
    for (int i = 0; i < count; ++i) lines.Add("line " + IntToStr(i));
    return lines;
  }

  TOwnedObject<TVyrIniCtrl> ini;
};

TEST_F(SettingsStorage, AutoTargetReadsFromTheDefaultRegistryPathAndCreatesIt) {
  EXPECT_EQ(ini->GetTarget(), TVyrIniTarget::itAuto);
  EXPECT_EQ(ini->ReadInteger("Main", "X", 5), 5);
  TRegistry registry;
  EXPECT_TRUE(registry.OpenKeyReadOnly("Software\\Tallix Software\\TALLIX MORVANT II")) << "created by the read";

  ini->WriteInteger("Main", "X", 7);
  TRegIniFile check("Software\\Tallix Software\\TALLIX MORVANT II");
  EXPECT_EQ(check.ReadInteger("Main", "X", 0), 7);
  EXPECT_EQ(ini->ReadInteger("Main", "X", 5), 7);
}

TEST_F(SettingsStorage, RootSectionWritesIntoThePathsKey) {
  ini->SetRegPath("Software\\Probe");
  ini->WriteString("#ROOT", "Direct", "yes");
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKeyReadOnly("Software\\Probe"));
  EXPECT_EQ(registry.ReadString("Direct"), "yes");
}

TEST_F(SettingsStorage, PerUserSectionsOfTheIniFile) {
  const AnsiString name = UseIniFile();
  ini->SetCommon(false);
  ini->SetUser("U");
  ini->WriteString("Opt", "A", "1");
  ini->WriteString("", "B", "2");
  EXPECT_EQ(ini->GetLastSection(), "Opt.U");
  TIniFile file(name);
  EXPECT_EQ(file.ReadString("Opt.U", "A", ""), "1");
  EXPECT_EQ(file.ReadString("Opt.U", "B", ""), "2") << "a blank section is the last one";
  EXPECT_FALSE(file.SectionExists("Opt"));
}

TEST_F(SettingsStorage, FirstBlankSectionIsCommon) {
  const AnsiString name = UseIniFile();
  ini->WriteString("", "A", "1");
  EXPECT_EQ(TIniFile(name).ReadString("Common", "A", ""), "1");
}

TEST_F(SettingsStorage, StringListsEraseTheirSectionAndStopAtTheFirstGap) {
  const AnsiString name = UseIniFile();
  ini->WriteString("List", "Unrelated", "gone");
  TStringList twenty = Lines(20);
  ini->WriteStrings("List", "Ident", &twenty);
  TIniFile file(name);
  TStringList idents;
  file.ReadSection("List", &idents);
  ASSERT_EQ(idents.GetCount(), 16) << "MaxEntries 16, and nothing else kept";
  EXPECT_EQ(idents.GetStrings(0), "Ident0");
  EXPECT_EQ(idents.GetStrings(15), "Ident15");

  TStringList back;
  ini->ReadStrings("List", "Ident", &back);
  EXPECT_EQ(back.GetCount(), 16);
  EXPECT_EQ(back.GetStrings(15), "line 15");

  file.DeleteKey("List", "Ident3");
  ini->ReadStrings("List", "Ident", &back);
  EXPECT_EQ(back.GetCount(), 3);
}

TEST_F(SettingsStorage, AlphaCounterNamesEntriesByLetter) {
  UseIniFile();
  ini->SetMaxEntries(30);
  ini->SetAlphaCounter(true);
  EXPECT_EQ(ini->GetMaxEntries(), 26) << "cut to the letters";
  ini->SetMaxEntries(30);
  EXPECT_EQ(ini->GetMaxEntries(), 26) << "refused";
  TStringList lines = Lines(26);
  ini->WriteStrings("Alpha", "Ident", &lines);
  EXPECT_EQ(ini->ReadString("Alpha", "IdentA", ""), "line 0");
  EXPECT_EQ(ini->ReadString("Alpha", "IdentZ", ""), "line 25");
}

TEST_F(SettingsStorage, TypedValuesUseOneFormatWhateverTheLocale) {
  const AnsiString name = UseIniFile();
  const auto expectFormats = [&] {
    ini->WriteFloat("Typed", "F", 1.5);
    EXPECT_EQ(TIniFile(name).ReadString("Typed", "F", ""), "1.5");
    EXPECT_EQ(ini->ReadFloat("Typed", "F", 0), 1.5);
    ini->WriteDate("Typed", "D", EncodeDate(2026, 12, 11));
    EXPECT_EQ(TIniFile(name).ReadString("Typed", "D", ""), "11.12.2026");
    ini->WriteTime("Typed", "T", EncodeTime(9, 5, 7, 0));
    EXPECT_EQ(TIniFile(name).ReadString("Typed", "T", ""), "09:05:07");
    EXPECT_EQ(ini->ReadTime("Typed", "T", 0), EncodeTime(9, 5, 7, 0));
  };
  expectFormats();
  TestSupport::GermanLocale german;
  if (!german.active()) GTEST_SKIP() << "no German locale installed";
  expectFormats();
}

TEST_F(SettingsStorage, ConversionErrorsReachTheCaller) {
  UseIniFile();
  ini->WriteString("Typed", "F", "abc");
  EXPECT_THROW(ini->ReadFloat("Typed", "F", 0), EConvertError);
  EXPECT_EQ(ini->ReadFloat("Typed", "Missing", 2.25), 2.25) << "the default through its own text";
  ini->WriteColor("Typed", "C", clBtnFace);
  EXPECT_EQ(ini->ReadString("Typed", "C", ""), "clBtnFace");
  EXPECT_EQ(ini->ReadColor("Typed", "C", clBlack), clBtnFace);
}

TEST_F(SettingsStorage, FontsPointsAndRectsGoThroughTheirTexts) {
  UseIniFile();
  TFont font;
  font.SetName("Arial");
  font.SetSize(12);
  EXPECT_FALSE(ini->ReadFont("Look", "Font", &font)) << "nothing stored";
  EXPECT_EQ(font.GetSize(), 12);
  ini->WriteFont("Look", "Font", &font);
  TFont back;
  EXPECT_TRUE(ini->ReadFont("Look", "Font", &back));
  EXPECT_EQ(back.GetName(), "Arial");
  EXPECT_EQ(back.GetSize(), 12);
  ini->WritePoint("Look", "At", TPoint(12, -3));
  EXPECT_EQ(ini->ReadPoint("Look", "At", TPoint(0, 0)), TPoint(12, -3));
  EXPECT_EQ(ini->ReadPoint("Look", "Missing", TPoint(4, 5)), TPoint(4, 5));
  ini->WriteRect("Look", "Box", TRect(1, 2, 3, 4));
  EXPECT_EQ(ini->ReadRect("Look", "Box", TRect()), TRect(1, 2, 3, 4));
}

TEST_F(SettingsStorage, ColorListsUseTheSectionAsNamed) {
  UseIniFile();
  ini->SetCommon(false);
  ini->SetUser("U");
  TStringList colors;
  colors.Add("ColorA=FFFFFF");
  colors.Add("no equals sign");
  colors.Add("ColorB=00FF00");
  ini->WriteColorList("Colors", &colors);
  TStringList back;
  ini->ReadColorList("Colors", &back);
  ASSERT_EQ(back.GetCount(), 2);
  EXPECT_EQ(back.GetValues("ColorB"), "00FF00");
}

TEST_F(SettingsStorage, IniFileNamesGetAnExtension) {
  ini->SetIniFile("custom");
  EXPECT_EQ(ini->GetIniFile(), "custom.INI");
  ini->SetIniFile("custom.cfg");
  EXPECT_EQ(ini->GetIniFile(), "custom.cfg");
  EXPECT_EQ(VyrGetRootKey(TVyrRegRootKey::rpLocalMachine), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(VyrGetRootKey(static_cast<TVyrRegRootKey>(9)), nullptr);
}

}  // namespace
