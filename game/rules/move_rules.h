// The rules of a move: the key handler's dispatch, arrow and stair moves,
// the common tail (teleporters, gates, counters, solved test), the replay
// step and the step animation.
#pragma once

#include "game_host.h"
#include "game_state.h"

namespace Game {

// Windows virtual-key codes the game reacts to.
constexpr int kKeyPageUp = 33, kKeyPageDown = 34, kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;
constexpr int kKeyF1 = 112, kKeyF2 = 113, kKeyAdd = 107, kKeySubtract = 109;

// The main window's key-down handling.
void HandleKey(TGameState& s, GameHost& host, int key);
// One move code of a replay file: the same rules without the command keys.
void ReplayMove(TGameState& s, GameHost& host, Integer code);

// An arrow move (codes 1..4). False when refused: the handler ends there.
bool ArrowMove(TGameState& s, GameHost& host, Integer move);
// A stair move (5: Page Up, 6: Page Down). False when refused.
bool StairMove(TGameState& s, GameHost& host, Integer move);
// Teleporters, gates, counters and the solved test, after every move that
// was not refused.
void CommonTail(TGameState& s, GameHost& host, bool replay);

// Counts the step and slides the figure and the view onto their cells, frame
// by frame, pumping messages between frames.
void AnimateStep(TGameState& s, GameHost& host);

}  // namespace Game
