// The resource compiler on waves: a file the program could load goes into
// the form as its length and bytes; one that fails the wave's header check
// stops the build, naming the file.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Le32(std::uint32_t n) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(n >> (8 * i));
  return s;
}

class FormcWaves : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvant-formc-XXXXXX").string();
    dir_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    ASSERT_FALSE(dir_.empty());
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  struct Result {
    int Status;
    std::string Output;  // what formc printed
    std::string Binary;  // the compiled form, empty when none was left
  };

  // A form of one wave component naming `wave`, compiled.
  Result Compile(const std::string& wave) {
    std::ofstream(dir_ + "/w.form") << "object VyrWaveComp1: TVyrWaveComp\n  Wave.Data = @'" << wave << "'\nend\n";
    const std::string command =
        std::string("'") + MORVANT_FORMC + "' '" + dir_ + "/w.form' '" + dir_ + "/w.bin' 2>&1";
    Result r;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[512];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) r.Output.append(buffer, n);
    const int status = ::pclose(pipe);
    r.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.Binary = ReadAll(dir_ + "/w.bin");
    return r;
  }

  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ + "/" + name, std::ios::binary) << bytes;
  }

  std::string dir_;
};

TEST_F(FormcWaves, TheGamesSoundsCompileToTheirLengthAndBytes) {
  for (const char* name : {"exit.wav", "wall.wav", "teleport.wav", "door.wav", "key.wav", "push.wav"}) {
    SCOPED_TRACE(name);
    const std::string file = ReadAll(std::string(MORVANT_SOUNDS_DIR) + "/" + name);
    ASSERT_GT(file.size(), 44u);
    Write(name, file);
    const Result r = Compile(name);
    EXPECT_EQ(r.Status, 0) << r.Output;
    // The property's binary value: a block of the file's size + 4.
    const std::string key = std::string("\x09Wave.Data") + char(10) + Le32(static_cast<std::uint32_t>(file.size() + 4));
    const std::size_t at = r.Binary.find(key);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(r.Binary.substr(at + key.size(), file.size() + 4), Le32(static_cast<std::uint32_t>(file.size())) + file);
  }
}

TEST_F(FormcWaves, AWaveTheProgramCouldNotLoadStopsTheBuild) {
  const std::string good = ReadAll(std::string(MORVANT_SOUNDS_DIR) + "/key.wav");
  ASSERT_GT(good.size(), 44u);
  std::string list = good.substr(0, 12) + "LIST" + Le32(4) + "INFO" + good.substr(12);
  std::string noWave = good;
  noWave.replace(8, 4, "AVI ");
  const struct {
    const char* Name;
    std::string Bytes;
  } cases[] = {
      {"list_first.wav", list},
      {"cut.wav", good.substr(0, 30)},
      {"no_wave.wav", noWave},
      {"empty.wav", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Write(c.Name, c.Bytes);
    const Result r = Compile(c.Name);
    EXPECT_NE(r.Status, 0);
    EXPECT_NE(r.Output.find(c.Name), std::string::npos) << r.Output;
    EXPECT_TRUE(r.Binary.empty());
  }
}

}  // namespace
