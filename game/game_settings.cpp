#include "game_settings.h"

#include <cstdint>

#include "tregistry.h"

namespace Game {

namespace {

AnsiString ScoreSection(int world) { return "SCORE" + AnsiString(world); }

// A running count in "STAT": stored as a DWORD, it wraps at 32 bits, so the
// sum is taken unsigned, where wrapping is defined.
void AddToStatistic(TRegistryIniFile& reg, const char* name, int amount) {
  const auto stored = static_cast<std::uint32_t>(reg.ReadInteger("STAT", name, 0));
  reg.WriteInteger("STAT", name, static_cast<Integer>(stored + static_cast<std::uint32_t>(amount)));
}

}  // namespace

Integer BoundScrollSpeed(Integer stored) {
  if (stored < 1) return 8;
  return stored > 32 ? 32 : stored;
}

Integer BoundReplayDelay(Integer stored) {
  if (stored < 0) return 0;
  return stored > 500 ? 500 : stored;
}

void ReadSettings(TGameState& s) {
  TRegistryIniFile reg(kRegistryKey);
  s.ScrollSpeed = BoundScrollSpeed(reg.ReadInteger("SETUP", "SCROLLSPEED", 8));
  s.SoundOn = reg.ReadBool("SETUP", "SOUND", false);
  s.MusicOn = reg.ReadBool("SETUP", "MUSIK", false);
  s.NoEndDialogs = reg.ReadBool("SETUP", "DIALOGE", false);
  s.AvoidScrolling = reg.ReadBool("SETUP", "SCROLLING", false);
  s.HiResMode = reg.ReadBool("SETUP", "HIRES", false);
  s.ReplayDelay = BoundReplayDelay(reg.ReadInteger("SETUP", "DELAY", 0));
  s.WorldIndex = reg.ReadInteger("SETUP", "LW", 0);
  s.LevelNumber = reg.ReadInteger("SETUP", "LEVEL", 1);
}

void SaveOnClose(const TGameState& s) {
  TRegistryIniFile reg(kRegistryKey);
  reg.WriteInteger("SETUP", "LW", s.WorldIndex);
  reg.WriteInteger("SETUP", "LEVEL", s.LevelNumber);
  AddToStatistic(reg, "ZUEGE", s.Steps);
}

void AddStatistics(int moves, bool countAttempt) {
  TRegistryIniFile reg(kRegistryKey);
  AddToStatistic(reg, "ZUEGE", moves);
  if (countAttempt) AddToStatistic(reg, "VERSUCHE", 1);
}

bool IsLevelSolved(int world, int level) {
  TRegistryIniFile reg(kRegistryKey);
  return reg.ReadBool(ScoreSection(world), "G" + AnsiString(level), false);
}

bool RecordSolution(int world, int level, int steps) {
  TRegistryIniFile reg(kRegistryKey);
  const AnsiString section = ScoreSection(world);
  reg.WriteBool(section, "G" + AnsiString(level), true);
  if (steps > reg.ReadInteger(section, "M" + AnsiString(level), 9999)) return false;
  reg.WriteInteger(section, "M" + AnsiString(level), steps);
  return true;
}

TGameStatistics ReadStatistics() {
  constexpr int kWorlds = 50, kLevels = 19;
  TRegistryIniFile reg(kRegistryKey);
  TGameStatistics stats;
  for (int world = 0; world < kWorlds; ++world) {
    const AnsiString section = ScoreSection(world);
    for (int level = 1; level <= kLevels; ++level) {
      if (reg.ReadBool(section, "G" + AnsiString(level), false)) ++stats.Solved;
      stats.BestSteps += reg.ReadInteger(section, "M" + AnsiString(level), 0);
    }
  }
  stats.Steps = static_cast<std::uint32_t>(reg.ReadInteger("STAT", "ZUEGE", 0));
  stats.Attempts = static_cast<std::uint32_t>(reg.ReadInteger("STAT", "VERSUCHE", 0));
  return stats;
}

}  // namespace Game
