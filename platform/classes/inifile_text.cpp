// TIniFile: every call reads the file; every change rewrites it.
#include "atomic_file.h"
#include "inifiles.h"
#include "initext.h"
#include "paths.h"
#include "tstrings.h"

namespace {

IniText ReadIni(const AnsiString& fileName) {
  std::string bytes;
  // A missing or unreadable file reads as empty: the reads give defaults.
  if (ReadWholeFile(NativePath(fileName), bytes) != FileReadResult::Read) bytes.clear();
  return IniText(TextFromOutsideBytes(bytes));
}

void StoreIni(const AnsiString& fileName, const IniText& ini) {
  if (!WriteFileAtomically(NativePath(fileName), ini.Text()))
    throw EIniFileException("Schreiben in " + fileName + " nicht möglich");
}

}  // namespace

AnsiString TIniFile::ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default) {
  const IniText ini = ReadIni(GetFileName());
  const std::string* value = ini.Find(Section.str(), Ident.str());
  return value ? AnsiString(*value) : Default;
}

void TIniFile::WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
  if (!IniText::Storable(Section.str(), Ident.str(), Value.str()))
    throw EIniFileException("Ungültiger Eintrag [" + Section + "] " + Ident + " für " + GetFileName());
  IniText ini = ReadIni(GetFileName());
  ini.Set(Section.str(), Ident.str(), Value.str());
  StoreIni(GetFileName(), ini);
}

void TIniFile::ReadSection(const AnsiString& Section, TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  for (const auto& entry : ReadIni(GetFileName()).Entries(Section.str())) Strings->Add(AnsiString(entry.first));
  Strings->EndUpdate();
}

void TIniFile::ReadSections(TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  for (const std::string& name : ReadIni(GetFileName()).Sections()) Strings->Add(AnsiString(name));
  Strings->EndUpdate();
}

void TIniFile::ReadSectionValues(const AnsiString& Section, TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  for (const auto& entry : ReadIni(GetFileName()).Entries(Section.str()))
    Strings->Add(AnsiString(entry.first + "=" + entry.second));
  Strings->EndUpdate();
}

void TIniFile::EraseSection(const AnsiString& Section) {
  IniText ini = ReadIni(GetFileName());
  if (ini.EraseSection(Section.str())) StoreIni(GetFileName(), ini);
}

void TIniFile::DeleteKey(const AnsiString& Section, const AnsiString& Ident) {
  IniText ini = ReadIni(GetFileName());
  if (ini.DeleteKey(Section.str(), Ident.str())) StoreIni(GetFileName(), ini);
}
