#include "registry_file.h"

#include <algorithm>

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

bool IsBelow(std::string_view path, std::string_view ancestor) {
  if (ancestor.empty()) return !path.empty();
  return path.size() > ancestor.size() && path[ancestor.size()] == '\\' &&
         AnsiSameText(path.substr(0, ancestor.size()), ancestor);
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

RegistryValue* RegistryKey::FindValue(std::string_view name) {
  for (RegistryValue& v : Values)
    if (AnsiSameText(v.Name, name)) return &v;
  return nullptr;
}

const RegistryValue* RegistryKey::FindValue(std::string_view name) const {
  return const_cast<RegistryKey*>(this)->FindValue(name);
}

void RegistryKey::SetValue(std::string_view name, DWORD type, std::string data) {
  RegistryValue* v = FindValue(name);
  if (!v) {
    Values.push_back(RegistryValue{std::string(name), type, {}});
    v = &Values.back();
  }
  v->Type = type;
  v->Data = std::move(data);
}

bool RegistryKey::DeleteValue(std::string_view name) {
  RegistryValue* v = FindValue(name);
  if (!v) return false;
  Values.erase(Values.begin() + (v - Values.data()));
  return true;
}

RegistryKey* RegistryHive::FindKey(std::string_view path) {
  const std::string normal = NormalizeRegistryPath(path);
  for (RegistryKey& k : keys_)
    if (AnsiSameText(k.Path, normal)) return &k;
  return nullptr;
}

const RegistryKey* RegistryHive::FindKey(std::string_view path) const {
  return const_cast<RegistryHive*>(this)->FindKey(path);
}

RegistryKey& RegistryHive::CreateKey(std::string_view path, bool* created) {
  if (created) *created = false;
  const std::vector<std::string_view> parts = SplitPath(path);
  if (parts.empty()) {
    if (RegistryKey* root = FindKey("")) return *root;
    if (created) *created = true;
    keys_.push_back(RegistryKey{});
    return keys_.back();
  }
  // Walk down from the top, so that each new key takes its parent's spelling.
  std::string spelled;
  RegistryKey* key = nullptr;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    std::string wanted = spelled.empty() ? std::string(parts[i]) : spelled + '\\' + std::string(parts[i]);
    key = FindKey(wanted);
    if (!key) {
      keys_.push_back(RegistryKey{std::move(wanted), {}});
      key = &keys_.back();
      if (created && i + 1 == parts.size()) *created = true;
    }
    spelled = key->Path;
  }
  return *key;
}

bool RegistryHive::DeleteTree(std::string_view path) {
  const std::string normal = NormalizeRegistryPath(path);
  const auto size = keys_.size();
  std::erase_if(keys_, [&](const RegistryKey& k) { return AnsiSameText(k.Path, normal) || IsBelow(k.Path, normal); });
  return keys_.size() != size;
}

std::vector<std::string> RegistryHive::SubKeyNames(std::string_view path) const {
  const std::string normal = NormalizeRegistryPath(path);
  std::vector<std::string> names;
  for (const RegistryKey& k : keys_) {
    if (k.Path.empty() || !AnsiSameText(ParentPath(k.Path), normal)) continue;
    const auto slash = k.Path.rfind('\\');
    names.push_back(slash == std::string::npos ? k.Path : k.Path.substr(slash + 1));
  }
  return names;
}

RegistryParseResult ParseRegistryText(std::string_view bytes) {
  RegistryParseResult result;
  const std::string text = TextFromOutsideBytes(bytes);
  // Index of the key the value lines belong to; none before the first key
  // line and after a damaged one.
  constexpr std::size_t kNoKey = static_cast<std::size_t>(-1);
  std::size_t current = kNoKey;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + begin, end - begin);
    begin = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    if (IsBlankLine(line) || IsCommentLine(line)) continue;
    if (line[0] == '[') {
      if (line.size() >= 2 && line.back() == ']') {
        const RegistryKey& key = result.Hive.CreateKey(line.substr(1, line.size() - 2));
        current = static_cast<std::size_t>(&key - result.Hive.Keys().data());
      } else {
        current = kNoKey;
        ++result.DamagedLines;
      }
      continue;
    }
    RegistryValue value;
    if (current == kNoKey || !ReadValueLine(line, value)) {
      ++result.DamagedLines;
      continue;
    }
    // A repeated name: the later line wins, in the earlier line's place.
    result.Hive.KeyAt(current).SetValue(value.Name, value.Type, std::move(value.Data));
  }
  return result;
}

std::string WriteRegistryText(const RegistryHive& hive) {
  std::string out;
  for (const RegistryKey& key : hive.Keys()) {
    out += '[';
    out += key.Path;
    out += "]\n";
    for (const RegistryValue& v : key.Values) AppendValueLine(out, v);
  }
  return out;
}
