#include "level_loader.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "level_file.h"
#include "view.h"
#include "world_table.h"

namespace Game {
namespace {

Integer CountExitItems(const TGameState& s) {
  Integer n = 0;
  for (const auto& floor : s.Cells)
    for (const auto& column : floor)
      n += static_cast<Integer>(std::count(std::begin(column), std::end(column), cExitItem));
  return n;
}

void TakeRecord(TGameState& s, const LevelRecord& r) {
  std::memcpy(s.Cells, r.Cells, sizeof s.Cells);
  s.PlayerX = r.PlayerX;
  s.PlayerY = r.PlayerY;
  std::copy(std::begin(r.MoverX), std::end(r.MoverX), s.MoverX);
  std::copy(std::begin(r.MoverY), std::end(r.MoverY), s.MoverY);
  std::copy(std::begin(r.MoverFloor), std::end(r.MoverFloor), s.MoverFloor);
}

// The steps a load shares once the level is on the board.
void FinishLoad(TGameState& s, GameHost& host) {
  s.ExitsTotal = CountExitItems(s);
  host.ShowCounters();
  s.FitsInView = ComputeFitsInView(s);
  s.LevelPlayable = 1;
}

}  // namespace

void ResetAttempt(TGameState& s) {
  std::fill(std::begin(s.MoverX), std::end(s.MoverX), 0);
  std::fill(std::begin(s.MoverY), std::end(s.MoverY), 0);
  std::fill(std::begin(s.MoverFloor), std::end(s.MoverFloor), 0);
  std::fill(std::begin(s.MoverOffsetX), std::end(s.MoverOffsetX), 0);
  std::fill(std::begin(s.MoverOffsetY), std::end(s.MoverOffsetY), 0);
  std::fill(std::begin(s.MoveLog), std::end(s.MoveLog), 0);
  std::fill(std::begin(s.EventLog), std::end(s.EventLog), 0);
  s.ViewOffsetX = s.ViewOffsetY = s.SpriteOffsetX = s.SpriteOffsetY = 0;
  s.FacingRight = 1;
  s.Floor = 0;
  std::fill(std::begin(s.KeyHeld), std::end(s.KeyHeld), 0);
  s.ExitsTaken = 0;
  // Keys typed for the level before do not walk on this one.
  s.KeysWaiting.Clear();
}

void LoadWorldLevel(TGameState& s, GameHost& host) {
  s.EditorLevel = 0;
  if (s.LevelNumber <= 0) s.LevelNumber = 1;
  ResetAttempt(s);
  host.AddStatistics(s.Steps, s.Steps != 0);
  s.Steps = 0;
  // Until a level is taken whole the board is not one to score.
  s.LevelPlayable = 0;

  // A world index without a row names the level folder's parent, which no
  // regular file is: that open fails, and the caption stays.
  const WorldRow* row = WorldRowOf(s.WorldIndex);
  if (row) host.SetCaption(AnsiString(kCaptionPrefix) + row->CaptionSuffix);
  std::string bytes;
  if (!row || !host.ReadFile(host.ProgramFolder() + "level/" + row->LevelFile, bytes)) {
    host.ShowMessage(kMsgLevelFileUnreadable);
    return;
  }

  LevelTextReader reader(bytes);
  const Integer count = ReadLevelCount(reader);
  if (s.LevelNumber > count) {
    host.ShowMessage(kMsgLastLevelReached);
    s.LevelNumber = count;
  }
  if (s.LevelNumber == 0) return;  // an empty world: nothing to play

  auto record = std::make_unique<LevelRecord>();
  if (!ReadWorldLevel(reader, s.LevelNumber, *record)) {
    host.ShowMessage(kMsgLevelFileUnreadable);
    return;
  }
  TakeRecord(s, *record);
  host.SetStatusText(record->Hint == "###" ? AnsiString() : "Hinweis: " + record->Hint);
  FinishLoad(s, host);
}

bool LoadEditorLevel(TGameState& s, GameHost& host, const AnsiString& fileName) {
  // Read whole before anything changes: a file that fails leaves the level
  // on the board, its caption and its file, so every command still acts on
  // that level.
  std::string bytes;
  auto record = std::make_unique<LevelRecord>();
  bool read = host.ReadFile(fileName, bytes);
  if (read) {
    LevelTextReader reader(bytes);
    read = ReadEditorLevel(reader, *record);
  }
  if (!read) {
    host.ShowMessage(kMsgLevelFileUnreadable);
    return false;
  }

  s.EditorLevel = 1;
  s.EditorFile = fileName;
  if (s.LevelNumber <= 0) s.LevelNumber = 1;
  ResetAttempt(s);
  s.Steps = 0;
  host.SetCaption(kCaptionPrefix + fileName);
  TakeRecord(s, *record);
  host.SetStatusText("Editor Spielebene");
  FinishLoad(s, host);
  return true;
}

void ReloadCurrentLevel(TGameState& s, GameHost& host) {
  if (s.EditorLevel) LoadEditorLevel(s, host, s.EditorFile);
  else LoadWorldLevel(s, host);
}

AnsiString ReplayFileName(const TGameState& s, GameHost& host) {
  if (s.EditorLevel) return s.EditorFile + ".sco";
  const WorldRow* row = WorldRowOf(s.WorldIndex);
  if (!row) return AnsiString();
  return host.ProgramFolder() + "level/" + row->ScoreName + AnsiString(s.LevelNumber) + ".sco";
}

}  // namespace Game
