#include "vyrsysin.h"

#include <gtest/gtest.h>
#include <sys/statvfs.h>

#include <string>

#include "drives.h"
#include "folders.h"
#include "foundation_fixture.h"
#include "keyboard.h"
#include "resourcestrings.h"

namespace {

using namespace Vyrsysin;
using enum TVyrInfoType;

struct Caption {
  TVyrInfoType Item;
  const char* Text;
};

// Every item in declared order with the caption it must show.
constexpr Caption kCaptions[] = {
    {itUser, "Username"},
    {itWinDir, "Windows directory"},
    {itCurrentDir32, "Current directory"},
    {itCurrentDiskFree32, "Free space on current disk"},
    {itCurrentDiskSize32, "Disk size of current Disk"},
    {itSystemDir, "System directory"},
    {itReg_Owner32, "Registered owner"},
    {itReg_Company32, "Registered company"},
    {itVersion, "Version"},
    {itColorDepth, "Colordepth (in bits)"},
    {itScreenSaverDelay, "Screensaver delay"},
    {itMemSize, "Memory size"},
    {itFreeSysRes, "Free system resources"},
    {itFreeGDIRes, "Free GDI resources"},
    {itFreeUserRes, "Free user resources"},
    {itComputerName32, "Computername"},
    {itMajorVerNr32, "Major version"},
    {itBuildNr32, "Build"},
    {itMemLoaded32, "Memory loaded"},
    {itMemFree32, "Memory free"},
    {itMemPageFree32, "Free memory pages"},
    {itMemPageTotal32, "Total memory pages"},
    {itMemVirtFree32, "Free virtual memory"},
    {itMemVirtTotal32, "Total virtual memory"},
    {itPlatformID32, "Platform ID"},
    {itPlatform32, "Platform"},
    {itProcessorCont32, "Number of processors"},
    {itProcessor32, "Processor"},
    {itTempPath32, "Temp path"},
    {itDOSVersion, "DOS version"},
    {itNumLock, "NumLock"},
    {itCapsLock, "CapsLock"},
    {itScroll, "ScrollLock"},
    {itCurrentDateTime, "Date and time"},
    {itProgCompany, "CompanyName"},
    {itProgName, "ProductName"},
    {itProgVersion, "ProductVersion"},
    {itProgCopyright, "LegalCopyright"},
    {itProgTrademark, "LegalTrademark"},
    {itProgDescription, "FileDescription"},
    {itProgComments, "Comments"},
};
static_assert(std::size(kCaptions) == VyrInfoTypeCount);

class SystemInfo : public FoundationTest {
 protected:
  void TearDown() override { SetVolumeTableForTesting({}); }
};

TEST_F(SystemInfo, EveryItemHasItsCaptionInOrder) {
  for (int i = 0; i < VyrInfoTypeCount; ++i) {
    EXPECT_EQ(static_cast<int>(kCaptions[i].Item), i);
    EXPECT_EQ(VyrSIInfoToString(kCaptions[i].Item), kCaptions[i].Text) << i;
  }
}

TEST_F(SystemInfo, FixedAndFallbackTexts) {
  EXPECT_EQ(GetSystemInfoString(itDOSVersion), "Win32");
  EXPECT_EQ(GetSystemInfoString(itFreeSysRes), "100") << "no free-resources library";
  EXPECT_EQ(GetSystemInfoString(itFreeGDIRes), "100");
  EXPECT_EQ(GetSystemInfoString(itFreeUserRes), "100");
  EXPECT_EQ(GetSystemInfoString(itProcessor32), "Intel Pentium");
  EXPECT_EQ(GetSystemInfoString(itPlatform32), "Windows NT");
  EXPECT_EQ(GetSystemInfoString(itVersion), "5.1");
  EXPECT_EQ(GetSystemInfoString(itBuildNr32), "2600");
  EXPECT_DOUBLE_EQ(VyrSIVersionNr(), 5.1);
  EXPECT_FALSE(VyrSIOLDWindowsNT());
  EXPECT_EQ(VyrSISystemIconListHandle(), nullptr);
  EXPECT_EQ(GetSystemInfoString(itProgCompany), "Tallix Software") << "from the program's version resource";
  EXPECT_EQ(GetSystemInfoString(itProgName), "TALLIX MORVANT II");
  EXPECT_EQ(GetSystemInfoString(itCurrentDir32), GetCurrentDir());
  EXPECT_FALSE(GetSystemInfoString(itTempPath32).IsEmpty());
  EXPECT_FALSE(GetSystemInfoString(itCurrentDateTime).IsEmpty());
}

TEST_F(SystemInfo, LockKeysReadTheKeyState) {
  const struct {
    unsigned Modifiers;
    const char *Num, *Caps, *Scroll;
  } cases[] = {
      {0, "Off", "Off", "Off"},
      {Backend::modNumLock, "On", "Off", "Off"},
      {Backend::modCapsLock | Backend::modScrollLock, "Off", "On", "On"},
  };
  TForm* form = app.create_form<TForm>();
  form->Show();
  for (const auto& c : cases) {
    app.key('A', c.Modifiers, "a");
    app.pump();
    EXPECT_EQ(GetSystemInfoString(itNumLock), c.Num) << c.Modifiers;
    EXPECT_EQ(GetSystemInfoString(itCapsLock), c.Caps) << c.Modifiers;
    EXPECT_EQ(GetSystemInfoString(itScroll), c.Scroll) << c.Modifiers;
  }
}

TEST_F(SystemInfo, DriveTypeTexts) {
  const char* const expected[] = {"(Unbekannt)", "no root directory", "removable", "fixed drive",
                                  "remote (network) drive", "CD-ROM", "ramdisk", "(Unbekannt)"};
  for (UINT type = 0; type <= 7; ++type) EXPECT_EQ(VyrSIDriveTypeStr(type), expected[type]) << type;
}

TEST_F(SystemInfo, DriveListAndInfoFollowTheVolumeTable) {
  Volume floppy{'a', "/media/floppy", DRIVE_REMOVABLE, "", "vfat", "", false};
  Volume home{'c', "/", DRIVE_FIXED, "", "ext4", "", true};
  SetVolumeTableForTesting({floppy, home});
  TStringList list;
  VyrSIDriveList(&list);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetStrings(0), "a:\\");
  EXPECT_EQ(list.GetStrings(1), "c:\\");

  TVyrDriveInfo info;
  VyrSIDriveInfo("q:\\whatever", info);
  EXPECT_EQ(info.DriveType, DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(info.TotalSpace, 0u);
  VyrSIDriveInfo("a:\\", info);
  EXPECT_EQ(info.DriveType, DRIVE_REMOVABLE);
  EXPECT_EQ(info.TotalClusters, 0u) << "no medium, no geometry";
}

// The record's fields are the 32-bit products of the geometry; on a volume
// above 4 GiB they must not wrap to a small number.
TEST_F(SystemInfo, BigVolumeKeepsTheProductsWithin32Bits) {
  struct statvfs st {};
  ASSERT_EQ(::statvfs("/", &st), 0);
  const unsigned long long unit = st.f_frsize ? st.f_frsize : st.f_bsize;
  if (static_cast<unsigned long long>(st.f_blocks) * unit <= 0xFFFFFFFFull) GTEST_SKIP() << "root volume below 4 GiB";
  SetVolumeTableForTesting({Volume{'c', "/", DRIVE_FIXED, "", "ext4", "", true}});
  TVyrDriveInfo info;
  VyrSIDriveInfo("c:\\", info);
  EXPECT_EQ(info.DriveType, DRIVE_FIXED);
  const unsigned long long cluster = 1ull * info.SectorsPerCluster * info.BytesPerSector;
  EXPECT_LE(cluster * info.TotalClusters, 0xFFFFFFFFull);
  EXPECT_LE(cluster * info.FreeClusters, 0xFFFFFFFFull);
  EXPECT_EQ(info.TotalSpace, cluster * info.TotalClusters);
  EXPECT_GT(info.TotalSpace, 0xF0000000u) << "saturated near the top, not wrapped";
  // The text shows the full size.
  EXPECT_EQ(GetSystemInfoString(itCurrentDiskSize32),
            IntToStr(static_cast<unsigned long long>(st.f_blocks) * unit));
}

TEST_F(SystemInfo, NonClientAreaLeavesRoomForIconAndButtons) {
  TForm* form = app.create_form<TForm>();
  form->SetBounds(0, 0, 300, 200);
  TRect caption, draw;
  Word flags = 0;
  VyrNCCalcDrawingArea(form->GetHandle(), caption, draw, flags);
  EXPECT_EQ(caption.bottom - caption.top, VyrNCCAPTIONHEIGHT());
  EXPECT_EQ(flags & ncfSystemIcon, ncfSystemIcon);
  EXPECT_EQ(flags & ncfSmallCaption, 0);
  EXPECT_GT(draw.left, caption.left);
  EXPECT_EQ(caption.right - draw.right, 3 * (VyrNCBITMAPWIDTH() + VyrNCFIXBORDERWIDTH())) << "close, maximise, minimise";
}

}  // namespace
