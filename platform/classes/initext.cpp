#include "initext.h"

#include "sysutils.h"

namespace {

constexpr std::size_t npos = static_cast<std::size_t>(-1);

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

std::string_view IniText::TrimBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

IniText::IniText(std::string_view text) {
  while (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  crlf_ = text.find("\r\n") != std::string_view::npos;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(begin, end - begin);
    begin = end + 1;
    // A stray CR at a line end is dropped too, so that a rewrite cannot make
    // an LF file look like a CR LF one.
    while (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

    Line line;
    line.Raw = std::string(raw);
    const std::string_view trimmed = TrimBlanks(raw);
    const auto close = trimmed.find(']');
    const auto equals = trimmed.find('=');
    if (trimmed.starts_with('[') && close != std::string_view::npos) {
      line.LineKind = Kind::Section;
      line.Name = std::string(TrimBlanks(trimmed.substr(1, close - 1)));
    } else if (!trimmed.starts_with(';') && !trimmed.starts_with('[') && equals != std::string_view::npos &&
               equals > 0) {
      line.LineKind = Kind::Entry;
      line.Name = std::string(TrimBlanks(trimmed.substr(0, equals)));
      line.Value = std::string(TrimBlanks(trimmed.substr(equals + 1)));
    }
    lines_.push_back(std::move(line));
  }
}

std::string IniText::Text() const {
  std::string out;
  for (const Line& line : lines_) {
    out += line.Raw;
    out += crlf_ ? "\r\n" : "\n";
  }
  return out;
}

std::size_t IniText::FindSection(std::string_view section) const {
  const std::string_view name = TrimBlanks(section);
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].LineKind == Kind::Section && AnsiSameText(lines_[i].Name, name)) return i;
  return npos;
}

std::size_t IniText::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && lines_[i].LineKind != Kind::Section) ++i;
  return i;
}

const std::string* IniText::Find(std::string_view section, std::string_view ident) const {
  const std::size_t header = FindSection(section);
  if (header == npos) return nullptr;
  const std::string_view name = TrimBlanks(ident);
  for (std::size_t i = header + 1, end = SectionEnd(header); i < end; ++i)
    if (lines_[i].LineKind == Kind::Entry && AnsiSameText(lines_[i].Name, name)) return &lines_[i].Value;
  return nullptr;
}

std::vector<std::string> IniText::Sections() const {
  std::vector<std::string> names;
  for (const Line& line : lines_)
    if (line.LineKind == Kind::Section && FindSection(line.Name) == static_cast<std::size_t>(&line - lines_.data()))
      names.push_back(line.Name);
  return names;
}

std::vector<std::pair<std::string, std::string>> IniText::Entries(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> entries;
  const std::size_t header = FindSection(section);
  if (header == npos) return entries;
  for (std::size_t i = header + 1, end = SectionEnd(header); i < end; ++i) {
    if (lines_[i].LineKind != Kind::Entry) continue;
    bool repeated = false;
    for (const auto& e : entries) repeated = repeated || AnsiSameText(e.first, lines_[i].Name);
    if (!repeated) entries.emplace_back(lines_[i].Name, lines_[i].Value);
  }
  return entries;
}

void IniText::Set(std::string_view section, std::string_view ident, std::string_view value) {
  const std::string_view sectionName = TrimBlanks(section), identName = TrimBlanks(ident);
  const std::string_view text = TrimBlanks(value);
  std::size_t header = FindSection(sectionName);
  if (header == npos) {
    header = lines_.size();
    Line line{Kind::Section, std::string(sectionName), {}, "["};
    line.Raw += sectionName;
    line.Raw += ']';
    lines_.push_back(std::move(line));
  }
  const std::size_t end = SectionEnd(header);
  std::size_t insertAt = header + 1;
  for (std::size_t i = header + 1; i < end; ++i) {
    Line& line = lines_[i];
    if (line.LineKind != Kind::Entry) continue;
    if (AnsiSameText(line.Name, identName)) {
      line.Value = std::string(text);
      line.Raw = line.Name + "=" + line.Value;
      return;
    }
    insertAt = i + 1;
  }
  Line entry{Kind::Entry, std::string(identName), std::string(text), {}};
  entry.Raw = entry.Name + "=" + entry.Value;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
}

bool IniText::EraseSection(std::string_view section) {
  bool erased = false;
  for (std::size_t header; (header = FindSection(section)) != npos; erased = true)
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
  return erased;
}

bool IniText::DeleteKey(std::string_view section, std::string_view ident) {
  const std::size_t header = FindSection(section);
  if (header == npos) return false;
  const std::string_view name = TrimBlanks(ident);
  bool deleted = false;
  for (std::size_t i = SectionEnd(header); i-- > header + 1;) {
    if (lines_[i].LineKind == Kind::Entry && AnsiSameText(lines_[i].Name, name)) {
      lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
      deleted = true;
    }
  }
  return deleted;
}

bool IniText::Storable(std::string_view section, std::string_view ident, std::string_view value) {
  const std::string_view s = TrimBlanks(section), i = TrimBlanks(ident);
  if (HasLineBreak(section) || HasLineBreak(ident) || HasLineBreak(value)) return false;
  if (s.find(']') != std::string_view::npos) return false;
  // An ident must read back as an ident: not empty, no '=', not taken for a
  // comment or a section header.
  return !i.empty() && i.find('=') == std::string_view::npos && !i.starts_with(';') && !i.starts_with('[');
}
