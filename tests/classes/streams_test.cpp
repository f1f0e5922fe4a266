#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "exceptions.h"
#include "lasterror.h"
#include "streams.h"
#include "tstrings.h"

namespace {

namespace fs = std::filesystem;

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("classes_streams_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  AnsiString Path(const char* name) const { return AnsiString((dir_ / name).string()); }
  fs::path dir_;
};

TEST(TMemoryStream, ShortReadCountsWhileReadBufferRaises) {
  TMemoryStream s;
  s.WriteBuffer("abcd", 4);
  s.SetPosition(1);
  char buf[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(s.Read(buf, 8), 3);
  EXPECT_EQ(std::string(buf, 4), "bcdx");  // bytes past the data untouched
  EXPECT_EQ(s.Read(buf, 8), 0);
  s.SetPosition(2);
  EXPECT_THROW(s.ReadBuffer(buf, 3), EReadError);
  s.SetPosition(0);
  EXPECT_NO_THROW(s.ReadBuffer(buf, 4));
}

TEST(TMemoryStream, SeekPositionAndSize) {
  TMemoryStream s;
  s.SetSize(10);
  EXPECT_EQ(s.GetSize(), 10);
  EXPECT_EQ(static_cast<const Byte*>(s.GetMemory())[9], 0);  // grown bytes are zero
  EXPECT_EQ(s.Seek(-3, soFromEnd), 7);
  EXPECT_EQ(s.Seek(2, soFromCurrent), 9);
  EXPECT_EQ(s.Seek(0, soFromBeginning), 0);
  EXPECT_EQ(s.Seek(-1, soFromBeginning), -1);  // refused, position kept
  EXPECT_EQ(s.GetPosition(), 0);
  s.SetPosition(8);
  s.SetSize(4);  // the position follows the end
  EXPECT_EQ(s.GetPosition(), 4);
  s.SetPosition(6);  // writing past the end fills the gap with zeros
  s.WriteBuffer("z", 1);
  EXPECT_EQ(s.GetSize(), 7);
  EXPECT_EQ(static_cast<const char*>(s.GetMemory())[6], 'z');
  s.Clear();
  EXPECT_EQ(s.GetSize(), 0);
  EXPECT_EQ(s.GetPosition(), 0);
}

TEST(TMemoryStream, MemoryStaysPutUntilTheNextResize) {
  TMemoryStream s;
  s.SetSize(100);
  const void* memory = s.GetMemory();
  s.SetPosition(0);
  s.WriteBuffer("0123456789", 10);  // within the size: no resize
  EXPECT_EQ(s.GetMemory(), memory);
}

TEST(TStream, CopyFromCountZeroCopiesTheWholeSourceFromItsStart) {
  TStringStream source(AnsiString("whole text"));
  source.SetPosition(6);
  TMemoryStream target;
  EXPECT_EQ(target.CopyFrom(&source, 0), 10);
  EXPECT_EQ(std::string(static_cast<const char*>(target.GetMemory()), 10), "whole text");

  source.SetPosition(6);
  TStringStream part;
  EXPECT_EQ(part.CopyFrom(&source, 4), 4);
  EXPECT_EQ(part.GetDataString(), "text");
  source.SetPosition(8);
  EXPECT_THROW(part.CopyFrom(&source, 4), EReadError);
}

TEST(TStringStream, ReadWriteAndDataString) {
  TStringStream s(AnsiString("Größe"));
  EXPECT_EQ(s.GetSize(), 7);
  EXPECT_EQ(s.ReadString(3), "Gr\xC3");
  s.Seek(0, soFromEnd);
  s.WriteString("!");
  EXPECT_EQ(s.GetDataString(), "Größe!");
  s.SetSize(2);
  EXPECT_EQ(s.GetDataString(), "Gr");
}

using TFileStreamTest = TempFolder;

TEST_F(TFileStreamTest, MissingFileRaisesEFOpenErrorNamingIt) {
  const AnsiString name = Path("missing.dat");
  try {
    TFileStream s(name, fmOpenRead | fmShareDenyWrite);
    FAIL() << "no exception";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message, "Datei " + name + " kann nicht geöffnet werden");
  }
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(TFileStreamTest, UncreatableFileRaisesEFCreateErrorAndFolderCannotBeOpened) {
  const AnsiString name = Path("no/such/folder/x.dat");
  try {
    TFileStream s(name, fmCreate);
    FAIL() << "no exception";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message, "Datei " + name + " kann nicht erstellt werden");
  }
  EXPECT_THROW(TFileStream(AnsiString(dir_.string()), fmOpenRead), EFOpenError);
}

TEST_F(TFileStreamTest, CreateWriteReopenAndResize) {
  const AnsiString name = Path("data.bin");
  {
    TFileStream s(name, fmCreate);
    s.WriteBuffer("0123456789", 10);
    EXPECT_EQ(s.GetSize(), 10);
    s.SetSize(6);
    EXPECT_EQ(s.GetPosition(), 6);
  }
  TFileStream s(name, fmOpenReadWrite | fmShareExclusive);
  EXPECT_EQ(s.GetSize(), 6);
  char buf[10] = {};
  EXPECT_EQ(s.Read(buf, 10), 6);
  EXPECT_EQ(std::string(buf, 6), "012345");
  EXPECT_EQ(s.Seek(2, soFromBeginning), 2);
  s.WriteBuffer("ab", 2);
  s.SetPosition(0);
  s.ReadBuffer(buf, 6);
  EXPECT_EQ(std::string(buf, 6), "01ab45");
  EXPECT_THROW(s.ReadBuffer(buf, 1), EReadError);
}

TEST_F(TFileStreamTest, BackslashesSeparateFolders) {
  fs::create_directories(dir_ / "sub");
  std::ofstream(dir_ / "sub" / "f.txt") << "x";
  AnsiString name = AnsiString(dir_.string()) + "\\sub\\f.txt";
  TFileStream s(name, fmOpenRead);
  EXPECT_EQ(s.GetSize(), 1);
}

TEST_F(TFileStreamTest, StringListAndMemoryStreamFileRoundTrips) {
  TStringList lines;
  lines.Add("eins");
  lines.Add("zwei");
  lines.SaveToFile(Path("lines.txt"));
  TMemoryStream m;
  m.LoadFromFile(Path("lines.txt"));
  EXPECT_EQ(std::string(static_cast<const char*>(m.GetMemory()), static_cast<std::size_t>(m.GetSize())),
            "eins\r\nzwei\r\n");
  m.SaveToFile(Path("copy.txt"));
  TStringList back;
  back.LoadFromFile(Path("copy.txt"));
  EXPECT_TRUE(back.Equals(&lines));
}

TEST(TResourceStream, ReadsAResourceEmbeddedInTheProgram) {
  TResourceStream byName(nullptr, "TEST_STREAM", RT_RCDATA);
  TStringList lines;
  lines.LoadFromStream(&byName);
  ASSERT_EQ(lines.GetCount(), 2);
  EXPECT_EQ(lines.GetStrings(1), "zweite Zeile");
  TResourceStream byTypeName(nullptr, "test_stream", "RCDATA");
  EXPECT_EQ(byTypeName.GetSize(), byName.GetSize());
  // Read-only.
  EXPECT_EQ(byTypeName.Write("x", 1), 0);
  EXPECT_THROW(byTypeName.WriteBuffer("x", 1), EWriteError);
}

TEST(TResourceStream, MissingResourceRaisesEResNotFoundNamingIt) {
  try {
    TResourceStream s(nullptr, "NO_SUCH_THING", RT_RCDATA);
    FAIL() << "no exception";
  } catch (const EResNotFound& e) {
    EXPECT_NE(std::string(e.Message.c_str()).find("NO_SUCH_THING"), std::string::npos);
  }
  EXPECT_THROW(TResourceStream(nullptr, 16547, RT_BITMAP), EResNotFound);
}

}  // namespace
