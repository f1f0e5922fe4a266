// The library's one application object VyrApplication, with the timer pool
// that drives every animated or repeating control from a single window
// timer, the brush bitmaps, the default registry path, the log file and the
// stopwatch. Part of vyrclass; vyrclass.h includes it.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "colors.h"
#include "component.h"
#include "events.h"
#include "exceptions.h"
#include "hwnd.h"
#include "published.h"
#include "sets.h"
#include "tobject.h"
#include "unitstartup.h"
#include "vyrclass.h"
#include "vyrprocs.h"
#include "wintypes.h"

class TBitmap;
class TStrings;

namespace Vyrclass {

class TVyrIniCtrl;

enum class TVyrApplicationOption {
  aoAutoRealizePalette,
  aoMouseCtrlActive,
  aoLogAlwaysClear,
  aoLogException,
  aoLogHeader,
  aoLogNr,
  aoLogTime,
  aoLogDate,
};
using TVyrApplicationOptions = TSet<TVyrApplicationOption>;
enum class TVyrLogAction { laNone, laClearLog, laBackupLog };
enum class TVyrExitCode { ecQuit, ecReboot, ecRestart };
enum class TVyrEditMode { emInsert, emShift, emCtrl, emAlt, emCaps, emNum, emScroll };
using TVyrEditModes = TSet<TVyrEditMode>;
// The timer source a control may be switched to.
enum class TVyrTimerMode { tmGlobalTimer, tmHiTimer, tmThreaded };

using TVyrMaxLogSizeEvent = TClosure<void(TObject* Sender, const AnsiString& LogName, bool& Cancel)>;
// Lines may be added to the header (between its fixed lines and the row of
// asterisks).
using TVyrOnHeaderWrite = TClosure<void(TObject* Sender, TStrings* Lines)>;
using TVyrExceptionEvent = TClosure<void(TObject* Sender, Exception* E, bool& Cancel)>;
using TVyrTimerPoolEvent = TClosure<void(TObject* Sender, Word Ident, int Counter)>;
using TVyrTimerInterval = Word;

class TVyrTimerPool;

// Runs one tick of a timer on the user-interface thread unless one is
// already running there (a tick that comes meanwhile is dropped, not
// queued); an exception goes to the application's handler.
void VyrRunTick(bool& InHandler, TObject* Sender, const std::function<void()>& Tick);

// One logical timer of a pool: fires on every Interval div MinInterval-th
// tick of the pool's window timer.
class TVyrTimerItem : public TObject {
  MORVANT_CLASS(TVyrTimerItem, TObject)
 public:
  // EInvalidOperation without pool or list.
  TVyrTimerItem(TVyrTimerPool* Pool, std::vector<TVyrTimerItem*>* List, Word Ident);
  // Leaves the pool's list.
  ~TVyrTimerItem() override;
  TVyrTimerItem(const TVyrTimerItem&) = delete;
  TVyrTimerItem& operator=(const TVyrTimerItem&) = delete;

  int GetCallCount() const { return FCallCount; }
  // -1 unlimited; n: disables itself after the n-th firing; 0: disabled and
  // cannot be enabled. Below -1 is -1.
  void SetCallCount(int Value);
  int GetCounter() const { return FCounter; }
  bool GetEnabled() const { return FEnabled; }
  // Restarts Counter; refused while CallCount is 0. The pool's window
  // timer runs on regardless.
  void SetEnabled(bool Value);
  Word GetIdent() const { return FIdent; }
  Word GetInterval() const { return FInterval; }
  int GetDivisor() const { return FDivisor; }
  // A multiple of the pool's MinInterval; 0 means MinInterval.
  void SetInterval(Word Value);
  TNotifyEvent OnTimer;

  // One firing.
  void Timer();

 private:
  friend class TVyrTimerPool;
  int FCallCount = -1;
  int FCounter = 0;
  bool FEnabled = true;
  Word FIdent;
  Word FInterval = 1000;
  int FDivisor;
  std::vector<TVyrTimerItem*>* FList;
  TVyrTimerPool* FPool;
  // Taken out during the pool's tick loop; freed once the loop is done.
  bool FRemoved = false;
};

class TVyrTimerPool : public TVyrComponent {
  MORVANT_COMPONENT(TVyrTimerPool, TVyrComponent)
 public:
  explicit TVyrTimerPool(TComponent* AOwner);
  TVyrTimerPool(TComponent* AOwner, Word MinInterval);
  ~TVyrTimerPool() override;

  // The list index; raises for a taken ident or an Interval that is not a
  // multiple of MinInterval.
  int AddTimer(Word Ident, Word Interval, const TNotifyEvent& OnTimer);
  int AddTimerExt(Word Ident, Word Interval, int CallCount, bool Enabled, const TNotifyEvent& OnTimer);
  void RemoveTimer(Word Ident);
  void ClearTimers();
  TVyrTimerItem* GetTimer(Word Ident) const;
  int IndexOf(Word Ident) const;
  int Count() const;
  int ActiveTimers() const;

  TVyrTimerInterval GetMinInterval() const { return FMinInterval; }
  // Only at design time or while loading.
  void SetMinInterval(TVyrTimerInterval Value);
  TVyrTimerPoolEvent GetOnTimer() const { return FOnTimer; }
  void SetOnTimer(const TVyrTimerPoolEvent& Value) { FOnTimer = Value; }
  // Whether the window timer is set.
  bool GetRunning() const { return FRunning; }
  HWND GetWindow() const { return FWindow; }

 private:
  friend class TVyrTimerItem;
  void UpdateMainTimer(bool Start);
  void WndProc(TMessage& Message);
  void Tick();
  // Frees the items taken out while the tick loop ran.
  void SweepRemoved();

  bool FRunning = false;
  bool FInHandler = false;
  HWND FWindow = nullptr;
  int FTick = 0;
  TVyrTimerInterval FMinInterval = 1000;
  std::vector<TVyrTimerItem*> FItems;
  bool FRemoving = false;
  bool FInTickLoop = false;
  TVyrTimerPoolEvent FOnTimer;
};

class TVyrApplication : public TComponent {
  MORVANT_CLASS(TVyrApplication, TComponent)
 public:
  explicit TVyrApplication(TComponent* AOwner);
  ~TVyrApplication() override;

  // ---- the pool's logical timers: idents 0xFD01..0xFDFA, 0 when none is left
  Word AddTimer(Word Interval, const TNotifyEvent& OnTimer);
  Word AddTimerExt(Word Interval, int CallCount, bool Enabled, const TNotifyEvent& OnTimer);
  void RemoveTimer(Word Ident);
  TVyrTimerItem* GetTimer(Word Ident) const;
  TVyrTimerPool* GetTimerPool() const { return FTimerPool.get(); }
  double GetTimerFrequency() const { return static_cast<double>(FPerformanceFrequency); }

  // 8x8 checkerboard of Color and white, owned here; callers must not free it.
  TBitmap* GetBrushBitmap(TColor Color);
  TBitmap* GetBitmap();
  // "Software\" company "\" title "\" version "\".
  AnsiString GetDefaultRegPath() const;
  // Never shuts down, reboots or logs off this host: False.
  bool QuitWindows(TVyrExitCode ExitCode);

  void LogWrite(const AnsiString& Text);
  // The exception being handled, with its sender, into the log.
  void LogException(TObject* Sender);
  void HandleException(TObject* Sender, Exception* E);
  void STWStart();
  Cardinal STWStop();

  AnsiString GetCompanyName() const { return FCompanyName; }
  void SetCompanyName(const AnsiString& Value) { FCompanyName = Value; }
  AnsiString GetVersion() const { return FVersion; }
  void SetVersion(const AnsiString& Value) { FVersion = Value; }
  TVyrApplicationOptions GetOptions() const { return FOptions; }
  void SetOptions(TVyrApplicationOptions Value) { FOptions = Value; }
  TVyrIniCtrl* GetIniCtrl() const { return FIniCtrl.get(); }
  TVyrEditModes GetEditModes() const { return FEditModes; }
  void SetEditModes(TVyrEditModes Value);
  Vyrprocs::TVyrPathPrefix GetLogPrefix() const { return FLogPrefix; }
  void SetLogPrefix(Vyrprocs::TVyrPathPrefix Value);
  AnsiString GetLogName() const { return FLogName; }
  void SetLogName(const AnsiString& Value);
  int GetMaxLogSize() const { return FMaxLogSize; }
  void SetMaxLogSize(int Value) { FMaxLogSize = Value; }
  TVyrLogAction GetLogAction() const { return FLogAction; }
  void SetLogAction(TVyrLogAction Value) { FLogAction = Value; }
  // True while another process of this program holds its lock.
  bool GetPrevInstance() const { return FPrevInstance; }
  // Seconds of the explode effect of the window helpers.
  int GetExplodeDelay() const { return FExplodeDelay; }
  void SetExplodeDelay(int Value) { FExplodeDelay = Value; }

  TNotifyEvent OnEditModeChange;
  TVyrMaxLogSizeEvent OnMaxLogSize;
  TVyrOnHeaderWrite OnHeaderWrite;
  TVyrExceptionEvent OnException;

 private:
  // The header lines, the owner's lines among them.
  void AppendHeader(std::vector<AnsiString>& Lines);
  // One write, with no other write running.
  void WriteLogEntry(const AnsiString& Text);
  // False when the maximum-size event cancels the write; Fresh is set when
  // the file was cleared or moved away.
  bool CheckLogSize(bool& Fresh);

  AnsiString FCompanyName;
  AnsiString FVersion;
  TVyrApplicationOptions FOptions{TVyrApplicationOption::aoMouseCtrlActive, TVyrApplicationOption::aoLogAlwaysClear,
                                  TVyrApplicationOption::aoLogHeader, TVyrApplicationOption::aoLogNr};
  TOwnedObject<TVyrIniCtrl> FIniCtrl;
  TVyrEditModes FEditModes{TVyrEditMode::emInsert};
  std::unique_ptr<TBitmap> FPlainBitmap;
  std::unique_ptr<TBitmap> FBrushBitmap;
  TColor FBrushColor;
  TOwnedObject<TVyrTimerPool> FTimerPool;
  Vyrprocs::TVyrPathPrefix FLogPrefix = Vyrprocs::TVyrPathPrefix::ppProgram;
  AnsiString FLogName;
  int FMaxLogSize = -1;
  bool FLogStarted = false;
  int FEntryCounter = 0;
  TVyrLogAction FLogAction = TVyrLogAction::laNone;
  Cardinal FSTWStart = 0;
  Cardinal FSTWStop = 0;
  bool FSTWRunning = false;
  Int64 FPerformanceFrequency = 0;
  HANDLE FMutex = nullptr;
  bool FPrevInstance = false;
  int FExplodeDelay = 3;
  // Slot marks of the idents 0xFD01..0xFDFA.
  std::array<bool, 250> FTimerSlots{};
  // Writes that came while one ran (the backup processes messages).
  bool FLogWriting = false;
  std::vector<AnsiString> FPendingLog;
};

// The one application object, from the unit's start to its end.
extern TVyrApplication* VyrApplication;

// The interval a pool timer asked for Interval ms runs at: the smallest
// multiple of the application pool's step (its MinInterval, 50 ms) that
// is at least Interval and at least one step, at most the largest multiple
// that fits 16 bits. The controls and buttons of the library all round so,
// so that no interval a form asks for makes the pool refuse.
Word VyrPoolInterval(Word Interval);

constexpr Word VyrFirstTimerIdent = 0xFD01;
constexpr Word VyrLastTimerIdent = 0xFDFA;

// The unit's start-up row: registers the classes that forms may name and
// makes VyrApplication; Finalize frees it.
void Initialize();
void Finalize();
inline constexpr TUnitRow Unit{"Vyrclass", &Initialize, &Finalize};

}  // namespace Vyrclass
