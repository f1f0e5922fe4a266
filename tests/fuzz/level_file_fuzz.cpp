// fuzz-libs: morvant_game_rules
// Arbitrary bytes as a world file, an editor level file and a replay file.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "level_file.h"
#include "replay_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  auto record = std::make_unique<Game::LevelRecord>();

  Game::LevelTextReader world(text);
  const Integer count = Game::ReadLevelCount(world);
  // A level number from the first byte, within what the count allows.
  const Integer level = count > 0 && size > 0 ? 1 + data[0] % (count < 4 ? count : 4) : 1;
  if (Game::ReadWorldLevel(world, level, *record)) {
    if (record->PlayerX < 0 || record->PlayerX > 49 || record->PlayerY < 0 || record->PlayerY > 49) __builtin_trap();
  }

  Game::LevelTextReader editor(text);
  Game::ReadEditorLevel(editor, *record);

  if (Game::ParseReplayFile(text).size() > static_cast<std::size_t>(Game::kLogSize)) __builtin_trap();
  return 0;
}
