#include "vyrclass_application.h"

#include <algorithm>

#include "application.h"
#include "bitmap_class.h"
#include "canvas.h"
#include "clock.h"
#include "cursor.h"
#include "kernelobject.h"
#include "lasterror.h"
#include "module.h"
#include "namedmutex.h"
#include "paths.h"
#include "shutdown.h"
#include "tscreen.h"
#include "vyrclass_storage.h"

namespace Vyrclass {

TVyrApplication* VyrApplication = nullptr;

namespace {

constexpr TColor kNoBrushColor = 0x1FFFFFFF;
constexpr int kHandCursorIndex = -255;
constexpr Word kAppPoolInterval = 50;

// The lock that tells a second running copy of the program from the first.
AnsiString MutexName() { return ChangeFileExt(ExtractFileName(ProgramFilePath()), ""); }

}  // namespace

TVyrApplication::TVyrApplication(TComponent* AOwner) : TComponent(AOwner), FBrushColor(kNoBrushColor) {
  // The store first: it asks this object for the registry path only when it
  // opens the registry for an operation.
  FIniCtrl.reset(TObject::Create<TVyrIniCtrl>(nullptr));
  if (!GetComponentState().Contains(csDesigning)) {
    FMutex = CreateMutex(nullptr, FALSE, MutexName().c_str());
    FPrevInstance = FMutex && GetLastError() == ERROR_ALREADY_EXISTS;
  }
  FTimerPool.reset(TObject::Create<TVyrTimerPool>(nullptr, kAppPoolInterval));
  SetLogName(AnsiString());
  LARGE_INTEGER frequency{};
  if (QueryPerformanceFrequency(&frequency)) FPerformanceFrequency = frequency.QuadPart;
  if (Screen) Screen->SetCursors(kHandCursorIndex, LoadCursor(HInstance, MAKEINTRESOURCE(kHandCursorResource)));
}

TVyrApplication::~TVyrApplication() {
  FIniCtrl.reset();
  FPlainBitmap.reset();
  FBrushBitmap.reset();
  FTimerPool.reset();
  if (FMutex) CloseHandle(FMutex);
}

Word VyrPoolInterval(Word Interval) {
  const unsigned step = VyrApplication && VyrApplication->GetTimerPool()->GetMinInterval()
                            ? VyrApplication->GetTimerPool()->GetMinInterval()
                            : kAppPoolInterval;
  const unsigned rounded = std::max(step, (Interval + step - 1) / step * step);
  return static_cast<Word>(std::min(rounded, 0xFFFFu / step * step));
}

Word TVyrApplication::AddTimer(Word Interval, const TNotifyEvent& OnTimer) {
  auto free = std::find(FTimerSlots.begin(), FTimerSlots.end(), false);
  if (free == FTimerSlots.end()) return 0;
  const Word ident = static_cast<Word>(VyrFirstTimerIdent + (free - FTimerSlots.begin()));
  if (FTimerPool->AddTimer(ident, Interval, OnTimer) < 0) return 0;
  *free = true;
  return ident;
}

Word TVyrApplication::AddTimerExt(Word Interval, int CallCount, bool Enabled, const TNotifyEvent& OnTimer) {
  const Word ident = AddTimer(Interval, OnTimer);
  if (TVyrTimerItem* item = GetTimer(ident)) {
    item->SetCallCount(CallCount);
    item->SetEnabled(Enabled);
  }
  return ident;
}

void TVyrApplication::RemoveTimer(Word Ident) {
  if (Ident < VyrFirstTimerIdent || Ident > VyrLastTimerIdent) return;
  FTimerPool->RemoveTimer(Ident);
  FTimerSlots[Ident - VyrFirstTimerIdent] = false;
}

TVyrTimerItem* TVyrApplication::GetTimer(Word Ident) const { return FTimerPool->GetTimer(Ident); }

TBitmap* TVyrApplication::GetBrushBitmap(TColor Color) {
  if (FBrushBitmap && Color == FBrushColor) return FBrushBitmap.get();
  if (!FBrushBitmap) {
    FBrushBitmap = std::make_unique<TBitmap>();
    FBrushBitmap->SetSize(8, 8);
    TCanvas* canvas = FBrushBitmap->GetCanvas();
    canvas->GetBrush()->SetColor(clWhite);
    canvas->FillRect(TRect(0, 0, 8, 8));
  }
  TCanvas* canvas = FBrushBitmap->GetCanvas();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if ((x + y) % 2 == 1) canvas->SetPixels(x, y, Color);
  FBrushColor = Color;
  return FBrushBitmap.get();
}

TBitmap* TVyrApplication::GetBitmap() {
  if (!FPlainBitmap) {
    FPlainBitmap = std::make_unique<TBitmap>();
    FPlainBitmap->Assign(GetBrushBitmap(clBlack));
  }
  return FPlainBitmap.get();
}

AnsiString TVyrApplication::GetDefaultRegPath() const {
  using Vyrprocs::VyrSlashAdd;
  AnsiString path = "Software\\";
  if (!Trim(FCompanyName).IsEmpty()) path += VyrSlashAdd(FCompanyName);
  const AnsiString title = Application ? Application->GetTitle() : AnsiString();
  path += VyrSlashAdd(Trim(title).IsEmpty() ? ProgramFilePath() : title);
  if (!Trim(FVersion).IsEmpty()) path += VyrSlashAdd(FVersion);
  return path;
}

bool TVyrApplication::QuitWindows(TVyrExitCode ExitCode) {
  UINT flags = EWX_LOGOFF;
  if (ExitCode != TVyrExitCode::ecRestart) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
    TOKEN_PRIVILEGES privileges;
    LookupPrivilegeValue(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid);
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr)) return false;
    flags = (ExitCode == TVyrExitCode::ecQuit ? EWX_SHUTDOWN : EWX_REBOOT) | EWX_FORCE;
  }
  if (!ExitWindowsEx(flags, 0)) return false;
  if (Application) Application->Terminate();
  return true;
}

void TVyrApplication::SetEditModes(TVyrEditModes Value) {
  if (Value == FEditModes) return;
  FEditModes = Value;
  if (OnEditModeChange) OnEditModeChange(this);
}

void TVyrApplication::STWStart() {
  if (FSTWRunning) STWStop();
  FSTWStart = GetTickCount();
  FSTWRunning = true;
}

Cardinal TVyrApplication::STWStop() {
  if (!FSTWRunning) return 0;
  FSTWStop = GetTickCount();
  FSTWRunning = false;
  return FSTWStop - FSTWStart;
}

}  // namespace Vyrclass
