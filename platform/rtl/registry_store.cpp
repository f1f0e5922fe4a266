#include "registry_store.h"

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
  int DamagedLines = 0;
};

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
  ParsedFile parsed{std::make_shared<const RegistryHive>(std::move(result.Hive)), result.DamagedLines};
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
  if (parsed.DamagedLines == 0) return parsed.Hive;
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

  if (parsed.DamagedLines > 0 && !WriteFileAtomically(paths.Bad, bytes)) return ERROR_ACCESS_DENIED;
  bool changed = false;
  const DWORD code = change(hive, changed);
  if (!(code == ERROR_SUCCESS && changed) && parsed.DamagedLines == 0) return code;
  const RegistryHive& kept = code == ERROR_SUCCESS ? hive : *parsed.Hive;

  AtomicWriteHook hook;
  {
    std::lock_guard<std::mutex> hold(TheState().Mutex);
    hook = TheState().Hook;
  }
  std::string text = WriteRegistryText(kept);
  if (!WriteFileAtomically(paths.File, text, hook)) return ERROR_ACCESS_DENIED;
  Remember(paths.File, std::move(text), ParsedFile{std::make_shared<const RegistryHive>(kept), 0});
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
