#include "registry_store.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "folders.h"
#include "registry.h"

namespace RegistryStore {
namespace {

struct UserPaths {
  std::string Folder;
  std::string File;
  std::string Lock;
  std::string Bad;
};

UserPaths CurrentUserPaths() {
  UserPaths p;
  // $XDG_CONFIG_HOME/morvant2, read at every call so that tests can move it.
  p.Folder = UserConfigFolder().str();
  p.File = p.Folder + "/user.reg";
  p.Lock = p.File + ".lock";
  p.Bad = p.File + ".bad";
  return p;
}

struct ParsedFile {
  std::shared_ptr<const RegistryHive> Hive;
  // Damage a rewrite would change: the file is set aside and rewritten.
  // Damage kept as it stood, once rewritten, reads the same again.
  bool NeedsRepair = false;
};

// Damaged copies kept: user.reg.bad is the newest, .bad.1 to .bad.4 older.
constexpr int kKeptBadCopies = 5;

std::string BadCopyName(const UserPaths& paths, int age) {
  return age == 0 ? paths.Bad : paths.Bad + "." + std::to_string(age);
}

// Keeps the damaged text under its own name, unless the newest copy already
// is this text (a rewrite that failed before), and says so once.
bool SetAside(const UserPaths& paths, const std::string& bytes) {
  std::string newest;
  if (ReadWholeFile(paths.Bad, newest) == FileReadResult::Read && newest == bytes) return true;
  for (int age = kKeptBadCopies - 1; age > 0; --age) {
    if (::rename(BadCopyName(paths, age - 1).c_str(), BadCopyName(paths, age).c_str()) != 0 && errno != ENOENT)
      return false;
  }
  if (!WriteFileAtomically(paths.Bad, bytes)) return false;
  std::fprintf(stderr, "morvant2: the settings file %s is damaged; it was set aside as %s\n", paths.File.c_str(),
               paths.Bad.c_str());
  return true;
}

// The last file text parsed, so that a run of reads of an unchanged file
// does not parse it again and again. It is checked against the bytes read
// at each call, so it never hides another instance's write.
struct State {
  std::mutex Mutex;
  std::string CachedPath;
  std::string CachedBytes;
  ParsedFile Cached;
  std::shared_ptr<const RegistryHive> Machine = std::make_shared<RegistryHive>();
  AtomicWriteHook Hook = nullptr;
};

State& TheState() {
  static State state;
  return state;
}

void Remember(const std::string& path, std::string bytes, const ParsedFile& parsed) {
  State& s = TheState();
  std::lock_guard<std::mutex> hold(s.Mutex);
  s.CachedPath = path;
  s.CachedBytes = std::move(bytes);
  s.Cached = parsed;
}

ParsedFile Parse(const std::string& path, std::string bytes) {
  {
    State& s = TheState();
    std::lock_guard<std::mutex> hold(s.Mutex);
    if (s.Cached.Hive && s.CachedPath == path && s.CachedBytes == bytes) return s.Cached;
  }
  RegistryParseResult result = ParseRegistryText(bytes);
  const bool needsRepair = result.DamagedLines > 0 && WriteRegistryText(result.Hive) != bytes;
  ParsedFile parsed{std::make_shared<const RegistryHive>(std::move(result.Hive)), needsRepair};
  Remember(path, std::move(bytes), parsed);
  return parsed;
}

}  // namespace

std::string UserFilePath() { return CurrentUserPaths().File; }

std::shared_ptr<const RegistryHive> ReadUser() {
  const UserPaths paths = CurrentUserPaths();
  std::string bytes;
  if (paths.File.empty() || ReadWholeFile(paths.File, bytes) != FileReadResult::Read)
    return std::make_shared<const RegistryHive>();
  ParsedFile parsed = Parse(paths.File, std::move(bytes));
  if (!parsed.NeedsRepair) return parsed.Hive;
  // An empty change still sets the damaged file aside and rewrites it.
  ChangeUser([](RegistryHive&, bool&) { return ERROR_SUCCESS; });
  return parsed.Hive;
}

DWORD ChangeUser(const Change& change) {
  const UserPaths paths = CurrentUserPaths();
  if (paths.File.empty()) return ERROR_PATH_NOT_FOUND;
  if (!MakeFolders(paths.Folder)) return ERROR_ACCESS_DENIED;
  ExclusiveFileLock lock(paths.Lock);
  if (!lock.Locked()) return ERROR_ACCESS_DENIED;

  std::string bytes;
  const FileReadResult read = ReadWholeFile(paths.File, bytes);
  // A file that exists but cannot be read must not be replaced by an empty one.
  if (read == FileReadResult::Failed) return ERROR_ACCESS_DENIED;
  const ParsedFile parsed = Parse(paths.File, bytes);
  RegistryHive hive = *parsed.Hive;

  if (parsed.NeedsRepair && !SetAside(paths, bytes)) return ERROR_ACCESS_DENIED;
  bool changed = false;
  const DWORD code = change(hive, changed);
  if (!(code == ERROR_SUCCESS && changed) && !parsed.NeedsRepair) return code;
  const RegistryHive& kept = code == ERROR_SUCCESS ? hive : *parsed.Hive;

  AtomicWriteHook hook;
  {
    std::lock_guard<std::mutex> hold(TheState().Mutex);
    hook = TheState().Hook;
  }
  std::string text = WriteRegistryText(kept);
  if (!WriteFileAtomically(paths.File, text, hook)) return ERROR_ACCESS_DENIED;
  Remember(paths.File, std::move(text), ParsedFile{std::make_shared<const RegistryHive>(kept), false});
  return code;
}

std::shared_ptr<const RegistryHive> ReadMachine() {
  std::lock_guard<std::mutex> hold(TheState().Mutex);
  return TheState().Machine;
}

void SetMachineForTesting(RegistryHive hive) {
  std::lock_guard<std::mutex> hold(TheState().Mutex);
  TheState().Machine = std::make_shared<const RegistryHive>(std::move(hive));
}

void SetWriteHookForTesting(AtomicWriteHook hook) {
  std::lock_guard<std::mutex> hold(TheState().Mutex);
  TheState().Hook = hook;
}

}  // namespace RegistryStore
