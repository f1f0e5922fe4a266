// Text when fontconfig offers no usable face. Each case runs this test
// program afresh with a font configuration of its own, because fontconfig
// reads its configuration once per process.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bitmap.h"
#include "dc.h"
#include "fontengine.h"
#include "gdiobj.h"
#include "text.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kChildCase = "MORVANT_FONT_FALLBACK_CASE";
constexpr const char* kChildFolder = "MORVANT_FONT_FALLBACK_FOLDER";

bool InChild(const char* name) {
  const char* value = std::getenv(kChildCase);
  return value && std::string(value) == name;
}

struct ChildRun {
  int status = -1;
  std::string errors;
};

// This test again, in a fresh process with FONTCONFIG_FILE = config and the
// same scratch folder; what it printed on standard error and how it ended.
ChildRun RunChild(const char* name, const std::string& folder, const std::string& config) {
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::string command = std::string(kChildCase) + "=" + name + " " + kChildFolder + "='" + folder +
                              "' FONTCONFIG_FILE='" + config + "' '" + self +
                              "' --gtest_filter=" + info->test_suite_name() + "." + info->name() +
                              " 2>&1 >/dev/null";
  ChildRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) run.errors += buffer;
  run.status = ::pclose(pipe);
  return run;
}

class FontFallbackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* inherited = std::getenv(kChildFolder)) {
      folder_ = inherited;
      return;
    }
    std::string pattern = (fs::temp_directory_path() / "morvant-fonts-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    owned_ = true;
  }
  void TearDown() override {
    std::error_code ignored;
    if (owned_) fs::remove_all(folder_, ignored);
  }
  // A configuration of only these font folders, with no cache.
  std::string Config(const std::vector<std::string>& fontFolders) {
    std::string text = "<?xml version=\"1.0\"?>\n<fontconfig>\n";
    for (const std::string& f : fontFolders) text += "<dir>" + f + "</dir>\n";
    text += "</fontconfig>\n";
    const std::string path = folder_ + "/fonts.conf";
    std::ofstream(path) << text;
    return path;
  }
  std::string folder_;
  bool owned_ = false;
};

// Draws a line on a memory bitmap: no face must not mean a crash.
void DrawALine() {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(200, 40, 1, 32, nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  TextOut(dc, 2, 2, "Glückwunsch", 12);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST_F(FontFallbackTest, NoFontsAtAllIsToldOnceAndNothingBreaks) {
  if (InChild("none")) {
    EXPECT_TRUE(ResolveFace("Arial", 400, false).file.empty());
    EXPECT_TRUE(ResolveFace("Courier New", 700, true, true).file.empty());
    DrawALine();
    return;
  }
  const ChildRun run = RunChild("none", folder_, Config({}));
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.errors,
            "morvant2: no font found for \"Liberation Sans\", \"DejaVu Sans\", nor any other: text is not drawn\n");
}

TEST_F(FontFallbackTest, AFaceThatCannotBeOpenedGivesWayToAnyOther) {
  const std::string fonts = folder_ + "/fonts";
  fs::create_directories(fonts);
  // The face asked for is also the last resort: both fail to open.
  const std::string broken = fonts + "/DejaVuSans.ttf";
  const std::string usable = fonts + "/URWBookman-Light.otf";
  if (InChild("broken")) {
    // fontconfig has read both; then the best face for the request breaks.
    ASSERT_EQ(ListInstalledFaces("").size(), 2u);
    fs::resize_file(broken, 100);
    const FaceMatch match = ResolveFace("DejaVu Sans", 400, false);
    EXPECT_EQ(match.file, usable);
    DrawALine();
    return;
  }
  fs::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", broken);
  fs::copy_file("/usr/share/fonts/opentype/urw-base35/URWBookman-Light.otf", usable);
  const ChildRun run = RunChild("broken", folder_, Config({fonts}));
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.errors, "morvant2: no font found for \"DejaVu Sans\": text is drawn with \"URW Bookman\"\n");
}

}  // namespace
