#include "midi_playback.h"

#include <cstring>

#include "fileio.h"
#include "fileops.h"
#include "format.h"
#include "host.h"
#include "paths.h"

namespace {

// The player whose tune the host plays, if any.
const MidiPlayback*& HostTuneOwner() {
  static const MidiPlayback* owner = nullptr;
  return owner;
}

[[noreturn]] void RaiseDeviceError(const AnsiString& what) {
  throw EMCIDeviceError(AnsiString("MCI-Gerätefehler: ") + what);
}

bool HasMidiHeader(const AnsiString& fileName) {
  const int handle = FileOpen(fileName, fmOpenRead | fmShareDenyNone);
  if (handle == -1) return false;
  char magic[4] = {};
  const int got = FileRead(handle, magic, sizeof magic);
  FileClose(handle);
  return got == static_cast<int>(sizeof magic) && std::memcmp(magic, "MThd", 4) == 0;
}

bool HostCanPlay() { return Backend::HostInstalled() && Backend::CurrentHost().WaveOutDeviceCount() > 0; }

}  // namespace

MidiPlayback::~MidiPlayback() { Close(); }

void MidiPlayback::Open(const AnsiString& fileName) {
  Close();
  if (!FileExists(fileName)) RaiseDeviceError(Format("Die Datei \"%s\" wurde nicht gefunden.", fileName));
  if (!HasMidiHeader(fileName)) RaiseDeviceError(Format("Die Datei \"%s\" ist keine MIDI-Datei.", fileName));
  if (!HostCanPlay() || !Backend::CurrentHost().PlayMidi(NativePath(fileName))) {
    RaiseDeviceError("Kein MIDI-Gerät verfügbar.");
  }
  // The trial play above replaced any other player's tune.
  Backend::CurrentHost().StopMidi();
  HostTuneOwner() = nullptr;
  fileName_ = fileName;
  open_ = true;
  playing_ = false;
  stopped_ = false;
}

void MidiPlayback::Play() {
  if (!open_) RaiseDeviceError("Es ist kein Gerät geöffnet.");
  if (HostPlaysOurs()) return;
  if (!Backend::CurrentHost().PlayMidi(NativePath(fileName_))) {
    playing_ = false;
    RaiseDeviceError(Format("Die Datei \"%s\" kann nicht abgespielt werden.", fileName_));
  }
  HostTuneOwner() = this;
  playing_ = true;
}

void MidiPlayback::Stop() {
  if (!open_) return;
  if (HostTuneOwner() == this) {
    Backend::CurrentHost().StopMidi();
    HostTuneOwner() = nullptr;
  }
  playing_ = false;
  stopped_ = true;
}

void MidiPlayback::Close() {
  if (!open_) return;
  Stop();
  open_ = false;
  stopped_ = false;
  fileName_ = AnsiString();
}

TMPModes MidiPlayback::Mode() {
  Poll();
  if (!open_) return mpNotReady;
  if (playing_) return mpPlaying;
  return stopped_ ? mpStopped : mpOpen;
}

void MidiPlayback::Poll() {
  if (!playing_ || HostPlaysOurs()) return;
  // Ended by itself, or another player's tune took the host.
  const bool endedByItself = HostTuneOwner() == this;
  if (endedByItself) HostTuneOwner() = nullptr;
  playing_ = false;
  stopped_ = true;
  if (endedByItself && endHook_) endHook_();
}

bool MidiPlayback::HostPlaysOurs() const {
  return HostTuneOwner() == this && Backend::HostInstalled() && Backend::CurrentHost().MidiPlaying();
}
