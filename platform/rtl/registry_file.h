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
// text that is not UTF-8 (as Windows-1252); any other line below a key is
// skipped and counted as damage. A damaged key line (unclosed, or deeper than
// kMaxRegistryKeyDepth) and the lines below it up to the next good key line,
// and lines before the first key, are damage too, but they are kept as they
// stand and written back in their place: a later repair by hand still finds
// them.
//
// Lookups are hashed on the names folded once, when they are stored, so that
// parsing and every operation stay linear in the size of the file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
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

// Deeper paths are damage in a file and refused by the registry functions.
constexpr std::size_t kMaxRegistryKeyDepth = 512;

// The number of non-empty parts of a path.
std::size_t RegistryPathDepth(std::string_view path);
// The form names are compared in: equal exactly when AnsiSameText is true.
std::string FoldRegistryName(std::string_view name);

struct RegistryKey {
  RegistryKey() = default;
  explicit RegistryKey(std::string path) : Path(std::move(path)) {}

  std::string Path;  // below the root, parts joined by '\'; "" is the root itself
  // In creation order. Read it freely; change it only through SetValue,
  // DeleteValue and ClearValues, which keep the lookup index in step.
  std::vector<RegistryValue> Values;
  // Damaged lines that stood below this key's values, written back after them
  // as they were.
  std::vector<std::string> KeptLines;

  RegistryValue* FindValue(std::string_view name);
  const RegistryValue* FindValue(std::string_view name) const;
  // Replaces the value's type and data, keeping its place and first spelling.
  void SetValue(std::string_view name, DWORD type, std::string data);
  bool DeleteValue(std::string_view name);
  void ClearValues();
  friend bool operator==(const RegistryKey& a, const RegistryKey& b) {
    return a.Path == b.Path && a.Values == b.Values && a.KeptLines == b.KeptLines;
  }

 private:
  std::unordered_map<std::string, std::size_t> valueIndex_;  // folded name -> place in Values
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
  // whether the key itself was new. The path must be no deeper than
  // kMaxRegistryKeyDepth (a deeper one throws std::length_error).
  RegistryKey& CreateKey(std::string_view path, bool* created = nullptr);
  // Removes the key and everything below it; false when it did not exist.
  bool DeleteTree(std::string_view path);
  // Last parts of the key's direct subkeys, in creation order.
  std::vector<std::string> SubKeyNames(std::string_view path) const;
  // Damaged lines before the first key, written back first as they were.
  std::vector<std::string>& LeadingLines() { return leadingLines_; }
  const std::vector<std::string>& LeadingLines() const { return leadingLines_; }
  friend bool operator==(const RegistryHive& a, const RegistryHive& b) {
    return a.keys_ == b.keys_ && a.leadingLines_ == b.leadingLines_;
  }

 private:
  std::size_t AddKey(std::string path, std::string folded);
  void Reindex();

  std::vector<RegistryKey> keys_;
  std::vector<std::string> foldedPaths_;  // beside keys_
  std::unordered_map<std::string, std::size_t> keyIndex_;  // folded path -> place in keys_
  std::vector<std::string> leadingLines_;
};

// "\a\\b\" -> "a\b".
std::string NormalizeRegistryPath(std::string_view path);

struct RegistryParseResult {
  RegistryHive Hive;
  // Lines that could not be read, the kept ones included.
  int DamagedLines = 0;
};

RegistryParseResult ParseRegistryText(std::string_view bytes);
std::string WriteRegistryText(const RegistryHive& hive);
