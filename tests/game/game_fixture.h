// A board of empty floor on all three floors with the figure at (5, 5),
// sound on, one step a frame, and one exit item still to take somewhere, so
// that moves do not solve the level unless a test wants them to.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "game_state.h"
#include "recording_host.h"

class GameFixture : public ::testing::Test {
 protected:
  GameFixture() : state_(std::make_unique<TGameState>()), s(*state_), host(s) {
    for (auto& floor : s.Cells)
      for (auto& column : floor)
        for (auto& cell : column) cell = Game::cEmpty;
    s.PlayerX = 5;
    s.PlayerY = 5;
    s.FacingRight = 1;
    s.SoundOn = 1;
    s.ScrollSpeed = 32;
    s.ExitsTotal = 1;
    s.LevelPlayable = 1;
  }

  Integer& Cell(int x, int y, int floor = 0) { return s.Cells[floor][x][y]; }

 private:
  std::unique_ptr<TGameState> state_;

 protected:
  TGameState& s;
  RecordingHost host;
};
