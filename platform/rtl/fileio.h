// The class library's low-level file handle routines. A handle is the host's
// file descriptor; -1 means failure, and the thread's last error then says
// why (ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ...). Names may use '\' as
// well as '/' between folders.
#pragma once

#include "ansistring.h"
#include "wintypes.h"

// Open modes: one access mode, or'ed with one sharing mode. Linux has no
// mandatory sharing locks, so the sharing modes are accepted and ignored.
constexpr LongWord fmOpenRead = 0x0000;
constexpr LongWord fmOpenWrite = 0x0001;
constexpr LongWord fmOpenReadWrite = 0x0002;
constexpr LongWord fmShareCompat = 0x0000;
constexpr LongWord fmShareExclusive = 0x0010;
constexpr LongWord fmShareDenyWrite = 0x0020;
constexpr LongWord fmShareDenyRead = 0x0030;
constexpr LongWord fmShareDenyNone = 0x0040;
// TFileStream's "create or truncate" mode.
constexpr LongWord fmCreate = 0xFFFF;

// Seek origins, as FileSeek and TStream::Seek take them.
constexpr int soFromBeginning = 0;
constexpr int soFromCurrent = 1;
constexpr int soFromEnd = 2;

// Opens an existing regular file; a folder is refused (ERROR_ACCESS_DENIED).
int FileOpen(const AnsiString& FileName, LongWord Mode);
// Creates the file, or truncates it when it exists; opened for reading and
// writing.
int FileCreate(const AnsiString& FileName);
// Bytes transferred (fewer at the end of the file), or -1.
int FileRead(int Handle, void* Buffer, LongWord Count);
int FileWrite(int Handle, const void* Buffer, LongWord Count);
// The new position from the start of the file, or -1.
Int64 FileSeek(int Handle, Int64 Offset, int Origin);
// Makes the file exactly Size bytes long; false on failure.
bool FileSetSize(int Handle, Int64 Size);
// The size in bytes, or -1.
Int64 FileGetSize(int Handle);
void FileClose(int Handle);

// The last error for the host's errno value, for the other routines of the
// runtime that call the host.
void SetLastErrorFromErrno(int error);
