// TStrings, the class library's list of strings with an object beside each,
// and TStringList, its ordinary implementation.
//
// Lines: Text and SaveToStream end every line with CR LF, as the class
// library does; SetText and LoadFromStream take CR LF, LF or a lone CR as a
// line end. Outside bytes that are not UTF-8 are read as Windows-1252.
// Names and values: "Name=Value" lines; the name is the text before the
// first "=", compared without regard to case.
#pragma once

#include <vector>

#include "ansistring.h"
#include "events.h"
#include "persistent.h"

class TStream;

class TStrings : public TPersistent {
  MORVANT_CLASS(TStrings, TPersistent)
 public:
  virtual int GetCount() const = 0;
  // Index out of range: EStringListError (an EListError).
  virtual AnsiString GetStrings(int Index) const = 0;
  virtual void SetStrings(int Index, const AnsiString& S);
  // Lists without objects answer nullptr and ignore SetObjects.
  virtual TObject* GetObjects(int Index) const;
  virtual void SetObjects(int Index, TObject* AObject);

  // The index of the new line.
  virtual int Add(const AnsiString& S);
  virtual int AddObject(const AnsiString& S, TObject* AObject);
  void Append(const AnsiString& S) { Add(S); }
  virtual void AddStrings(TStrings* Strings);
  virtual void Insert(int Index, const AnsiString& S) = 0;
  virtual void InsertObject(int Index, const AnsiString& S, TObject* AObject);
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int Index1, int Index2);
  virtual void Move(int CurIndex, int NewIndex);

  // Strings: copies lines and objects; anything else goes to TPersistent.
  void Assign(TPersistent* Source) override;
  bool Equals(const TStrings* Strings) const;

  // -1 when absent; without regard to case (TStringList: unless
  // CaseSensitive is set).
  virtual int IndexOf(const AnsiString& S) const;
  int IndexOfName(const AnsiString& Name) const;
  int IndexOfObject(const TObject* AObject) const;

  // Text before the first "=", empty for a line without one.
  AnsiString GetNames(int Index) const;
  // Text after the first "=" of the line named Name; empty when none.
  AnsiString GetValues(const AnsiString& Name) const;
  // Replaces or adds "Name=Value"; an empty Value deletes the line, as in
  // the class library.
  void SetValues(const AnsiString& Name, const AnsiString& Value);

  AnsiString GetText() const;
  void SetText(const AnsiString& Value);
  // Lines separated by commas; a line holding a blank, comma, quote or
  // control character (or an empty one) is quoted with doubled quotes.
  // Reading also splits at blanks outside quotes.
  AnsiString GetCommaText() const;
  void SetCommaText(const AnsiString& Value);

  // From the stream's position to its end / each line and CR LF.
  virtual void LoadFromStream(TStream* Stream);
  virtual void SaveToStream(TStream* Stream) const;
  void LoadFromFile(const AnsiString& FileName);
  void SaveToFile(const AnsiString& FileName) const;

  // Nested; the change notifications are held back until the outermost
  // EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  int GetUpdateCount() const { return updateCount_; }

 protected:
  // Called when the outermost BeginUpdate starts (true) and EndUpdate ends
  // (false).
  virtual void SetUpdateState(bool Updating);
  // Case rule of IndexOf and IndexOfName: < 0, 0, > 0.
  virtual int CompareStrings(const AnsiString& S1, const AnsiString& S2) const;
  [[noreturn]] void Error(const AnsiString& Message) const;
  [[noreturn]] void IndexError(int Index) const;

 private:
  int updateCount_ = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
  MORVANT_CLASS(TStringList, TStrings)
 public:
  int GetCount() const override { return static_cast<int>(items_.size()); }
  AnsiString GetStrings(int Index) const override;
  // Raises EStringListError on a sorted list.
  void SetStrings(int Index, const AnsiString& S) override;
  TObject* GetObjects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;

  // Sorted: in order; an equal line already there gives its index
  // (dupIgnore) or EStringListError (dupError).
  int Add(const AnsiString& S) override;
  int AddObject(const AnsiString& S, TObject* AObject) override;
  // Raise EStringListError on a sorted list.
  void Insert(int Index, const AnsiString& S) override;
  void InsertObject(int Index, const AnsiString& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;

  int IndexOf(const AnsiString& S) const override;
  // Binary search of a sorted list: true when S is there, Index then its
  // first occurrence; otherwise where it would go.
  bool Find(const AnsiString& S, int& Index) const;
  void Sort();

  bool GetSorted() const { return sorted_; }
  void SetSorted(bool Value);
  // Applies to sorted lists only.
  TDuplicates GetDuplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates Value) { duplicates_ = Value; }
  bool GetCaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool Value);

  // After every change / before it; held back while updating.
  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  virtual void Changed();
  virtual void Changing();
  void SetUpdateState(bool Updating) override;
  int CompareStrings(const AnsiString& S1, const AnsiString& S2) const override;

 private:
  struct Item {
    AnsiString String;
    TObject* Object = nullptr;
  };
  void CheckIndex(int Index) const;
  void InsertItem(int Index, const AnsiString& S, TObject* AObject);

  std::vector<Item> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  TDuplicates duplicates_ = dupIgnore;
};
