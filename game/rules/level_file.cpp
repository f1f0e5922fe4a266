#include "level_file.h"

#include <cctype>
#include <charconv>

namespace Game {
namespace {

bool InRange(Integer v, Integer lo, Integer hi) { return v >= lo && v <= hi; }

// The header and the cells, then the checks that keep the figure and every
// occupied mover slot on the board.
bool ReadBody(LevelTextReader& r, LevelRecord& out) {
  Integer unused = 0;
  r.ReadInteger(out.PlayerX);
  r.ReadInteger(out.PlayerY);
  r.ReadInteger(unused);
  r.ReadInteger(unused);
  for (int i = 0; i < kMoverSlots; ++i) {
    r.ReadInteger(out.MoverX[i]);
    r.ReadInteger(out.MoverY[i]);
    r.ReadInteger(out.MoverFloor[i]);
  }
  for (int f = 0; f < kFloors && !r.Failed(); ++f)
    for (int y = 0; y < kBoardSize && !r.Failed(); ++y)
      for (int x = 0; x < kBoardSize && !r.Failed(); ++x) r.ReadInteger(out.Cells[f][x][y]);
  if (r.Failed()) return false;

  if (!InRange(out.PlayerX, 0, kBoardSize - 1) || !InRange(out.PlayerY, 0, kBoardSize - 1)) return false;
  for (int i = 0; i < kMoverSlots; ++i) {
    if (out.MoverX[i] == 0) continue;
    if (!InRange(out.MoverX[i], 0, kBoardSize - 1) || !InRange(out.MoverY[i], 0, kBoardSize - 1) ||
        !InRange(out.MoverFloor[i], 0, kFloors - 1))
      return false;
  }
  return true;
}

}  // namespace

bool LevelTextReader::ReadInteger(Integer& value) {
  if (failed_) return false;
  while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  std::size_t start = pos_, i = pos_;
  if (i < text_.size() && (text_[i] == '+' || text_[i] == '-')) ++i;
  const std::size_t digits = i;
  while (i < text_.size() && std::isdigit(static_cast<unsigned char>(text_[i]))) ++i;
  if (i == digits) return failed_ = true, false;
  if (text_[start] == '+') ++start;
  Integer v = 0;
  const auto [end, ec] = std::from_chars(text_.data() + start, text_.data() + i, v);
  if (ec != std::errc() || end != text_.data() + i) return failed_ = true, false;
  value = v;
  pos_ = i;
  return true;
}

bool LevelTextReader::ReadLine(std::string& line) {
  if (failed_) return false;
  if (pos_ >= text_.size()) return failed_ = true, false;
  const std::size_t lf = text_.find('\n', pos_);
  const std::size_t end = lf == std::string_view::npos ? text_.size() : lf;
  std::size_t textEnd = end;
  if (textEnd > pos_ && text_[textEnd - 1] == '\r') --textEnd;
  if (textEnd - pos_ > static_cast<std::size_t>(kLineBufferSize - 1)) return failed_ = true, false;
  line.assign(text_.substr(pos_, textEnd - pos_));
  pos_ = lf == std::string_view::npos ? text_.size() : lf + 1;
  return true;
}

Integer ReadLevelCount(LevelTextReader& reader) {
  Integer n = 0;
  if (!reader.ReadInteger(n) || n < 0) return 0;
  return n;
}

bool ReadWorldLevel(LevelTextReader& reader, Integer level, LevelRecord& out) {
  if (level < 1) return false;
  std::string line;
  // The lines before the wanted level are counted, not parsed; the first of
  // them is the rest of the count's line.
  const long long skip = static_cast<long long>(level - 1) * kLinesPerLevel;
  for (long long i = 0; i < skip; ++i)
    if (!reader.ReadLine(line)) return false;
  // The rest of the line before the hint, then the hint.
  if (!reader.ReadLine(line) || !reader.ReadLine(line)) return false;
  out.Hint = AnsiString(TextFromOutsideBytes(line));
  return ReadBody(reader, out);
}

bool ReadEditorLevel(LevelTextReader& reader, LevelRecord& out) {
  Integer unused = 0;
  std::string rest;
  if (!reader.ReadInteger(unused) || !reader.ReadLine(rest)) return false;
  out.Hint = AnsiString();
  return ReadBody(reader, out);
}

}  // namespace Game
