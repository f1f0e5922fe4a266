// DrawText: prefix marks, line breaks, word wrapping, tabs, ellipses,
// alignment and the measuring mode, laid out with whole-pixel advances and
// drawn line by line through the TextOut core.
#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "utf8.h"
#include "dc_internal.h"
#include "rect.h"
#include "font_object.h"
#include "text.h"
#include "text_render.h"

namespace {

constexpr int kDefaultTabChars = 8;
constexpr int kMaxTabChars = 1000;
constexpr std::size_t kNoByte = static_cast<std::size_t>(-1);

struct Letter {
  char32_t cp;
  std::size_t byteBegin;  // kNoByte for letters we added (ellipses)
  std::size_t byteEnd;
  bool prefixed;  // to be underlined: it followed a single '&'
};

using Line = std::vector<Letter>;

bool IsSpace(char32_t cp) { return cp == U' ' || cp == U'\t'; }

// The text's letters, with "&x" marking x and "&&" giving one '&'.
std::vector<Letter> ReadLetters(std::string_view text, bool prefixes) {
  std::vector<Letter> letters;
  bool pendingPrefix = false;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t begin = pos;
    const char32_t cp = NextCodePoint(text, pos);
    if (prefixes && cp == U'&' && !pendingPrefix) {
      pendingPrefix = true;
      continue;
    }
    // "&&" is a plain '&'. The '&' before a letter counts among its bytes,
    // so that a shortened text keeps its marks.
    const bool doubled = pendingPrefix && cp == U'&';
    letters.push_back({cp, pendingPrefix ? begin - 1 : begin, pos, pendingPrefix && !doubled});
    pendingPrefix = false;
  }
  return letters;
}

// Paragraphs end at CR LF, LF or CR; a break at the very end starts no
// further line.
std::vector<Line> SplitParagraphs(const std::vector<Letter>& letters) {
  std::vector<Line> paragraphs(1);
  for (std::size_t i = 0; i < letters.size(); ++i) {
    const char32_t cp = letters[i].cp;
    if (cp != U'\r' && cp != U'\n') {
      paragraphs.back().push_back(letters[i]);
      continue;
    }
    if (cp == U'\r' && i + 1 < letters.size() && letters[i + 1].cp == U'\n') ++i;
    if (i + 1 < letters.size()) paragraphs.emplace_back();
  }
  return paragraphs;
}

class LineMeasure {
 public:
  LineMeasure(FontInstance& font, int charExtra, int tabWidth, bool expandTabs)
      : font_(font), charExtra_(ClampAdvance(charExtra)), tabWidth_(tabWidth), expandTabs_(expandTabs) {}

  // The advance of a letter that starts at x (tabs run to the next stop).
  int Advance(const Letter& l, int x) const {
    if (l.cp == U'\t' && expandTabs_ && tabWidth_ > 0) return tabWidth_ - (x % tabWidth_ + tabWidth_) % tabWidth_;
    return ClampAdvance(static_cast<long long>(font_.Advance(l.cp)) + charExtra_);
  }
  int GlyphWidth(const Letter& l) const { return font_.Advance(l.cp); }

  std::vector<int> Advances(const Line& line) const {
    std::vector<int> out;
    out.reserve(line.size());
    int x = 0;
    for (const Letter& l : line) {
      out.push_back(Advance(l, x));
      x = ClampRunWidth(static_cast<long long>(x) + out.back());
    }
    return out;
  }
  int Width(const Line& line) const { return Width(line, line.size()); }
  // Width of the first n letters.
  int Width(const Line& line, std::size_t n) const {
    int x = 0;
    for (std::size_t i = 0; i < n; ++i) x = ClampRunWidth(static_cast<long long>(x) + Advance(line[i], x));
    return x;
  }

 private:
  FontInstance& font_;
  int charExtra_;
  int tabWidth_;
  bool expandTabs_;
};

// Breaks a paragraph at spaces so that each line fits `width`. A word longer
// than a line stays whole (and overflows) unless `breakWords` is set, as in
// an edit control. The spaces at a break belong to neither line.
void WrapParagraph(const Line& para, int width, bool breakWords, const LineMeasure& measure,
                   std::vector<Line>& out) {
  std::size_t start = 0;
  do {
    int x = 0;
    std::size_t breakAt = 0, resumeAt = 0;  // the last space run, if any
    bool canBreak = false, overflowing = false;
    std::size_t end = para.size(), next = para.size();
    for (std::size_t i = start; i < para.size(); ++i) {
      const Letter& l = para[i];
      if (IsSpace(l.cp)) {
        std::size_t j = i;
        while (j < para.size() && IsSpace(para[j].cp)) ++j;
        if (overflowing) {
          end = i, next = j;
          break;
        }
        if (i > start) breakAt = i, resumeAt = j, canBreak = true;
        for (std::size_t k = i; k < j; ++k) x = ClampRunWidth(static_cast<long long>(x) + measure.Advance(para[k], x));
        i = j - 1;
        continue;
      }
      const int w = measure.Advance(l, x);
      if (static_cast<long long>(x) + w > width && i > start && !overflowing) {
        if (canBreak) {
          end = breakAt, next = resumeAt;
          break;
        }
        if (breakWords) {
          end = i, next = i;
          break;
        }
        overflowing = true;
      }
      x = ClampRunWidth(static_cast<long long>(x) + w);
    }
    // Leading spaces of a paragraph are kept; trailing ones of a line are not.
    Line line(para.begin() + static_cast<std::ptrdiff_t>(start), para.begin() + static_cast<std::ptrdiff_t>(end));
    while (!line.empty() && IsSpace(line.back().cp) && end < para.size()) line.pop_back();
    out.push_back(std::move(line));
    start = next;
  } while (start < para.size());
}

Line Ellipsis() { return Line(3, Letter{U'.', kNoByte, kNoByte, false}); }

// The largest n in [0, limit] for which fits(n) holds (widths grow with n),
// or -1 when not even fits(0) does. Halving keeps long texts cheap.
template <class Fits>
long long LargestFitting(std::size_t limit, Fits&& fits) {
  if (!fits(0)) return -1;
  std::size_t lo = 0, hi = limit;
  while (lo < hi) {
    const std::size_t mid = lo + (hi - lo + 1) / 2;
    if (fits(mid)) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  return static_cast<long long>(lo);
}

Line Joined(const Line& a, const Line& b, const Line& c) {
  Line out;
  out.reserve(a.size() + b.size() + c.size());
  out.insert(out.end(), a.begin(), a.end());
  out.insert(out.end(), b.begin(), b.end());
  out.insert(out.end(), c.begin(), c.end());
  return out;
}

// Keeps the longest beginning that fits with "..." after it; `force` adds
// the dots to a line that fits (the last shown line of a cut-off text).
bool EndEllipsis(Line& line, int width, const LineMeasure& measure, bool force = false) {
  if (!force && measure.Width(line) <= width) return false;
  const Line dots = Ellipsis();
  const int dotsWidth = measure.Width(dots);
  const long long keep = LargestFitting(line.size(), [&](std::size_t n) {
    return static_cast<long long>(measure.Width(line, n)) + dotsWidth <= width;
  });
  line.resize(keep < 0 ? 0 : static_cast<std::size_t>(keep));
  line.insert(line.end(), dots.begin(), dots.end());
  return true;
}

// Keeps as much as possible of the part from the last path separator on and
// replaces the end of the part before it by "..."; when even the last part
// does not fit, its beginning goes too.
bool PathEllipsis(Line& line, int width, const LineMeasure& measure) {
  if (measure.Width(line) <= width) return false;
  std::size_t sep = line.size();  // no separator: all of it is the head
  for (std::size_t i = line.size(); i-- > 0;)
    if (line[i].cp == U'\\' || line[i].cp == U'/') {
      sep = i;
      break;
    }
  Line head(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(sep));
  Line tail(line.begin() + static_cast<std::ptrdiff_t>(sep), line.end());
  const Line dots = Ellipsis();
  const long long keepHead = LargestFitting(head.size(), [&](std::size_t n) {
    return measure.Width(Joined(Line(head.begin(), head.begin() + static_cast<std::ptrdiff_t>(n)), dots, tail)) <=
           width;
  });
  if (keepHead >= 0) {
    head.resize(static_cast<std::size_t>(keepHead));
  } else {
    head.clear();
    const long long keepTail = LargestFitting(tail.size(), [&](std::size_t n) {
      return measure.Width(Joined({}, dots, Line(tail.end() - static_cast<std::ptrdiff_t>(n), tail.end()))) <= width;
    });
    tail.erase(tail.begin(), tail.end() - static_cast<std::ptrdiff_t>(keepTail < 0 ? 0 : keepTail));
  }
  line = Joined(head, dots, tail);
  return true;
}

// The text as drawn after an ellipsis, from the original bytes (prefix
// marks included), for DT_MODIFYSTRING.
std::string TextOfLine(const Line& line, std::string_view text) {
  std::string out;
  for (const Letter& l : line)
    if (l.byteBegin == kNoByte) {
      out += static_cast<char>(l.cp);
    } else {
      out.append(text.substr(l.byteBegin, l.byteEnd - l.byteBegin));
    }
  return out;
}

int DrawTextCore(HDC h, LPCSTR text, char* modifiable, int count, RECT* rect, UINT format,
                 DRAWTEXTPARAMS* params) {
  DeviceContext* dc = ResolveDC(h);
  if (!dc || !rect || count < -1 || (!text && count != 0)) return 0;
  const std::string_view s = !text ? std::string_view() : count == -1 ? std::string_view(text)
                                                                       : std::string_view(text, count);
  RecordedCall record(h, "DrawText",
                      "\"" + AnsiString(s) + "\"," + AnsiString(rect->left) + "," + AnsiString(rect->top) + "," +
                          AnsiString(rect->right) + "," + AnsiString(rect->bottom) + "," + AnsiString(format));

  int tabChars = kDefaultTabChars;
  if (format & DT_TABSTOP) {
    // The tab size shares bits 8-15 with the flags it excludes.
    tabChars = static_cast<int>((format >> 8) & 0xFF);
    format &= ~0xFF00u;
  }
  if (params && params->iTabLength > 0) tabChars = std::min(params->iTabLength, kMaxTabChars);
  const int leftMargin = params ? params->iLeftMargin : 0;
  const int rightMargin = params ? params->iRightMargin : 0;
  if (params) params->uiLengthDrawn = static_cast<UINT>(s.size());

  FontObject& font = DcFont(*dc);
  FontInstance& instance = *font.Instance();
  const FontMetrics& m = instance.Metrics();
  const int lineHeight = m.height + ((format & DT_EXTERNALLEADING) ? m.externalLeading : 0);
  const LineMeasure measure(instance, dc->a.charExtra, tabChars * m.aveCharWidth, (format & DT_EXPANDTABS) != 0);
  const bool singleLine = (format & DT_SINGLELINE) != 0;
  const bool calcOnly = (format & DT_CALCRECT) != 0;

  RECT box = *rect;
  box.left += leftMargin;
  box.right -= rightMargin;
  const int width = box.right - box.left;

  if (s.empty()) {
    if (calcOnly) rect->right = rect->left + leftMargin + rightMargin, rect->bottom = rect->top;
    return 0;
  }

  // Letters, paragraphs, lines.
  const std::vector<Letter> letters = ReadLetters(s, (format & DT_NOPREFIX) == 0);
  std::vector<Line> lines;
  if (singleLine) {
    lines.push_back(letters);
  } else {
    for (const Line& para : SplitParagraphs(letters)) {
      if (format & DT_WORDBREAK) {
        WrapParagraph(para, width, (format & DT_EDITCONTROL) != 0, measure, lines);
      } else {
        lines.push_back(para);
      }
    }
  }

  // An edit control shows no partly visible line (but always the first).
  if ((format & DT_EDITCONTROL) && !calcOnly && !singleLine) {
    const std::size_t fitting = std::max<std::size_t>(1, (box.bottom - box.top) / std::max(1, lineHeight));
    if (lines.size() > fitting) {
      lines.resize(fitting);
      if (format & DT_END_ELLIPSIS) EndEllipsis(lines.back(), width, measure, true);
    }
  }

  bool modified = false;
  for (Line& line : lines) {
    if (format & DT_PATH_ELLIPSIS) modified |= PathEllipsis(line, width, measure);
    if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) modified |= EndEllipsis(line, width, measure);
  }
  if (modified && (format & DT_MODIFYSTRING) && modifiable && lines.size() == 1) {
    // The caller's buffer holds count + 4 bytes; an ellipsis lengthens the
    // text by at most 2.
    const std::string drawn = TextOfLine(lines[0], s);
    if (drawn.size() <= s.size() + 3) std::memcpy(modifiable, drawn.c_str(), drawn.size() + 1);
  }

  const int textHeight = static_cast<int>(lines.size()) * lineHeight;
  if (calcOnly) {
    int widest = 0;
    for (const Line& line : lines) widest = std::max(widest, measure.Width(line));
    rect->right = rect->left + leftMargin + widest + rightMargin;
    rect->bottom = rect->top + textHeight;
    return textHeight;
  }

  int y = box.top;
  if (singleLine && (format & DT_VCENTER)) {
    y = box.top + (box.bottom - box.top - lineHeight) / 2;
  } else if (singleLine && (format & DT_BOTTOM)) {
    y = box.bottom - lineHeight;
  }
  const int result = singleLine && (format & (DT_VCENTER | DT_BOTTOM)) ? y - box.top + lineHeight : textHeight;

  RECT deviceBox = LogicalToDevice(*dc, box);
  RunStyle style;
  style.textColor = dc->a.textColor;
  style.opaque = dc->a.bkMode == OPAQUE;
  style.bkColor = dc->a.bkColor;
  style.underline = font.lf.lfUnderline != 0;
  style.strikeOut = font.lf.lfStrikeOut != 0;
  style.glyphs = (format & DT_PREFIXONLY) == 0;
  style.angleTenths = font.lf.lfEscapement;
  if (!(format & DT_NOCLIP)) style.clip = &deviceBox;
  const TextFrame frame = TextFrame::ForAngle(style.angleTenths);

  for (const Line& line : lines) {
    std::vector<char32_t> cps;
    cps.reserve(line.size());
    for (const Letter& l : line) cps.push_back(l.cp);
    const std::vector<int> advances = measure.Advances(line);
    const GlyphRun run = LayoutRun(instance, cps, 0, advances.data());

    int x = box.left;
    if (format & DT_CENTER) {
      x = box.left + (width - run.width) / 2;
    } else if (format & DT_RIGHT) {
      x = box.right - run.width;
    }
    style.marks.clear();
    if (!(format & DT_HIDEPREFIX)) {
      int pen = 0;
      for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i].prefixed) style.marks.emplace_back(pen, pen + measure.GlyphWidth(line[i]));
        pen += advances[i];
      }
    }
    const POINT ref = LogicalToDevice(*dc, TPoint(x, y));
    double originX = 0, originY = 0;
    BaselineOrigin(frame, ref.x, ref.y, TA_TOP | TA_LEFT, run.width, m, originX, originY);
    DrawRun(*dc, font, run, originX, originY, style);
    y += lineHeight;
  }
  return result;
}

}  // namespace

int DrawText(HDC dc, LPCSTR text, int count, RECT* rect, UINT format) {
  return DrawTextCore(dc, text, nullptr, count, rect, format, nullptr);
}

int DrawText(HDC dc, LPSTR text, int count, RECT* rect, UINT format) {
  return DrawTextCore(dc, text, text, count, rect, format, nullptr);
}

int DrawTextEx(HDC dc, LPSTR text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
  return DrawTextCore(dc, text, text, count, rect, format, params);
}
