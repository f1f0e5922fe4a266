// A host for the game's rules with no window: it records what the rules ask
// of the screen and the speakers, keeps files and registry values in memory,
// and answers the random sequence from a script.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "game_host.h"
#include "game_state.h"

class RecordingHost : public GameHost {
 public:
  explicit RecordingHost(TGameState& state) : state_(state) {}

  void RedrawCells(int x1, int y1, int x2, int y2) override { redraws.push_back({x1, y1, x2, y2}); }
  void ProcessMessages() override {
    ++pumps;
    if (onPump) {
      auto f = std::move(onPump);
      onPump = nullptr;
      f();
    }
  }
  void PlayGameSound(int id) override {
    if (state_.SoundOn) sounds.push_back(id);
  }
  void ShowCounters() override { ++counterUpdates; }
  void SetCaption(const AnsiString& text) override { caption = text.str(); }
  void SetStatusText(const AnsiString& text) override { status = text.str(); }
  void ShowMessage(const AnsiString& text) override { messages.push_back(text.str()); }

  AnsiString ProgramFolder() override { return "/game/"; }
  bool ReadFile(const AnsiString& path, std::string& bytes) override {
    auto it = files.find(path.str());
    if (it == files.end()) return false;
    bytes = it->second;
    return true;
  }
  bool WriteFileReplacing(const AnsiString& path, const std::string& bytes) override {
    if (!writable) return false;
    files[path.str()] = bytes;
    return true;
  }
  bool FileExists(const AnsiString& path) override { return files.count(path.str()) != 0; }

  void AddStatistics(int moves, bool countAttempt) override {
    zuege += moves;
    if (countAttempt) versuche += 1;
  }
  bool IsLevelSolved(int world, int level) override { return solved[{world, level}]; }
  bool RecordSolution(int world, int level, int steps) override {
    solved[{world, level}] = true;
    auto it = best.find({world, level});
    const int stored = it == best.end() ? 9999 : it->second;
    if (steps > stored) return false;
    best[{world, level}] = steps;
    return true;
  }

  void SetMoverTimerEnabled(bool enabled) override { moverTimer = enabled; }
  void Sleep(int ms) override { slept += ms; }
  int Random() override {
    if (randoms.empty()) return 1;
    int r = randoms.front();
    randoms.pop_front();
    return r;
  }
  bool Terminated() const override { return terminated; }
  bool MusicPlaying() override { return musicPlaying; }
  bool PlayMusic(const AnsiString& path) override {
    played.push_back(path.str());
    return musicWorks;
  }

  struct Rect {
    int x1, y1, x2, y2;
  };
  std::vector<Rect> redraws;
  std::vector<int> sounds;
  std::vector<std::string> messages;
  std::vector<std::string> played;
  std::map<std::string, std::string> files;
  std::map<std::pair<int, int>, bool> solved;
  std::map<std::pair<int, int>, int> best;
  std::deque<int> randoms;
  std::function<void()> onPump;
  std::string caption, status;
  int pumps = 0, counterUpdates = 0, zuege = 0, versuche = 0, slept = 0;
  bool moverTimer = false, terminated = false, writable = true, musicPlaying = false, musicWorks = true;

 private:
  TGameState& state_;
};
