// The main window as the host of the rules: texts, messages, files, the
// registry, timers, the clock and music.
#include "application.h"
#include "atomic_file.h"
#include "clock.h"
#include "dialogs.h"
#include "exceptions.h"
#include "fileio.h"
#include "files.h"
#include "format.h"
#include "game_settings.h"
#include "main_form.h"
#include "random.h"
#include "resourcestrings.h"

void TForm1::ProcessMessages() { Application->ProcessMessages(); }

// Each sound id names the wave component that plays it; ids without one
// play nothing. Play returns at once and its answer is not wanted: without a
// wave device the game is simply silent.
void TForm1::PlayGameSound(int id) {
  if (!SoundOn) return;
  Vyrmms::TVyrWaveComp* wave = nullptr;
  switch (id) {
    case Game::sndExitItem: wave = VyrWaveComp1; break;
    case Game::sndBoxPushed: wave = VyrWaveComp6; break;
    case Game::sndTeleport:
    case Game::sndFloorChange: wave = VyrWaveComp3; break;
    case Game::sndWall: wave = VyrWaveComp2; break;
    case Game::sndDoorOrGate: wave = VyrWaveComp4; break;
    case Game::sndKey: wave = VyrWaveComp5; break;
    default: break;
  }
  if (wave) wave->Play();
}

void TForm1::SetCaption(const AnsiString& text) { TForm::SetCaption(text); }

void TForm1::SetStatusText(const AnsiString& text) { StatusBar1->SetSimpleText(text); }

void TForm1::ShowMessage(const AnsiString& text) {
  if (!Terminated()) ::ShowMessage(text);
}

AnsiString TForm1::ProgramFolder() { return ExtractFilePath(ProgramFilePath()); }

bool TForm1::ReadFile(const AnsiString& path, std::string& bytes) {
  // A folder or a device is not a level file.
  if (!::FileExists(path)) return false;
  return ReadWholeFile(NativePath(path), bytes) == FileReadResult::Read;
}

bool TForm1::WriteFileReplacing(const AnsiString& path, const std::string& bytes) {
  // Through a temporary of this process's own, flushed and renamed over the
  // old file: a failed write keeps the previous best solution whole, and two
  // instances solving at once never write into one temporary.
  if (WriteFileAtomically(NativePath(path), bytes)) return true;
  // The new best is already in the registry: the player must learn that its
  // replay is not stored, as with a failed settings write.
  if (!Terminated()) {
    EFCreateError error(Format(LoadStr(SFCreateError), path));
    Application->ShowException(&error);
  }
  return false;
}

bool TForm1::FileExists(const AnsiString& path) { return ::FileExists(path); }

void TForm1::AddStatistics(int moves, bool countAttempt) { Game::AddStatistics(moves, countAttempt); }

bool TForm1::IsLevelSolved(int world, int level) { return Game::IsLevelSolved(world, level); }

bool TForm1::RecordSolution(int world, int level, int steps) { return Game::RecordSolution(world, level, steps); }

void TForm1::SetMoverTimerEnabled(bool enabled) { Timer1->SetEnabled(enabled); }

void TForm1::Sleep(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds)); }

int TForm1::Random() { return RtlRand(); }

bool TForm1::Terminated() const { return !Application || Application->GetTerminated(); }

bool TForm1::MusicPlaying() { return MediaPlayer1->GetMode() == mpPlaying; }

bool TForm1::PlayMusic(const AnsiString& path) {
  try {
    MediaPlayer1->SetFileName(path);
    MediaPlayer1->Open();
    MediaPlayer1->Play();
    return true;
  } catch (Exception&) {
    // The music tick says so once and stops trying.
    return false;
  }
}
