// Multimedia units of the library: the high-resolution timer, which ticks at
// millisecond resolution from a worker thread or a multimedia timer, and the
// wave data with the wave component, a RIFF/WAVE image held in memory and
// played from there. The three-dimensional picture buttons, which belong to
// this unit too, live with the controls in vyrmms_buttons.h.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "event.h"
#include "events.h"
#include "hwnd.h"
#include "published.h"
#include "streams.h"
#include "thread.h"
#include "unitstartup.h"
#include "vyrclass.h"

namespace Vyrmms {

class TVyrHiTimer;

// The worker of a high-resolution timer in thread mode: waits for the
// interval on the platform clock (the virtual one in tests, without moving
// it) or for a stop, then hands the tick to its owner.
class TVyrThreadedTimer : public TThread {
  MORVANT_CLASS(TVyrThreadedTimer, TThread)
 public:
  // Created suspended; Resume starts it.
  TVyrThreadedTimer(TVyrHiTimer* Owner, Word Interval);
  ~TVyrThreadedTimer() override;
  Word GetInterval() const { return FInterval.load(); }
  void SetInterval(Word Value) { FInterval.store(Value); }
  // Ends the wait at once; no tick follows. On the worker itself (from
  // inside an unsynchronised tick) the thread is left to free itself.
  void Stop();

 protected:
  void Execute() override;

 private:
  bool StopHolds();

  std::atomic<TVyrHiTimer*> FOwner;
  std::atomic<Word> FInterval;
  const std::uint64_t FDueMs;
  TEvent FStopEvent{true, false};
};

class TVyrHiTimer : public Vyrclass::TVyrComponent {
  MORVANT_COMPONENT(TVyrHiTimer, Vyrclass::TVyrComponent)
 public:
  explicit TVyrHiTimer(TComponent* AOwner);
  TVyrHiTimer(TComponent* AOwner, Word Interval);
  ~TVyrHiTimer() override;

  bool GetEnabled() const { return FEnabled.load(); }
  void SetEnabled(bool Value);
  Word GetInterval() const { return FInterval.load(); }
  // Outside the device's period range: 1000.
  void SetInterval(Word Value);
  TNotifyEvent GetOnTimer() const { return FOnTimer; }
  void SetOnTimer(const TNotifyEvent& Value);
  bool GetSynchronize() const { return FSynchronize.load(); }
  // False: OnTimer runs on the worker thread, and must be thread-safe.
  void SetSynchronize(bool Value) { FSynchronize.store(Value); }
  bool GetUseThread() const { return FUseThread; }
  // False: a multimedia timer posts the ticks instead of a worker thread.
  void SetUseThread(bool Value);
  TThreadPriority GetThreadPriority() const { return FThreadPriority; }
  void SetThreadPriority(TThreadPriority Value);
  // 0 the device's largest period, 1 its smallest, else 0.
  UINT GetPeriod(int Index) const;

  // One tick: OnTimer(Self).
  virtual void Timer();

 protected:
  void Loaded() override;

 private:
  friend class TVyrThreadedTimer;
  void UpdateTimer();
  void StopTimer();
  void EnsureWindow();
  void WndProc(TMessage& Message);
  // From the worker, once per interval.
  void WorkerTick();

  std::atomic<bool> FEnabled{false};
  bool FInHandler = false;
  std::atomic<Word> FInterval{1000};
  UINT FTimerId = 0;
  UINT FPeriodMin = 1;
  UINT FPeriodMax = 1000000;
  TNotifyEvent FOnTimer;
  HWND FWindow = nullptr;
  TVyrThreadedTimer* FThread = nullptr;
  TThreadPriority FThreadPriority = tpNormal;
  std::atomic<bool> FSynchronize{true};
  bool FUseThread = true;
  // Ticks of the worker posted to the window and not yet taken; a
  // generation tells a stale one (from a stopped worker) from a current one.
  std::atomic<bool> FTickPosted{false};
  std::atomic<UINT> FGeneration{0};
};

// The tick handler of a control's own high-resolution timer: it paints, so
// it runs on the user-interface thread only. A tick that comes on the
// worker (Synchronize switched off from outside) is dropped, and the timer
// synchronises again from its next tick on.
TNotifyEvent VyrUserInterfaceTick(TVyrHiTimer* Timer, const TNotifyEvent& Tick);

// ======== wave data ========

enum class TVyrChannelMode : Byte { cmUnknown, cmMono, cmStereo };
enum class TVyrWaveFormat : Byte { wfUnknown, wfPCM };
enum class TVyrSndPlayMode { sdSync, sdAsync, sdLoop };

// What the header check learns of an image.
struct TVyrWaveInfo {
  std::uint32_t Size = 0;  // the RIFF length field: the image's length less 8
  std::uint32_t SampleRate = 0;
  TVyrChannelMode ChannelMode = TVyrChannelMode::cmUnknown;
  TVyrWaveFormat Format = TVyrWaveFormat::wfUnknown;
  std::uint16_t Bits = 0;
};

// An image that fails the header check.
MORVANT_EXCEPTION(EInvalidWave, Exception)
// A stream that ends inside the header.
MORVANT_EXCEPTION(EErrorCheckingWave, Exception)

// The header check, from the stream's position: "RIFF", the length, "WAVE",
// and at once a "fmt " chunk whose fields fill Info (as far as the check
// gets). False for a nil or empty stream or a wrong tag; a stream that ends
// inside the header raises EErrorCheckingWave. The stream is put back where
// the check began.
bool VyrGetWaveStreamInfo(TStream* Stream, TVyrWaveInfo& Info);
// False when the file does not exist; else the stream check on it.
bool VyrGetWaveFileInfo(const AnsiString& FileName, TVyrWaveInfo& Info);
// The system has a wave output device.
bool VyrMMWavePossible();

// One sound: the complete image of a RIFF/WAVE file in memory, or none.
// Streams itself as the binary property "Data": a 4-byte little-endian
// length N and the N bytes of the image, written whenever an image is held
// (one of size 0 too).
//
// The host plays one sound at a time, so any new sound cuts off the one
// still playing. The unit notes the wave that played last: freeing or
// reloading a wave silences the host only when that wave is the one
// playing, so a temporary wave never cuts off another's sound.
class TVyrWave : public Vyrclass::TVyrObject {
  MORVANT_PUBLISHED(TVyrWave, Vyrclass::TVyrObject)
 public:
  TVyrWave();
  // Loads the file (LoadFromFile).
  explicit TVyrWave(const AnsiString& FileName);
  ~TVyrWave() override;

  // Another wave: a copy of its image (none when it holds none); nil: the
  // wave becomes empty; anything else: the inherited rule.
  void Assign(TPersistent* Source) override;

  // No image, or one of size 0.
  bool GetEmpty() const;
  // The image's bytes; 0 when empty.
  int GetSize() const;
  // From the header check; 0 (or unknown) when empty.
  std::uint16_t GetBits() const { return info_.Bits; }
  TVyrChannelMode GetChannelMode() const { return info_.ChannelMode; }
  TVyrWaveFormat GetFormat() const { return info_.Format; }
  std::uint32_t GetSampleRate() const { return info_.SampleRate; }
  // The held image (at its end or anywhere: read it by memory and size);
  // nullptr when none is held.
  TMemoryStream* GetImage() const { return image_.get(); }

  // Asynchronously; False when empty, without a wave device, or when the
  // platform refuses the image.
  bool Play();
  bool PlaySound(TVyrSndPlayMode Mode);
  // Silences whatever sound plays, whichever wave started it.
  void Stop();
  // No image afterwards.
  void FreeWave();

  // The whole file.
  virtual void LoadFromFile(const AnsiString& FileName);
  // From the stream's position to its end.
  virtual void LoadFromStream(TStream* Stream);
  // A 4-byte length N and N bytes. N negative or past the stream's end
  // raises EReadError, the wave unchanged.
  void LoadFromStreamEx(TStream* Stream);
  // A compressed stream holding the image.
  void LoadCompressedFromStream(TStream* Stream);
  virtual void SaveToFile(const AnsiString& FileName);
  // The image's bytes (nothing when none is held).
  virtual void SaveToStream(TStream* Stream);
  // The 4-byte length, then the bytes.
  void SaveToStreamEx(TStream* Stream);
  void SaveCompressedToStream(TStream* Stream);

  // The "Data" block: a block whose length field is negative or is not the
  // block's length less 4 raises EReadError, the wave unchanged.
  virtual void ReadData(TStream* Stream);
  // SaveToStreamEx; a wave without an image gets an empty one first.
  virtual void WriteData(TStream* Stream);

 protected:
  void DefineProperties(TFiler* Filer) override;

 private:
  // Count bytes of Stream checked and held as the new image; Count 0 holds
  // an empty one.
  void LoadBytes(TStream* Stream, Int64 Count);
  // Puts Image (nullptr for none) in place, silencing this wave's own sound.
  void ReplaceImage(std::unique_ptr<TMemoryStream> Image, const TVyrWaveInfo& Info);
  bool PlayFlags(unsigned Flags);
  void StopIfPlaying();

  std::unique_ptr<TMemoryStream> image_;
  TVyrWaveInfo info_;
};

// The non-visual component that holds one wave and plays it.
class TVyrWaveComp : public Vyrclass::TVyrComponent {
  MORVANT_COMPONENT(TVyrWaveComp, Vyrclass::TVyrComponent)
 public:
  explicit TVyrWaveComp(TComponent* AOwner);
  ~TVyrWaveComp() override;

  TVyrWave* GetWave() const { return wave_.get(); }
  // Copies Value in (Assign).
  void SetWave(TVyrWave* Value) { wave_->Assign(Value); }

  bool Play() { return wave_->Play(); }
  bool PlaySound(TVyrSndPlayMode Mode) { return wave_->PlaySound(Mode); }
  void Stop() { wave_->Stop(); }
  virtual void LoadFromFile(const AnsiString& FileName) { wave_->LoadFromFile(FileName); }
  virtual void SaveToFile(const AnsiString& FileName) { wave_->SaveToFile(FileName); }

 private:
  std::unique_ptr<TVyrWave> wave_;
};

// The resource compiler's loader for a wave's "Data" given as a file: the
// header check (EParserError naming Path when it fails), then the block as
// the wave writes it, the file's length and its bytes.
std::vector<Byte> VyrEncodeWaveFile(const AnsiString& Path, const std::vector<Byte>& File);

// The unit's start-up row: registers the classes that forms may name and the
// wave's file property.
void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrmms", &Initialize, &Finalize};

}  // namespace Vyrmms
