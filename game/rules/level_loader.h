// Putting a level on the board: level LevelNumber of world WorldIndex, or the
// one level of an editor file. Each load ends the current attempt. Neither
// redraws: every caller follows a load with a full redraw.
#pragma once

#include "game_host.h"
#include "game_state.h"

namespace Game {

constexpr const char* kMsgLevelFileUnreadable = "Die Level Datei konnte nicht geöffnet werden.";
constexpr const char* kMsgLastLevelReached = "Sie haben schon die letzte Ebene in dieser Spielwelt erreicht.";
constexpr const char* kCaptionPrefix = "TALLIX MORVANT II - ";

void LoadWorldLevel(TGameState& s, GameHost& host);
// False, with a message and nothing on the board changed, when the file
// cannot be read or holds no level.
bool LoadEditorLevel(TGameState& s, GameHost& host, const AnsiString& fileName);

// The current level again, by the loader that brought it.
void ReloadCurrentLevel(TGameState& s, GameHost& host);

// The replay file of the current level: beside the world's levels, or the
// editor file's name with ".sco" appended; empty for a world index without a
// row.
AnsiString ReplayFileName(const TGameState& s, GameHost& host);

// Clears the mover slots, both logs, the offsets, the keys and the exits
// taken, as every load does before it reads.
void ResetAttempt(TGameState& s);

}  // namespace Game
