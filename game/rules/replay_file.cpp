#include "replay_file.h"

#include <cctype>
#include <charconv>

namespace Game {

std::string FormatReplayFile(const Integer (&moveLog)[kLogSize]) {
  std::string out;
  for (int i = 0; i < kLogSize; ++i) {
    out += std::to_string(moveLog[i]);
    out += ' ';
    if (moveLog[i] == mEnd) break;
  }
  return out;
}

std::vector<Integer> ParseReplayFile(std::string_view text) {
  std::vector<Integer> codes;
  std::size_t i = 0;
  while (codes.size() < static_cast<std::size_t>(kLogSize)) {
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t digits = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == digits) break;  // no number here: the replay ends
    // from_chars takes no '+'.
    if (text[start] == '+') ++start;
    Integer value = 0;
    const auto [end, ec] = std::from_chars(text.data() + start, text.data() + i, value);
    if (ec != std::errc() || end != text.data() + i) break;  // out of range
    codes.push_back(value);
  }
  return codes;
}

}  // namespace Game
