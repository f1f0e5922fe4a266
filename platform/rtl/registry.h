// The Windows registry functions, over the store of registry_store.h.
//
// HKEY_CURRENT_USER is the text file user.reg; HKEY_LOCAL_MACHINE is
// read-only and empty unless a test fills it; the other roots are read-only
// and empty. A key handle records the key's path only: every call reads the
// file anew, so two running instances see each other's writes.
//
// Key paths take '\' as separator; empty parts ("\a\\b\") are ignored, so a
// path with a leading or trailing backslash names the same key. Names
// compare case-insensitively and keep the spelling of their creation.
// Only REG_SZ, REG_DWORD and REG_BINARY values can be stored.
#pragma once

#include <cstdint>

#include "wintypes.h"

// Predefined roots; other root values open nothing.
#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000000u)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u)))
#define HKEY_USERS (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000003u)))
#define HKEY_CURRENT_CONFIG (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000005u)))
#define HKEY_DYN_DATA (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000006u)))

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

using REGSAM = DWORD;
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_CREATE_LINK = 0x0020;
constexpr REGSAM KEY_READ = 0x00020019;
constexpr REGSAM KEY_WRITE = 0x00020006;
constexpr REGSAM KEY_EXECUTE = KEY_READ;
constexpr REGSAM KEY_ALL_ACCESS = 0x000F003F;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// The key behind an open handle was deleted meanwhile (by this or another
// instance).
constexpr DWORD ERROR_KEY_DELETED = 1018;

using LSTATUS = LONG;
using PHKEY = HKEY*;
struct SECURITY_ATTRIBUTES;

LSTATUS RegOpenKeyEx(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result);
LSTATUS RegCreateKeyEx(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM access,
                       SECURITY_ATTRIBUTES* security, PHKEY result, LPDWORD disposition);
LSTATUS RegCloseKey(HKEY key);

// A null or empty name is the key's default value ("@" in the file). REG_SZ
// data is returned with its terminating zero, counted in the size.
LSTATUS RegQueryValueEx(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD dataSize);
// REG_SZ data ends at its first zero byte (or after dataSize bytes); REG_DWORD
// takes exactly four bytes.
LSTATUS RegSetValueEx(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD dataSize);
LSTATUS RegDeleteValue(HKEY key, LPCSTR valueName);
// Refuses (ERROR_ACCESS_DENIED) a key that has subkeys, as the NT family does.
LSTATUS RegDeleteKey(HKEY key, LPCSTR subKey);
// The key and everything below it, in one change of the file.
LSTATUS RegDeleteTree(HKEY key, LPCSTR subKey);

// Sizes in characters without the terminating zero; a buffer too small for
// name and zero gives ERROR_MORE_DATA. The class and time are always empty.
LSTATUS RegEnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved, LPSTR keyClass,
                     LPDWORD classSize, FILETIME* lastWriteTime);
LSTATUS RegEnumValue(HKEY key, DWORD index, LPSTR valueName, LPDWORD valueNameSize, LPDWORD reserved, LPDWORD type,
                     LPBYTE data, LPDWORD dataSize);
LSTATUS RegQueryInfoKey(HKEY key, LPSTR keyClass, LPDWORD classSize, LPDWORD reserved, LPDWORD subKeys,
                        LPDWORD maxSubKeyLength, LPDWORD maxClassLength, LPDWORD values, LPDWORD maxValueNameLength,
                        LPDWORD maxValueLength, LPDWORD securityDescriptorSize, FILETIME* lastWriteTime);
