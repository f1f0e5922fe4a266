#include "registry_file.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "ansistring.h"
#include "registry.h"
#include "sysutils.h"

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

std::vector<std::string_view> SplitPath(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t begin = 0;
  while (begin <= path.size()) {
    std::size_t end = path.find('\\', begin);
    if (end == std::string_view::npos) end = path.size();
    if (end > begin) parts.push_back(path.substr(begin, end - begin));
    begin = end + 1;
  }
  return parts;
}

// The parent's path and the last part ("" for a top-level key).
std::string_view ParentPath(std::string_view path) {
  const auto slash = path.rfind('\\');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

// The normalized path with each part folded.
std::string FoldedPath(std::string_view path) {
  std::string folded;
  for (std::string_view part : SplitPath(path)) {
    if (!folded.empty()) folded += '\\';
    folded += FoldRegistryName(part);
  }
  return folded;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsBlankLine(std::string_view line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

bool IsCommentLine(std::string_view line) {
  const auto first = line.find_first_not_of(" \t");
  return first != std::string_view::npos && line[first] == ';';
}

// Reads a quoted text starting at line[pos] == '"'; pos ends after the
// closing quote.
bool ReadQuoted(std::string_view line, std::size_t& pos, std::string& text) {
  if (pos >= line.size() || line[pos] != '"') return false;
  for (++pos; pos < line.size(); ++pos) {
    const char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c != '\\') {
      text += c;
      continue;
    }
    if (++pos >= line.size()) return false;
    switch (line[pos]) {
      case '\\': text += '\\'; break;
      case '"': text += '"'; break;
      case 'n': text += '\n'; break;
      default: return false;
    }
  }
  return false;
}

bool ReadDword(std::string_view digits, std::string& data) {
  if (digits.size() != 8) return false;
  std::uint32_t v = 0;
  for (char c : digits) {
    const int h = HexValue(c);
    if (h < 0) return false;
    v = (v << 4) | static_cast<std::uint32_t>(h);
  }
  data.clear();
  for (int i = 0; i < 4; ++i) data += static_cast<char>((v >> (8 * i)) & 0xFF);
  return true;
}

bool ReadHexBytes(std::string_view list, std::string& data) {
  data.clear();
  if (list.empty()) return true;
  for (std::size_t pos = 0;; pos += 3) {
    if (pos + 2 > list.size()) return false;
    const int hi = HexValue(list[pos]), lo = HexValue(list[pos + 1]);
    if (hi < 0 || lo < 0) return false;
    data += static_cast<char>(hi * 16 + lo);
    if (pos + 2 == list.size()) return true;
    if (list[pos + 2] != ',') return false;
  }
}

// "name"=data or @=data.
bool ReadValueLine(std::string_view line, RegistryValue& value) {
  std::size_t pos = 0;
  if (!line.empty() && line[0] == '@') {
    pos = 1;
  } else if (!ReadQuoted(line, pos, value.Name)) {
    return false;
  }
  if (pos >= line.size() || line[pos] != '=') return false;
  const std::string_view data = line.substr(pos + 1);
  if (!data.empty() && data[0] == '"') {
    std::size_t end = 0;
    value.Type = REG_SZ;
    return ReadQuoted(data, end, value.Data) && end == data.size();
  }
  if (data.starts_with("dword:")) {
    value.Type = REG_DWORD;
    return ReadDword(data.substr(6), value.Data);
  }
  if (data.starts_with("hex:")) {
    value.Type = REG_BINARY;
    return ReadHexBytes(data.substr(4), value.Data);
  }
  return false;
}

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  out += '"';
}

void AppendHexByte(std::string& out, unsigned char b) {
  out += kHexDigits[b >> 4];
  out += kHexDigits[b & 15];
}

void AppendValueLine(std::string& out, const RegistryValue& v) {
  if (v.Name.empty())
    out += '@';
  else
    AppendQuoted(out, v.Name);
  out += '=';
  if (v.Type == REG_DWORD && v.Data.size() == 4) {
    out += "dword:";
    for (int i = 3; i >= 0; --i) AppendHexByte(out, static_cast<unsigned char>(v.Data[static_cast<std::size_t>(i)]));
  } else if (v.Type == REG_SZ) {
    AppendQuoted(out, v.Data);
  } else {
    // Binary, and anything the format has no form for, keeps its bytes.
    out += "hex:";
    for (std::size_t i = 0; i < v.Data.size(); ++i) {
      if (i) out += ',';
      AppendHexByte(out, static_cast<unsigned char>(v.Data[i]));
    }
  }
  out += '\n';
}

}  // namespace

std::string NormalizeRegistryPath(std::string_view path) {
  std::string result;
  for (std::string_view part : SplitPath(path)) {
    if (!result.empty()) result += '\\';
    result += part;
  }
  return result;
}

std::size_t RegistryPathDepth(std::string_view path) { return SplitPath(path).size(); }

std::string FoldRegistryName(std::string_view name) {
  // Most names are plain ASCII: those fold without decoding.
  if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    std::string folded(name);
    for (char& c : folded)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return folded;
  }
  return AnsiUpperCase(AnsiString(name)).str();
}

RegistryValue* RegistryKey::FindValue(std::string_view name) {
  const auto it = valueIndex_.find(FoldRegistryName(name));
  return it == valueIndex_.end() ? nullptr : &Values[it->second];
}

const RegistryValue* RegistryKey::FindValue(std::string_view name) const {
  return const_cast<RegistryKey*>(this)->FindValue(name);
}

void RegistryKey::SetValue(std::string_view name, DWORD type, std::string data) {
  const auto [it, added] = valueIndex_.try_emplace(FoldRegistryName(name), Values.size());
  if (added) Values.push_back(RegistryValue{std::string(name), type, {}});
  RegistryValue& v = Values[it->second];
  v.Type = type;
  v.Data = std::move(data);
}

bool RegistryKey::DeleteValue(std::string_view name) {
  const auto it = valueIndex_.find(FoldRegistryName(name));
  if (it == valueIndex_.end()) return false;
  const std::size_t place = it->second;
  valueIndex_.erase(it);
  Values.erase(Values.begin() + static_cast<std::ptrdiff_t>(place));
  for (auto& [folded, index] : valueIndex_)
    if (index > place) --index;
  return true;
}

void RegistryKey::ClearValues() {
  Values.clear();
  valueIndex_.clear();
}

RegistryKey* RegistryHive::FindKey(std::string_view path) {
  const auto it = keyIndex_.find(FoldedPath(path));
  return it == keyIndex_.end() ? nullptr : &keys_[it->second];
}

const RegistryKey* RegistryHive::FindKey(std::string_view path) const {
  return const_cast<RegistryHive*>(this)->FindKey(path);
}

std::size_t RegistryHive::AddKey(std::string path, std::string folded) {
  keyIndex_.emplace(folded, keys_.size());
  keys_.emplace_back(std::move(path));
  foldedPaths_.push_back(std::move(folded));
  return keys_.size() - 1;
}

void RegistryHive::Reindex() {
  keyIndex_.clear();
  for (std::size_t i = 0; i < keys_.size(); ++i) keyIndex_.emplace(foldedPaths_[i], i);
}

RegistryKey& RegistryHive::CreateKey(std::string_view path, bool* created) {
  if (created) *created = false;
  const std::vector<std::string_view> parts = SplitPath(path);
  if (parts.size() > kMaxRegistryKeyDepth) throw std::length_error("registry key too deep");
  // The folded path and where each of its prefixes ends.
  std::string folded;
  std::vector<std::size_t> ends;
  for (std::string_view part : parts) {
    if (!folded.empty()) folded += '\\';
    folded += FoldRegistryName(part);
    ends.push_back(folded.size());
  }
  if (const auto it = keyIndex_.find(folded); it != keyIndex_.end()) return keys_[it->second];
  if (created) *created = true;
  if (parts.empty()) return keys_[AddKey({}, {})];

  // The deepest ancestor there is; the missing keys below it take its
  // spelling, as if made one by one from the top.
  std::size_t have = parts.size() - 1;
  std::size_t ancestor = static_cast<std::size_t>(-1);
  while (have > 0) {
    const auto it = keyIndex_.find(folded.substr(0, ends[have - 1]));
    if (it != keyIndex_.end()) {
      ancestor = it->second;
      break;
    }
    --have;
  }
  std::string spelled = have > 0 ? keys_[ancestor].Path : std::string();
  std::size_t index = 0;
  for (std::size_t i = have; i < parts.size(); ++i) {
    if (!spelled.empty()) spelled += '\\';
    spelled += parts[i];
    index = AddKey(spelled, folded.substr(0, ends[i]));
  }
  return keys_[index];
}

bool RegistryHive::DeleteTree(std::string_view path) {
  const std::string folded = FoldedPath(path);
  auto doomed = [&](const std::string& candidate) {
    return candidate == folded || (folded.empty() ? !candidate.empty()
                                                  : candidate.size() > folded.size() &&
                                                        candidate[folded.size()] == '\\' &&
                                                        candidate.compare(0, folded.size(), folded) == 0);
  };
  std::size_t kept = 0;
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    if (doomed(foldedPaths_[i])) {
      // Damaged lines are not the key's own: they move to what stood before.
      std::vector<std::string>& before = kept > 0 ? keys_[kept - 1].KeptLines : leadingLines_;
      before.insert(before.end(), std::make_move_iterator(keys_[i].KeptLines.begin()),
                    std::make_move_iterator(keys_[i].KeptLines.end()));
      continue;
    }
    if (kept != i) {
      keys_[kept] = std::move(keys_[i]);
      foldedPaths_[kept] = std::move(foldedPaths_[i]);
    }
    ++kept;
  }
  if (kept == keys_.size()) return false;
  keys_.resize(kept);
  foldedPaths_.resize(kept);
  Reindex();
  return true;
}

std::vector<std::string> RegistryHive::SubKeyNames(std::string_view path) const {
  const std::string folded = FoldedPath(path);
  std::vector<std::string> names;
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    const RegistryKey& k = keys_[i];
    if (k.Path.empty() || ParentPath(foldedPaths_[i]) != folded) continue;
    const auto slash = k.Path.rfind('\\');
    names.push_back(slash == std::string::npos ? k.Path : k.Path.substr(slash + 1));
  }
  return names;
}

RegistryParseResult ParseRegistryText(std::string_view bytes) {
  RegistryParseResult result;
  RegistryHive& hive = result.Hive;
  const std::string text = TextFromOutsideBytes(bytes);
  // The key the value lines belong to, by place; `kept` (none before the
  // first key line and after a damaged one) takes the lines as they stand.
  std::size_t current = 0;
  std::vector<std::string>* kept = &hive.LeadingLines();
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + begin, end - begin);
    begin = end + 1;
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    if (IsBlankLine(line) || IsCommentLine(line)) continue;
    if (line[0] == '[' && line.size() >= 2 && line.back() == ']' &&
        RegistryPathDepth(line.substr(1, line.size() - 2)) <= kMaxRegistryKeyDepth) {
      const RegistryKey& key = hive.CreateKey(line.substr(1, line.size() - 2));
      current = static_cast<std::size_t>(&key - hive.Keys().data());
      kept = nullptr;
      continue;
    }
    if (line[0] == '[' && !kept) kept = &hive.KeyAt(current).KeptLines;
    if (kept) {
      kept->emplace_back(line);
      ++result.DamagedLines;
      continue;
    }
    RegistryValue value;
    if (!ReadValueLine(line, value)) {
      ++result.DamagedLines;
      continue;
    }
    // A repeated name: the later line wins, in the earlier line's place.
    hive.KeyAt(current).SetValue(value.Name, value.Type, std::move(value.Data));
  }
  return result;
}

std::string WriteRegistryText(const RegistryHive& hive) {
  std::string out;
  auto appendLines = [&](const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
      out += line;
      out += '\n';
    }
  };
  appendLines(hive.LeadingLines());
  for (const RegistryKey& key : hive.Keys()) {
    out += '[';
    out += key.Path;
    out += "]\n";
    for (const RegistryValue& v : key.Values) AppendValueLine(out, v);
    appendLines(key.KeptLines);
  }
  return out;
}
