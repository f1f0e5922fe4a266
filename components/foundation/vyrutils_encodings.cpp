#include <array>
#include <vector>

#include "colors.h"
#include "font_class.h"
#include "resourcestrings.h"
#include "sysutils.h"
#include "vyrconst.h"
#include "vyrutils.h"

namespace Vyrutils {

namespace {
constexpr std::array kStyleFields = {fsBold, fsItalic, fsUnderline, fsStrikeOut};
constexpr int kFontFields = 3 + static_cast<int>(kStyleFields.size());
constexpr int kDefaultFontSize = 10;

std::vector<AnsiString> Pieces(const AnsiString& S, char Separator) {
  TStringList list;
  VyrParseToStrList(S, Separator, &list);
  std::vector<AnsiString> pieces;
  for (int i = 0; i < list.GetCount(); ++i) pieces.push_back(list.GetStrings(i));
  return pieces;
}
}  // namespace

char VyrDelimiter() {
  const AnsiString text = LoadStr(Vyrconst::IDS_DEFAULTDELIMITER);
  return text.IsEmpty() ? ',' : text[1];
}

void VyrParseToStrList(const AnsiString& S, char Separator, TStrings* List) {
  if (!List) return;
  List->Clear();
  const std::string& s = S.str();
  std::size_t start = 0;
  while (start < s.size()) {
    const std::size_t end = s.find(Separator, start);
    if (end == std::string::npos) {
      List->Add(s.substr(start));
      break;
    }
    List->Add(s.substr(start, end - start));
    start = end + 1;
  }
}

AnsiString VyrFontToString(TFont* Font) {
  const char sep = VyrDelimiter();
  AnsiString text = Font->GetName() + AnsiString(sep) + IntToStr(Font->GetSize()) + AnsiString(sep) +
                    ColorToString(Font->GetColor());
  for (TFontStyle style : kStyleFields) text += AnsiString(sep) + (Font->GetStyle().Contains(style) ? "1" : "0");
  return text;
}

// Every field is read before the font is touched, so a bad one leaves the
// font as it was.
void VyrStringToFont(const AnsiString& S, TFont* Font) {
  const std::vector<AnsiString> fields = Pieces(S, VyrDelimiter());
  if (static_cast<int>(fields.size()) != kFontFields) return;
  const int size = StrToIntDef(fields[1], kDefaultFontSize);
  const TColor color = StringToColor(fields[2]);
  TFontStyles styles;
  for (std::size_t i = 0; i < kStyleFields.size(); ++i)
    if (StrToInt(fields[3 + i]) == 1) styles.Include(kStyleFields[i]);
  Font->SetName(fields[0]);
  Font->SetSize(size);
  Font->SetColor(color);
  Font->SetStyle(styles);
}

AnsiString VyrPointToString(const TPoint& P) {
  return "[" + IntToStr(P.x) + AnsiString(VyrDelimiter()) + IntToStr(P.y) + "]";
}

TPoint VyrStringToPoint(const AnsiString& S) {
  std::string text = S.str();
  if (!text.empty() && text.front() == '[') text.erase(0, 1);
  if (!text.empty() && text.back() == ']') text.pop_back();
  const std::size_t sep = text.find(VyrDelimiter());
  if (sep == std::string::npos) return TPoint(0, 0);
  return TPoint(StrToIntDef(Trim(text.substr(0, sep)), 0), StrToIntDef(Trim(text.substr(sep + 1)), 0));
}

AnsiString VyrRectToString(const TRect& R) {
  const int values[] = {R.left, R.top, R.right, R.bottom};
  return Vyrprocs::VyrCodeInt(values, 3, VyrDelimiter());
}

TRect VyrStringToRect(const AnsiString& S) {
  const std::vector<AnsiString> f = Pieces(S, VyrDelimiter());
  if (f.size() != 4) return TRect(0, 0, 0, 0);
  return TRect(StrToIntDef(f[0], 0), StrToIntDef(f[1], 0), StrToIntDef(f[2], 0), StrToIntDef(f[3], 0));
}

}  // namespace Vyrutils
