#include "exceptions.h"
#include "format.h"
#include "resourcestrings.h"
#include "streams.h"

namespace {

int OpenOrCreate(const AnsiString& name, LongWord mode) {
  if (mode == fmCreate) {
    const int handle = FileCreate(name);
    if (handle < 0) throw EFCreateError(Format(LoadStr(SFCreateError), name));
    return handle;
  }
  const int handle = FileOpen(name, mode);
  if (handle < 0) throw EFOpenError(Format(LoadStr(SFOpenError), name));
  return handle;
}

}  // namespace

TFileStream::TFileStream(const AnsiString& FileName, LongWord Mode)
    : THandleStream(OpenOrCreate(FileName, Mode)), fileName_(FileName) {}

TFileStream::~TFileStream() { FileClose(handle_); }
