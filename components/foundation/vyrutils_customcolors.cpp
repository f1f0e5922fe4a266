// Custom-colour lists ("FarbeA=..." lines) kept in an ini file or the
// registry.
#include <memory>

#include "folders.h"
#include "paths.h"
#include "inifiles.h"
#include "resourcestrings.h"
#include "tregistry.h"
#include "vyrutils.h"

namespace Vyrutils {

void VyrLoadCustomColorList(TObject* IniObject, const AnsiString& Section, TStrings* List) {
  if (auto* ini = dynamic_cast<TIniFile*>(IniObject)) {
    List->Clear();
    ini->ReadSectionValues(Section, List);
  } else if (auto* reg = dynamic_cast<TRegIniFile*>(IniObject)) {
    List->Clear();
    reg->ReadSectionValues(Section, List);
  }
}

void VyrSaveCustomColorList(TObject* IniObject, const AnsiString& Section, TStrings* List) {
  auto* ini = dynamic_cast<TIniFile*>(IniObject);
  auto* reg = dynamic_cast<TRegIniFile*>(IniObject);
  if (!ini && !reg) return;
  for (int i = 0; i < List->GetCount(); ++i) {
    const AnsiString line = List->GetStrings(i);
    const int eq = line.Pos("=");
    if (eq == 0) continue;
    const AnsiString name = line.SubString(1, eq - 1), value = line.SubString(eq + 1, line.Length());
    if (ini)
      ini->WriteString(Section, name, value);
    else
      reg->WriteString(Section, name, value);
  }
}

void VyrLoadCustomColorFromIniFile(const AnsiString& FileName, const AnsiString& Section, TStrings* List) {
  auto ini = std::make_unique<TIniFile>(FileName);
  VyrLoadCustomColorList(ini.get(), Section, List);
}

void VyrSaveCustomColorToIniFile(const AnsiString& FileName, const AnsiString& Section, TStrings* List) {
  auto ini = std::make_unique<TIniFile>(FileName);
  VyrSaveCustomColorList(ini.get(), Section, List);
}

AnsiString VyrKorvelIniFileName() {
  char folder[MAX_PATH] = {};
  GetWindowsDirectory(folder, MAX_PATH);
  AnsiString path(folder);
  if (!path.IsEmpty() && path[path.Length()] != '/' && path[path.Length()] != '\\') path += "/";
  return path + "korvel.ini";
}

void VyrLoadKorvelCustomColor(TStrings* List) {
  VyrLoadCustomColorFromIniFile(VyrKorvelIniFileName(), LoadStr(SCustomColors), List);
}

void VyrSaveKorvelCustomColor(TStrings* List) {
  VyrSaveCustomColorToIniFile(VyrKorvelIniFileName(), LoadStr(SCustomColors), List);
}

}  // namespace Vyrutils
