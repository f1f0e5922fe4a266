#include "textoutfile.h"

#include <gtest/gtest.h>

#include "scratch_folder.h"
#include "textfile.h"

namespace {

TEST(TextOutFile, IntegersWithBlanksAndTruncation) {
  ScratchFolder dir;
  dir.Write("score.dat", "old contents that are longer");
  {
    TextOutFile out(dir / "score.dat");
    ASSERT_TRUE(out);
    for (int v : {2, 2, 3, 6, 0}) out << v << ' ';
    EXPECT_TRUE(out.close());
  }
  EXPECT_EQ(dir.Read("score.dat"), "2 2 3 6 0 ");
}

TEST(TextOutFile, OpenFailureWritesNothing) {
  ScratchFolder dir;
  TextOutFile out(dir / "missing/score.dat");
  EXPECT_FALSE(out);
  out << 1 << ' ';
  EXPECT_FALSE(out.close());
  TextOutFile onFolder(dir.Path());
  EXPECT_FALSE(onFolder);
}

TEST(TextFile, RewriteAppendWritelnWithCrLf) {
  ScratchFolder dir;
  TextFile log;
  AssignFile(log, dir / "game.log");
  Rewrite(log);
  Writeln(log, "Start");
  Write(log, "a");
  Writeln(log);
  CloseFile(log);
  EXPECT_EQ(IOResult(), 0);
  Append(log);
  Writeln(log, "Ende");
  CloseFile(log);
  EXPECT_EQ(IOResult(), 0);
  EXPECT_EQ(dir.Read("game.log"), "Start\r\na\r\nEnde\r\n");
}

TEST(TextFile, ErrorsGoToIOResultAndSkipUntilFetched) {
  ScratchFolder dir;
  TextFile log;
  AssignFile(log, dir / "absent.log");
  Append(log);
  EXPECT_EQ(IOResult(), 2) << "Append needs an existing file";
  EXPECT_EQ(IOResult(), 0) << "reading clears it";

  AssignFile(log, dir / "no/such/folder.log");
  Rewrite(log);
  Writeln(log, "lost");
  EXPECT_EQ(IOResult(), 3);
  Writeln(log, "not open");
  EXPECT_EQ(IOResult(), 103);

  // While an error waits, even a good open is skipped.
  Rewrite(log);
  AssignFile(log, dir / "later.log");
  Rewrite(log);
  EXPECT_EQ(IOResult(), 3);
  EXPECT_FALSE(log.IsOpen());
  TextFile unassigned;
  Rewrite(unassigned);
  EXPECT_EQ(IOResult(), 102);
}

}  // namespace
