#include "exceptions.h"
#include "streams.h"

namespace {

int OpenOrCreate(const AnsiString& name, LongWord mode) {
  if (mode == fmCreate) {
    const int handle = FileCreate(name);
    if (handle < 0) throw EFCreateError("Datei " + name + " kann nicht erstellt werden");
    return handle;
  }
  const int handle = FileOpen(name, mode);
  if (handle < 0) throw EFOpenError("Datei " + name + " kann nicht geöffnet werden");
  return handle;
}

}  // namespace

TFileStream::TFileStream(const AnsiString& FileName, LongWord Mode)
    : THandleStream(OpenOrCreate(FileName, Mode)), fileName_(FileName) {}

TFileStream::~TFileStream() { FileClose(handle_); }
