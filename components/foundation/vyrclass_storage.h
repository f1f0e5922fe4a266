// Settings storage: TVyrIniCtrl keeps typed settings in an ini file or in
// the registry behind one interface, opening the store for each operation
// and closing it again, so that it never holds a handle. Part of vyrclass;
// vyrclass.h includes it.
#pragma once

#include <memory>

#include "colors.h"
#include "datetime.h"
#include "rect.h"
#include "registry.h"
#include "tregistry.h"
#include "vyrclass.h"
#include "vyrprocs.h"

class TFont;
class TStrings;

namespace Vyrclass {

enum class TVyrIniTarget { itIniFile, itRegistry, itAuto };
enum class TVyrRegRootKey { rpClassesRoot, rpCurrentUser, rpLocalMachine, rpUsers, rpCurrentConfig, rpDynData };

// The predefined registry root of Root; 0 for any other value.
HKEY VyrGetRootKey(TVyrRegRootKey Root);

// An ini-style registry object on a chosen root key; the key FileName is
// opened, and created when missing, also before a read.
class TVyrRegIniFile : public TRegIniFile {
  MORVANT_CLASS(TVyrRegIniFile, TRegIniFile)
 public:
  TVyrRegIniFile(HKEY RootKey, const AnsiString& FileName);
};

// The one store an operation runs on (ini file or registry).
class TVyrSettingsStore;

class TVyrIniCtrl : public TVyrComponent {
  MORVANT_COMPONENT(TVyrIniCtrl, TVyrComponent)
 public:
  explicit TVyrIniCtrl(TComponent* AOwner);
  ~TVyrIniCtrl() override;

  bool GetCommon() const { return FCommon; }
  void SetCommon(bool Value) { FCommon = Value; }
  bool GetNetUser() const { return FNetUser; }
  // True also copies the logged-on user's name into User.
  void SetNetUser(bool Value);
  AnsiString GetIniFile() const { return FIniFile; }
  // A name without extension gets ".INI".
  void SetIniFile(const AnsiString& Value);
  AnsiString GetUser() const { return FUser; }
  void SetUser(const AnsiString& Value) { FUser = Value; }
  Vyrprocs::TVyrPathPrefix GetIniPrefix() const { return FIniPrefix; }
  void SetIniPrefix(Vyrprocs::TVyrPathPrefix Value) { FIniPrefix = Value; }
  TVyrRegRootKey GetRegRoot() const { return FRegRoot; }
  void SetRegRoot(TVyrRegRootKey Value) { FRegRoot = Value; }
  AnsiString GetRegPath() const { return FRegPath; }
  void SetRegPath(const AnsiString& Value) { FRegPath = Value; }
  bool GetAlphaCounter() const { return FAlphaCounter; }
  // Switching cuts MaxEntries to the 26 letters.
  void SetAlphaCounter(bool Value);
  Byte GetMaxEntries() const { return FMaxEntries; }
  // Above 26 is refused while AlphaCounter holds.
  void SetMaxEntries(Byte Value);
  TVyrIniTarget GetTarget() const { return FTarget; }
  // itAuto stores in the registry.
  void SetTarget(TVyrIniTarget Value);
  // The last section name resolved, "" before the first.
  AnsiString GetLastSection() const { return FLastSection; }

  virtual AnsiString GetNetUserName();

  bool ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default);
  void WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value);
  int ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default);
  void WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value);
  AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default);
  void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value);
  // The typed reads pass the default through its own text; a stored text
  // that does not convert raises the conversion's error.
  double ReadFloat(const AnsiString& Section, const AnsiString& Ident, double Default);
  void WriteFloat(const AnsiString& Section, const AnsiString& Ident, double Value);
  TDateTime ReadDate(const AnsiString& Section, const AnsiString& Ident, TDateTime Default);
  void WriteDate(const AnsiString& Section, const AnsiString& Ident, TDateTime Value);
  TDateTime ReadTime(const AnsiString& Section, const AnsiString& Ident, TDateTime Default);
  void WriteTime(const AnsiString& Section, const AnsiString& Ident, TDateTime Value);
  TDateTime ReadDateTime(const AnsiString& Section, const AnsiString& Ident, TDateTime Default);
  void WriteDateTime(const AnsiString& Section, const AnsiString& Ident, TDateTime Value);
  TColor ReadColor(const AnsiString& Section, const AnsiString& Ident, TColor Default);
  void WriteColor(const AnsiString& Section, const AnsiString& Ident, TColor Value);
  // False, the font unchanged, when nothing is stored.
  bool ReadFont(const AnsiString& Section, const AnsiString& Ident, TFont* Font);
  void WriteFont(const AnsiString& Section, const AnsiString& Ident, TFont* Font);
  TPoint ReadPoint(const AnsiString& Section, const AnsiString& Ident, const TPoint& Default);
  void WritePoint(const AnsiString& Section, const AnsiString& Ident, const TPoint& Value);
  TRect ReadRect(const AnsiString& Section, const AnsiString& Ident, const TRect& Default);
  void WriteRect(const AnsiString& Section, const AnsiString& Ident, const TRect& Value);

  // Numbered entries Ident0, Ident1 ... (IdentA, IdentB ... with
  // AlphaCounter). A write first erases the whole section; a read stops at
  // the first empty entry.
  void ReadStrings(const AnsiString& Section, const AnsiString& Ident, TStrings* List);
  void WriteStrings(const AnsiString& Section, const AnsiString& Ident, TStrings* List);
  void ReadStringsExt(const AnsiString& Section, const AnsiString& Ident, TStrings* List, int Max);
  void WriteStringsExt(const AnsiString& Section, const AnsiString& Ident, TStrings* List, int Max);
  // name=value lines, in the section as named (no per-user suffix).
  void ReadColorList(const AnsiString& Section, TStrings* List);
  void WriteColorList(const AnsiString& Section, TStrings* List);

  void ReadSection(const AnsiString& Section, TStrings* List);
  void ReadSections(TStrings* List);
  void ReadSectionValues(const AnsiString& Section, TStrings* List);
  void EraseSection(const AnsiString& Section);
  void DeleteKey(const AnsiString& Section, const AnsiString& Ident);

 private:
  // The store for one operation.
  std::unique_ptr<TVyrSettingsStore> OpenStore();
  // Operation on the store for one operation, in Section as resolved.
  template <class R, class... Params, class... Args>
  R OnStore(const AnsiString& Section, R (TVyrSettingsStore::*Operation)(const AnsiString&, Params...),
            Args&&... Arguments);
  AnsiString IniFileName();
  AnsiString RegistryPath() const;
  // The section name as stored, per target and user; remembered.
  AnsiString ResolveSection(const AnsiString& Section);
  AnsiString CounterIdent(const AnsiString& Ident, int Index) const;
  bool ToRegistry() const { return FTarget != TVyrIniTarget::itIniFile; }

  bool FCommon = true;
  bool FNetUser = false;
  AnsiString FIniFile;
  AnsiString FLastSection;
  AnsiString FUser;
  Vyrprocs::TVyrPathPrefix FIniPrefix = Vyrprocs::TVyrPathPrefix::ppWindows;
  TVyrRegRootKey FRegRoot = TVyrRegRootKey::rpCurrentUser;
  AnsiString FRegPath;
  bool FAlphaCounter = false;
  Byte FMaxEntries = 16;
  TVyrIniTarget FTarget = TVyrIniTarget::itAuto;
};

}  // namespace Vyrclass
