// Shortcut values and their texts. A shortcut is a virtual key in the low
// byte with scShift, scCtrl and scAlt above it; its text names the modifiers
// first, in that order, then the key, with the German names the menus of a
// German system show.
#include <iterator>

#include "keyboard.h"
#include "menus_shortcut.h"
#include "sysutils.h"

namespace {

struct KeyName {
  WORD Key;
  const char* Name;
};

// Keys whose name is not the character they type.
constexpr KeyName kKeyNames[] = {
    {VK_BACK, "Rück"},         {VK_TAB, "Tab"},         {VK_RETURN, "Eingabe"},  {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Leer"},        {VK_PRIOR, "Bild auf"},  {VK_NEXT, "Bild ab"},    {VK_END, "Ende"},
    {VK_HOME, "Pos1"},         {VK_LEFT, "Links"},      {VK_UP, "Nach oben"},    {VK_RIGHT, "Rechts"},
    {VK_DOWN, "Nach unten"},   {VK_INSERT, "Einfg"},    {VK_DELETE, "Entf"},     {VK_ADD, "Num +"},
    {VK_SUBTRACT, "Num -"},    {VK_MULTIPLY, "Num *"},  {VK_DIVIDE, "Num /"},
};

struct ModifierName {
  TShortCut Bit;
  const char* Prefix;
};

constexpr ModifierName kModifiers[] = {{scShift, "Umsch+"}, {scCtrl, "Strg+"}, {scAlt, "Alt+"}};

AnsiString KeyText(WORD key) {
  for (const KeyName& k : kKeyNames)
    if (k.Key == key) return k.Name;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    const char c = static_cast<char>(key);
    return AnsiString(&c, 1);
  }
  if (key >= VK_F1 && key <= VK_F12) return "F" + IntToStr(key - VK_F1 + 1);
  return "";
}

// Takes a leading modifier name off Text (any letter case); 0 when none.
TShortCut TakeModifier(AnsiString& Text) {
  for (const ModifierName& m : kModifiers) {
    const AnsiString prefix(m.Prefix);
    if (Text.Length() > prefix.Length() && SameText(Text.SubString(1, prefix.Length()), prefix)) {
      Text = Text.SubString(prefix.Length() + 1, Text.Length() - prefix.Length());
      return m.Bit;
    }
  }
  return 0;
}

}  // namespace

TShortCut ShortCut(WORD Key, TShiftState Shift) {
  // A key beyond the low byte cannot be told apart from the modifier bits.
  if (Key & 0xFF00) return scNone;
  TShortCut result = Key;
  if (Shift.Contains(ssShift)) result |= scShift;
  if (Shift.Contains(ssCtrl)) result |= scCtrl;
  if (Shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut Value, WORD& Key, TShiftState& Shift) {
  Key = Value & 0xFF;
  Shift = TShiftState();
  if (Value & scShift) Shift.Include(ssShift);
  if (Value & scCtrl) Shift.Include(ssCtrl);
  if (Value & scAlt) Shift.Include(ssAlt);
}

AnsiString ShortCutToText(TShortCut Value) {
  const AnsiString key = KeyText(Value & 0xFF);
  if (key.IsEmpty()) return "";
  AnsiString text;
  for (const ModifierName& m : kModifiers)
    if (Value & m.Bit) text += m.Prefix;
  return text + key;
}

TShortCut TextToShortCut(const AnsiString& Text) {
  AnsiString rest = Text;
  TShortCut modifiers = 0;
  while (TShortCut bit = TakeModifier(rest)) modifiers |= bit;
  if (rest.IsEmpty()) return scNone;
  for (WORD key = 1; key <= 0xFF; ++key) {
    const AnsiString name = KeyText(key);
    if (!name.IsEmpty() && AnsiSameText(name, rest)) return static_cast<TShortCut>(key | modifiers);
  }
  return scNone;
}
