// Directory search: FindFirst / FindNext / FindClose with TSearchRec.
//
// The pattern is a folder and a mask with '*' and '?' ("logs/*.log");
// "*.*" matches every name, with or without an extension, as on the
// original. Names compare case-sensitively, as Linux file names do. The
// folder is read once by FindFirst; later changes are not seen.
//
// Attributes: faDirectory for folders, faHidden for names starting with
// '.', faReadOnly for entries the user may not write. As on the original,
// plain files are always found; hidden entries and folders only when the
// requested attributes include them.
#pragma once

#include <memory>

#include "ansistring.h"
#include "wintypes.h"

constexpr Integer faReadOnly = 0x01;
constexpr Integer faHidden = 0x02;
constexpr Integer faSysFile = 0x04;
constexpr Integer faVolumeID = 0x08;
constexpr Integer faDirectory = 0x10;
constexpr Integer faArchive = 0x20;
constexpr Integer faAnyFile = 0x3F;

constexpr DWORD ERROR_NO_MORE_FILES = 18;

struct FindState;

struct TSearchRec {
  AnsiString Name;
  Int64 Size = 0;
  Integer Attr = 0;
  Integer ExcludeAttr = 0;
  // The rest of the search; FindClose releases it early, the record's end
  // releases it anyway.
  std::shared_ptr<FindState> FindHandle;
};

// 0 when an entry was found; else ERROR_FILE_NOT_FOUND (nothing matches) or
// ERROR_PATH_NOT_FOUND (no such folder).
Integer FindFirst(const AnsiString& path, Integer attr, TSearchRec& rec);
// 0, or ERROR_NO_MORE_FILES.
Integer FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);
