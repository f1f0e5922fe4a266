// The registry's keys and values in memory, and their text form in user.reg.
// Pure: no I/O here, so the store and the fuzz target share it.
//
// The text, UTF-8 with LF line ends:
//   [Software\Tallix Software\TALLIX MORVANT II\SETUP]
//   "SOUND"="1"
//   "LEVEL"=dword:00000003
//   "DATA"=hex:01,02,ff
//   @="the default value"
// Names compare as AnsiSameText does (ä = Ä; ß stays apart from SS).
// Every key, empty ones too, is a "[path]" line, in creation order; its values
// follow in creation order. In names and strings \\, \" and \n are escaped.
// Reading also takes blank lines, ';' comments, CR LF, upper-case hex and
// text that is not UTF-8 (as Windows-1252); any other line is skipped and
// counted as damage, and so are the values below a damaged key line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "wintypes.h"

struct RegistryValue {
  std::string Name;  // empty: the default value
  DWORD Type = 0;    // REG_SZ, REG_DWORD or REG_BINARY
  // REG_SZ: the text without terminating zero; REG_DWORD: four bytes, low
  // byte first; REG_BINARY: the bytes.
  std::string Data;
  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

struct RegistryKey {
  std::string Path;  // below the root, parts joined by '\'; "" is the root itself
  std::vector<RegistryValue> Values;

  RegistryValue* FindValue(std::string_view name);
  const RegistryValue* FindValue(std::string_view name) const;
  // Replaces the value's type and data, keeping its place and first spelling.
  void SetValue(std::string_view name, DWORD type, std::string data);
  bool DeleteValue(std::string_view name);
  friend bool operator==(const RegistryKey&, const RegistryKey&) = default;
};

// The keys of one root, in creation order. Paths given to it may use empty
// parts and any letter case; NormalizeRegistryPath shows how they are read.
class RegistryHive {
 public:
  const std::vector<RegistryKey>& Keys() const { return keys_; }
  RegistryKey& KeyAt(std::size_t index) { return keys_[index]; }
  RegistryKey* FindKey(std::string_view path);
  const RegistryKey* FindKey(std::string_view path) const;
  // The key, created with its missing ancestors when needed; `created` tells
  // whether the key itself was new.
  RegistryKey& CreateKey(std::string_view path, bool* created = nullptr);
  // Removes the key and everything below it; false when it did not exist.
  bool DeleteTree(std::string_view path);
  // Last parts of the key's direct subkeys, in creation order.
  std::vector<std::string> SubKeyNames(std::string_view path) const;
  friend bool operator==(const RegistryHive&, const RegistryHive&) = default;

 private:
  std::vector<RegistryKey> keys_;
};

// "\a\\b\" -> "a\b".
std::string NormalizeRegistryPath(std::string_view path);

struct RegistryParseResult {
  RegistryHive Hive;
  int DamagedLines = 0;
};

RegistryParseResult ParseRegistryText(std::string_view bytes);
std::string WriteRegistryText(const RegistryHive& hive);
