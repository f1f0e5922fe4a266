// The user file under crashes, a second instance and damage.
#include "registry_store.h"

#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "registry.h"
#include "temp_config_home.h"

namespace {

constexpr const char* kKey = "Software\\Tallix Software\\TALLIX MORVANT II\\SETUP";

void SetDword(const char* name, DWORD value) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            static_cast<LSTATUS>(ERROR_SUCCESS));
  ASSERT_EQ(RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4),
            static_cast<LSTATUS>(ERROR_SUCCESS));
  RegCloseKey(key);
}

// The value, or -1 when it cannot be read.
long long GetDword(const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyEx(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
  DWORD value = 0, size = 4, type = 0;
  const LSTATUS status = RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS && type == REG_DWORD ? static_cast<long long>(value) : -1;
}

AtomicWriteStep gKillAt;
void KillAtChosenStep(AtomicWriteStep step) {
  if (step == gKillAt) ::raise(SIGKILL);
}

// Runs body in a child process; true when it ended the way `killed` says.
template <class Body>
bool RunChild(Body body, bool killed) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    body();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return killed ? WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL : WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class RegistryStoreTest : public TempConfigHome {};

}  // namespace

TEST_F(RegistryStoreTest, AWriteKilledAtAnyStepLosesNothing) {
  const struct {
    AtomicWriteStep step;
    DWORD expectedLevel;  // the old value until the rename, the new one after
  } cases[] = {
      {AtomicWriteStep::TempWritten, 1},
      {AtomicWriteStep::BeforeRename, 1},
      {AtomicWriteStep::Renamed, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.step));
    SetDword("LEVEL", 1);
    SetDword("LW", 7);
    gKillAt = c.step;
    ASSERT_TRUE(RunChild(
        [] {
          RegistryStore::SetWriteHookForTesting(KillAtChosenStep);
          SetDword("LEVEL", 2);
        },
        true));
    EXPECT_EQ(GetDword("LEVEL"), c.expectedLevel);
    EXPECT_EQ(GetDword("LW"), 7);
    EXPECT_EQ(ParseRegistryText(Slurp(UserReg())).DamagedLines, 0);
    EXPECT_FALSE(std::filesystem::exists(UserReg() + ".bad"));
    // The dead writer's lock went with it, and its temporary goes at the
    // next write.
    SetDword("LEVEL", 3);
    EXPECT_EQ(GetDword("LEVEL"), 3);
    for (const auto& entry : std::filesystem::directory_iterator(Home() + "/morvant2"))
      EXPECT_EQ(entry.path().filename().string().find(".tmp."), std::string::npos) << entry.path();
  }
}

TEST_F(RegistryStoreTest, AWriteLeavesTheTemporaryOfALiveProcess) {
  SetDword("LEVEL", 1);
  // Process 1 always runs; its temporary may be a write in progress.
  const std::string live = UserReg() + ".tmp.1";
  Spill(live, "half");
  SetDword("LEVEL", 2);
  EXPECT_TRUE(std::filesystem::exists(live));
}

TEST_F(RegistryStoreTest, TwoProcessesWritingAtOnceLoseNeither) {
  constexpr int kWrites = 40;
  SetDword("start", 0);
  auto writer = [](char prefix) {
    return [prefix] {
      for (int i = 0; i < kWrites; ++i) {
        const std::string name = prefix + std::to_string(i);
        SetDword(name.c_str(), static_cast<DWORD>(i));
      }
    };
  };
  const pid_t a = ::fork();
  if (a == 0) {
    writer('A')();
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  const bool bOk = RunChild(writer('B'), false);
  int status = 0;
  ::waitpid(a, &status, 0);
  ASSERT_TRUE(bOk);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  for (int i = 0; i < kWrites; ++i) {
    const std::string number = std::to_string(i);
    EXPECT_EQ(GetDword(("A" + number).c_str()), i);
    EXPECT_EQ(GetDword(("B" + number).c_str()), i);
  }
}

TEST_F(RegistryStoreTest, ADamagedFileIsKeptAsideAndWhatParsedIsRead) {
  const std::string damaged =
      "[Software\\Tallix Software\\TALLIX MORVANT II\\SETUP]\n"
      "\"LEVEL\"=dword:00000005\n"
      "\"SOUND\"=dwurd:1\n"
      "\"LW\"=dword:00000002\n";
  Spill(UserReg(), damaged);
  EXPECT_EQ(GetDword("LEVEL"), 5);
  EXPECT_EQ(GetDword("LW"), 2);
  EXPECT_EQ(GetDword("SOUND"), -1);
  EXPECT_EQ(Slurp(UserReg() + ".bad"), damaged);
  const std::string repaired = Slurp(UserReg());
  EXPECT_EQ(ParseRegistryText(repaired).DamagedLines, 0);
  EXPECT_NE(repaired.find("\"LW\"=dword:00000002"), std::string::npos);
  SetDword("SOUND", 1);
  EXPECT_EQ(GetDword("SOUND"), 1);
  EXPECT_EQ(GetDword("LEVEL"), 5);
}

TEST_F(RegistryStoreTest, DamageTwiceInARowKeepsEachCopyAndDropsNoScore) {
  const std::string top = "[Software]\n[Software\\Tallix Software]\n[Software\\Tallix Software\\TALLIX MORVANT II]\n";
  const std::string setup = std::string("[") + kKey + "]\n\"LEVEL\"=dword:00000003\n";
  const std::string score1 = "[Software\\Tallix Software\\TALLIX MORVANT II\\SCORE1]\n\"M1\"=dword:00000011\n";
  // The closing bracket lost: the best score below it must survive.
  const std::string brokenScore2 = "[Software\\Tallix Software\\TALLIX MORVANT II\\SCORE2\n\"M1\"=dword:00000022\n";
  const std::string first = top + score1 + brokenScore2 + setup + "\"SOUND\"=dwurd:1\n";
  Spill(UserReg(), first);
  testing::internal::CaptureStderr();
  EXPECT_EQ(GetDword("LEVEL"), 3);
  EXPECT_EQ(GetDword("LEVEL"), 3);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "morvant2: the settings file " + UserReg() + " is damaged; it was set aside as " + UserReg() + ".bad\n");
  EXPECT_EQ(Slurp(UserReg() + ".bad"), first);
  EXPECT_EQ(Slurp(UserReg()), top + score1 + brokenScore2 + setup);

  // A second damage, in another line: the first copy moves on.
  SetDword("LW", 1);
  const std::string second = Slurp(UserReg()) + "garbage\n";
  Spill(UserReg(), "; edited\n" + second);
  EXPECT_EQ(GetDword("LW"), 1);
  EXPECT_EQ(Slurp(UserReg() + ".bad"), "; edited\n" + second);
  EXPECT_EQ(Slurp(UserReg() + ".bad.1"), first);
  const std::string repaired = Slurp(UserReg());
  EXPECT_NE(repaired.find(brokenScore2), std::string::npos);
  EXPECT_NE(repaired.find(score1), std::string::npos);
}

TEST_F(RegistryStoreTest, OnlyAFewDamagedCopiesAreKept) {
  for (int start = 0; start < 7; ++start) {
    Spill(UserReg(), std::string("[") + kKey + "]\nbroken " + std::to_string(start) + "\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(GetDword("LEVEL"), -1);
    testing::internal::GetCapturedStderr();
  }
  EXPECT_NE(Slurp(UserReg() + ".bad").find("broken 6"), std::string::npos);
  EXPECT_NE(Slurp(UserReg() + ".bad.4").find("broken 2"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(UserReg() + ".bad.5"));
}

TEST_F(RegistryStoreTest, AReplacedFileKeepsItsModeAndAReadOnlyOneIsNotWritten) {
  SetDword("LEVEL", 1);
  ASSERT_EQ(::chmod(UserReg().c_str(), 0640), 0);
  SetDword("LEVEL", 2);
  struct stat st;
  ASSERT_EQ(::stat(UserReg().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);

  ASSERT_EQ(::chmod(UserReg().c_str(), 0444), 0);
  const std::string before = Slurp(UserReg());
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kKey, 0, KEY_ALL_ACCESS, &key), static_cast<LSTATUS>(ERROR_SUCCESS));
  const DWORD value = 3;
  EXPECT_EQ(RegSetValueEx(key, "LEVEL", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4),
            static_cast<LSTATUS>(ERROR_ACCESS_DENIED));
  RegCloseKey(key);
  EXPECT_EQ(Slurp(UserReg()), before);
  ASSERT_EQ(::stat(UserReg().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  EXPECT_EQ(GetDword("LEVEL"), 2);
}

TEST_F(RegistryStoreTest, EveryCallReadsTheFileAsItIsNow) {
  // Another instance (here: the test) replaces the file between two reads
  // through one open handle.
  SetDword("LEVEL", 1);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), static_cast<LSTATUS>(ERROR_SUCCESS));
  Spill(UserReg(), std::string("[") + kKey + "]\n\"LEVEL\"=dword:00000009\n");
  DWORD value = 0, size = 4;
  EXPECT_EQ(RegQueryValueEx(key, "level", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
            static_cast<LSTATUS>(ERROR_SUCCESS));
  EXPECT_EQ(value, 9u);
  RegCloseKey(key);
}

TEST_F(RegistryStoreTest, TheFileFollowsXdgConfigHomeAtEachCall) {
  SetDword("LEVEL", 1);
  const std::string first = Home();
  const std::string second = first + "/other";
  ::setenv("XDG_CONFIG_HOME", second.c_str(), 1);
  EXPECT_EQ(RegistryStore::UserFilePath(), second + "/morvant2/user.reg");
  EXPECT_EQ(GetDword("LEVEL"), -1);
  SetDword("LEVEL", 2);
  ::setenv("XDG_CONFIG_HOME", first.c_str(), 1);
  EXPECT_EQ(GetDword("LEVEL"), 1);
  // A relative XDG_CONFIG_HOME is ignored, as the base directory rules say.
  ::setenv("XDG_CONFIG_HOME", "relative", 1);
  ::setenv("HOME", first.c_str(), 1);
  EXPECT_EQ(RegistryStore::UserFilePath(), first + "/.config/morvant2/user.reg");
}
