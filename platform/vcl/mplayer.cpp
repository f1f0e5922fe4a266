#include "mplayer.h"

#include "ttimer.h"

namespace {
constexpr unsigned kWatchIntervalMs = 100;
}

void TMediaPlayer::Publish(TPublisher<TMediaPlayer>& P) {
  P.String("FileName", &TMediaPlayer::GetFileName, &TMediaPlayer::SetFileName);
  P.Enum("DeviceType", &TMediaPlayer::GetDeviceType, &TMediaPlayer::SetDeviceType,
         {"dtAutoSelect", "dtAVIVideo", "dtCDAudio", "dtDAT", "dtDigitalVideo", "dtMMMovie", "dtOther", "dtOverlay",
          "dtScanner", "dtSequencer", "dtVCR", "dtVideodisc", "dtWaveAudio"},
         dtAutoSelect);
  P.Bool("AutoOpen", &TMediaPlayer::GetAutoOpen, &TMediaPlayer::SetAutoOpen, false);
  P.Event("OnNotify", &TMediaPlayer::OnNotify);
}

TMediaPlayer::TMediaPlayer(TComponent* AOwner)
    : TCustomControl(AOwner), playback_(std::make_unique<MidiPlayback>()), watch_(TObject::Create<TTimer>(this)) {
  SetBounds(left_, top_, 253, 30);
  watch_->SetEnabled(false);
  watch_->SetInterval(kWatchIntervalMs);
  watch_->SetOnTimer(TNotifyEvent(this, &TMediaPlayer::WatchTick));
  playback_->SetEndHook([this] { TuneEnded(); });
}

TMediaPlayer::~TMediaPlayer() {
  playback_->SetEndHook(nullptr);
  playback_->Close();
}

void TMediaPlayer::Loaded() {
  TCustomControl::Loaded();
  if (autoOpen_ && !fileName_.IsEmpty()) Open();
}

TMPModes TMediaPlayer::GetMode() {
  if (!playback_->IsOpen()) return mpNotReady;
  return playback_->Mode();
}

void TMediaPlayer::Open() {
  watch_->SetEnabled(false);
  playback_->Open(fileName_);
}

void TMediaPlayer::Play() {
  playback_->Play();
  watch_->SetEnabled(true);
}

void TMediaPlayer::Stop() {
  const bool wasPlaying = GetMode() == mpPlaying;
  watch_->SetEnabled(false);
  playback_->Stop();
  if (wasPlaying) DoNotify(nvAborted);
}

void TMediaPlayer::Close() {
  watch_->SetEnabled(false);
  playback_->Close();
}

void TMediaPlayer::WatchTick(TObject*) {
  playback_->Poll();
  if (playback_->Mode() != mpPlaying) watch_->SetEnabled(false);
}

void TMediaPlayer::TuneEnded() {
  watch_->SetEnabled(false);
  DoNotify(nvSuccessful);
}

// Notify asks for one notification: it is used up when it fires.
void TMediaPlayer::DoNotify(TMPNotifyValues Value) {
  if (!notify_) return;
  notify_ = false;
  notifyValue_ = Value;
  if (OnNotify) OnNotify(this);
}
