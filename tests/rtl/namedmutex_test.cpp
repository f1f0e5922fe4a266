#include "namedmutex.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "lasterror.h"
#include "scratch_folder.h"

namespace {

class NamedMutexTest : public ::testing::Test {
 protected:
  ScratchFolder runtime;
  ScopedEnv env{"XDG_RUNTIME_DIR", runtime.Path()};
};

TEST_F(NamedMutexTest, SecondHolderInTheProcessSeesAlreadyExists) {
  HANDLE first = CreateMutex(nullptr, FALSE, "C:\\Games\\MORVANT2.EXE");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  HANDLE second = CreateMutex(nullptr, FALSE, "C:\\Games\\MORVANT2.EXE");
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_TRUE(CloseHandle(second));
  EXPECT_TRUE(CloseHandle(first));
  EXPECT_FALSE(CloseHandle(first));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);

  HANDLE again = CreateMutex(nullptr, FALSE, "C:\\Games\\MORVANT2.EXE");
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  CloseHandle(again);
}

TEST_F(NamedMutexTest, HolderInAnotherProcessGives183UntilItEnds) {
  int ready[2], release[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(release), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    HANDLE held = CreateMutex(nullptr, FALSE, "morvant2");
    const char status = held && GetLastError() == ERROR_SUCCESS ? 'y' : 'n';
    (void)!write(ready[1], &status, 1);
    char go;
    (void)!read(release[0], &go, 1);
    _exit(0);
  }
  char status = 0;
  ASSERT_EQ(read(ready[0], &status, 1), 1);
  ASSERT_EQ(status, 'y');

  HANDLE mine = CreateMutex(nullptr, FALSE, "morvant2");
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  CloseHandle(mine);

  (void)!write(release[1], "x", 1);
  int exitStatus = 0;
  waitpid(child, &exitStatus, 0);
  mine = CreateMutex(nullptr, FALSE, "morvant2");
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS) << "the lock ends with its process";
  CloseHandle(mine);
  for (int fd : {ready[0], ready[1], release[0], release[1]}) close(fd);
}

TEST_F(NamedMutexTest, UnwritableLockFolderFailsCleanly) {
  ScopedEnv missing{"XDG_RUNTIME_DIR", runtime / "missing"};
  EXPECT_EQ(CreateMutex(nullptr, FALSE, "x"), nullptr);
  EXPECT_NE(GetLastError(), ERROR_SUCCESS);
}

}  // namespace
