// TRegistryIniFile: the ini-file interface handed on to a TRegIniFile.
#include "tregistry.h"

TRegistryIniFile::TRegistryIniFile(const AnsiString& FileName) : TRegistryIniFile(FileName, KEY_ALL_ACCESS) {}

TRegistryIniFile::TRegistryIniFile(const AnsiString& FileName, LongWord AAccess)
    : TCustomIniFile(FileName), FRegIniFile(std::make_unique<TRegIniFile>(FileName, AAccess)) {}

TRegistryIniFile::~TRegistryIniFile() = default;

AnsiString TRegistryIniFile::ReadString(const AnsiString& Section, const AnsiString& Ident,
                                        const AnsiString& Default) {
  return FRegIniFile->ReadString(Section, Ident, Default);
}

void TRegistryIniFile::WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
  FRegIniFile->WriteString(Section, Ident, Value);
}

int TRegistryIniFile::ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) {
  return FRegIniFile->ReadInteger(Section, Ident, Default);
}

void TRegistryIniFile::WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) {
  FRegIniFile->WriteInteger(Section, Ident, Value);
}

bool TRegistryIniFile::ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) {
  return FRegIniFile->ReadBool(Section, Ident, Default);
}

void TRegistryIniFile::WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value) {
  FRegIniFile->WriteBool(Section, Ident, Value);
}

bool TRegistryIniFile::ValueExists(const AnsiString& Section, const AnsiString& Ident) {
  return FRegIniFile->ValueExists(Section, Ident);
}

void TRegistryIniFile::ReadSection(const AnsiString& Section, TStrings* Strings) {
  FRegIniFile->ReadSection(Section, Strings);
}

void TRegistryIniFile::ReadSections(TStrings* Strings) { FRegIniFile->ReadSections(Strings); }

void TRegistryIniFile::ReadSectionValues(const AnsiString& Section, TStrings* Strings) {
  FRegIniFile->ReadSectionValues(Section, Strings);
}

void TRegistryIniFile::EraseSection(const AnsiString& Section) { FRegIniFile->EraseSection(Section); }

void TRegistryIniFile::DeleteKey(const AnsiString& Section, const AnsiString& Ident) {
  FRegIniFile->DeleteKey(Section, Ident);
}
