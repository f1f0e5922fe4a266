#include "registry.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "ansistring.h"
#include "registry_store.h"

namespace {

enum class Root { User, Machine, Empty };

// What a handle stands for: a root and a path below it.
struct KeyRef {
  Root RootHive = Root::Empty;
  std::string Path;
  bool Writable = false;
};

struct HandleTable {
  std::mutex Mutex;
  std::unordered_map<std::uintptr_t, KeyRef> Keys;
  // Handles are never reused, so a stale one is detected, not misread.
  std::uintptr_t Next = 0x1000;
};

HandleTable& Handles() {
  static HandleTable table;
  return table;
}

constexpr REGSAM kWriteRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | 0x00010000 /* DELETE */ |
                                0x00040000 /* WRITE_DAC */ | 0x00080000 /* WRITE_OWNER */;

bool Resolve(HKEY key, KeyRef& ref) {
  const auto value = reinterpret_cast<std::uintptr_t>(key);
  switch (value) {
    case 0x80000001u: ref = KeyRef{Root::User, {}, true}; return true;
    case 0x80000002u: ref = KeyRef{Root::Machine, {}, false}; return true;
    case 0x80000000u:
    case 0x80000003u:
    case 0x80000005u:
    case 0x80000006u: ref = KeyRef{Root::Empty, {}, false}; return true;
    default: break;
  }
  HandleTable& t = Handles();
  std::lock_guard<std::mutex> hold(t.Mutex);
  const auto it = t.Keys.find(value);
  if (it == t.Keys.end()) return false;
  ref = it->second;
  return true;
}

HKEY NewHandle(KeyRef ref) {
  HandleTable& t = Handles();
  std::lock_guard<std::mutex> hold(t.Mutex);
  const std::uintptr_t value = t.Next;
  t.Next += 4;
  t.Keys.emplace(value, std::move(ref));
  return reinterpret_cast<HKEY>(value);
}

std::shared_ptr<const RegistryHive> HiveOf(Root root) {
  switch (root) {
    case Root::User: return RegistryStore::ReadUser();
    case Root::Machine: return RegistryStore::ReadMachine();
    case Root::Empty: break;
  }
  return std::make_shared<const RegistryHive>();
}

// Names reach the file as UTF-8 whatever the caller passed, so that one odd
// name cannot turn the whole file into "not UTF-8".
std::string NameText(LPCSTR name) { return name ? TextFromOutsideBytes(name) : std::string(); }

std::string SubPath(const KeyRef& base, LPCSTR subKey) {
  return NormalizeRegistryPath(base.Path + '\\' + NameText(subKey));
}

bool KeyExists(const RegistryHive& hive, const std::string& path) { return path.empty() || hive.FindKey(path); }

// The stored spelling of an existing key.
std::string SpelledPath(const RegistryHive& hive, const std::string& path) {
  const RegistryKey* key = hive.FindKey(path);
  return key ? key->Path : path;
}

bool HasControlCharacter(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// Copies data out under the size rules of the query functions.
LSTATUS CopyValue(const RegistryValue& v, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
  if (type) *type = v.Type;
  const bool text = v.Type == REG_SZ;
  const DWORD needed = static_cast<DWORD>(v.Data.size() + (text ? 1 : 0));
  if (!dataSize) return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
  if (!data) {
    *dataSize = needed;
    return ERROR_SUCCESS;
  }
  if (*dataSize < needed) {
    *dataSize = needed;
    return ERROR_MORE_DATA;
  }
  std::memcpy(data, v.Data.data(), v.Data.size());
  if (text) data[v.Data.size()] = 0;
  *dataSize = needed;
  return ERROR_SUCCESS;
}

// Copies a name into a caller's buffer of *size characters; *size becomes the
// length without the terminating zero.
LSTATUS CopyName(const std::string& name, LPSTR buffer, LPDWORD size) {
  if (!buffer || !size) return ERROR_INVALID_PARAMETER;
  if (name.size() + 1 > *size) return ERROR_MORE_DATA;
  std::memcpy(buffer, name.c_str(), name.size() + 1);
  *size = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

// The key an open handle names, or the code that says why it is gone.
const RegistryKey* FindOpenKey(const RegistryHive& hive, const KeyRef& ref, LSTATUS& status) {
  status = ERROR_SUCCESS;
  const RegistryKey* key = hive.FindKey(ref.Path);
  if (!key && !ref.Path.empty()) status = ERROR_KEY_DELETED;
  return key;
}

}  // namespace

LSTATUS RegOpenKeyEx(HKEY key, LPCSTR subKey, DWORD, REGSAM access, PHKEY result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  KeyRef base;
  if (!Resolve(key, base)) return ERROR_INVALID_HANDLE;
  const std::string path = SubPath(base, subKey);
  const auto hive = HiveOf(base.RootHive);
  if (!KeyExists(*hive, path)) return ERROR_FILE_NOT_FOUND;
  const bool writable = (access & kWriteRights) != 0;
  if (writable && base.RootHive != Root::User) return ERROR_ACCESS_DENIED;
  *result = NewHandle(KeyRef{base.RootHive, SpelledPath(*hive, path), writable});
  return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyEx(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM access, SECURITY_ATTRIBUTES*,
                       PHKEY result, LPDWORD disposition) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  KeyRef base;
  if (!Resolve(key, base)) return ERROR_INVALID_HANDLE;
  const std::string path = SubPath(base, subKey);
  const bool writable = (access & kWriteRights) != 0;
  const auto hive = HiveOf(base.RootHive);
  if (KeyExists(*hive, path)) {
    if (writable && base.RootHive != Root::User) return ERROR_ACCESS_DENIED;
    if (disposition) *disposition = REG_OPENED_EXISTING_KEY;
    *result = NewHandle(KeyRef{base.RootHive, SpelledPath(*hive, path), writable});
    return ERROR_SUCCESS;
  }
  if (base.RootHive != Root::User || !base.Writable) return ERROR_ACCESS_DENIED;
  if (HasControlCharacter(path) || RegistryPathDepth(path) > kMaxRegistryKeyDepth) return ERROR_INVALID_PARAMETER;
  std::string spelled;
  bool created = false;
  const LSTATUS status = RegistryStore::ChangeUser([&](RegistryHive& h, bool& changed) -> DWORD {
    if (!KeyExists(h, base.Path)) return ERROR_KEY_DELETED;
    spelled = h.CreateKey(path, &created).Path;
    changed = created;
    return ERROR_SUCCESS;
  });
  if (status != ERROR_SUCCESS) return status;
  if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *result = NewHandle(KeyRef{Root::User, spelled, writable});
  return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key) {
  const auto value = reinterpret_cast<std::uintptr_t>(key);
  if (value >= 0x80000000u && value <= 0x80000006u) return ERROR_SUCCESS;
  HandleTable& t = Handles();
  std::lock_guard<std::mutex> hold(t.Mutex);
  return t.Keys.erase(value) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LSTATUS RegQueryValueEx(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
  KeyRef ref;
  if (!Resolve(key, ref)) return ERROR_INVALID_HANDLE;
  const auto hive = HiveOf(ref.RootHive);
  LSTATUS status;
  const RegistryKey* k = FindOpenKey(*hive, ref, status);
  if (status != ERROR_SUCCESS) return status;
  const RegistryValue* v = k ? k->FindValue(NameText(valueName)) : nullptr;
  if (!v) return ERROR_FILE_NOT_FOUND;
  return CopyValue(*v, type, data, dataSize);
}

LSTATUS RegSetValueEx(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD dataSize) {
  KeyRef ref;
  if (!Resolve(key, ref)) return ERROR_INVALID_HANDLE;
  if (ref.RootHive != Root::User || !ref.Writable) return ERROR_ACCESS_DENIED;
  if (!data && dataSize) return ERROR_INVALID_PARAMETER;
  const char* bytes = reinterpret_cast<const char*>(data);
  std::string stored;
  switch (type) {
    case REG_SZ:
      stored = TextFromOutsideBytes(std::string_view(bytes ? bytes : "", strnlen(bytes ? bytes : "", dataSize)));
      break;
    case REG_DWORD:
      if (dataSize != 4) return ERROR_INVALID_PARAMETER;
      stored.assign(bytes, 4);
      break;
    case REG_BINARY:
      stored.assign(bytes ? bytes : "", dataSize);
      break;
    default:
      return ERROR_INVALID_PARAMETER;  // the file has no form for other types
  }
  const std::string name = NameText(valueName);
  return RegistryStore::ChangeUser([&](RegistryHive& h, bool& changed) -> DWORD {
    RegistryKey* k = h.FindKey(ref.Path);
    if (!k && ref.Path.empty()) k = &h.CreateKey("");
    if (!k) return ERROR_KEY_DELETED;
    if (const RegistryValue* old = k->FindValue(name); old && old->Type == type && old->Data == stored)
      return ERROR_SUCCESS;  // nothing to write
    k->SetValue(name, type, stored);
    changed = true;
    return ERROR_SUCCESS;
  });
}

LSTATUS RegDeleteValue(HKEY key, LPCSTR valueName) {
  KeyRef ref;
  if (!Resolve(key, ref)) return ERROR_INVALID_HANDLE;
  if (ref.RootHive != Root::User || !ref.Writable) return ERROR_ACCESS_DENIED;
  const std::string name = NameText(valueName);
  return RegistryStore::ChangeUser([&](RegistryHive& h, bool& changed) -> DWORD {
    RegistryKey* k = h.FindKey(ref.Path);
    if (!k && !ref.Path.empty()) return ERROR_KEY_DELETED;
    if (!k || !k->DeleteValue(name)) return ERROR_FILE_NOT_FOUND;
    changed = true;
    return ERROR_SUCCESS;
  });
}

namespace {

LSTATUS DeleteKeyAt(HKEY key, LPCSTR subKey, bool withSubKeys) {
  KeyRef ref;
  if (!Resolve(key, ref)) return ERROR_INVALID_HANDLE;
  if (ref.RootHive != Root::User) return ERROR_ACCESS_DENIED;
  const std::string path = SubPath(ref, subKey);
  if (path.empty()) return ERROR_ACCESS_DENIED;  // the root itself stays
  return RegistryStore::ChangeUser([&](RegistryHive& h, bool& changed) -> DWORD {
    if (!h.FindKey(path)) return ERROR_FILE_NOT_FOUND;
    if (!withSubKeys && !h.SubKeyNames(path).empty()) return ERROR_ACCESS_DENIED;
    changed = h.DeleteTree(path);
    return ERROR_SUCCESS;
  });
}

}  // namespace

LSTATUS RegDeleteKey(HKEY key, LPCSTR subKey) {
  if (!subKey) return ERROR_INVALID_PARAMETER;
  return DeleteKeyAt(key, subKey, false);
}

LSTATUS RegDeleteTree(HKEY key, LPCSTR subKey) {
  if (subKey) return DeleteKeyAt(key, subKey, true);
  // Without a subkey: empty the key, keep the key itself.
  KeyRef ref;
  if (!Resolve(key, ref)) return ERROR_INVALID_HANDLE;
  if (ref.RootHive != Root::User || !ref.Writable) return ERROR_ACCESS_DENIED;
  return RegistryStore::ChangeUser([&](RegistryHive& h, bool& changed) -> DWORD {
    RegistryKey* k = h.FindKey(ref.Path);
    if (!k && !ref.Path.empty()) return ERROR_KEY_DELETED;
    if (k && !k->Values.empty()) {
      k->ClearValues();
      changed = true;
    }
    for (const std::string& name : h.SubKeyNames(ref.Path))
      changed = h.DeleteTree(ref.Path.empty() ? name : ref.Path + '\\' + name) || changed;
    return ERROR_SUCCESS;
  });
}

LSTATUS RegEnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD, LPSTR keyClass,
                     LPDWORD classSize, FILETIME* lastWriteTime) {
  KeyRef ref;
  if (!Resolve(key, ref)) return ERROR_INVALID_HANDLE;
  const auto hive = HiveOf(ref.RootHive);
  LSTATUS status;
  FindOpenKey(*hive, ref, status);
  if (status != ERROR_SUCCESS) return status;
  const std::vector<std::string> names = hive->SubKeyNames(ref.Path);
  if (index >= names.size()) return ERROR_NO_MORE_ITEMS;
  status = CopyName(names[index], name, nameSize);
  if (status != ERROR_SUCCESS) return status;
  if (keyClass && classSize && *classSize > 0) keyClass[0] = 0;
  if (classSize) *classSize = 0;
  if (lastWriteTime) *lastWriteTime = FILETIME{};
  return ERROR_SUCCESS;
}

LSTATUS RegEnumValue(HKEY key, DWORD index, LPSTR valueName, LPDWORD valueNameSize, LPDWORD, LPDWORD type,
                     LPBYTE data, LPDWORD dataSize) {
  KeyRef ref;
  if (!Resolve(key, ref)) return ERROR_INVALID_HANDLE;
  const auto hive = HiveOf(ref.RootHive);
  LSTATUS status;
  const RegistryKey* k = FindOpenKey(*hive, ref, status);
  if (status != ERROR_SUCCESS) return status;
  if (!k || index >= k->Values.size()) return ERROR_NO_MORE_ITEMS;
  const RegistryValue& v = k->Values[index];
  status = CopyName(v.Name, valueName, valueNameSize);
  if (status != ERROR_SUCCESS) return status;
  return CopyValue(v, type, data, dataSize);
}

LSTATUS RegQueryInfoKey(HKEY key, LPSTR keyClass, LPDWORD classSize, LPDWORD, LPDWORD subKeys,
                        LPDWORD maxSubKeyLength, LPDWORD maxClassLength, LPDWORD values, LPDWORD maxValueNameLength,
                        LPDWORD maxValueLength, LPDWORD securityDescriptorSize, FILETIME* lastWriteTime) {
  KeyRef ref;
  if (!Resolve(key, ref)) return ERROR_INVALID_HANDLE;
  const auto hive = HiveOf(ref.RootHive);
  LSTATUS status;
  const RegistryKey* k = FindOpenKey(*hive, ref, status);
  if (status != ERROR_SUCCESS) return status;
  const std::vector<std::string> names = hive->SubKeyNames(ref.Path);
  DWORD longestKey = 0, longestName = 0, largestData = 0;
  for (const std::string& n : names) longestKey = std::max(longestKey, static_cast<DWORD>(n.size()));
  if (k) {
    for (const RegistryValue& v : k->Values) {
      longestName = std::max(longestName, static_cast<DWORD>(v.Name.size()));
      largestData = std::max(largestData, static_cast<DWORD>(v.Data.size() + (v.Type == REG_SZ ? 1 : 0)));
    }
  }
  if (keyClass && classSize && *classSize > 0) keyClass[0] = 0;
  if (classSize) *classSize = 0;
  if (subKeys) *subKeys = static_cast<DWORD>(names.size());
  if (maxSubKeyLength) *maxSubKeyLength = longestKey;
  if (maxClassLength) *maxClassLength = 0;
  if (values) *values = k ? static_cast<DWORD>(k->Values.size()) : 0;
  if (maxValueNameLength) *maxValueNameLength = longestName;
  if (maxValueLength) *maxValueLength = largestData;
  if (securityDescriptorSize) *securityDescriptorSize = 0;
  if (lastWriteTime) *lastWriteTime = FILETIME{};
  return ERROR_SUCCESS;
}
