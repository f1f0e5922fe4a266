#include "dialogs_customcolors.h"

#include "resourcestrings.h"
#include "sysutils.h"

namespace {

constexpr char Letters[] = "ABCDEFGHIJKLMNOP";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The line index of the slot's key under either prefix, -1 when absent.
int IndexOfSlot(const TStrings& Lines, int Index) {
  const int found = Lines.IndexOfName(TCustomColorSlots::Key(Index));
  if (found >= 0) return found;
  return Lines.IndexOfName(AnsiString("Color") + Letters[Index]);
}

// A line cut at its first '=' by bytes: the text around it may hold bytes
// that are no letters, and the cut must not move because of them.
AnsiString KeyOf(const AnsiString& Line) {
  const std::string& s = Line.str();
  const std::size_t eq = s.find('=');
  return eq == std::string::npos ? Line + "=" : AnsiString(s.data(), eq + 1);
}

AnsiString ValueOf(const AnsiString& Line) {
  const std::string& s = Line.str();
  const std::size_t eq = s.find('=');
  return eq == std::string::npos ? AnsiString() : AnsiString(s.data() + eq + 1, s.size() - eq - 1);
}

}  // namespace

AnsiString TCustomColorSlots::Key(int Index) { return LoadStr(SColorPrefix) + Letters[Index]; }

std::optional<TColor> TCustomColorSlots::ParseValue(const AnsiString& Text) {
  const AnsiString text = Trim(Text);
  if (text.Length() != 6 && text.Length() != 8) return std::nullopt;
  unsigned value = 0;
  for (int i = 1; i <= text.Length(); ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(digit);
  }
  // The high byte marks system colours and "unused"; a custom colour is RGB.
  if (value > 0xFFFFFFu) return std::nullopt;
  return static_cast<TColor>(value);
}

AnsiString TCustomColorSlots::FormatValue(std::optional<TColor> Color) {
  if (!Color) return "FFFFFFFF";
  static const char digits[] = "0123456789ABCDEF";
  AnsiString out;
  for (int shift = 20; shift >= 0; shift -= 4) out += digits[(static_cast<unsigned>(*Color) >> shift) & 0xF];
  return out;
}

void TCustomColorSlots::Read(const TStrings& Lines) {
  for (int i = 0; i < CustomColorCount; ++i) {
    const int line = IndexOfSlot(Lines, i);
    slots_[i] = Slot{};
    if (line < 0) continue;
    slots_[i].color = ParseValue(ValueOf(Lines.GetStrings(line)));
  }
}

void TCustomColorSlots::WriteBack(TStrings& Lines) const {
  for (int i = 0; i < CustomColorCount; ++i) {
    if (!slots_[i].changed) continue;
    const int line = IndexOfSlot(Lines, i);
    const AnsiString value = FormatValue(slots_[i].color);
    if (line >= 0) {
      Lines.SetStrings(line, KeyOf(Lines.GetStrings(line)) + value);
    } else if (slots_[i].color) {
      Lines.Add(Key(i) + "=" + value);
    }
  }
}

std::optional<TColor> TCustomColorSlots::Get(int Index) const {
  if (Index < 0 || Index >= CustomColorCount) return std::nullopt;
  return slots_[Index].color;
}

void TCustomColorSlots::Set(int Index, std::optional<TColor> Color) {
  if (Index < 0 || Index >= CustomColorCount) return;
  if (Color) *Color &= 0xFFFFFF;
  if (slots_[Index].color == Color) return;
  slots_[Index].color = Color;
  slots_[Index].changed = true;
}
