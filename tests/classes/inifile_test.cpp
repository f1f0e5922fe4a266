#include "inifiles.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "../rtl/temp_config_home.h"
#include "initext.h"
#include "tstrings.h"

namespace {

class IniFileTest : public TempConfigHome {
 protected:
  std::string Path() const { return Home() + "/SPIEL.INI"; }
};

}  // namespace

TEST_F(IniFileTest, RoundTripsOfEveryType) {
  {
    TIniFile ini(Path());
    EXPECT_EQ(ini.ReadString("Allgemein", "Name", "keiner"), "keiner");
    EXPECT_FALSE(std::filesystem::exists(Path()));  // reads never create the file
    ini.WriteString("Allgemein", "Name", "Jürgen Größe");
    ini.WriteInteger("Allgemein", "Zahl", -17);
    ini.WriteBool("Allgemein", "An", true);
    ini.WriteFloat("Allgemein", "Faktor", 2.5);
    ini.WriteString("Über", "Wert", "äöü ÄÖÜ ß €");
  }
  TIniFile ini(Path());
  EXPECT_EQ(ini.ReadString("ALLGEMEIN", "name", ""), "Jürgen Größe");
  EXPECT_EQ(ini.ReadInteger("Allgemein", "Zahl", 0), -17);
  EXPECT_TRUE(ini.ReadBool("Allgemein", "An", false));
  EXPECT_EQ(ini.ReadFloat("Allgemein", "Faktor", 0), 2.5);
  EXPECT_EQ(ini.ReadString("über", "WERT", ""), "äöü ÄÖÜ ß €");
  EXPECT_EQ(ini.ReadInteger("Allgemein", "Name", 3), 3);  // not a number
  EXPECT_EQ(ini.ReadFloat("Allgemein", "Name", 1.5), 1.5);
  EXPECT_TRUE(ini.ValueExists("allgemein", "FAKTOR"));
  EXPECT_TRUE(ini.SectionExists("Über"));
  EXPECT_EQ(Slurp(Path()),
            "[Allgemein]\nName=Jürgen Größe\nZahl=-17\nAn=1\nFaktor=2.5\n"
            "[Über]\nWert=äöü ÄÖÜ ß €\n");
}

TEST_F(IniFileTest, ListsAndRemoval) {
  Spill(Path(),
        "; Kopf\r\n"
        "[Farben]\r\n"
        "ColorA = FFFFFF\r\n"
        "; zwischen\r\n"
        "ColorB=00FF00\r\n"
        "\r\n"
        "[Andere]\r\n"
        "x=1\r\n"
        "[farben]\r\n"
        "ColorC=spät\r\n");  // a repeated section: the first counts
  TIniFile ini(Path());
  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(list.GetCommaText(), "Farben,Andere");
  ini.ReadSection("FARBEN", &list);
  EXPECT_EQ(list.GetCommaText(), "ColorA,ColorB");
  ini.ReadSectionValues("Farben", &list);
  EXPECT_EQ(list.GetCommaText(), "ColorA=FFFFFF,ColorB=00FF00");

  ini.WriteString("Farben", "ColorD", "0000FF");  // after the section's last entry
  ini.DeleteKey("Andere", "x");
  EXPECT_EQ(Slurp(Path()),
            "; Kopf\r\n"
            "[Farben]\r\n"
            "ColorA = FFFFFF\r\n"
            "; zwischen\r\n"
            "ColorB=00FF00\r\n"
            "ColorD=0000FF\r\n"
            "\r\n"
            "[Andere]\r\n"
            "[farben]\r\n"
            "ColorC=spät\r\n");
  ini.EraseSection("Farben");
  EXPECT_EQ(Slurp(Path()), "; Kopf\r\n[Andere]\r\n");
}

TEST_F(IniFileTest, AFileInWindows1252IsReadAndRewrittenAsUtf8) {
  Spill(Path(), "[Gr\xF6\xDF" "e]\nName=M\xFCller\n");
  TIniFile ini(Path());
  EXPECT_EQ(ini.ReadString("Größe", "Name", ""), "Müller");
  ini.WriteString("Größe", "Ort", "Köln");
  EXPECT_EQ(Slurp(Path()), "[Größe]\nName=Müller\nOrt=Köln\n");
}

TEST_F(IniFileTest, WhatTheFileCannotHoldRaises) {
  TIniFile ini(Path());
  EXPECT_THROW(ini.WriteString("A", "B", "zwei\nZeilen"), EIniFileException);
  EXPECT_THROW(ini.WriteString("A", "x=y", "1"), EIniFileException);
  EXPECT_THROW(ini.WriteString("A]", "x", "1"), EIniFileException);
  EXPECT_THROW(ini.WriteString("A", "", "1"), EIniFileException);
  EXPECT_THROW(ini.WriteString("A", ";x", "1"), EIniFileException);
  EXPECT_FALSE(std::filesystem::exists(Path()));
  TIniFile nowhere(Home() + "/no/such/folder/x.ini");
  EXPECT_THROW(nowhere.WriteString("A", "B", "1"), EIniFileException);
}

TEST(IniText, KeepsUnknownLinesAndFindsFirstMatches) {
  IniText ini("garbage\n=nameless\n[S]\nk=1\nK=2\n[ t ]\n");
  ASSERT_NE(ini.Find("s", "K"), nullptr);
  EXPECT_EQ(*ini.Find("s", "K"), "1");
  EXPECT_EQ(ini.Find("", "garbage"), nullptr);
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"S", "t"}));
  ini.Set("T", "neu", " mit Rand ");
  ini.Set("Z", "a", "b");
  EXPECT_EQ(ini.Text(), "garbage\n=nameless\n[S]\nk=1\nK=2\n[ t ]\nneu=mit Rand\n[Z]\na=b\n");
  EXPECT_TRUE(ini.DeleteKey("S", "k"));  // both spellings
  EXPECT_EQ(ini.Find("S", "k"), nullptr);
}
