// TRegistry over the registry functions.
#include "tregistry.h"

#include <cstring>
#include <vector>

#include "tstrings.h"

namespace {

[[noreturn]] void RaiseInvalidType(const AnsiString& name) {
  throw ERegistryException("Ungültiger Datentyp für '" + name + "'");
}

[[noreturn]] void RaiseGetDataFailed(const AnsiString& name) {
  throw ERegistryException("Fehler beim Lesen der Daten für '" + name + "'");
}

[[noreturn]] void RaiseSetDataFailed(const AnsiString& name) {
  throw ERegistryException("Fehler beim Setzen der Daten für '" + name + "'");
}

TRegDataType DataTypeOf(DWORD type) {
  switch (type) {
    case REG_SZ: return rdString;
    case REG_DWORD: return rdInteger;
    case REG_BINARY: return rdBinary;
    default: return rdUnknown;
  }
}

}  // namespace

TRegistry::TRegistry() : TRegistry(KEY_ALL_ACCESS) {}

TRegistry::TRegistry(LongWord AAccess) : FRootKey(HKEY_CURRENT_USER), FAccess(AAccess) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY Value) {
  if (Value == FRootKey) return;
  CloseKey();
  FRootKey = Value;
}

void TRegistry::CloseKey() {
  if (FCurrentKey) RegCloseKey(FCurrentKey);
  FCurrentKey = nullptr;
  FCurrentPath = AnsiString();
}

void TRegistry::ChangeKey(HKEY Value, const AnsiString& Path) {
  CloseKey();
  FCurrentKey = Value;
  FCurrentPath = Path;
}

HKEY TRegistry::BaseKeyFor(const AnsiString& Key, AnsiString& Relative) const {
  const bool absolute = Key.Length() > 0 && Key[1] == '\\';
  Relative = absolute ? Key.SubString(2, Key.Length()) : Key;
  return absolute || !FCurrentKey ? FRootKey : FCurrentKey;
}

bool TRegistry::OpenKey(const AnsiString& Key, bool CanCreate) {
  AnsiString relative;
  const HKEY base = BaseKeyFor(Key, relative);
  HKEY opened = nullptr;
  const LSTATUS status = CanCreate && !relative.IsEmpty()
                             ? RegCreateKeyEx(base, relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, FAccess,
                                              nullptr, &opened, nullptr)
                             : RegOpenKeyEx(base, relative.c_str(), 0, FAccess, &opened);
  if (status != ERROR_SUCCESS) return false;
  const bool fromCurrent = base == FCurrentKey && FCurrentKey;
  ChangeKey(opened, fromCurrent && !FCurrentPath.IsEmpty() ? FCurrentPath + "\\" + relative : relative);
  return true;
}

bool TRegistry::OpenKeyReadOnly(const AnsiString& Key) {
  const LongWord access = FAccess;
  FAccess = KEY_READ;
  const bool opened = OpenKey(Key, false);
  FAccess = access;
  return opened;
}

bool TRegistry::CreateKey(const AnsiString& Key) {
  AnsiString relative;
  const HKEY base = BaseKeyFor(Key, relative);
  HKEY created = nullptr;
  if (RegCreateKeyEx(base, relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, FAccess, nullptr, &created,
                     nullptr) != ERROR_SUCCESS)
    throw ERegistryException("Schlüssel " + Key + " konnte nicht erstellt werden");
  RegCloseKey(created);
  return true;
}

bool TRegistry::DeleteKey(const AnsiString& Key) {
  AnsiString relative;
  const HKEY base = BaseKeyFor(Key, relative);
  return RegDeleteTree(base, relative.c_str()) == ERROR_SUCCESS;
}

bool TRegistry::KeyExists(const AnsiString& Key) {
  AnsiString relative;
  const HKEY base = BaseKeyFor(Key, relative);
  HKEY opened = nullptr;
  if (RegOpenKeyEx(base, relative.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

bool TRegistry::GetKeyInfo(TRegKeyInfo& Value) {
  Value = TRegKeyInfo{};
  DWORD subKeys = 0, maxSubKey = 0, values = 0, maxValueName = 0, maxData = 0;
  if (RegQueryInfoKey(FCurrentKey, nullptr, nullptr, nullptr, &subKeys, &maxSubKey, nullptr, &values, &maxValueName,
                      &maxData, nullptr, &Value.FileTime) != ERROR_SUCCESS)
    return false;
  Value.NumSubKeys = static_cast<int>(subKeys);
  Value.MaxSubKeyLen = static_cast<int>(maxSubKey);
  Value.NumValues = static_cast<int>(values);
  Value.MaxValueLen = static_cast<int>(maxValueName);
  Value.MaxDataLen = static_cast<int>(maxData);
  return true;
}

bool TRegistry::HasSubKeys() {
  TRegKeyInfo info;
  return GetKeyInfo(info) && info.NumSubKeys > 0;
}

namespace {

// Names by index until the enumeration ends; a buffer that another
// instance's change has made too small is grown and the index retried.
template <class EnumOne>
void CollectNames(TStrings* strings, DWORD longest, EnumOne enumOne) {
  strings->BeginUpdate();
  strings->Clear();
  std::vector<char> buffer(longest + 1);
  for (DWORD index = 0;;) {
    DWORD size = static_cast<DWORD>(buffer.size());
    const LSTATUS status = enumOne(index, buffer.data(), &size);
    if (status == ERROR_MORE_DATA) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (status != ERROR_SUCCESS) break;
    strings->Add(AnsiString(buffer.data(), size));
    ++index;
  }
  strings->EndUpdate();
}

}  // namespace

void TRegistry::GetKeyNames(TStrings* Strings) {
  TRegKeyInfo info;
  GetKeyInfo(info);
  CollectNames(Strings, static_cast<DWORD>(info.MaxSubKeyLen), [&](DWORD index, char* name, DWORD* size) {
    return RegEnumKeyEx(FCurrentKey, index, name, size, nullptr, nullptr, nullptr, nullptr);
  });
}

void TRegistry::GetValueNames(TStrings* Strings) {
  TRegKeyInfo info;
  GetKeyInfo(info);
  CollectNames(Strings, static_cast<DWORD>(info.MaxValueLen), [&](DWORD index, char* name, DWORD* size) {
    return RegEnumValue(FCurrentKey, index, name, size, nullptr, nullptr, nullptr, nullptr);
  });
}

bool TRegistry::ValueExists(const AnsiString& Name) {
  TRegDataInfo info;
  return GetDataInfo(Name, info);
}

bool TRegistry::DeleteValue(const AnsiString& Name) { return RegDeleteValue(FCurrentKey, Name.c_str()) == ERROR_SUCCESS; }

bool TRegistry::GetDataInfo(const AnsiString& ValueName, TRegDataInfo& Value) {
  DWORD type = 0, size = 0;
  Value = TRegDataInfo{};
  if (RegQueryValueEx(FCurrentKey, ValueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  Value.RegData = DataTypeOf(type);
  Value.DataSize = static_cast<int>(size);
  return true;
}

int TRegistry::GetDataSize(const AnsiString& ValueName) {
  TRegDataInfo info;
  return GetDataInfo(ValueName, info) ? info.DataSize : -1;
}

TRegDataType TRegistry::GetDataType(const AnsiString& ValueName) {
  TRegDataInfo info;
  return GetDataInfo(ValueName, info) ? info.RegData : rdUnknown;
}

void TRegistry::PutData(const AnsiString& Name, DWORD Type, const void* Buffer, DWORD Size) {
  if (RegSetValueEx(FCurrentKey, Name.c_str(), 0, Type, static_cast<const BYTE*>(Buffer), Size) != ERROR_SUCCESS)
    RaiseSetDataFailed(Name);
}

void TRegistry::GetData(const AnsiString& Name, TRegDataType Expected, void* Buffer, DWORD Size) {
  DWORD type = 0, size = Size;
  if (RegQueryValueEx(FCurrentKey, Name.c_str(), nullptr, &type, static_cast<BYTE*>(Buffer), &size) != ERROR_SUCCESS) {
    // A value of another type and size fails the copy; say which it was.
    if (type != 0 && DataTypeOf(type) != Expected) RaiseInvalidType(Name);
    RaiseGetDataFailed(Name);
  }
  if (DataTypeOf(type) != Expected || size != Size) RaiseInvalidType(Name);
}

AnsiString TRegistry::ReadString(const AnsiString& Name) {
  TRegDataInfo info;
  if (!GetDataInfo(Name, info)) return AnsiString();
  if (info.RegData != rdString && info.RegData != rdExpandString) RaiseInvalidType(Name);
  // The value may change between the two calls (another instance); retry
  // with the size the failed copy reported.
  for (DWORD size = static_cast<DWORD>(info.DataSize) + 1;;) {
    std::vector<BYTE> buffer(size);
    DWORD type = 0, got = size;
    const LSTATUS status = RegQueryValueEx(FCurrentKey, Name.c_str(), nullptr, &type, buffer.data(), &got);
    if (status == ERROR_MORE_DATA) {
      size = got;
      continue;
    }
    if (status != ERROR_SUCCESS) RaiseGetDataFailed(Name);
    if (type != REG_SZ) RaiseInvalidType(Name);
    return AnsiString(reinterpret_cast<const char*>(buffer.data()), got > 0 ? got - 1 : 0);
  }
}

int TRegistry::ReadInteger(const AnsiString& Name) {
  std::int32_t value = 0;
  GetData(Name, rdInteger, &value, sizeof value);
  return value;
}

bool TRegistry::ReadBool(const AnsiString& Name) { return ReadInteger(Name) != 0; }

double TRegistry::ReadFloat(const AnsiString& Name) {
  double value = 0;
  GetData(Name, rdBinary, &value, sizeof value);
  return value;
}

int TRegistry::ReadBinaryData(const AnsiString& Name, void* Buffer, int BufSize) {
  TRegDataInfo info;
  if (!GetDataInfo(Name, info)) return 0;
  if (info.RegData != rdBinary || BufSize < 0 || info.DataSize > BufSize) RaiseInvalidType(Name);
  DWORD type = 0, size = static_cast<DWORD>(BufSize);
  if (RegQueryValueEx(FCurrentKey, Name.c_str(), nullptr, &type, static_cast<BYTE*>(Buffer), &size) != ERROR_SUCCESS)
    RaiseGetDataFailed(Name);
  if (type != REG_BINARY) RaiseInvalidType(Name);
  return static_cast<int>(size);
}

void TRegistry::WriteString(const AnsiString& Name, const AnsiString& Value) {
  PutData(Name, REG_SZ, Value.c_str(), static_cast<DWORD>(Value.Length() + 1));
}

void TRegistry::WriteInteger(const AnsiString& Name, int Value) {
  const std::int32_t v = Value;
  PutData(Name, REG_DWORD, &v, sizeof v);
}

void TRegistry::WriteBool(const AnsiString& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }

void TRegistry::WriteFloat(const AnsiString& Name, double Value) { PutData(Name, REG_BINARY, &Value, sizeof Value); }

void TRegistry::WriteBinaryData(const AnsiString& Name, const void* Buffer, int BufSize) {
  if (BufSize < 0) RaiseSetDataFailed(Name);
  PutData(Name, REG_BINARY, Buffer, static_cast<DWORD>(BufSize));
}
