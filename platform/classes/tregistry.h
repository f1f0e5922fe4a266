// The class library's registry classes: TRegistry (one open key at a time),
// TRegIniFile (ini-style sections as subkeys) and TRegistryIniFile (a
// TCustomIniFile that keeps its data in the registry).
//
// Called "tregistry.h" because rtl's "registry.h" holds the registry
// functions beneath, and include paths are flat.
#pragma once

#include <memory>

#include "exceptions.h"
#include "inifiles.h"
#include "registry.h"
#include "tobject.h"

class TStrings;

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegDataInfo {
  TRegDataType RegData = rdUnknown;
  int DataSize = 0;
};

struct TRegKeyInfo {
  int NumSubKeys = 0;
  int MaxSubKeyLen = 0;
  int NumValues = 0;
  int MaxValueLen = 0;
  int MaxDataLen = 0;
  FILETIME FileTime;
};

// Key names starting with '\' are taken from the root key, others from the
// current key (or the root when none is open). A value of the wrong type, a
// value that cannot be read or written and a key that cannot be created
// raise ERegistryException; OpenKey only answers false.
class TRegistry : public TObject {
  MORVANT_CLASS(TRegistry, TObject)
 public:
  TRegistry();
  explicit TRegistry(LongWord AAccess);
  ~TRegistry() override;
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY GetRootKey() const { return FRootKey; }
  // Closes the current key when the root changes.
  void SetRootKey(HKEY Value);
  HKEY GetCurrentKey() const { return FCurrentKey; }
  AnsiString GetCurrentPath() const { return FCurrentPath; }
  LongWord GetAccess() const { return FAccess; }
  void SetAccess(LongWord Value) { FAccess = Value; }
  // Every change is on disk when the call returns; the flag is kept for
  // callers that set it.
  bool GetLazyWrite() const { return FLazyWrite; }
  void SetLazyWrite(bool Value) { FLazyWrite = Value; }

  bool OpenKey(const AnsiString& Key, bool CanCreate);
  bool OpenKeyReadOnly(const AnsiString& Key);
  void CloseKey();
  bool CreateKey(const AnsiString& Key);
  // The key and everything below it.
  bool DeleteKey(const AnsiString& Key);
  bool KeyExists(const AnsiString& Key);
  bool HasSubKeys();
  bool GetKeyInfo(TRegKeyInfo& Value);
  void GetKeyNames(TStrings* Strings);
  void GetValueNames(TStrings* Strings);

  bool ValueExists(const AnsiString& Name);
  bool DeleteValue(const AnsiString& Name);
  bool GetDataInfo(const AnsiString& ValueName, TRegDataInfo& Value);
  // -1 when there is no such value.
  int GetDataSize(const AnsiString& ValueName);
  TRegDataType GetDataType(const AnsiString& ValueName);

  // A missing value reads as the empty text.
  AnsiString ReadString(const AnsiString& Name);
  int ReadInteger(const AnsiString& Name);
  bool ReadBool(const AnsiString& Name);
  // Stored as the eight bytes of a double, in a binary value.
  double ReadFloat(const AnsiString& Name);
  // The bytes read; 0 for a missing value; raises when the buffer is too small.
  int ReadBinaryData(const AnsiString& Name, void* Buffer, int BufSize);
  void WriteString(const AnsiString& Name, const AnsiString& Value);
  void WriteInteger(const AnsiString& Name, int Value);
  void WriteBool(const AnsiString& Name, bool Value);
  void WriteFloat(const AnsiString& Name, double Value);
  void WriteBinaryData(const AnsiString& Name, const void* Buffer, int BufSize);

 protected:
  // The key a name is relative to, and the name without its leading '\'.
  HKEY BaseKeyFor(const AnsiString& Key, AnsiString& Relative) const;
  void SetCurrentKey(HKEY Value) { FCurrentKey = Value; }

 private:
  void ChangeKey(HKEY Value, const AnsiString& Path);
  void PutData(const AnsiString& Name, DWORD Type, const void* Buffer, DWORD Size);
  void GetData(const AnsiString& Name, TRegDataType Expected, void* Buffer, DWORD Size);

  HKEY FRootKey;
  HKEY FCurrentKey = nullptr;
  AnsiString FCurrentPath;
  LongWord FAccess;
  bool FLazyWrite = true;
};

// A registry key read as an ini file: a section is a subkey of the key
// FileName names (created on write), an ident a value; the empty section is
// the key itself. Integers are stored as numbers, but an existing string
// value stays a string; a string reads as its decimal number (or the
// default when it is none); booleans are the strings "0" and "1", read as
// integers (non-zero is true); a missing value gives the default. Reads
// never raise for a value's type: a number read as a string is its decimal
// text, and a binary value gives the default, so that a stray setting cannot
// keep the program from starting.
class TRegIniFile : public TRegistry {
  MORVANT_CLASS(TRegIniFile, TRegistry)
 public:
  // Opens (creating it when missing) FileName below HKEY_CURRENT_USER; a key
  // that can be neither created nor opened raises ERegistryException.
  explicit TRegIniFile(const AnsiString& FileName);
  TRegIniFile(const AnsiString& FileName, LongWord AAccess);

  AnsiString GetFileName() const { return FFileName; }

  using TRegistry::ReadString;
  using TRegistry::ReadInteger;
  using TRegistry::ReadBool;
  using TRegistry::WriteString;
  using TRegistry::WriteInteger;
  using TRegistry::WriteBool;
  using TRegistry::DeleteKey;
  AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default);
  int ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default);
  bool ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default);
  void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value);
  void WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value);
  void WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value);
  bool ValueExists(const AnsiString& Section, const AnsiString& Ident);
  using TRegistry::ValueExists;

  // Value names of the section.
  void ReadSection(const AnsiString& Section, TStrings* Strings);
  // Subkeys of the key.
  void ReadSections(TStrings* Strings);
  // "name=value" lines; numbers in decimal, binary data as hex digits.
  void ReadSectionValues(const AnsiString& Section, TStrings* Strings);
  // The subkey with everything below it; the empty section empties the key.
  void EraseSection(const AnsiString& Section);
  void DeleteKey(const AnsiString& Section, const AnsiString& Ident);

 protected:
  // For derived classes that choose the root key first: nothing is opened.
  TRegIniFile();
  void SetFileName(const AnsiString& Value) { FFileName = Value; }
  // OpenKey(FileName, true), falling back to a read-only key; raises when
  // neither can be had.
  void OpenIniKey();

 private:
  class SectionKey;
  friend class SectionKey;
  AnsiString FFileName;
};

// The ini-file interface over a TRegIniFile on HKEY_CURRENT_USER, with the
// same value rules. The game opens one per operation:
//   TRegistryIniFile ini("Software\\Tallix Software\\TALLIX MORVANT II");
class TRegistryIniFile : public TCustomIniFile {
  MORVANT_CLASS(TRegistryIniFile, TCustomIniFile)
 public:
  explicit TRegistryIniFile(const AnsiString& FileName);
  TRegistryIniFile(const AnsiString& FileName, LongWord AAccess);
  ~TRegistryIniFile() override;

  TRegIniFile* GetRegIniFile() const { return FRegIniFile.get(); }

  AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default) override;
  void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) override;
  int ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) override;
  void WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) override;
  bool ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) override;
  void WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value) override;
  bool ValueExists(const AnsiString& Section, const AnsiString& Ident) override;
  void ReadSection(const AnsiString& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const AnsiString& Section, TStrings* Strings) override;
  void EraseSection(const AnsiString& Section) override;
  void DeleteKey(const AnsiString& Section, const AnsiString& Ident) override;
  void UpdateFile() override {}

 private:
  std::unique_ptr<TRegIniFile> FRegIniFile;
};
