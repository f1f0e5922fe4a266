// TMediaPlayer: plays MIDI files through the media service. The buttons of
// the original are not drawn: the program uses it invisible. Open raises
// EMCIDeviceError when the file is missing or damaged or there is no MIDI
// device; Play returns at once. While a tune plays, a timer looks for its
// end, so that Mode changes and OnNotify fires (once, when Notify was set
// before the Play) without anyone asking.
#pragma once

#include <memory>

#include "customcontrol.h"
#include "midi_playback.h"

class TTimer;

enum TMPDeviceTypes { dtAutoSelect, dtAVIVideo, dtCDAudio, dtDAT, dtDigitalVideo, dtMMMovie, dtOther, dtOverlay,
                      dtScanner, dtSequencer, dtVCR, dtVideodisc, dtWaveAudio };
enum TMPNotifyValues { nvSuccessful, nvSuperseded, nvAborted, nvFailure };

class TMediaPlayer : public TCustomControl {
  MORVANT_COMPONENT(TMediaPlayer, TCustomControl)
 public:
  explicit TMediaPlayer(TComponent* AOwner);
  ~TMediaPlayer() override;

  AnsiString GetFileName() const { return fileName_; }
  void SetFileName(const AnsiString& Value) { fileName_ = Value; }
  TMPDeviceTypes GetDeviceType() const { return deviceType_; }
  void SetDeviceType(TMPDeviceTypes Value) { deviceType_ = Value; }
  bool GetAutoOpen() const { return autoOpen_; }
  void SetAutoOpen(bool Value) { autoOpen_ = Value; }
  bool GetNotify() const { return notify_; }
  void SetNotify(bool Value) { notify_ = Value; }
  TMPNotifyValues GetNotifyValue() const { return notifyValue_; }
  // mpNotReady before any Open and after Close.
  TMPModes GetMode();

  void Open();
  void Play();
  void Stop();
  void Close();

  TNotifyEvent OnNotify;

 protected:
  void Loaded() override;

 private:
  void WatchTick(TObject* Sender);
  void TuneEnded();
  void DoNotify(TMPNotifyValues Value);

  std::unique_ptr<MidiPlayback> playback_;
  TTimer* watch_;
  AnsiString fileName_;
  TMPDeviceTypes deviceType_ = dtAutoSelect;
  bool autoOpen_ = false;
  bool notify_ = false;
  TMPNotifyValues notifyValue_ = nvSuccessful;
};
