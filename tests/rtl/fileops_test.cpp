#include "files.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "lasterror.h"
#include "scratch_folder.h"

namespace {

class FileOps : public ::testing::Test {
 protected:
  ScratchFolder dir;
};

TEST_F(FileOps, FileExistsOnlyForRegularFilesAndTakesBackslashes) {
  dir.Write("game.log", "x");
  ASSERT_TRUE(CreateDir(dir / "sub"));
  EXPECT_TRUE(FileExists(dir / "game.log"));
  EXPECT_FALSE(FileExists(dir / "sub"));
  EXPECT_FALSE(FileExists(dir / "missing"));
  EXPECT_FALSE(FileExists(""));
  EXPECT_TRUE(DirectoryExists(dir / "sub"));
  EXPECT_FALSE(DirectoryExists(dir / "game.log"));
  const std::string backslashed = dir.Path() + "\\game.log";
  EXPECT_TRUE(FileExists(backslashed));
}

TEST_F(FileOps, ForceDirectoriesBuildsTheWholeChain) {
  EXPECT_TRUE(ForceDirectories(dir.Path() + "\\a\\b/c\\"));
  EXPECT_TRUE(DirectoryExists(dir / "a/b/c"));
  EXPECT_TRUE(ForceDirectories(dir / "a/b/c"));
  dir.Write("file", "");
  EXPECT_FALSE(ForceDirectories(dir / "file/below"));
  EXPECT_FALSE(CreateDir(dir / "a")) << "exists already";
}

TEST_F(FileOps, RenameFileNeverReplaces) {
  dir.Write("game.log", "new");
  dir.Write("game.l0", "old backup");
  EXPECT_FALSE(RenameFile(dir / "game.log", dir / "game.l0"));
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(dir.Read("game.l0"), "old backup");
  EXPECT_TRUE(RenameFile(dir / "game.log", dir / "game.l1"));
  EXPECT_EQ(dir.Read("game.l1"), "new");
  EXPECT_FALSE(FileExists(dir / "game.log"));
  EXPECT_FALSE(RenameFile(dir / "missing", dir / "other"));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(FileOps, MoveFileExReplacesOnlyWhenAsked) {
  dir.Write("user.reg.tmp", "fresh");
  dir.Write("user.reg", "stale");
  EXPECT_FALSE(MoveFileEx((dir / "user.reg.tmp").c_str(), (dir / "user.reg").c_str(), 0));
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(dir.Read("user.reg"), "stale");
  EXPECT_TRUE(MoveFileEx((dir / "user.reg.tmp").c_str(), (dir / "user.reg").c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ(dir.Read("user.reg"), "fresh");
  EXPECT_FALSE(FileExists(dir / "user.reg.tmp"));
}

TEST_F(FileOps, DeleteFileRemovesFilesButNotFolders) {
  dir.Write("x", "");
  ASSERT_TRUE(CreateDir(dir / "sub"));
  EXPECT_TRUE(DeleteFile(dir / "x"));
  EXPECT_FALSE(DeleteFile(dir / "x"));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(DeleteFile(dir / "sub"));
  EXPECT_TRUE(RemoveDir(dir / "sub"));
}

TEST_F(FileOps, TempFileNamesAreUniqueCreatedAndPrefixed) {
  std::set<std::string> names;
  for (int i = 0; i < 20; ++i) {
    char name[MAX_PATH];
    const UINT number = GetTempFileName(dir.Path().c_str(), "DELETE", 0, name);
    ASSERT_NE(number, 0u);
    const AnsiString file = ExtractFileName(name);
    EXPECT_EQ(file.SubString(1, 3), "DEL");
    EXPECT_EQ(ExtractFileExt(name), ".TMP");
    EXPECT_EQ(file.Length(), 11);
    EXPECT_TRUE(FileExists(name));
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 20u);

  char formed[MAX_PATH];
  EXPECT_EQ(GetTempFileName(dir.Path().c_str(), "DEL", 0xBEEF, formed), 0xBEEFu);
  EXPECT_EQ(ExtractFileName(formed), "DELBEEF.TMP");
  EXPECT_FALSE(FileExists(formed)) << "a given number only forms the name";
  EXPECT_EQ(GetTempFileName((dir / "missing").c_str(), "DEL", 0, formed), 0u);
}

TEST_F(FileOps, TempPathFollowsTmpdirWithFinalSeparator) {
  ScopedEnv tmp("TMPDIR", dir.Path());
  char buf[MAX_PATH];
  const DWORD n = GetTempPath(MAX_PATH, buf);
  EXPECT_EQ(std::string(buf), dir.Path() + "/");
  EXPECT_EQ(n, dir.Path().size() + 1);
  char tiny[2];
  EXPECT_EQ(GetTempPath(sizeof tiny, tiny), n + 1) << "size needed, with the zero";
  ScopedEnv relative("TMPDIR", "relative/dir");
  EXPECT_EQ(TempFolder(), "/tmp/");
}

TEST_F(FileOps, WindowsAndSystemFoldersLiveInTheConfigFolder) {
  ScopedEnv config("XDG_CONFIG_HOME", dir.Path());
  char buf[MAX_PATH];
  const UINT n = GetWindowsDirectory(buf, MAX_PATH);
  EXPECT_EQ(std::string(buf, n), dir.Path() + "/morvant2/windows");
  EXPECT_TRUE(DirectoryExists(buf));
  GetSystemDirectory(buf, MAX_PATH);
  EXPECT_EQ(std::string(buf), dir.Path() + "/morvant2/system");
}

TEST_F(FileOps, CurrentDirectoryInBothForms) {
  const AnsiString old = GetCurrentDir();
  ASSERT_TRUE(SetCurrentDir(dir.Path()));
  char buf[MAX_PATH];
  const DWORD n = GetCurrentDirectory(MAX_PATH, buf);
  const AnsiString now = GetCurrentDir();
  SetCurrentDir(old);
  EXPECT_EQ(std::string(buf, n), now.str());
  EXPECT_EQ(now.str().front(), '/') << "no drive letter: callers take it as the root case";
}

class FindFiles : public ::testing::Test {
 protected:
  ScratchFolder dir;
  std::multiset<std::string> Find(const std::string& mask, Integer attr) {
    std::multiset<std::string> found;
    TSearchRec rec;
    for (Integer r = FindFirst(dir / mask, attr, rec); r == 0; r = FindNext(rec)) found.insert(rec.Name.str());
    FindClose(rec);
    return found;
  }
};

TEST_F(FindFiles, SizeOfAFileAndNotFound) {
  dir.Write("game.log", "12345");
  TSearchRec rec;
  ASSERT_EQ(FindFirst(dir / "game.log", faAnyFile, rec), 0);
  EXPECT_EQ(rec.Name, "game.log");
  EXPECT_EQ(rec.Size, 5);
  EXPECT_EQ(rec.Attr & faDirectory, 0);
  EXPECT_EQ(FindNext(rec), static_cast<Integer>(ERROR_NO_MORE_FILES));
  FindClose(rec);
  EXPECT_EQ(FindFirst(dir / "missing.log", faAnyFile, rec), static_cast<Integer>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(FindFirst(dir / "nofolder/*.*", faAnyFile, rec), static_cast<Integer>(ERROR_PATH_NOT_FOUND));
}

TEST_F(FindFiles, MasksAndAttributesChooseTheEntries) {
  dir.Write("a.log", "");
  dir.Write("b.LOG", "");
  dir.Write("noext", "");
  dir.Write(".hidden", "");
  ASSERT_TRUE(CreateDir(dir / "sub"));
  using Set = std::multiset<std::string>;
  EXPECT_EQ(Find("*.log", 0), (Set{"a.log"})) << "case-sensitive, as the file system";
  EXPECT_EQ(Find("*.*", 0), (Set{"a.log", "b.LOG", "noext"}));
  EXPECT_EQ(Find("?.*", 0), (Set{"a.log", "b.LOG"}));
  EXPECT_EQ(Find("*", faDirectory), (Set{".", "..", "a.log", "b.LOG", "noext", "sub"}));
  EXPECT_EQ(Find("*", faAnyFile), (Set{".", "..", ".hidden", "a.log", "b.LOG", "noext", "sub"}));
}

}  // namespace
