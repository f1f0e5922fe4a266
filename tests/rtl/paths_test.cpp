#include "paths.h"

#include <gtest/gtest.h>

#include "drives.h"
#include "lasterror.h"
#include "module.h"

namespace {

struct NameCase {
  const char* name;
  const char* path;
  const char* file;
  const char* ext;
  const char* withIni;
};

TEST(FileNames, PartsWithBothSeparators) {
  const NameCase cases[] = {
      {"/opt/morvant2/morvant2", "/opt/morvant2/", "morvant2", "", "/opt/morvant2/morvant2.INI"},
      {"level/world01.dat", "level/", "world01.dat", ".dat", "level/world01.INI"},
      {"C:\\Spiele\\MORVANT2.EXE", "C:\\Spiele\\", "MORVANT2.EXE", ".EXE", "C:\\Spiele\\MORVANT2.INI"},
      {"mixed\\dir/file.log", "mixed\\dir/", "file.log", ".log", "mixed\\dir/file.INI"},
      {"a.b/c", "a.b/", "c", "", "a.b/c.INI"},
      {"archive.tar.gz", "", "archive.tar.gz", ".gz", "archive.tar.INI"},
      {"folder/", "folder/", "", "", "folder/.INI"},
      {"", "", "", "", ".INI"},
      {"Größe/äpfel.txt", "Größe/", "äpfel.txt", ".txt", "Größe/äpfel.INI"},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ExtractFilePath(c.name), c.path);
    EXPECT_EQ(ExtractFileName(c.name), c.file);
    EXPECT_EQ(ExtractFileExt(c.name), c.ext);
    EXPECT_EQ(ChangeFileExt(c.name, ".INI"), c.withIni);
  }
  EXPECT_EQ(ChangeFileExt("game.log", ".l0"), "game.l0");
}

TEST(FileNames, TrailingDelimiterIsAddedOnce) {
  EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp"), "/tmp/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp/"), "/tmp/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\x\\"), "C:\\x\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
}

TEST(FileNames, NativePathTurnsBackslashesAndDrivesIntoHostPaths) {
  SetVolumeTableForTesting({});
  EXPECT_EQ(NativePath("level\\world01.dat"), "level/world01.dat");
  EXPECT_EQ(NativePath("c:\\tmp\\x"), "/tmp/x");
  EXPECT_EQ(NativePath("C:"), "/");
  EXPECT_EQ(NativePath("q:\\nothing"), "q:/nothing") << "no such drive: left alone";
  EXPECT_EQ(NativePath("c:file"), "c:file");
}

class ProgramPath : public ::testing::Test {
 protected:
  void TearDown() override { SetProgramPathForTesting(""); }
};

TEST_F(ProgramPath, InjectedPathIsSeenByAllReaders) {
  const AnsiString real = ParamStr(0);
  EXPECT_EQ(real.str().front(), '/');
  SetProgramPathForTesting("/srv/morvant/morvant2");
  EXPECT_EQ(ParamStr(0), "/srv/morvant/morvant2");
  EXPECT_EQ(ExtractFilePath(ProgramFilePath()), "/srv/morvant/");
  char buf[MAX_PATH];
  EXPECT_EQ(GetModuleFileName(nullptr, buf, MAX_PATH), 21u);
  EXPECT_STREQ(buf, "/srv/morvant/morvant2");
  EXPECT_EQ(GetModuleFileName(HInstance, buf, MAX_PATH), 21u);
  EXPECT_EQ(GetModuleFileName(reinterpret_cast<HMODULE>(0x1234), buf, MAX_PATH), 0u);
  SetProgramPathForTesting("");
  EXPECT_EQ(ParamStr(0), real);
}

TEST_F(ProgramPath, ShortBufferGetsATerminatedCut) {
  SetProgramPathForTesting("/srv/morvant/morvant2");
  char buf[8];
  EXPECT_EQ(GetModuleFileName(nullptr, buf, sizeof buf), 8u);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_STREQ(buf, "/srv/mo");
  EXPECT_EQ(ParamStr(99), "");
  EXPECT_EQ(ParamStr(-1), "");
}

}  // namespace
