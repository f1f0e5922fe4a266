#include "vyrclass_storage.h"

#include <utility>

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

template <class R, class... Params, class... Args>
R TVyrIniCtrl::OnStore(const AnsiString& Section, R (TVyrSettingsStore::*Operation)(const AnsiString&, Params...),
                       Args&&... Arguments) {
  const AnsiString section = ResolveSection(Section);
  return (OpenStore().get()->*Operation)(section, std::forward<Args>(Arguments)...);
}

bool TVyrIniCtrl::ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) {
  return OnStore(Section, &TVyrSettingsStore::ReadBool, Ident, Default);
}

void TVyrIniCtrl::WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value) {
  OnStore(Section, &TVyrSettingsStore::WriteBool, Ident, Value);
}

int TVyrIniCtrl::ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) {
  return OnStore(Section, &TVyrSettingsStore::ReadInteger, Ident, Default);
}

void TVyrIniCtrl::WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) {
  OnStore(Section, &TVyrSettingsStore::WriteInteger, Ident, Value);
}

AnsiString TVyrIniCtrl::ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default) {
  return OnStore(Section, &TVyrSettingsStore::ReadString, Ident, Default);
}

void TVyrIniCtrl::WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
  OnStore(Section, &TVyrSettingsStore::WriteString, Ident, Value);
}

namespace {

// A value kept as text: how it is written and read back.
template <class T>
struct TextCoding {
  AnsiString (*encode)(const T&);
  T (*decode)(const AnsiString&);
};

const TextCoding<double> kFloatText{[](const double& V) { return FloatToStr(V); },
                                    [](const AnsiString& S) { return StrToFloat(S); }};
const TextCoding<TDateTime> kDateText{[](const TDateTime& V) { return DateToStr(V); },
                                      [](const AnsiString& S) { return StrToDate(S); }};
const TextCoding<TDateTime> kTimeText{[](const TDateTime& V) { return TimeToStr(V); },
                                      [](const AnsiString& S) { return StrToTime(S); }};
const TextCoding<TDateTime> kDateTimeText{[](const TDateTime& V) { return DateTimeToStr(V); },
                                          [](const AnsiString& S) { return StrToDateTime(S); }};
const TextCoding<TColor> kColorText{[](const TColor& V) { return ColorToString(V); },
                                    [](const AnsiString& S) { return StringToColor(S); }};
const TextCoding<TPoint> kPointText{[](const TPoint& V) { return Vyrutils::VyrPointToString(V); },
                                    [](const AnsiString& S) { return Vyrutils::VyrStringToPoint(S); }};
const TextCoding<TRect> kRectText{[](const TRect& V) { return Vyrutils::VyrRectToString(V); },
                                  [](const AnsiString& S) { return Vyrutils::VyrStringToRect(S); }};

// The default goes in as text, so that a missing entry reads back as it.
template <class T>
T ReadAsText(TVyrIniCtrl& Ini, const AnsiString& Section, const AnsiString& Ident, const T& Default,
             const TextCoding<T>& Coding) {
  return Coding.decode(Ini.ReadString(Section, Ident, Coding.encode(Default)));
}

template <class T>
void WriteAsText(TVyrIniCtrl& Ini, const AnsiString& Section, const AnsiString& Ident, const T& Value,
                 const TextCoding<T>& Coding) {
  Ini.WriteString(Section, Ident, Coding.encode(Value));
}

}  // namespace

double TVyrIniCtrl::ReadFloat(const AnsiString& Section, const AnsiString& Ident, double Default) {
  return ReadAsText(*this, Section, Ident, Default, kFloatText);
}

void TVyrIniCtrl::WriteFloat(const AnsiString& Section, const AnsiString& Ident, double Value) {
  WriteAsText(*this, Section, Ident, Value, kFloatText);
}

TDateTime TVyrIniCtrl::ReadDate(const AnsiString& Section, const AnsiString& Ident, TDateTime Default) {
  return ReadAsText(*this, Section, Ident, Default, kDateText);
}

void TVyrIniCtrl::WriteDate(const AnsiString& Section, const AnsiString& Ident, TDateTime Value) {
  WriteAsText(*this, Section, Ident, Value, kDateText);
}

TDateTime TVyrIniCtrl::ReadTime(const AnsiString& Section, const AnsiString& Ident, TDateTime Default) {
  return ReadAsText(*this, Section, Ident, Default, kTimeText);
}

void TVyrIniCtrl::WriteTime(const AnsiString& Section, const AnsiString& Ident, TDateTime Value) {
  WriteAsText(*this, Section, Ident, Value, kTimeText);
}

TDateTime TVyrIniCtrl::ReadDateTime(const AnsiString& Section, const AnsiString& Ident, TDateTime Default) {
  return ReadAsText(*this, Section, Ident, Default, kDateTimeText);
}

void TVyrIniCtrl::WriteDateTime(const AnsiString& Section, const AnsiString& Ident, TDateTime Value) {
  WriteAsText(*this, Section, Ident, Value, kDateTimeText);
}

TColor TVyrIniCtrl::ReadColor(const AnsiString& Section, const AnsiString& Ident, TColor Default) {
  return ReadAsText(*this, Section, Ident, Default, kColorText);
}

void TVyrIniCtrl::WriteColor(const AnsiString& Section, const AnsiString& Ident, TColor Value) {
  WriteAsText(*this, Section, Ident, Value, kColorText);
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
  return ReadAsText(*this, Section, Ident, Default, kPointText);
}

void TVyrIniCtrl::WritePoint(const AnsiString& Section, const AnsiString& Ident, const TPoint& Value) {
  WriteAsText(*this, Section, Ident, Value, kPointText);
}

TRect TVyrIniCtrl::ReadRect(const AnsiString& Section, const AnsiString& Ident, const TRect& Default) {
  return ReadAsText(*this, Section, Ident, Default, kRectText);
}

void TVyrIniCtrl::WriteRect(const AnsiString& Section, const AnsiString& Ident, const TRect& Value) {
  WriteAsText(*this, Section, Ident, Value, kRectText);
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
  OnStore(Section, &TVyrSettingsStore::ReadSection, List);
}

void TVyrIniCtrl::ReadSections(TStrings* List) { OpenStore()->ReadSections(List); }

void TVyrIniCtrl::ReadSectionValues(const AnsiString& Section, TStrings* List) {
  OnStore(Section, &TVyrSettingsStore::ReadSectionValues, List);
}

void TVyrIniCtrl::EraseSection(const AnsiString& Section) { OnStore(Section, &TVyrSettingsStore::EraseSection); }

void TVyrIniCtrl::DeleteKey(const AnsiString& Section, const AnsiString& Ident) {
  OnStore(Section, &TVyrSettingsStore::DeleteKey, Ident);
}

}  // namespace Vyrclass
