#include "vyrclass_storage.h"

#include "font_class.h"
#include "inifiles.h"
#include "paths.h"
#include "sysutils.h"
#include "tstrings.h"
#include "vyrclass_application.h"
#include "vyrsysin.h"
#include "vyrutils.h"

namespace Vyrclass {

// The ini file and the registry object have the same section/ident/value
// operations but no common base (a TRegIniFile is a TRegistry, not a
// TCustomIniFile), so each sits in an adapter behind this interface.
class TVyrSettingsStore {
 public:
  virtual ~TVyrSettingsStore() = default;
  virtual AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default) = 0;
  virtual void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) = 0;
  virtual int ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) = 0;
  virtual void WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) = 0;
  virtual bool ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) = 0;
  virtual void WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value) = 0;
  virtual void ReadSection(const AnsiString& Section, TStrings* List) = 0;
  virtual void ReadSections(TStrings* List) = 0;
  virtual void ReadSectionValues(const AnsiString& Section, TStrings* List) = 0;
  virtual void EraseSection(const AnsiString& Section) = 0;
  virtual void DeleteKey(const AnsiString& Section, const AnsiString& Ident) = 0;
};

namespace {

template <class Store>
class StoreAdapter : public TVyrSettingsStore {
 public:
  explicit StoreAdapter(std::unique_ptr<Store> store) : store_(std::move(store)) {}
  AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default) override {
    return store_->ReadString(Section, Ident, Default);
  }
  void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) override {
    store_->WriteString(Section, Ident, Value);
  }
  int ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) override {
    return store_->ReadInteger(Section, Ident, Default);
  }
  void WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) override {
    store_->WriteInteger(Section, Ident, Value);
  }
  bool ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) override {
    return store_->ReadBool(Section, Ident, Default);
  }
  void WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value) override {
    store_->WriteBool(Section, Ident, Value);
  }
  void ReadSection(const AnsiString& Section, TStrings* List) override { store_->ReadSection(Section, List); }
  void ReadSections(TStrings* List) override { store_->ReadSections(List); }
  void ReadSectionValues(const AnsiString& Section, TStrings* List) override {
    store_->ReadSectionValues(Section, List);
  }
  void EraseSection(const AnsiString& Section) override { store_->EraseSection(Section); }
  void DeleteKey(const AnsiString& Section, const AnsiString& Ident) override { store_->DeleteKey(Section, Ident); }

 private:
  std::unique_ptr<Store> store_;
};

constexpr int kLetters = 26;

}  // namespace

HKEY VyrGetRootKey(TVyrRegRootKey Root) {
  switch (Root) {
    case TVyrRegRootKey::rpClassesRoot:
      return HKEY_CLASSES_ROOT;
    case TVyrRegRootKey::rpCurrentUser:
      return HKEY_CURRENT_USER;
    case TVyrRegRootKey::rpLocalMachine:
      return HKEY_LOCAL_MACHINE;
    case TVyrRegRootKey::rpUsers:
      return HKEY_USERS;
    case TVyrRegRootKey::rpCurrentConfig:
      return HKEY_CURRENT_CONFIG;
    case TVyrRegRootKey::rpDynData:
      return HKEY_DYN_DATA;
  }
  return nullptr;
}

TVyrRegIniFile::TVyrRegIniFile(HKEY RootKey, const AnsiString& FileName) {
  SetLazyWrite(true);
  SetFileName(FileName);
  SetRootKey(RootKey);
  OpenIniKey();
}

void TVyrIniCtrl::Publish(TPublisher<TVyrIniCtrl>& P) {
  P.Bool("AlphaCounter", &TVyrIniCtrl::GetAlphaCounter, &TVyrIniCtrl::SetAlphaCounter, false);
  P.Bool("Common", &TVyrIniCtrl::GetCommon, &TVyrIniCtrl::SetCommon, true);
  P.String("IniFile", &TVyrIniCtrl::GetIniFile, &TVyrIniCtrl::SetIniFile);
  P.Enum("IniPrefix", &TVyrIniCtrl::GetIniPrefix, &TVyrIniCtrl::SetIniPrefix,
         {"ppWindows", "ppSystem", "ppProgram", "ppFixed"}, static_cast<Int64>(Vyrprocs::TVyrPathPrefix::ppWindows));
  P.Integer("MaxEntries", &TVyrIniCtrl::GetMaxEntries, &TVyrIniCtrl::SetMaxEntries, 16);
  P.Bool("NetUser", &TVyrIniCtrl::GetNetUser, &TVyrIniCtrl::SetNetUser, false);
  P.String("RegPath", &TVyrIniCtrl::GetRegPath, &TVyrIniCtrl::SetRegPath);
  P.Enum("RegRoot", &TVyrIniCtrl::GetRegRoot, &TVyrIniCtrl::SetRegRoot,
         {"rpClassesRoot", "rpCurrentUser", "rpLocalMachine", "rpUsers", "rpCurrentConfig", "rpDynData"},
         static_cast<Int64>(TVyrRegRootKey::rpCurrentUser));
  P.Enum("Target", &TVyrIniCtrl::GetTarget, &TVyrIniCtrl::SetTarget, {"itIniFile", "itRegistry", "itAuto"},
         static_cast<Int64>(TVyrIniTarget::itAuto));
  P.String("User", &TVyrIniCtrl::GetUser, &TVyrIniCtrl::SetUser);
}

TVyrIniCtrl::TVyrIniCtrl(TComponent* AOwner) : TVyrComponent(AOwner) {}

TVyrIniCtrl::~TVyrIniCtrl() = default;

void TVyrIniCtrl::SetNetUser(bool Value) {
  FNetUser = Value;
  if (Value) FUser = GetNetUserName();
}

void TVyrIniCtrl::SetIniFile(const AnsiString& Value) {
  FIniFile = !Value.IsEmpty() && ExtractFileExt(Value).IsEmpty() ? Value + ".INI" : Value;
}

void TVyrIniCtrl::SetAlphaCounter(bool Value) {
  if (FAlphaCounter == Value) return;
  FAlphaCounter = Value;
  if (FMaxEntries > kLetters) FMaxEntries = kLetters;
}

void TVyrIniCtrl::SetMaxEntries(Byte Value) {
  if (FAlphaCounter && Value > kLetters) return;
  FMaxEntries = Value;
}

void TVyrIniCtrl::SetTarget(TVyrIniTarget Value) { FTarget = Value; }

AnsiString TVyrIniCtrl::GetNetUserName() { return Vyrsysin::VyrSIUserName(); }

AnsiString TVyrIniCtrl::IniFileName() {
  if (FIniFile.IsEmpty()) FIniFile = ChangeFileExt(ProgramFilePath(), ".INI");
  if (FIniPrefix == Vyrprocs::TVyrPathPrefix::ppFixed) return FIniFile;
  return Vyrprocs::VyrCreatePathPrefix(FIniPrefix, true) + ExtractFileName(FIniFile);
}

AnsiString TVyrIniCtrl::RegistryPath() const {
  if (!Trim(FRegPath).IsEmpty()) return Vyrprocs::VyrSlashAdd(FRegPath);
  return VyrApplication ? VyrApplication->GetDefaultRegPath() : AnsiString();
}

std::unique_ptr<TVyrSettingsStore> TVyrIniCtrl::OpenStore() {
  if (ToRegistry())
    return std::make_unique<StoreAdapter<TVyrRegIniFile>>(
        std::make_unique<TVyrRegIniFile>(VyrGetRootKey(FRegRoot), RegistryPath()));
  return std::make_unique<StoreAdapter<TIniFile>>(std::make_unique<TIniFile>(IniFileName()));
}

AnsiString TVyrIniCtrl::ResolveSection(const AnsiString& Section) {
  if (Trim(Section).IsEmpty()) return FLastSection.IsEmpty() ? AnsiString("Common") : FLastSection;
  if (ToRegistry())
    FLastSection = Section == "#ROOT" ? AnsiString() : Section;
  else if (FCommon)
    FLastSection = Section;
  else
    FLastSection = Section + "." + (FNetUser ? GetNetUserName() : FUser);
  return FLastSection;
}

AnsiString TVyrIniCtrl::CounterIdent(const AnsiString& Ident, int Index) const {
  return FAlphaCounter ? Ident + static_cast<char>('A' + Index) : Ident + IntToStr(Index);
}

bool TVyrIniCtrl::ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) {
  const AnsiString section = ResolveSection(Section);
  return OpenStore()->ReadBool(section, Ident, Default);
}

void TVyrIniCtrl::WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value) {
  const AnsiString section = ResolveSection(Section);
  OpenStore()->WriteBool(section, Ident, Value);
}

int TVyrIniCtrl::ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) {
  const AnsiString section = ResolveSection(Section);
  return OpenStore()->ReadInteger(section, Ident, Default);
}

void TVyrIniCtrl::WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) {
  const AnsiString section = ResolveSection(Section);
  OpenStore()->WriteInteger(section, Ident, Value);
}

AnsiString TVyrIniCtrl::ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default) {
  const AnsiString section = ResolveSection(Section);
  return OpenStore()->ReadString(section, Ident, Default);
}

void TVyrIniCtrl::WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
  const AnsiString section = ResolveSection(Section);
  OpenStore()->WriteString(section, Ident, Value);
}

double TVyrIniCtrl::ReadFloat(const AnsiString& Section, const AnsiString& Ident, double Default) {
  return StrToFloat(ReadString(Section, Ident, FloatToStr(Default)));
}

void TVyrIniCtrl::WriteFloat(const AnsiString& Section, const AnsiString& Ident, double Value) {
  WriteString(Section, Ident, FloatToStr(Value));
}

TDateTime TVyrIniCtrl::ReadDate(const AnsiString& Section, const AnsiString& Ident, TDateTime Default) {
  return StrToDate(ReadString(Section, Ident, DateToStr(Default)));
}

void TVyrIniCtrl::WriteDate(const AnsiString& Section, const AnsiString& Ident, TDateTime Value) {
  WriteString(Section, Ident, DateToStr(Value));
}

TDateTime TVyrIniCtrl::ReadTime(const AnsiString& Section, const AnsiString& Ident, TDateTime Default) {
  return StrToTime(ReadString(Section, Ident, TimeToStr(Default)));
}

void TVyrIniCtrl::WriteTime(const AnsiString& Section, const AnsiString& Ident, TDateTime Value) {
  WriteString(Section, Ident, TimeToStr(Value));
}

TDateTime TVyrIniCtrl::ReadDateTime(const AnsiString& Section, const AnsiString& Ident, TDateTime Default) {
  return StrToDateTime(ReadString(Section, Ident, DateTimeToStr(Default)));
}

void TVyrIniCtrl::WriteDateTime(const AnsiString& Section, const AnsiString& Ident, TDateTime Value) {
  WriteString(Section, Ident, DateTimeToStr(Value));
}

TColor TVyrIniCtrl::ReadColor(const AnsiString& Section, const AnsiString& Ident, TColor Default) {
  return StringToColor(ReadString(Section, Ident, ColorToString(Default)));
}

void TVyrIniCtrl::WriteColor(const AnsiString& Section, const AnsiString& Ident, TColor Value) {
  WriteString(Section, Ident, ColorToString(Value));
}

bool TVyrIniCtrl::ReadFont(const AnsiString& Section, const AnsiString& Ident, TFont* Font) {
  const AnsiString text = ReadString(Section, Ident, AnsiString());
  if (text.IsEmpty()) return false;
  Vyrutils::VyrStringToFont(text, Font);
  return true;
}

void TVyrIniCtrl::WriteFont(const AnsiString& Section, const AnsiString& Ident, TFont* Font) {
  WriteString(Section, Ident, Vyrutils::VyrFontToString(Font));
}

TPoint TVyrIniCtrl::ReadPoint(const AnsiString& Section, const AnsiString& Ident, const TPoint& Default) {
  return Vyrutils::VyrStringToPoint(ReadString(Section, Ident, Vyrutils::VyrPointToString(Default)));
}

void TVyrIniCtrl::WritePoint(const AnsiString& Section, const AnsiString& Ident, const TPoint& Value) {
  WriteString(Section, Ident, Vyrutils::VyrPointToString(Value));
}

TRect TVyrIniCtrl::ReadRect(const AnsiString& Section, const AnsiString& Ident, const TRect& Default) {
  return Vyrutils::VyrStringToRect(ReadString(Section, Ident, Vyrutils::VyrRectToString(Default)));
}

void TVyrIniCtrl::WriteRect(const AnsiString& Section, const AnsiString& Ident, const TRect& Value) {
  WriteString(Section, Ident, Vyrutils::VyrRectToString(Value));
}

void TVyrIniCtrl::ReadStrings(const AnsiString& Section, const AnsiString& Ident, TStrings* List) {
  ReadStringsExt(Section, Ident, List, FMaxEntries);
}

void TVyrIniCtrl::WriteStrings(const AnsiString& Section, const AnsiString& Ident, TStrings* List) {
  WriteStringsExt(Section, Ident, List, FMaxEntries);
}

void TVyrIniCtrl::ReadStringsExt(const AnsiString& Section, const AnsiString& Ident, TStrings* List, int Max) {
  List->Clear();
  const AnsiString section = ResolveSection(Section);
  std::unique_ptr<TVyrSettingsStore> store = OpenStore();
  for (int i = 0; i < Max; ++i) {
    const AnsiString entry = store->ReadString(section, CounterIdent(Ident, i), AnsiString());
    if (entry.IsEmpty()) break;
    List->Add(entry);
  }
}

void TVyrIniCtrl::WriteStringsExt(const AnsiString& Section, const AnsiString& Ident, TStrings* List, int Max) {
  const AnsiString section = ResolveSection(Section);
  std::unique_ptr<TVyrSettingsStore> store = OpenStore();
  store->EraseSection(section);
  const int count = std::min(List->GetCount(), Max);
  for (int i = 0; i < count; ++i) store->WriteString(section, CounterIdent(Ident, i), List->GetStrings(i));
}

void TVyrIniCtrl::ReadColorList(const AnsiString& Section, TStrings* List) {
  List->Clear();
  OpenStore()->ReadSectionValues(Section, List);
}

void TVyrIniCtrl::WriteColorList(const AnsiString& Section, TStrings* List) {
  std::unique_ptr<TVyrSettingsStore> store = OpenStore();
  for (int i = 0; i < List->GetCount(); ++i) {
    const AnsiString line = List->GetStrings(i);
    const int equals = line.Pos("=");
    if (equals == 0) continue;
    const AnsiString name = line.SubString(1, equals - 1);
    store->WriteString(Section, name, List->GetValues(name));
  }
}

void TVyrIniCtrl::ReadSection(const AnsiString& Section, TStrings* List) {
  const AnsiString section = ResolveSection(Section);
  OpenStore()->ReadSection(section, List);
}

void TVyrIniCtrl::ReadSections(TStrings* List) { OpenStore()->ReadSections(List); }

void TVyrIniCtrl::ReadSectionValues(const AnsiString& Section, TStrings* List) {
  const AnsiString section = ResolveSection(Section);
  OpenStore()->ReadSectionValues(section, List);
}

void TVyrIniCtrl::EraseSection(const AnsiString& Section) {
  const AnsiString section = ResolveSection(Section);
  OpenStore()->EraseSection(section);
}

void TVyrIniCtrl::DeleteKey(const AnsiString& Section, const AnsiString& Ident) {
  const AnsiString section = ResolveSection(Section);
  OpenStore()->DeleteKey(section, Ident);
}

}  // namespace Vyrclass
