#include "tstrings.h"

#include "exceptions.h"
#include "listerror.h"
#include "streams.h"
#include "sysutils.h"

void TStrings::SetStrings(int Index, const AnsiString& S) {
  TObject* object = GetObjects(Index);
  Delete(Index);
  InsertObject(Index, S, object);
}

TObject* TStrings::GetObjects(int) const { return nullptr; }

void TStrings::SetObjects(int, TObject*) {}

int TStrings::Add(const AnsiString& S) {
  const int index = GetCount();
  Insert(index, S);
  return index;
}

int TStrings::AddObject(const AnsiString& S, TObject* AObject) {
  const int index = Add(S);
  SetObjects(index, AObject);
  return index;
}

void TStrings::AddStrings(TStrings* Strings) {
  BeginUpdate();
  for (int i = 0; i < Strings->GetCount(); ++i) AddObject(Strings->GetStrings(i), Strings->GetObjects(i));
  EndUpdate();
}

void TStrings::InsertObject(int Index, const AnsiString& S, TObject* AObject) {
  Insert(Index, S);
  SetObjects(Index, AObject);
}

void TStrings::Exchange(int Index1, int Index2) {
  BeginUpdate();
  const AnsiString s1 = GetStrings(Index1);
  TObject* o1 = GetObjects(Index1);
  SetStrings(Index1, GetStrings(Index2));
  SetObjects(Index1, GetObjects(Index2));
  SetStrings(Index2, s1);
  SetObjects(Index2, o1);
  EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  BeginUpdate();
  const AnsiString s = GetStrings(CurIndex);
  TObject* o = GetObjects(CurIndex);
  if (NewIndex < 0 || NewIndex >= GetCount()) IndexError(NewIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, s, o);
  EndUpdate();
}

void TStrings::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast_object<TStrings>(Source)) {
    if (source == this) return;
    BeginUpdate();
    Clear();
    AddStrings(source);
    EndUpdate();
    return;
  }
  inherited::Assign(Source);
}

bool TStrings::Equals(const TStrings* Strings) const {
  if (!Strings || Strings->GetCount() != GetCount()) return false;
  for (int i = 0; i < GetCount(); ++i)
    if (!(GetStrings(i) == Strings->GetStrings(i))) return false;
  return true;
}

int TStrings::IndexOf(const AnsiString& S) const {
  for (int i = 0; i < GetCount(); ++i)
    if (CompareStrings(GetStrings(i), S) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const AnsiString& Name) const {
  for (int i = 0; i < GetCount(); ++i) {
    const AnsiString line = GetStrings(i);
    const int eq = line.Pos("=");
    if (eq > 0 && CompareStrings(line.SubString(1, eq - 1), Name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
  for (int i = 0; i < GetCount(); ++i)
    if (GetObjects(i) == AObject) return i;
  return -1;
}

AnsiString TStrings::GetNames(int Index) const {
  const AnsiString line = GetStrings(Index);
  const int eq = line.Pos("=");
  return eq > 0 ? line.SubString(1, eq - 1) : AnsiString();
}

AnsiString TStrings::GetValues(const AnsiString& Name) const {
  const int index = IndexOfName(Name);
  if (index < 0) return AnsiString();
  const AnsiString line = GetStrings(index);
  return line.SubString(line.Pos("=") + 1, line.Length());
}

void TStrings::SetValues(const AnsiString& Name, const AnsiString& Value) {
  const int index = IndexOfName(Name);
  if (Value.IsEmpty()) {
    if (index >= 0) Delete(index);
    return;
  }
  if (index < 0)
    Add(Name + "=" + Value);
  else
    SetStrings(index, Name + "=" + Value);
}

AnsiString TStrings::GetText() const {
  std::string text;
  for (int i = 0; i < GetCount(); ++i) {
    text += GetStrings(i).str();
    text += "\r\n";
  }
  return AnsiString(std::move(text));
}

void TStrings::SetText(const AnsiString& Value) {
  BeginUpdate();
  Clear();
  const std::string& text = Value.str();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    Add(AnsiString(text.substr(start, end - start)));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  EndUpdate();
}

namespace {

bool NeedsQuotes(const std::string& s) {
  if (s.empty()) return true;
  for (unsigned char c : s)
    if (c <= ' ' || c == ',' || c == '"') return true;
  return false;
}

}  // namespace

AnsiString TStrings::GetCommaText() const {
  std::string out;
  for (int i = 0; i < GetCount(); ++i) {
    if (i > 0) out += ',';
    const AnsiString line = GetStrings(i);
    const std::string& s = line.str();
    if (!NeedsQuotes(s)) {
      out += s;
      continue;
    }
    out += '"';
    for (char c : s) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  return AnsiString(std::move(out));
}

void TStrings::SetCommaText(const AnsiString& Value) {
  BeginUpdate();
  Clear();
  const std::string& text = Value.str();
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  while (i < text.size()) {
    std::string item;
    if (text[i] == '"') {
      // Quoted: "" stands for one quote; an unclosed quote runs to the end.
      for (++i; i < text.size(); ++i) {
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            item += '"';
            ++i;
            continue;
          }
          ++i;
          break;
        }
        item += text[i];
      }
    } else {
      while (i < text.size() && text[i] != ',' && !isBlank(text[i])) item += text[i++];
    }
    Add(AnsiString(std::move(item)));
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i < text.size() && text[i] == ',') {
      ++i;
      while (i < text.size() && isBlank(text[i])) ++i;
      // A trailing comma stands for one more, empty item.
      if (i == text.size()) Add(AnsiString());
    }
  }
  EndUpdate();
}

void TStrings::LoadFromStream(TStream* Stream) {
  const Int64 size = Stream->GetSize() - Stream->GetPosition();
  std::string bytes;
  if (size > 0) {
    bytes.resize(static_cast<std::size_t>(size));
    bytes.resize(static_cast<std::size_t>(Stream->Read(bytes.data(), static_cast<LongInt>(size))));
  }
  std::string text = TextFromOutsideBytes(bytes);
  // A byte-order mark is no part of the first line.
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  SetText(AnsiString(std::move(text)));
}

void TStrings::SaveToStream(TStream* Stream) const {
  const AnsiString text = GetText();
  Stream->WriteBuffer(text.data(), text.Length());
}

void TStrings::LoadFromFile(const AnsiString& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}

void TStrings::SaveToFile(const AnsiString& FileName) const {
  TFileStream file(FileName, fmCreate);
  SaveToStream(&file);
}

void TStrings::BeginUpdate() {
  // The state changes while the count is still 0, so that OnChanging fires.
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const AnsiString& S1, const AnsiString& S2) const { return AnsiCompareText(S1, S2); }

void TStrings::Error(const AnsiString& Message) const { throw EStringListError(Message); }

void TStrings::IndexError(int Index) const { Error(ListIndexErrorText(Index)); }
