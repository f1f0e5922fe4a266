// What the rules need from the window that shows the game: drawing, sound,
// the counters and texts, messages, files, the registry values, the timers
// and music. The main window implements it; the tests use a recording host,
// so that the whole game runs without a screen.
#pragma once

#include <string>

#include "ansistring.h"

class GameHost {
 public:
  virtual ~GameHost() = default;

  // Drawing and sound.
  // Rebuilds the cells x1..x2-1 by y1..y2-1 of the board picture and the view.
  virtual void RedrawCells(int x1, int y1, int x2, int y2) = 0;
  // One pump of the message queue between two animation frames; handlers run
  // nested inside it.
  virtual void ProcessMessages() = 0;
  // Plays nothing unless sound is switched on.
  virtual void PlayGameSound(int id) = 0;
  // The four counters: floor, level, exits left, steps.
  virtual void ShowCounters() = 0;

  // Window texts and messages.
  virtual void SetCaption(const AnsiString& text) = 0;
  virtual void SetStatusText(const AnsiString& text) = 0;
  // A modal message box with an OK button.
  virtual void ShowMessage(const AnsiString& text) = 0;

  // Files. The program's folder ends with the path separator. ReadFile is
  // true only when a regular file was read whole.
  virtual AnsiString ProgramFolder() = 0;
  virtual bool ReadFile(const AnsiString& path, std::string& bytes) = 0;
  // Replaces the file by `bytes` atomically; false when it could not be written.
  virtual bool WriteFileReplacing(const AnsiString& path, const std::string& bytes) = 0;
  virtual bool FileExists(const AnsiString& path) = 0;

  // Registry values ("STAT" and "SCORE" + world). Each call is one operation.
  // "ZUEGE" += moves; then "VERSUCHE" += 1 when countAttempt.
  virtual void AddStatistics(int moves, bool countAttempt) = 0;
  virtual bool IsLevelSolved(int world, int level) = 0;
  // Marks the level solved and stores `steps` as its best when it is no
  // more than the stored best (9999 when none): then true.
  virtual bool RecordSolution(int world, int level, int steps) = 0;

  // Timers, the clock and the random sequence.
  virtual void SetMoverTimerEnabled(bool enabled) = 0;
  virtual void Sleep(int milliseconds) = 0;
  virtual int Random() = 0;
  // The program is closing: nothing further may run.
  virtual bool Terminated() const = 0;

  // Music.
  virtual bool MusicPlaying() = 0;
  // False when the player failed to open or play the file.
  virtual bool PlayMusic(const AnsiString& path) = 0;
};

// Stops the mover timer for the life of the object and starts it again on
// every way out, an exception included, unless the program is closing.
class MoverTimerPause {
 public:
  explicit MoverTimerPause(GameHost& host) : host_(host) { host_.SetMoverTimerEnabled(false); }
  ~MoverTimerPause() {
    if (!host_.Terminated()) host_.SetMoverTimerEnabled(true);
  }
  MoverTimerPause(const MoverTimerPause&) = delete;
  MoverTimerPause& operator=(const MoverTimerPause&) = delete;

 private:
  GameHost& host_;
};
