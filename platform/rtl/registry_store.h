// Where the registry's keys live.
//
// HKEY_CURRENT_USER is the file $XDG_CONFIG_HOME/morvant2/user.reg (default
// ~/.config), looked up anew at each call. Reads take the file as it is at
// that moment; a change is a locked transaction: take the flock on
// user.reg.lock, re-read the file, apply the change, rewrite atomically. So a
// second running instance never loses a value, and a crash leaves the old
// or the new file, nothing between.
//
// A damaged file is copied to user.reg.bad (older copies move on to
// user.reg.bad.1 ... .bad.4) and rewritten with what could be read and the
// damaged key lines kept as they stood, the first time it is read or changed.
//
// HKEY_LOCAL_MACHINE is read-only and empty unless a test fills it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "atomic_file.h"
#include "registry_file.h"

namespace RegistryStore {

std::string UserFilePath();

// The user's keys as the file holds them now; an empty hive when there is
// no file or it cannot be read.
std::shared_ptr<const RegistryHive> ReadUser();

// A change to the user's keys. It returns a Win32 code; the file is
// rewritten only when the change returned ERROR_SUCCESS and set `changed`.
using Change = std::function<DWORD(RegistryHive& hive, bool& changed)>;
// ERROR_ACCESS_DENIED (or another code) when the file cannot be written; the
// file is then as before.
DWORD ChangeUser(const Change& change);

std::shared_ptr<const RegistryHive> ReadMachine();

// Tests: the keys of HKEY_LOCAL_MACHINE, and a hook called at each step of
// the user file's rewrite (nullptr: none).
void SetMachineForTesting(RegistryHive hive);
void SetWriteHookForTesting(AtomicWriteHook hook);

}  // namespace RegistryStore
