// MIDI files played through the host's synthesizer: the service behind the
// class library's media player, with its modes and its open error.
//
// One tune plays at a time on the host. A player whose tune another player
// replaced reports it stopped, and stopping it leaves the other's tune alone.
// For use on the user-interface thread only.
//
// The host tells no one when a tune ends, so the end is found by polling:
// Mode() and Poll() look, and Poll fires the end hook once when a tune that
// this player started has run out. The media player calls Poll from the
// application's idle handling so that its Notify arrives without anyone
// asking for the Mode.
#pragma once

#include <functional>

#include "ansistring.h"
#include "exceptions.h"

MORVANT_EXCEPTION(EMCIDeviceError, Exception)

enum TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

class MidiPlayback {
 public:
  MidiPlayback() = default;
  MidiPlayback(const MidiPlayback&) = delete;
  MidiPlayback& operator=(const MidiPlayback&) = delete;
  ~MidiPlayback();

  // Opens a MIDI file for playing. Raises EMCIDeviceError when the file is
  // missing, does not start with a MIDI header, or the host cannot play MIDI
  // (it is tried once and stopped at once, since the host cannot be asked
  // otherwise). An open player is closed first.
  void Open(const AnsiString& fileName);
  // Starts the tune from its beginning and returns at once; nothing when it
  // plays already. Raises EMCIDeviceError when nothing is open or the host
  // refuses to play it. After Stop the tune starts over: the host cannot
  // resume.
  void Play();
  void Stop();
  void Close();

  TMPModes Mode();
  bool IsOpen() const { return open_; }
  const AnsiString& FileName() const { return fileName_; }

  // Looks whether the tune has ended; fires the end hook when it has.
  void Poll();
  // Called once each time a tune this player started ends by itself.
  void SetEndHook(std::function<void()> hook) { endHook_ = std::move(hook); }

 private:
  bool HostPlaysOurs() const;

  AnsiString fileName_;
  bool open_ = false;
  bool playing_ = false;  // we started a tune and have not seen it end
  bool stopped_ = false;  // stopped or ended since the open
  std::function<void()> endHook_;
};
