#include "textinfile.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "scratch_folder.h"

namespace {

// One read of a script: an integer (its expected value, or failure), or a
// line (its expected text, or failure).
struct Int {
  bool ok;
  int value;
};
struct Line {
  bool ok;
  std::string text;
};
using Step = std::variant<Int, Line>;

struct ReadCase {
  const char* name;
  std::string bytes;
  std::vector<Step> steps;
};

constexpr int kUntouched = -77;

std::string Repeat(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

TEST(TextInFile, ReadsFollowTheRuntimeFailureRules) {
  const ReadCase cases[] = {
      {"numbers then text", "3 -12\n+7 abc 5\n",
       {Int{true, 3}, Int{true, -12}, Int{true, 7}, Int{false, kUntouched}, Int{false, kUntouched},
        Line{false, ""}}},
      {"end of file keeps the target", "42", {Int{true, 42}, Int{false, kUntouched}}},
      {"number beyond 32 bits", "2147483647 2147483648 1",
       {Int{true, 2147483647}, Int{false, kUntouched}, Int{false, kUntouched}}},
      {"most negative number", "-2147483648", {Int{true, -2147483647 - 1}}},
      {"sign alone", "- 5", {Int{false, kUntouched}}},
      {"CR LF lines lose the CR", "###\r\nhint text\r\n\r\nlast",
       {Line{true, "###"}, Line{true, "hint text"}, Line{true, ""}, Line{true, "last"}, Line{false, ""}}},
      {"number then rest of its line", "12\r\nnext\r\n", {Int{true, 12}, Line{true, ""}, Line{true, "next"}}},
      {"Windows-1252 line becomes UTF-8", "Gr\xF6\xDF" "e \x80\n", {Line{true, "Größe €"}}},
      {"UTF-8 line is kept", "Gr\xC3\xB6\xC3\x9F" "e\n", {Line{true, "Größe"}}},
      {"499 characters fit", Repeat('x', 499) + "\r\nok\n", {Line{true, Repeat('x', 499)}, Line{true, "ok"}}},
      {"499 characters at the end", Repeat('y', 499), {Line{true, Repeat('y', 499)}, Line{false, ""}}},
      {"600 characters stop all reads", Repeat('z', 600) + "\n1\n", {Line{false, ""}, Int{false, kUntouched},
                                                                      Line{false, ""}}},
      {"500 characters are one too many", Repeat('z', 500) + "\n", {Line{false, ""}}},
      {"empty file", "", {Line{false, ""}}},
  };
  ScratchFolder dir;
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    TextInFile in(dir.Write("level.dat", c.bytes));
    ASSERT_TRUE(in.is_open());
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      SCOPED_TRACE("step " + std::to_string(i));
      if (const Int* want = std::get_if<Int>(&c.steps[i])) {
        int value = kUntouched;
        in >> value;
        EXPECT_EQ(static_cast<bool>(in), want->ok);
        EXPECT_EQ(value, want->value);
      } else {
        const Line& line = std::get<Line>(c.steps[i]);
        AnsiString text = "untouched";
        in.getline(text);
        EXPECT_EQ(static_cast<bool>(in), line.ok);
        EXPECT_EQ(text, line.ok ? line.text.c_str() : "untouched");
      }
    }
  }
}

TEST(TextInFile, OpenFailsForMissingFilesAndFolders) {
  ScratchFolder dir;
  TextInFile missing(dir / "world99.dat");
  EXPECT_FALSE(missing.is_open());
  EXPECT_TRUE(!missing);
  TextInFile folder(dir.Path());
  EXPECT_FALSE(folder.is_open());
  int value = 5;
  folder >> value;
  EXPECT_EQ(value, 5);
  dir.Write("a.dat", "1");
  TextInFile backslashes(dir.Path() + "\\a.dat");
  EXPECT_TRUE(backslashes.is_open());
}

}  // namespace
