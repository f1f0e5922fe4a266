// TRegIniFile: ini-style sections as subkeys of one key.
#include <algorithm>
#include <vector>

#include "sysutils.h"
#include "tregistry.h"
#include "tstrings.h"

// Makes a section's key the current key for one operation and gives the
// ini key back afterwards, also when the operation raises.
class TRegIniFile::SectionKey {
 public:
  enum Mode { Read, Write, Create };

  SectionKey(TRegIniFile& ini, const AnsiString& section, Mode mode) : ini_(ini) {
    if (section.IsEmpty()) {
      found_ = ini.GetCurrentKey() != nullptr;
      return;
    }
    AnsiString relative;
    const HKEY base = ini.BaseKeyFor(section, relative);
    HKEY key = nullptr;
    LSTATUS status;
    if (mode == Create) {
      status = RegCreateKeyEx(base, relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, ini.GetAccess(), nullptr,
                              &key, nullptr);
      if (status != ERROR_SUCCESS) throw ERegistryException("Schlüssel " + section + " konnte nicht erstellt werden");
    } else {
      status = RegOpenKeyEx(base, relative.c_str(), 0, mode == Read ? KEY_READ : ini.GetAccess(), &key);
    }
    found_ = status == ERROR_SUCCESS;
    if (!found_) return;
    saved_ = ini.GetCurrentKey();
    opened_ = key;
    ini.SetCurrentKey(key);
  }

  ~SectionKey() {
    if (!opened_) return;
    RegCloseKey(opened_);
    ini_.SetCurrentKey(saved_);
  }

  SectionKey(const SectionKey&) = delete;
  SectionKey& operator=(const SectionKey&) = delete;
  bool Found() const { return found_; }

 private:
  TRegIniFile& ini_;
  HKEY saved_ = nullptr;
  HKEY opened_ = nullptr;
  bool found_ = false;
};

namespace {

AnsiString HexText(const std::vector<BYTE>& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (BYTE b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  return AnsiString(std::move(text));
}

}  // namespace

TRegIniFile::TRegIniFile() = default;

TRegIniFile::TRegIniFile(const AnsiString& FileName) : TRegIniFile(FileName, KEY_ALL_ACCESS) {}

TRegIniFile::TRegIniFile(const AnsiString& FileName, LongWord AAccess) : TRegistry(AAccess), FFileName(FileName) {
  OpenIniKey();
}

void TRegIniFile::OpenIniKey() {
  if (OpenKey(FFileName, true) || OpenKeyReadOnly(FFileName)) return;
  throw ERegistryException("Schlüssel " + FFileName + " konnte nicht erstellt werden");
}

AnsiString TRegIniFile::ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default) {
  SectionKey key(*this, Section, SectionKey::Read);
  if (!key.Found()) return Default;
  switch (GetDataType(Ident)) {
    case rdString:
    case rdExpandString: return TRegistry::ReadString(Ident);
    case rdInteger: return IntToStr(TRegistry::ReadInteger(Ident));
    default: return Default;
  }
}

int TRegIniFile::ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) {
  SectionKey key(*this, Section, SectionKey::Read);
  if (!key.Found()) return Default;
  switch (GetDataType(Ident)) {
    case rdInteger: return TRegistry::ReadInteger(Ident);
    case rdString:
    case rdExpandString: return StrToIntDef(TRegistry::ReadString(Ident), Default);
    default: return Default;
  }
}

bool TRegIniFile::ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TRegIniFile::WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
  SectionKey key(*this, Section, SectionKey::Create);
  TRegistry::WriteString(Ident, Value);
}

void TRegIniFile::WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) {
  SectionKey key(*this, Section, SectionKey::Create);
  if (GetDataType(Ident) == rdString)
    TRegistry::WriteString(Ident, IntToStr(Value));
  else
    TRegistry::WriteInteger(Ident, Value);
}

void TRegIniFile::WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

bool TRegIniFile::ValueExists(const AnsiString& Section, const AnsiString& Ident) {
  SectionKey key(*this, Section, SectionKey::Read);
  return key.Found() && TRegistry::ValueExists(Ident);
}

void TRegIniFile::ReadSection(const AnsiString& Section, TStrings* Strings) {
  SectionKey key(*this, Section, SectionKey::Read);
  if (key.Found())
    GetValueNames(Strings);
  else
    Strings->Clear();
}

void TRegIniFile::ReadSections(TStrings* Strings) { GetKeyNames(Strings); }

void TRegIniFile::ReadSectionValues(const AnsiString& Section, TStrings* Strings) {
  SectionKey key(*this, Section, SectionKey::Read);
  Strings->BeginUpdate();
  Strings->Clear();
  if (key.Found()) {
    TStringList names;
    GetValueNames(&names);
    for (int i = 0; i < names.GetCount(); ++i) {
      const AnsiString name = names.GetStrings(i);
      AnsiString text;
      switch (GetDataType(name)) {
        case rdString:
        case rdExpandString: text = TRegistry::ReadString(name); break;
        case rdInteger: text = IntToStr(TRegistry::ReadInteger(name)); break;
        case rdBinary: {
          std::vector<BYTE> bytes(static_cast<std::size_t>(std::max(GetDataSize(name), 0)));
          bytes.resize(static_cast<std::size_t>(ReadBinaryData(name, bytes.data(), static_cast<int>(bytes.size()))));
          text = HexText(bytes);
          break;
        }
        case rdUnknown: continue;  // deleted meanwhile
      }
      Strings->Add(name + "=" + text);
    }
  }
  Strings->EndUpdate();
}

void TRegIniFile::EraseSection(const AnsiString& Section) {
  if (Section.IsEmpty())
    RegDeleteTree(GetCurrentKey(), nullptr);
  else
    TRegistry::DeleteKey(Section);
}

void TRegIniFile::DeleteKey(const AnsiString& Section, const AnsiString& Ident) {
  SectionKey key(*this, Section, SectionKey::Write);
  if (key.Found()) DeleteValue(Ident);
}
