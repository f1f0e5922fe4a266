// The program's version resource. The original reads it from the executable
// file; here it is a table compiled into the program (versioninfo_table.cpp),
// and the program's own file is the only one that has it. Only the parts the
// callers read exist: "\VarFileInfo\Translation" and the strings under
// "\StringFileInfo\<language><code page>\<name>".
#pragma once

#include "wintypes.h"

constexpr DWORD ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;

// Size of the block for the program's own file (its path, or a path to the
// same file); 0 and ERROR_RESOURCE_TYPE_NOT_FOUND for any other file.
// *handle is set to 0, as the original does.
DWORD GetFileVersionInfoSize(LPCSTR fileName, LPDWORD handle);
// Fills data with the block; FALSE when the file has none or length is short.
BOOL GetFileVersionInfo(LPCSTR fileName, DWORD handle, DWORD length, LPVOID data);
// *buffer points at the value, *length is its size: characters with the
// terminating zero for a string, bytes for the translation array. The
// pointers stay valid for the life of the program. Names compare without
// regard to case. FALSE for anything that is not in the block.
BOOL VerQueryValue(LPCVOID block, LPCSTR subBlock, LPVOID* buffer, UINT* length);
