#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "application.h"
#include "bitmap_class.h"
#include "canvas.h"
#include "foundation2_fixture.h"
#include "namedmutex.h"
#include "paths.h"

namespace {

using namespace Vyrclass;

TEST_F(ApplicationObjectTest, BrushBitmapIsACheckerboardOfTheColourAndWhite) {
  TBitmap* brush = VyrApplication->GetBrushBitmap(clRed);
  ASSERT_EQ(brush->GetWidth(), 8);
  EXPECT_EQ(brush->GetCanvas()->GetPixels(0, 0), clWhite);
  EXPECT_EQ(brush->GetCanvas()->GetPixels(1, 0), clRed);
  EXPECT_EQ(brush->GetCanvas()->GetPixels(7, 7), clWhite);
  EXPECT_EQ(VyrApplication->GetBrushBitmap(clRed), brush);
  VyrApplication->GetBrushBitmap(clBlue);
  EXPECT_EQ(brush->GetCanvas()->GetPixels(1, 0), clBlue);
  EXPECT_EQ(brush->GetCanvas()->GetPixels(0, 0), clWhite);
  EXPECT_EQ(VyrApplication->GetBitmap()->GetCanvas()->GetPixels(1, 0), clBlack);
}

TEST_F(ApplicationObjectTest, DefaultRegistryPath) {
  Application->SetTitle("TALLIX MORVANT II");
  VyrApplication->SetCompanyName("Tallix Software");
  VyrApplication->SetVersion("1.0");
  EXPECT_EQ(VyrApplication->GetDefaultRegPath(), "Software\\Tallix Software\\TALLIX MORVANT II\\1.0\\");
  VyrApplication->SetCompanyName("");
  VyrApplication->SetVersion("");
  EXPECT_EQ(VyrApplication->GetDefaultRegPath(), "Software\\TALLIX MORVANT II\\");
}

TEST_F(ApplicationObjectTest, NeverShutsTheHostDown) {
  for (TVyrExitCode code : {TVyrExitCode::ecQuit, TVyrExitCode::ecReboot, TVyrExitCode::ecRestart})
    EXPECT_FALSE(VyrApplication->QuitWindows(code));
  EXPECT_FALSE(Application->GetTerminated());
}

TEST_F(ApplicationObjectTest, StopwatchMeasuresThePlatformClock) {
  EXPECT_EQ(VyrApplication->STWStop(), 0u) << "not running";
  VyrApplication->STWStart();
  app.advance(250);
  EXPECT_EQ(VyrApplication->STWStop(), 250u);
  EXPECT_EQ(VyrApplication->GetTimerFrequency(), 1000000.0);
}

// The lock is taken when the object is made; a second holder in another
// process makes the next object see a previous instance.
TEST_F(ApplicationObjectTest, PreviousInstanceWhileAnotherProcessHoldsTheLock) {
  EXPECT_FALSE(VyrApplication->GetPrevInstance());
  const AnsiString name = ChangeFileExt(ExtractFileName(ProgramFilePath()), "");
  Finalize();  // give our own lock up
  int ready[2], release[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(release), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    HANDLE held = CreateMutex(nullptr, FALSE, name.c_str());
    char c = held ? 'y' : 'n';
    (void)!::write(ready[1], &c, 1);
    (void)!::read(release[0], &c, 1);
    ::_exit(0);
  }
  char c = 0;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  ASSERT_EQ(c, 'y');
  Initialize();
  EXPECT_TRUE(VyrApplication->GetPrevInstance());
  (void)!::write(release[1], "x", 1);
  ::waitpid(child, nullptr, 0);
  for (int fd : {ready[0], ready[1], release[0], release[1]}) ::close(fd);
}

class LogFile : public ApplicationObjectTest {
 protected:
  LogFile() {
    SetProgramPathForTesting((app.program_folder() + "/morvant2").c_str());
    Application->SetTitle("TALLIX MORVANT II");
    VyrApplication->SetLogName("");
  }
  ~LogFile() override { SetProgramPathForTesting(""); }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string LogPath() const { return app.program_folder() + "/morvant2.LOG"; }
};

TEST_F(LogFile, HeaderThenNumberedEntries) {
  EXPECT_EQ(VyrApplication->GetLogName(), LogPath().c_str());
  VyrApplication->SetVersion("1.0");
  VyrApplication->LogWrite("text");
  VyrApplication->LogWrite("#Line");
  VyrApplication->LogWrite("more");
  const std::string log = Read(LogPath());
  EXPECT_NE(log.find("\r\nLogFile started: "), std::string::npos);
  EXPECT_NE(log.find("Application    : TALLIX MORVANT II\r\n"), std::string::npos);
  EXPECT_NE(log.find("Version        : 1.0\r\n"), std::string::npos);
  const std::string stars(80, '*');
  const std::string tail = "Entries:\r\n00001: text\r\n" + stars + "\r\n00002: more\r\n";
  ASSERT_GE(log.size(), tail.size());
  EXPECT_EQ(log.substr(log.size() - tail.size()), tail) << "#Line is not counted";
}

TEST_F(LogFile, FullLogIsMovedToTheFirstFreeBackup) {
  VyrApplication->SetMaxLogSize(200);
  VyrApplication->SetLogAction(TVyrLogAction::laBackupLog);
  const std::string big(300, 'x');
  VyrApplication->LogWrite(big.c_str());
  VyrApplication->LogWrite("second");
  VyrApplication->LogWrite(big.c_str());
  VyrApplication->LogWrite("third");
  const std::string folder = app.program_folder();
  EXPECT_TRUE(std::filesystem::exists(folder + "/morvant2.l0"));
  EXPECT_TRUE(std::filesystem::exists(folder + "/morvant2.l1"));
  EXPECT_NE(Read(LogPath()).find(": third"), std::string::npos);
  EXPECT_NE(Read(folder + "/morvant2.l1").find(": second"), std::string::npos);
}

// The backup processes messages; a handler that logs meanwhile must not cut
// into the write in progress.
TEST_F(LogFile, WriteDuringABackupComesAfterIt) {
  VyrApplication->SetMaxLogSize(400);
  VyrApplication->SetLogAction(TVyrLogAction::laBackupLog);
  VyrApplication->LogWrite(std::string(500, 'x').c_str());
  TForm* form = app.create_form<TForm>();
  bool posted = false;
  Application->OnIdle = nullptr;
  VyrApplication->OnMaxLogSize = [&](TObject*, const AnsiString&, bool&) {
    if (!posted) PostMessage(form->GetHandle(), WM_NULL, 0, 0);
    posted = true;
  };
  Application->OnMessage = [&](MSG& msg, bool&) {
    if (msg.message == WM_NULL && msg.hwnd == form->GetHandle()) VyrApplication->LogWrite("nested");
  };
  VyrApplication->LogWrite("outer");
  Application->OnMessage = nullptr;
  const std::string log = Read(LogPath());
  const auto outer = log.find(": outer"), nested = log.find(": nested");
  ASSERT_NE(outer, std::string::npos) << log;
  ASSERT_NE(nested, std::string::npos);
  EXPECT_LT(outer, nested);
}

TEST_F(LogFile, UnwritableLogSkipsTheEntry) {
  VyrApplication->SetLogPrefix(Vyrprocs::TVyrPathPrefix::ppFixed);
  VyrApplication->SetLogName("/nonexistent-folder/x.LOG");
  EXPECT_NO_THROW(VyrApplication->LogWrite("lost"));
}

}  // namespace
