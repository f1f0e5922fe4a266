#include <string>
#include <vector>

#include "clock.h"
#include "foundation_fixture.h"
#include "menu.h"
#include "paths.h"
#include "sysmenu.h"
#include "vyrprocs.h"

using namespace Vyrprocs;

TEST(VyrprocsFields, CountsReadsAndSetsSeparatedFields) {
  EXPECT_EQ(VyrGetCodedCount("", ';'), 0);
  EXPECT_EQ(VyrGetCodedCount("a", ';'), 1);
  EXPECT_EQ(VyrGetCodedCount("a;;b", ';'), 3);
  EXPECT_EQ(VyrGetCodedString("a;;b", ';', 2), "b");
  EXPECT_EQ(VyrGetCodedString("a;;b", ';', 3), "");
  EXPECT_EQ(VyrGetCodedInt("5;;7", ';', 0), 5);
  EXPECT_EQ(VyrGetCodedInt("5;;7", ';', 1), -1);

  AnsiString s = "a";
  VyrSetCodedString(s, "x", ';', 3);
  EXPECT_EQ(s, "a;;;x");
  VyrSetCodedString(s, "b", ';', 1);
  EXPECT_EQ(s, "a;b;;x");
  AnsiString empty;
  VyrSetCodedString(empty, "x", ';', 0);
  EXPECT_EQ(empty, "x");

  const int ints[] = {3, -4, 5};
  EXPECT_EQ(VyrCodeInt(ints, 2, ','), "3,-4,5");
  EXPECT_EQ(VyrCodeInt(ints, 9, ','), "3,-4,5");
}

TEST(VyrprocsGeometry, RotatedAndScaledRects) {
  struct Case {
    TRect r;
    int angle;
    TRect expected;
  } cases[] = {
      {{0, 0, 100, 50}, 90, {0, 0, 50, 100}},
      {{0, 0, 100, 50}, 45, {0, 0, 106, 106}},
      {{10, 10, 110, 60}, 0, {10, 10, 110, 60}},
      {{0, 0, 100, 50}, 180, {0, 0, 100, 50}},
  };
  for (const Case& c : cases) {
    TRect r = c.r;
    VyrCalcRotRect(r, c.angle);
    EXPECT_EQ(r, c.expected) << c.angle;
  }
  EXPECT_EQ(VyrAffineRect(TRect(0, 0, 6, 5), TRect(0, 0, 3, 50)), TRect(0, 0, 3, 2));
  EXPECT_EQ(VyrAffineRect(TRect(0, 0, 10, 10), TRect(5, 7, 105, 57)), TRect(5, 7, 55, 57));
  EXPECT_EQ(VyrAffineRect(TRect(0, 0, 0, 10), TRect(5, 7, 105, 57)), TRect(5, 7, 5, 7));
}

TEST(VyrprocsBits, SetToggleAndPower) {
  unsigned char b = 0;
  VyrSetBit(b, 3, true);
  EXPECT_EQ(b, 0x08);
  VyrSetBit(b, 3, false);  // false toggles
  EXPECT_EQ(b, 0x00);
  VyrSetBit(b, 1, false);
  EXPECT_EQ(b, 0x02);
  VyrSetBitUpTo(b, 2);
  EXPECT_EQ(b, 0x07);
  EXPECT_TRUE(VyrGetBit(b, 2));
  EXPECT_FALSE(VyrGetBit(b, 9));
  EXPECT_EQ(VyrExp(3, 4), 81);
  EXPECT_EQ(VyrExp(3, 0), 1);
  EXPECT_EQ(VyrMidI(-3, 0), -1);
}

TEST(VyrprocsPaths, ShrunkFileNamesKeepTheFileName) {
  struct Case {
    const char* path;
    int max;
    const char* expected;
  } cases[] = {
      {"C:\\Programme\\Tallix\\level\\welt1.dat", 40, "C:\\Programme\\Tallix\\level\\welt1.dat"},
      {"C:\\Programme\\Tallix\\level\\welt1.dat", 30, "C:\\...\\Tallix\\level\\welt1.dat"},
      {"C:\\Programme\\Tallix\\level\\welt1.dat", 20, "C:\\...\\welt1.dat"},
      {"C:\\Programme\\Tallix\\level\\welt1.dat", 12, "welt1.dat"},
      {"C:\\Programme\\Tallix\\level\\welt1.dat", 5, "welt1.dat"},
      {"/home/user/level/welt1.dat", 20, "/.../level/welt1.dat"},
      {"level/welt1.dat", 10, "welt1.dat"},
  };
  for (const Case& c : cases) EXPECT_EQ(VyrShrunkFileName(c.path, c.max), c.expected) << c.path << " " << c.max;
}

TEST(VyrprocsPaths, RegistrySlashesAndFolderPrefixes) {
  EXPECT_EQ(VyrSlashAdd("Software\\Tallix"), "Software\\Tallix\\");
  EXPECT_EQ(VyrSlashAdd("Software\\"), "Software\\");
  EXPECT_EQ(VyrSlashAdd(""), "\\");
  EXPECT_EQ(VyrSlashRemove("Software\\"), "Software");
  EXPECT_EQ(VyrSlashRemove(""), "");

  SetProgramPathForTesting("/opt/tallix/morvant2.bin");
  EXPECT_EQ(VyrAppPath(), "/opt/tallix/");
  EXPECT_EQ(VyrAppIniName(), "SOFTWARE\\morvant2");
  EXPECT_EQ(VyrCreatePathPrefix(TVyrPathPrefix::ppProgram, true), "/opt/tallix/");
  EXPECT_EQ(VyrCreatePathPrefix(TVyrPathPrefix::ppProgram, false), "/opt/tallix");
  EXPECT_EQ(VyrCreatePathPrefix(TVyrPathPrefix::ppFixed, true), "");
  SetProgramPathForTesting("");
}

TEST_F(FoundationTest, DelayWaitsOnThePlatformClock) {
  const std::uint64_t start = ClockNowMs();
  VyrDelay(35);
  EXPECT_GE(ClockNowMs() - start, 35u);
  EXPECT_LT(ClockNowMs() - start, 50u);
}

namespace {
std::vector<std::string> MenuTexts(HMENU menu) {
  std::vector<std::string> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char buffer[64] = {};
    GetMenuString(menu, static_cast<UINT>(i), buffer, sizeof buffer, MF_BYPOSITION);
    texts.emplace_back(buffer);
  }
  return texts;
}
}  // namespace

TEST_F(FoundationTest, CheckSystemMenuKeepsTheChosenWindowMenuItems) {
  using enum TVyrSysMenuEntry;
  struct Case {
    TVyrSysMenuEntries entries;
    std::vector<std::string> kept;
  } cases[] = {
      {{smRestore, smMove, smSize, smMinimize, smMaximize, smClose, smSwitch},
       {"&Wiederherstellen", "&Verschieben", "&Größe ändern", "Mi&nimieren", "Ma&ximieren", "", "&Schließen\tAlt+F4"}},
      {{smClose}, {"&Schließen\tAlt+F4"}},
      {{smMove, smClose}, {"&Verschieben", "", "&Schließen\tAlt+F4"}},
      {{smRestore, smMaximize}, {"&Wiederherstellen", "Ma&ximieren"}},
  };
  TForm* form = TObject::Create<TForm>(Application);
  for (const Case& c : cases) {
    GetSystemMenu(form->GetHandle(), TRUE);
    HMENU menu = GetSystemMenu(form->GetHandle(), FALSE);
    VyrCheckSystemMenu(c.entries, menu, false);
    EXPECT_EQ(MenuTexts(menu), c.kept);
  }
  form->Free();
}
