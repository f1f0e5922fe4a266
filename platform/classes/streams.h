// The class library's streams. The plain Read and Write return how many
// bytes they moved and never raise; ReadBuffer and WriteBuffer raise
// EReadError / EWriteError when fewer bytes move than asked. Positions and
// sizes are 64-bit; a seek that would land before the start fails (-1) and
// leaves the position where it was. Multi-byte integers are little-endian.
#pragma once

#include <string>
#include <vector>

#include "ansistring.h"
#include "fileio.h"
#include "tobject.h"
#include "wintypes.h"

class TStream : public TObject {
  MORVANT_CLASS(TStream, TObject)
 public:
  virtual LongInt Read(void* Buffer, LongInt Count) = 0;
  virtual LongInt Write(const void* Buffer, LongInt Count) = 0;
  // Origin: soFromBeginning, soFromCurrent or soFromEnd (fileio.h). The new
  // position, or -1.
  virtual Int64 Seek(Int64 Offset, int Origin) = 0;

  void ReadBuffer(void* Buffer, LongInt Count);
  void WriteBuffer(const void* Buffer, LongInt Count);
  // Copies Count bytes from Source's position; Count 0 copies the whole of
  // Source from its start. Raises like ReadBuffer/WriteBuffer.
  Int64 CopyFrom(TStream* Source, Int64 Count);

  Int64 GetPosition();
  void SetPosition(Int64 Pos);
  virtual Int64 GetSize();
  // Does nothing for a stream that has no size of its own.
  virtual void SetSize(Int64 NewSize);
};

// A stream over a file handle that someone else opened and closes.
class THandleStream : public TStream {
  MORVANT_CLASS(THandleStream, TStream)
 public:
  explicit THandleStream(int AHandle) : handle_(AHandle) {}
  LongInt Read(void* Buffer, LongInt Count) override;
  LongInt Write(const void* Buffer, LongInt Count) override;
  Int64 Seek(Int64 Offset, int Origin) override;
  // Raises EStreamError when the file cannot be resized.
  void SetSize(Int64 NewSize) override;
  int GetHandle() const { return handle_; }

 protected:
  int handle_;
};

// Opens the file for its lifetime: Mode fmCreate creates or truncates it,
// otherwise an access mode (fmOpenRead ...) or'ed with a sharing mode.
// Failure raises EFCreateError / EFOpenError naming the file.
class TFileStream : public THandleStream {
  MORVANT_CLASS(TFileStream, THandleStream)
 public:
  TFileStream(const AnsiString& FileName, LongWord Mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;
  const AnsiString& GetFileName() const { return fileName_; }

 private:
  AnsiString fileName_;
};

// A stream over one block of memory; reading only. The block belongs to the
// derived class, which hands it over with SetPointer.
class TCustomMemoryStream : public TStream {
  MORVANT_CLASS(TCustomMemoryStream, TStream)
 public:
  LongInt Read(void* Buffer, LongInt Count) override;
  Int64 Seek(Int64 Offset, int Origin) override;
  Int64 GetSize() override { return size_; }
  // The stream's bytes; valid until the next change of size.
  void* GetMemory() const { return memory_; }
  // The whole contents, whatever the position.
  void SaveToStream(TStream* Stream);
  void SaveToFile(const AnsiString& FileName);

 protected:
  void SetPointer(void* Ptr, Int64 Size);
  Int64 position_ = 0;

 private:
  Byte* memory_ = nullptr;
  Int64 size_ = 0;
};

// A growable block of memory; new bytes are zero.
class TMemoryStream : public TCustomMemoryStream {
  MORVANT_CLASS(TMemoryStream, TCustomMemoryStream)
 public:
  LongInt Write(const void* Buffer, LongInt Count) override;
  // Raises EStreamError when the memory cannot be had; a position past the
  // new end moves to the end.
  void SetSize(Int64 NewSize) override;
  void Clear();
  // Replaces the contents with the whole of Stream (from its start).
  void LoadFromStream(TStream* Stream);
  void LoadFromFile(const AnsiString& FileName);

 private:
  std::vector<Byte> buffer_;
};

// A stream over a string of bytes.
class TStringStream : public TStream {
  MORVANT_CLASS(TStringStream, TStream)
 public:
  explicit TStringStream(const AnsiString& AString = AnsiString()) : data_(AString.str()) {}
  LongInt Read(void* Buffer, LongInt Count) override;
  LongInt Write(const void* Buffer, LongInt Count) override;
  Int64 Seek(Int64 Offset, int Origin) override;
  Int64 GetSize() override { return static_cast<Int64>(data_.size()); }
  void SetSize(Int64 NewSize) override;
  // Up to Count bytes from the position on.
  AnsiString ReadString(LongInt Count);
  void WriteString(const AnsiString& AString);
  AnsiString GetDataString() const { return AnsiString(data_); }

 private:
  std::string data_;
  Int64 position_ = 0;
};

// Reads a resource embedded in the program (resources.h). The name is looked
// up as "TYPE/NAME"; ResType is a type name ("RCDATA") or one of the
// platform's numbered types (RT_RCDATA). A missing resource raises
// EResNotFound naming it. Writing moves nothing (so WriteBuffer raises).
class TResourceStream : public TCustomMemoryStream {
  MORVANT_CLASS(TResourceStream, TCustomMemoryStream)
 public:
  TResourceStream(HINSTANCE Instance, const AnsiString& ResName, const char* ResType);
  TResourceStream(HINSTANCE Instance, int ResID, const char* ResType);
  LongInt Write(const void* Buffer, LongInt Count) override;

 private:
  void Open(const AnsiString& ResName, const char* ResType);
};

// The platform's numbered resource types, as TResourceStream takes them.
inline const char* MakeIntResource(int id) {
  return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(static_cast<WORD>(id)));
}
#define RT_CURSOR MakeIntResource(1)
#define RT_BITMAP MakeIntResource(2)
#define RT_ICON MakeIntResource(3)
#define RT_STRING MakeIntResource(6)
#define RT_RCDATA MakeIntResource(10)
#define RT_GROUP_CURSOR MakeIntResource(12)
#define RT_GROUP_ICON MakeIntResource(14)
