#include "dialogs_filter.h"

#include "sysutils.h"
#include "utf8.h"

std::vector<TFileFilter> ParseFileFilter(const AnsiString& Filter) {
  std::vector<TFileFilter> out;
  const std::string text = Filter.str();
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type bar = text.find('|', start);
    parts.push_back(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    AnsiString description(parts[i].data(), parts[i].size());
    AnsiString patterns = i + 1 < parts.size() ? AnsiString(parts[i + 1].data(), parts[i + 1].size()) : AnsiString();
    if (description.IsEmpty() && patterns.IsEmpty()) continue;
    if (Trim(patterns).IsEmpty()) patterns = "*";
    out.push_back({description, patterns});
  }
  if (out.empty()) out.push_back({AnsiString(), AnsiString("*")});
  return out;
}

namespace {

// Folds a name for matching: ASCII and code-page letters to lower case.
std::string Folded(const AnsiString& s) { return AnsiLowerCase(s).str(); }

// Iterative wildcard match with one back-tracking point per '*', so that
// long names and many stars stay linear enough and never recurse.
bool Match(const std::string& name, const std::string& pattern) {
  std::size_t n = 0, p = 0;
  std::size_t starP = std::string::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
      continue;
    }
    if (p < pattern.size() && pattern[p] == '?') {
      n = Utf8NextBoundary(name, n);
      ++p;
      continue;
    }
    if (p < pattern.size() && pattern[p] == name[n]) {
      ++n, ++p;
      continue;
    }
    if (starP == std::string::npos) return false;
    p = starP + 1;
    n = ++starN;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

bool MatchesFilePattern(const AnsiString& Name, const AnsiString& Pattern) {
  std::string pattern = Folded(Trim(Pattern));
  if (pattern.empty()) return false;
  // "*.*" is everything, names without a dot included.
  if (pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, ".*") == 0 &&
      Match(Folded(Name), pattern.substr(0, pattern.size() - 2)))
    return true;
  return Match(Folded(Name), pattern);
}

bool MatchesFilePatterns(const AnsiString& Name, const AnsiString& Patterns) {
  const std::string text = Patterns.str();
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type semi = text.find(';', start);
    const std::string one = text.substr(start, semi == std::string::npos ? std::string::npos : semi - start);
    if (MatchesFilePattern(Name, AnsiString(one.data(), one.size()))) return true;
    if (semi == std::string::npos) return false;
    start = semi + 1;
  }
}

bool IsFilePattern(const AnsiString& Text) {
  const std::string& s = Text.str();
  return s.find_first_of("*?") != std::string::npos;
}
