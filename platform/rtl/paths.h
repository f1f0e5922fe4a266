// File names and the program's own path.
//
// Paths join with PathDelim ('/'). Every routine here and in the other file
// headers also takes '\' as a separator, so a name built the Windows way
// still works; a leading drive "c:" of the volume table (drives.h) stands for
// that volume's root. ':' is an ordinary letter of a Linux file name, so,
// unlike the original, it never ends a path part.
#pragma once

#include <string>

#include "ansistring.h"
#include "wintypes.h"

constexpr char PathDelim = '/';
constexpr DWORD MAX_PATH = 260;

// The host's spelling of `name`: '\' becomes '/', a drive prefix its root.
std::string NativePath(const AnsiString& name);
bool IsPathDelimiter(char c);

// Everything up to and including the last separator ("" when none).
AnsiString ExtractFilePath(const AnsiString& fileName);
// Everything after the last separator.
AnsiString ExtractFileName(const AnsiString& fileName);
// From the last '.' of the name part on, the dot included ("" when none).
AnsiString ExtractFileExt(const AnsiString& fileName);
// The extension replaced, or `extension` appended when there is none.
AnsiString ChangeFileExt(const AnsiString& fileName, const AnsiString& extension);
AnsiString IncludeTrailingPathDelimiter(const AnsiString& path);

// The program file: /proc/self/exe, or what a test injected.
AnsiString ProgramFilePath();
// Tests (and the class library's Application) make the program appear to
// live at `path` (a full file name: "/tmp/x/morvant2"), so that its data is
// looked for beside it. An empty path restores the real one.
void SetProgramPathForTesting(const AnsiString& path);

// The module's file name; only the program itself (module nullptr or the
// program's handle) is known. Length copied without the terminating zero;
// a short buffer gets a cut, terminated name, the result is `size` and the
// last error ERROR_INSUFFICIENT_BUFFER.
DWORD GetModuleFileName(HMODULE module, LPSTR fileName, DWORD size);
// ParamStr(0) is the program file; 1.. the command-line arguments; "" past
// the end.
AnsiString ParamStr(int index);
int ParamCount();

// Copies `text` with a terminating zero into a caller's buffer of `size`
// bytes, the kernel's way: the length copied, or the size needed (with the
// zero) when it does not fit, in which case nothing is copied.
DWORD CopyToBuffer(const std::string& text, LPSTR buffer, DWORD size);
