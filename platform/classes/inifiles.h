// The class library's ini files: TCustomIniFile, the interface that the
// settings stores share, and TIniFile on a real text file.
#pragma once

#include "ansistring.h"
#include "exceptions.h"
#include "tobject.h"

class TStrings;

// Sections and idents are strings; the typed reads and writes go through the
// text: integers in decimal (a "$" prefix reads as hexadecimal), booleans
// "0" and "1" (read as integers, non-zero is true), floats with a '.' whatever
// the locale. A missing value or one that is not a number gives the default.
class TCustomIniFile : public TObject {
  MORVANT_CLASS(TCustomIniFile, TObject)
 public:
  explicit TCustomIniFile(const AnsiString& FileName) : FFileName(FileName) {}
  AnsiString GetFileName() const { return FFileName; }

  virtual AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default) = 0;
  virtual void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) = 0;
  virtual int ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default);
  virtual void WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value);
  virtual bool ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default);
  virtual void WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value);
  virtual double ReadFloat(const AnsiString& Section, const AnsiString& Ident, double Default);
  virtual void WriteFloat(const AnsiString& Section, const AnsiString& Ident, double Value);

  // The lists are cleared first.
  virtual void ReadSection(const AnsiString& Section, TStrings* Strings) = 0;
  virtual void ReadSections(TStrings* Strings) = 0;
  virtual void ReadSectionValues(const AnsiString& Section, TStrings* Strings) = 0;
  virtual void EraseSection(const AnsiString& Section) = 0;
  virtual void DeleteKey(const AnsiString& Section, const AnsiString& Ident) = 0;
  // Every write is stored at once; nothing is left to flush.
  virtual void UpdateFile() = 0;

  bool SectionExists(const AnsiString& Section);
  virtual bool ValueExists(const AnsiString& Section, const AnsiString& Ident);

 private:
  AnsiString FFileName;
};

// An ini file on disk, read anew at every call and rewritten atomically at
// every write (created then, in an existing folder). Sections and idents
// compare without regard to case; the first of repeated sections or idents
// counts; comments and unknown lines are kept. Blanks around names and
// values are dropped on reading. A file that is not UTF-8 is read as
// Windows-1252; the file is written in UTF-8, keeping CR LF line ends if it
// had them. A name or value that the file cannot hold (a line break, '=' in
// an ident, ']' in a section) and a failed write raise EIniFileException.
class TIniFile : public TCustomIniFile {
  MORVANT_CLASS(TIniFile, TCustomIniFile)
 public:
  explicit TIniFile(const AnsiString& FileName) : TCustomIniFile(FileName) {}

  AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default) override;
  void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) override;
  void ReadSection(const AnsiString& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const AnsiString& Section, TStrings* Strings) override;
  void EraseSection(const AnsiString& Section) override;
  void DeleteKey(const AnsiString& Section, const AnsiString& Ident) override;
  void UpdateFile() override {}
};
