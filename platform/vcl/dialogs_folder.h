// What the open dialog shows of the disk: a folder's subfolders and the
// files that match the current patterns, and the places it can go from
// there ("..", the drives' roots).
//
// Folders are kept as absolute host paths with a final '/'. Names starting
// with '.' are hidden, as the desktop hides them. A folder that cannot be
// read lists nothing rather than failing: the user can still go up.
#pragma once

#include <vector>

#include "ansistring.h"

// A folder-list line: what it says and where it leads.
struct TFolderItem {
  AnsiString Caption;  // "..", "levels", "[c:]"
  AnsiString Target;   // absolute, with the final '/'
};

struct TFolderContents {
  std::vector<TFolderItem> Folders;  // "..", subfolders, then the drives
  std::vector<AnsiString> Files;     // names only, sorted
};

// An absolute folder path with a final '/', "." and ".." resolved, '\' and
// a drive prefix as the file routines take them; relative paths are taken
// from Base (itself absolute, or the current folder when empty).
AnsiString NormalFolder(const AnsiString& Path, const AnsiString& Base = AnsiString());
// A file or folder name typed into the dialog, made absolute against the
// folder shown; no final '/' for a file.
AnsiString ResolveTypedName(const AnsiString& Folder, const AnsiString& Typed);
// The folder above, or the folder itself at the root.
AnsiString ParentFolder(const AnsiString& Folder);

TFolderContents ReadFolder(const AnsiString& Folder, const AnsiString& Patterns);
