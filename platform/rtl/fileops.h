// Files and folders: tests for existence, creating, deleting and renaming.
// On failure the thread's last error says why (see fileio.h).
#pragma once

#include "ansistring.h"
#include "wintypes.h"

// A regular file (a folder gives false); links are followed.
bool FileExists(const AnsiString& fileName);
bool DirectoryExists(const AnsiString& directory);
// Creates the folder and every missing folder above it; true when it exists
// afterwards.
bool ForceDirectories(const AnsiString& directory);
bool CreateDir(const AnsiString& directory);
bool RemoveDir(const AnsiString& directory);
bool DeleteFile(const AnsiString& fileName);
// Fails (ERROR_ALREADY_EXISTS) when newName exists: never replaces a file.
bool RenameFile(const AnsiString& oldName, const AnsiString& newName);

constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
constexpr DWORD MOVEFILE_COPY_ALLOWED = 0x2;
constexpr DWORD MOVEFILE_WRITE_THROUGH = 0x8;
constexpr DWORD ERROR_NOT_SAME_DEVICE = 17;
// With MOVEFILE_REPLACE_EXISTING an existing target is replaced in one step
// (rename), so it always holds the old or the new file. Without it, an
// existing target makes the move fail. MOVEFILE_WRITE_THROUGH flushes the
// folder afterwards. Moves across file systems are not done
// (ERROR_NOT_SAME_DEVICE), copy allowed or not.
BOOL MoveFileEx(LPCSTR existingName, LPCSTR newName, DWORD flags);
