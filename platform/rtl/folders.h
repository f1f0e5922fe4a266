// The program's well-known folders and temporary files.
//
// Linux has no Windows or system folder; they are the folders "windows" and
// "system" in the user's configuration folder, created when first asked for,
// so that files the callers keep there (ini files, logs) have a home.
#pragma once

#include "ansistring.h"
#include "wintypes.h"

// $XDG_CONFIG_HOME/morvant2 (default ~/.config/morvant2), no final separator.
AnsiString UserConfigFolder();
// $TMPDIR (when absolute) or /tmp, with the final separator.
AnsiString TempFolder();

AnsiString GetCurrentDir();
bool SetCurrentDir(const AnsiString& directory);

// The buffer functions answer the length copied (without the zero), or the
// size needed (with it) when the buffer is too small, or 0 on failure.
DWORD GetCurrentDirectory(DWORD size, LPSTR buffer);
DWORD GetTempPath(DWORD size, LPSTR buffer);
UINT GetWindowsDirectory(LPSTR buffer, UINT size);
UINT GetSystemDirectory(LPSTR buffer, UINT size);

// "<path>/<prefix 3 letters><4 hex digits>.TMP" into a MAX_PATH buffer. With
// unique 0 a name not yet taken is found and the file created (empty), and
// the number used is returned; otherwise the name is only formed from
// `unique`. 0 on failure.
UINT GetTempFileName(LPCSTR pathName, LPCSTR prefix, UINT unique, LPSTR tempFileName);
