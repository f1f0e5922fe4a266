// The resource compiler on waves: a file the program could load goes into
// the form as its length and bytes; one that fails the wave's header check
// stops the build, naming the file.
#include <string>

#include "formc_fixture.h"

namespace {

using FormcTesting::ReadAll;

std::string Le32(std::uint32_t n) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(n >> (8 * i));
  return s;
}

class FormcWaves : public FormcTesting::FormcTest {
 protected:
  // A form of one wave component naming `wave`, compiled.
  Result CompileWave(const std::string& wave) {
    return Compile("object VyrWaveComp1: TVyrWaveComp\n  Wave.Data = @'" + wave + "'\nend\n");
  }
};

TEST_F(FormcWaves, TheGamesSoundsCompileToTheirLengthAndBytes) {
  for (const char* name : {"exit.wav", "wall.wav", "teleport.wav", "door.wav", "key.wav", "push.wav"}) {
    SCOPED_TRACE(name);
    const std::string file = ReadAll(std::string(MORVANT_SOUNDS_DIR) + "/" + name);
    ASSERT_GT(file.size(), 44u);
    Write(name, file);
    const Result r = CompileWave(name);
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
    const Result r = CompileWave(c.Name);
    EXPECT_NE(r.Status, 0);
    EXPECT_NE(r.Output.find(c.Name), std::string::npos) << r.Output;
    EXPECT_TRUE(r.Binary.empty());
  }
}

}  // namespace
