#include "dialogs_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "drives.h"

TEST(DialogFolderTest, PathsAreAbsoluteAndNormalised) {
  struct Case {
    const char* path;
    const char* base;
    const char* want;
  };
  const Case cases[] = {
      {"a/../b", "/x/", "/x/b/"},
      {"./level/", "/x", "/x/level/"},
      {"/", "/x/", "/"},
      {"/tmp/../..", "/x/", "/"},
      {"c:\\tmp\\levels", "/x/", "/tmp/levels/"},
  };
  for (const Case& c : cases) EXPECT_EQ(NormalFolder(c.path, c.base), c.want) << c.path;
  EXPECT_EQ(ParentFolder("/x/y/"), "/x/");
  EXPECT_EQ(ParentFolder("/"), "/");
  EXPECT_EQ(ResolveTypedName("/x/", "welt.dat"), "/x/welt.dat");
  EXPECT_EQ(ResolveTypedName("/x/", "../y/"), "/y/");
  EXPECT_EQ(ResolveTypedName("/x/", "/abs/f"), "/abs/f");
}

TEST(DialogFolderTest, ListsSubfoldersAndMatchingFilesSortedAndHidesDotNames) {
  Volume stick;
  stick.Letter = 'd';
  stick.Root = "/media/stick";
  stick.Type = DRIVE_REMOVABLE;
  SetVolumeTableForTesting({Volume{}, stick});
  const std::filesystem::path root = std::filesystem::temp_directory_path() / "morvant-folder-test";
  std::filesystem::remove_all(root);
  std::filesystem::create_directories(root / "Welten");
  std::filesystem::create_directories(root / "alt");
  std::filesystem::create_directories(root / ".cache");
  for (const char* name : {"b.dat", "A.DAT", "c.txt", ".versteckt.dat"}) std::ofstream(root / name) << "x";

  const AnsiString folder = (root.string() + "/").c_str();
  const TFolderContents got = ReadFolder(folder, "*.dat");
  std::vector<std::string> captions, targets;
  for (const TFolderItem& item : got.Folders) captions.push_back(item.Caption.str()), targets.push_back(item.Target.str());
  EXPECT_EQ(captions, (std::vector<std::string>{"..", "alt", "Welten", "[c:]", "[d:]"}));
  EXPECT_EQ(targets[0], NormalFolder(root.parent_path().string().c_str()).str());
  EXPECT_EQ(targets[2], folder.str() + "Welten/");
  EXPECT_EQ(targets[4], "/media/stick/");
  ASSERT_EQ(got.Files.size(), 2u);
  EXPECT_EQ(got.Files[0], "A.DAT");
  EXPECT_EQ(got.Files[1], "b.dat");

  // The root has nothing above it; a folder that is gone lists no files.
  EXPECT_NE(ReadFolder("/", "*").Folders.front().Caption, "..");
  std::filesystem::remove_all(root);
  EXPECT_TRUE(ReadFolder(folder, "*").Files.empty());
  SetVolumeTableForTesting({});
}
