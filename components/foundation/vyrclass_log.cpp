#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "application.h"
#include "datetime.h"
#include "exceptobject.h"
#include "paths.h"
#include "sysutils.h"
#include "tstrings.h"
#include "vyrclass_application.h"

namespace Vyrclass {

namespace {

const AnsiString kStarLine = StringOfChar('*', 80);

// -1 when the file is absent or cannot be asked.
long long FileSizeOf(const AnsiString& name) {
  std::error_code error;
  const auto size = std::filesystem::file_size(NativePath(name), error);
  return error ? -1 : static_cast<long long>(size);
}

bool FileExistsNative(const AnsiString& name) {
  std::error_code error;
  return std::filesystem::is_regular_file(NativePath(name), error);
}

// The first of name.l0, name.l1 ... that is not taken.
AnsiString FreeBackupName(const AnsiString& name) {
  for (int n = 0;; ++n) {
    const AnsiString candidate = ChangeFileExt(name, ".l" + IntToStr(n));
    if (!FileExistsNative(candidate)) return candidate;
  }
}

}  // namespace

void TVyrApplication::SetLogPrefix(Vyrprocs::TVyrPathPrefix Value) {
  FLogPrefix = Value;
  SetLogName(FLogName);
}

void TVyrApplication::SetLogName(const AnsiString& Value) {
  AnsiString name = Trim(Value).IsEmpty() ? ChangeFileExt(ProgramFilePath(), ".LOG") : Value;
  if (ExtractFileExt(name).IsEmpty()) name += ".LOG";
  if (FLogPrefix != Vyrprocs::TVyrPathPrefix::ppFixed)
    name = Vyrprocs::VyrCreatePathPrefix(FLogPrefix, true) + ExtractFileName(name);
  FLogName = name;
}

void TVyrApplication::LogWrite(const AnsiString& Text) {
  // The backup of a full log processes messages, and a handler may log:
  // that write waits for this one instead of cutting into it.
  if (FLogWriting) {
    FPendingLog.push_back(Text);
    return;
  }
  FLogWriting = true;
  try {
    WriteLogEntry(Text);
    // By index and by copy: an entry may queue more while it is written.
    for (std::size_t i = 0; i < FPendingLog.size(); ++i) {
      const AnsiString next = FPendingLog[i];
      WriteLogEntry(next);
    }
  } catch (...) {
    FPendingLog.clear();
    FLogWriting = false;
    throw;
  }
  FPendingLog.clear();
  FLogWriting = false;
}

bool TVyrApplication::CheckLogSize(bool& Fresh) {
  if (FMaxLogSize <= 100 || FileSizeOf(FLogName) <= FMaxLogSize) return true;
  bool cancel = false;
  if (OnMaxLogSize) OnMaxLogSize(this, FLogName, cancel);
  if (cancel) return false;
  switch (FLogAction) {
    case TVyrLogAction::laClearLog:
      Fresh = true;
      break;
    case TVyrLogAction::laBackupLog: {
      std::error_code error;
      std::filesystem::rename(NativePath(FLogName), NativePath(FreeBackupName(FLogName)), error);
      if (Application) Application->ProcessMessages();
      Fresh = true;
      break;
    }
    case TVyrLogAction::laNone:
      break;
  }
  return true;
}

void TVyrApplication::AppendHeader(std::vector<AnsiString>& Lines) {
  const TDateTime now = Now();
  Lines.push_back(AnsiString());
  Lines.push_back("LogFile started: " + DateToStr(now) + " " + TimeToStr(now));
  Lines.push_back("Application    : " + (Application ? Application->GetTitle() : AnsiString()));
  Lines.push_back("Path/ExeName   : " + ProgramFilePath());
  if (!Trim(FVersion).IsEmpty()) Lines.push_back("Version        : " + FVersion);
  if (OnHeaderWrite) {
    TStringList extra;
    OnHeaderWrite(this, &extra);
    for (int i = 0; i < extra.GetCount(); ++i) Lines.push_back(extra.GetStrings(i));
  }
  Lines.push_back(kStarLine);
  Lines.push_back(AnsiString());
  Lines.push_back("Entries:");
}

void TVyrApplication::WriteLogEntry(const AnsiString& Text) {
  bool fresh = false;
  if (!CheckLogSize(fresh)) return;
  const bool anew = fresh || !FileExistsNative(FLogName) ||
                    (FOptions.Contains(TVyrApplicationOption::aoLogAlwaysClear) && !FLogStarted);

  std::vector<AnsiString> lines;
  if (fresh || (!FLogStarted && FOptions.Contains(TVyrApplicationOption::aoLogHeader))) AppendHeader(lines);
  if (Text == "#Header") {
    AppendHeader(lines);
  } else if (Text == "#Line") {
    lines.push_back(kStarLine);
  } else if (Text == "#CR") {
    lines.push_back(AnsiString());
  } else {
    ++FEntryCounter;
    AnsiString line = Text;
    if (FOptions.Contains(TVyrApplicationOption::aoLogNr)) line = Format("%.5d", FEntryCounter) + ": " + line;
    const TDateTime now = Now();
    if (FOptions.Contains(TVyrApplicationOption::aoLogTime)) line += " [" + TimeToStr(now) + "]";
    if (FOptions.Contains(TVyrApplicationOption::aoLogDate)) line += " [" + DateToStr(now) + "]";
    lines.push_back(line);
  }

  // A file that cannot be written skips the entry; the log never raises.
  std::FILE* file = std::fopen(NativePath(FLogName).c_str(), anew ? "wb" : "ab");
  if (!file) return;
  std::string out;
  for (const AnsiString& line : lines) {
    out += line.c_str();
    out += "\r\n";
  }
  std::fwrite(out.data(), 1, out.size(), file);
  std::fclose(file);
  FLogStarted = true;
}

void TVyrApplication::LogException(TObject* Sender) {
  auto* e = dynamic_cast<Exception*>(ExceptObject());
  if (!e) return;
  AnsiString text = Format("%s, Address: %p", e->Message, ExceptAddr());
  if (Sender) {
    auto* component = dynamic_cast<TComponent*>(Sender);
    if (component && !component->GetName().IsEmpty())
      text = Sender->ClassName() + " (Name: " + component->GetName() + "): " + text;
    else
      text = Sender->ClassName() + ": " + text;
  }
  LogWrite(text);
}

void TVyrApplication::HandleException(TObject* Sender, Exception* E) {
  bool cancel = false;
  if (OnException) OnException(Sender, E, cancel);
  if (cancel) return;
  if (FOptions.Contains(TVyrApplicationOption::aoLogException)) LogException(Sender);
  if (Application) Application->ShowException(E);
}

}  // namespace Vyrclass
