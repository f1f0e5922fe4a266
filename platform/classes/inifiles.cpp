#include "inifiles.h"

#include "sysutils.h"
#include "tstrings.h"

int TCustomIniFile::ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) {
  return StrToIntDef(ReadString(Section, Ident, ""), Default);
}

void TCustomIniFile::WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const AnsiString& Section, const AnsiString& Ident, double Default) {
  const AnsiString text = ReadString(Section, Ident, "");
  if (text.IsEmpty()) return Default;
  try {
    return StrToFloat(text);
  } catch (const EConvertError&) {
    return Default;
  }
}

void TCustomIniFile::WriteFloat(const AnsiString& Section, const AnsiString& Ident, double Value) {
  // Always with '.', so the file reads back under any locale.
  WriteString(Section, Ident, FloatToStr(Value));
}

bool TCustomIniFile::SectionExists(const AnsiString& Section) {
  TStringList idents;
  ReadSection(Section, &idents);
  return idents.GetCount() > 0;
}

bool TCustomIniFile::ValueExists(const AnsiString& Section, const AnsiString& Ident) {
  TStringList idents;
  ReadSection(Section, &idents);
  for (int i = 0; i < idents.GetCount(); ++i)
    if (AnsiSameText(idents.GetStrings(i), Ident)) return true;
  return false;
}
