// The text of an ini file as lines: "[section]" headers, "ident=value"
// entries, and everything else (comments, blank and unknown lines), which is
// kept as it was. Pure: TIniFile does the file reading and writing, and the
// fuzz target feeds it arbitrary text.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class IniText {
 public:
  // UTF-8 text (an optional byte-order mark is dropped); LF or CR LF.
  explicit IniText(std::string_view text);

  // The whole text, with the line ends it was read with (LF for a new file).
  std::string Text() const;

  // Names compare without regard to case; the first matching section and
  // ident count. Find answers nullptr when there is no such value.
  const std::string* Find(std::string_view section, std::string_view ident) const;
  std::vector<std::string> Sections() const;
  std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

  // The names and value must be storable (see Storable). Set keeps the
  // existing ident's place; a new ident goes after the section's last entry,
  // a new section at the end.
  void Set(std::string_view section, std::string_view ident, std::string_view value);
  // Every section of that name; false when there was none.
  bool EraseSection(std::string_view section);
  bool DeleteKey(std::string_view section, std::string_view ident);

  // Whether the text can hold these names and value so that they read back.
  static bool Storable(std::string_view section, std::string_view ident, std::string_view value);
  // Names as the lookups take them: blanks around them dropped.
  static std::string_view TrimBlanks(std::string_view s);

 private:
  enum class Kind { Section, Entry, Other };
  struct Line {
    Kind LineKind = Kind::Other;
    std::string Name;   // section name or ident
    std::string Value;  // entries only
    std::string Raw;    // the line as written
  };
  // Index of the first header of the section, or npos.
  std::size_t FindSection(std::string_view section) const;
  // One past the section's last line (the next header or the end).
  std::size_t SectionEnd(std::size_t header) const;

  std::vector<Line> lines_;
  bool crlf_ = false;
};
