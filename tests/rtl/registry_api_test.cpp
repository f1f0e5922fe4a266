// The registry functions' contract: return codes, sizes, roots, handles.
#include "registry.h"

#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

#include "registry_store.h"
#include "temp_config_home.h"

namespace {

constexpr LSTATUS kOk = ERROR_SUCCESS;

class RegistryApiTest : public TempConfigHome {
 protected:
  void TearDown() override {
    RegistryStore::SetMachineForTesting(RegistryHive());
    TempConfigHome::TearDown();
  }
  HKEY Create(HKEY root, const char* path, REGSAM access = KEY_ALL_ACCESS) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(root, path, 0, nullptr, 0, access, nullptr, &key, nullptr), kOk) << path;
    return key;
  }
  static LSTATUS SetString(HKEY key, const char* name, const char* text) {
    return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                         static_cast<DWORD>(std::strlen(text) + 1));
  }
};

}  // namespace

TEST_F(RegistryApiTest, RootValues) {
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(HKEY_CLASSES_ROOT), 0x80000000u);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(HKEY_CURRENT_USER), 0x80000001u);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(HKEY_LOCAL_MACHINE), 0x80000002u);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(HKEY_USERS), 0x80000003u);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(HKEY_CURRENT_CONFIG), 0x80000005u);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(HKEY_DYN_DATA), 0x80000006u);
}

TEST_F(RegistryApiTest, QuerySizesFollowTheWin32Rules) {
  HKEY key = Create(HKEY_CURRENT_USER, "Software\\Test");
  ASSERT_EQ(SetString(key, "Name", "Größe"), kOk);  // 7 bytes of UTF-8
  DWORD type = 0, size = 0;
  EXPECT_EQ(RegQueryValueEx(key, "name", nullptr, &type, nullptr, &size), kOk);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_EQ(size, 8u);  // with the terminating zero
  char small[4];
  size = sizeof small;
  EXPECT_EQ(RegQueryValueEx(key, "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
            static_cast<LSTATUS>(ERROR_MORE_DATA));
  EXPECT_EQ(size, 8u);
  char text[16];
  size = sizeof text;
  EXPECT_EQ(RegQueryValueEx(key, "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), kOk);
  EXPECT_STREQ(text, "Größe");
  EXPECT_EQ(RegQueryValueEx(key, "Missing", nullptr, nullptr, nullptr, &size),
            static_cast<LSTATUS>(ERROR_FILE_NOT_FOUND));
  // The default value is the empty name.
  ASSERT_EQ(SetString(key, nullptr, "Vorgabe"), kOk);
  size = sizeof text;
  EXPECT_EQ(RegQueryValueEx(key, "", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), kOk);
  EXPECT_STREQ(text, "Vorgabe");
  // The file has no form for other types, and a dword is four bytes.
  const DWORD v = 1;
  EXPECT_EQ(RegSetValueEx(key, "x", 0, 7 /* REG_MULTI_SZ */, reinterpret_cast<const BYTE*>("a\0"), 3),
            static_cast<LSTATUS>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(RegSetValueEx(key, "x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), 2),
            static_cast<LSTATUS>(ERROR_INVALID_PARAMETER));
  RegCloseKey(key);
}

TEST_F(RegistryApiTest, EnumerationInCreationOrder) {
  HKEY key = Create(HKEY_CURRENT_USER, "Software\\Enum");
  RegCloseKey(Create(key, "Zeta"));
  RegCloseKey(Create(key, "Alpha"));
  RegCloseKey(Create(key, "alpha\\Below"));  // not a direct subkey
  ASSERT_EQ(SetString(key, "b", "2"), kOk);
  ASSERT_EQ(SetString(key, "a", "1"), kOk);

  char name[16];
  DWORD size = sizeof name;
  EXPECT_EQ(RegEnumKeyEx(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr), kOk);
  EXPECT_STREQ(name, "Zeta");
  EXPECT_EQ(size, 4u);
  size = sizeof name;
  EXPECT_EQ(RegEnumKeyEx(key, 1, name, &size, nullptr, nullptr, nullptr, nullptr), kOk);
  EXPECT_STREQ(name, "Alpha");
  size = sizeof name;
  EXPECT_EQ(RegEnumKeyEx(key, 2, name, &size, nullptr, nullptr, nullptr, nullptr),
            static_cast<LSTATUS>(ERROR_NO_MORE_ITEMS));
  size = 4;  // "Zeta" needs five with its zero
  EXPECT_EQ(RegEnumKeyEx(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
            static_cast<LSTATUS>(ERROR_MORE_DATA));

  DWORD type = 0;
  size = sizeof name;
  EXPECT_EQ(RegEnumValue(key, 0, name, &size, nullptr, &type, nullptr, nullptr), kOk);
  EXPECT_STREQ(name, "b");
  EXPECT_EQ(type, REG_SZ);
  size = sizeof name;
  EXPECT_EQ(RegEnumValue(key, 2, name, &size, nullptr, nullptr, nullptr, nullptr),
            static_cast<LSTATUS>(ERROR_NO_MORE_ITEMS));

  DWORD subKeys = 0, values = 0, maxSubKey = 0;
  EXPECT_EQ(RegQueryInfoKey(key, nullptr, nullptr, nullptr, &subKeys, &maxSubKey, nullptr, &values, nullptr, nullptr,
                            nullptr, nullptr),
            kOk);
  EXPECT_EQ(subKeys, 2u);
  EXPECT_EQ(maxSubKey, 5u);
  EXPECT_EQ(values, 2u);
  RegCloseKey(key);
}

TEST_F(RegistryApiTest, LocalMachineIsReadOnlyAndEmptyUnlessFilled) {
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0, KEY_READ, &key),
            static_cast<LSTATUS>(ERROR_FILE_NOT_FOUND));
  RegistryHive machine;
  machine.CreateKey("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion").SetValue("RegisteredOwner", REG_SZ, "Eva");
  RegistryStore::SetMachineForTesting(machine);

  ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                         KEY_QUERY_VALUE, &key),
            kOk);
  char owner[8];
  DWORD size = sizeof owner;
  EXPECT_EQ(RegQueryValueEx(key, "RegisteredOwner", nullptr, nullptr, reinterpret_cast<BYTE*>(owner), &size), kOk);
  EXPECT_STREQ(owner, "Eva");
  EXPECT_EQ(SetString(key, "RegisteredOwner", "Max"), static_cast<LSTATUS>(ERROR_ACCESS_DENIED));
  RegCloseKey(key);

  HKEY other = nullptr;
  EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS, &other),
            static_cast<LSTATUS>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\New", 0, nullptr, 0, KEY_READ, nullptr, &other, nullptr),
            static_cast<LSTATUS>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(RegDeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE"), static_cast<LSTATUS>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(RegOpenKeyEx(HKEY_USERS, "x", 0, KEY_READ, &other), static_cast<LSTATUS>(ERROR_FILE_NOT_FOUND));
  // Nothing of this reached the user's file.
  EXPECT_FALSE(std::filesystem::exists(UserReg()));
}

TEST_F(RegistryApiTest, HandlesAndDeletion) {
  HKEY parent = Create(HKEY_CURRENT_USER, "Software\\Del");
  HKEY child = Create(parent, "Child\\Grandchild");
  ASSERT_EQ(SetString(child, "v", "1"), kOk);
  // Read-only handles refuse writes.
  HKEY reader = nullptr;
  ASSERT_EQ(RegOpenKeyEx(parent, "child", 0, KEY_READ, &reader), kOk);
  EXPECT_EQ(SetString(reader, "v", "2"), static_cast<LSTATUS>(ERROR_ACCESS_DENIED));

  EXPECT_EQ(RegDeleteKey(parent, "Child"), static_cast<LSTATUS>(ERROR_ACCESS_DENIED));  // has a subkey
  EXPECT_EQ(RegDeleteTree(parent, "CHILD"), kOk);
  EXPECT_EQ(RegDeleteTree(parent, "Child"), static_cast<LSTATUS>(ERROR_FILE_NOT_FOUND));
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueEx(child, "v", nullptr, nullptr, nullptr, &size), static_cast<LSTATUS>(ERROR_KEY_DELETED));
  EXPECT_EQ(SetString(child, "v", "3"), static_cast<LSTATUS>(ERROR_KEY_DELETED));

  EXPECT_EQ(RegCloseKey(child), kOk);
  EXPECT_EQ(RegCloseKey(child), static_cast<LSTATUS>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(RegQueryValueEx(child, "v", nullptr, nullptr, nullptr, &size), static_cast<LSTATUS>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), kOk);
  RegCloseKey(reader);
  RegCloseKey(parent);
}

TEST_F(RegistryApiTest, NamesThatTheFileCannotHoldAreRefusedOrMended) {
  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Bad\nKey", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            static_cast<LSTATUS>(ERROR_INVALID_PARAMETER));
  std::string deep = "D";
  for (std::size_t i = 1; i <= kMaxRegistryKeyDepth; ++i) deep += "\\D";
  EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, deep.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            static_cast<LSTATUS>(ERROR_INVALID_PARAMETER));
  key = Create(HKEY_CURRENT_USER, "Software\\Text");
  // A caller's Windows-1252 bytes are stored as UTF-8, so that the file
  // stays UTF-8 and its other umlauts keep reading right.
  ASSERT_EQ(SetString(key, "Gr\xF6\xDF" "e", "\xE4"), kOk);
  ASSERT_EQ(SetString(key, "Größe2", "ä"), kOk);
  char text[8];
  DWORD size = sizeof text;
  EXPECT_EQ(RegQueryValueEx(key, "Größe", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), kOk);
  EXPECT_STREQ(text, "ä");
  size = sizeof text;
  EXPECT_EQ(RegQueryValueEx(key, "GRÖßE2", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), kOk);
  EXPECT_STREQ(text, "ä");
  RegCloseKey(key);
}
