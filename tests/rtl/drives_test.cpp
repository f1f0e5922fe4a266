#include "drives.h"

#include <gtest/gtest.h>
#include <sys/statvfs.h>

#include <string>

#include "lasterror.h"

namespace {

class Drives : public ::testing::Test {
 protected:
  void TearDown() override { SetVolumeTableForTesting({}); }
};

TEST_F(Drives, DefaultIsOneFixedPseudoDriveForTheRoot) {
  char buf[16];
  ASSERT_EQ(GetLogicalDriveStrings(sizeof buf, buf), 4u);
  EXPECT_EQ(std::string(buf, 5), std::string("c:\\\0\0", 5));
  EXPECT_EQ(GetLogicalDrives(), 1u << 2);
  EXPECT_EQ(GetDriveType("c:\\"), DRIVE_FIXED);
  EXPECT_EQ(GetDriveType("/usr/bin"), DRIVE_FIXED);
  EXPECT_EQ(GetDriveType(nullptr), DRIVE_FIXED);
  EXPECT_EQ(GetDriveType("q:\\"), DRIVE_NO_ROOT_DIR);
  char remote[64];
  DWORD len = sizeof remote;
  EXPECT_EQ(WNetGetConnection("c:", remote, &len), ERROR_NOT_CONNECTED);
}

TEST_F(Drives, InjectedTableAnswersEveryQuery) {
  Volume floppy{'a', "/media/floppy", DRIVE_REMOVABLE, "", "vfat", "", false};
  Volume home{'c', "/", DRIVE_FIXED, "SYSTEM", "ext4", "", true};
  Volume net{'n', "/tmp", DRIVE_REMOTE, "SHARE", "nfs", "\\\\server\\share", true};
  SetVolumeTableForTesting({floppy, home, net});

  char buf[32];
  EXPECT_EQ(GetLogicalDriveStrings(4, buf), 13u) << "size needed";
  ASSERT_EQ(GetLogicalDriveStrings(sizeof buf, buf), 12u);
  EXPECT_EQ(std::string(buf, 13), std::string("a:\\\0c:\\\0n:\\\0\0", 13));
  EXPECT_EQ(GetLogicalDrives(), (1u << 0) | (1u << 2) | (1u << 13));
  EXPECT_EQ(GetDriveType("N:\\"), DRIVE_REMOTE);
  EXPECT_EQ(GetDriveType("/tmp/x"), DRIVE_REMOTE) << "the longest root that holds the path";

  char label[32], fs[32];
  DWORD serial = 0, maxLen = 0, flags = 0;
  EXPECT_TRUE(GetVolumeInformation("n:\\", label, sizeof label, &serial, &maxLen, &flags, fs, sizeof fs));
  EXPECT_STREQ(label, "SHARE");
  EXPECT_STREQ(fs, "nfs");
  EXPECT_FALSE(GetVolumeInformation("a:\\", label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0));
  EXPECT_EQ(GetLastError(), ERROR_NOT_READY);

  char remote[64];
  DWORD len = sizeof remote;
  EXPECT_EQ(WNetGetConnection("n:", remote, &len), NO_ERROR);
  EXPECT_STREQ(remote, "\\\\server\\share");
  len = 4;
  EXPECT_EQ(WNetGetConnection("n:", remote, &len), ERROR_MORE_DATA);
  EXPECT_EQ(len, 15u);
  EXPECT_EQ(WNetGetConnection("z:", remote, &len), ERROR_BAD_DEVICE);
}

TEST_F(Drives, DiskSpaceProductsFitIn32Bits) {
  DWORD spc = 0, bps = 0, freeClusters = 0, total = 0;
  ASSERT_TRUE(GetDiskFreeSpace("c:\\", &spc, &bps, &freeClusters, &total));
  EXPECT_GT(spc, 0u);
  EXPECT_EQ(bps, 512u);
  EXPECT_LE(static_cast<unsigned long long>(spc) * bps * total, 0xFFFFFFFFull);
  EXPECT_LE(freeClusters, total);
  EXPECT_FALSE(GetDiskFreeSpace("q:\\", &spc, &bps, &freeClusters, &total));
}

TEST_F(Drives, DiskSpaceExGivesTheFullBytesOfTheVolumeBehindAFolder) {
  Volume home{'c', "/", DRIVE_FIXED, "", "ext4", "", true};
  Volume tmp{'t', "/tmp", DRIVE_FIXED, "", "tmpfs", "", true};
  Volume floppy{'a', "/media/floppy", DRIVE_REMOVABLE, "", "vfat", "", false};
  SetVolumeTableForTesting({home, tmp, floppy});

  struct statvfs st {};
  ASSERT_EQ(::statvfs("/tmp", &st), 0);
  const unsigned long long unit = st.f_frsize ? st.f_frsize : st.f_bsize;
  ULARGE_INTEGER avail{}, total{}, allFree{};
  ASSERT_TRUE(GetDiskFreeSpaceEx("t:\\", &avail, &total, &allFree));
  EXPECT_EQ(total.QuadPart, static_cast<unsigned long long>(st.f_blocks) * unit);
  EXPECT_LE(avail.QuadPart, allFree.QuadPart);
  EXPECT_LE(allFree.QuadPart, total.QuadPart);
  ULARGE_INTEGER viaFolder{};
  ASSERT_TRUE(GetDiskFreeSpaceEx("/tmp/somewhere/below", nullptr, &viaFolder, nullptr));
  EXPECT_EQ(viaFolder.QuadPart, total.QuadPart) << "a folder names the volume that holds it";

  EXPECT_FALSE(GetDiskFreeSpaceEx("a:\\", &avail, &total, &allFree));
  EXPECT_EQ(GetLastError(), ERROR_NOT_READY);
  EXPECT_FALSE(GetDiskFreeSpaceEx("q:\\", &avail, &total, &allFree));
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST_F(Drives, ErrorModeReadsBackWhatWasSet) {
  const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
  EXPECT_EQ(SetErrorMode(old), SEM_FAILCRITICALERRORS);
}

}  // namespace
