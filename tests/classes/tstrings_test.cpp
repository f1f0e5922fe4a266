#include <gtest/gtest.h>

#include <vector>

#include "exceptions.h"
#include "streams.h"
#include "tstrings.h"

namespace {

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.GetCount(); ++i) out.push_back(list.GetStrings(i).str());
  return out;
}

using V = std::vector<std::string>;

TEST(TStringList, BadIndicesRaiseListErrorNamingTheIndex) {
  TStringList list;
  list.Add("a");
  try {
    list.GetStrings(1);
    FAIL() << "no exception";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message, "Der Index der Liste überschreitet das Maximum (1)");
  }
  EXPECT_THROW(list.GetStrings(-1), EListError);
  EXPECT_THROW(list.Delete(1), EListError);
  EXPECT_THROW(list.Insert(2, "x"), EListError);
  EXPECT_THROW(list.SetObjects(5, nullptr), EListError);
  EXPECT_THROW(list.Exchange(0, 1), EListError);
  EXPECT_THROW(list.Move(0, 1), EListError);
  EXPECT_EQ(Lines(list), V{"a"});
}

TEST(TStringList, SortedIgnoresDuplicatesWithoutRegardToCase) {
  TStringList list;
  list.SetSorted(true);
  EXPECT_EQ(list.Add("beta"), 0);
  EXPECT_EQ(list.Add("Alpha"), 0);
  EXPECT_EQ(list.Add("gamma"), 2);
  EXPECT_EQ(list.Add("BETA"), 1);  // already there: its index, nothing added
  EXPECT_EQ(Lines(list), (V{"Alpha", "beta", "gamma"}));
  EXPECT_EQ(list.IndexOf("ALPHA"), 0);
  EXPECT_EQ(list.IndexOf("delta"), -1);
  int index = -1;
  EXPECT_FALSE(list.Find("c", index));
  EXPECT_EQ(index, 2);
  EXPECT_THROW(list.Insert(0, "x"), EStringListError);
}

TEST(TStringList, SortedDuplicatesAcceptAndError) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(dupAccept);
  list.Add("b");
  list.Add("a");
  list.Add("B");
  EXPECT_EQ(Lines(list), (V{"a", "b", "B"}));
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add("A"), EStringListError);
  EXPECT_EQ(list.GetCount(), 3);
}

TEST(TStringList, UnsortedIndexOfIgnoresCaseUnlessCaseSensitive) {
  TStringList list;
  list.SetCommaText("one,Two,three");
  EXPECT_EQ(list.IndexOf("TWO"), 1);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("TWO"), -1);
  EXPECT_EQ(list.IndexOf("Two"), 1);
}

TEST(TStringList, NamesAndValues) {
  TStringList list;
  list.Add("Sound=1");
  list.Add("plain line");
  list.Add("Path=a=b");
  list.Add("=nameless");
  EXPECT_EQ(list.GetNames(0), "Sound");
  EXPECT_EQ(list.GetNames(1), "");
  EXPECT_EQ(list.GetNames(2), "Path");
  EXPECT_EQ(list.GetValues("SOUND"), "1");
  EXPECT_EQ(list.GetValues("path"), "a=b");  // only the first "=" divides
  EXPECT_EQ(list.GetValues("missing"), "");
  EXPECT_EQ(list.IndexOfName("Path"), 2);

  list.SetValues("sound", "0");
  EXPECT_EQ(list.GetStrings(0), "sound=0");
  list.SetValues("Level", "3");
  EXPECT_EQ(list.GetStrings(4), "Level=3");
  list.SetValues("Path", "");  // an empty value deletes the line
  EXPECT_EQ(list.IndexOfName("Path"), -1);
  EXPECT_EQ(list.GetCount(), 4);
}

struct ChangeCounter : TObject {
  MORVANT_CLASS(ChangeCounter, TObject)
 public:
  int changes = 0;
  int changings = 0;
  void Change(TObject*) { ++changes; }
  void Changing(TObject*) { ++changings; }
};

TEST(TStringList, OnChangeFiresAfterEachChangeAndIsHeldBackWhileUpdating) {
  TStringList list;
  ChangeCounter counter;
  list.OnChange = TNotifyEvent(&counter, &ChangeCounter::Change);
  list.OnChanging = TNotifyEvent(&counter, &ChangeCounter::Changing);
  list.Add("a");
  list.Add("b");
  list.Delete(0);
  EXPECT_EQ(counter.changes, 3);
  EXPECT_EQ(counter.changings, 3);

  counter.changes = counter.changings = 0;
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("c");
  list.SetStrings(0, "d");
  list.Clear();
  list.EndUpdate();
  EXPECT_EQ(counter.changes, 0);
  list.EndUpdate();
  EXPECT_EQ(counter.changes, 1);
  EXPECT_EQ(counter.changings, 1);

  counter.changes = 0;
  list.SetText("x\r\ny\r\nz");  // one change for the whole text
  EXPECT_EQ(counter.changes, 1);
}

TEST(TStringList, TextEndsLinesWithCrLfAndReadsAnyLineEnd) {
  TStringList list;
  list.SetText("one\r\ntwo\nthree\rfour\n\nsix");
  EXPECT_EQ(Lines(list), (V{"one", "two", "three", "four", "", "six"}));
  list.SetText("a\r\nb\r\n");
  EXPECT_EQ(list.GetText(), "a\r\nb\r\n");
  list.SetText("");
  EXPECT_EQ(list.GetCount(), 0);
}

TEST(TStringList, CommaTextQuotesWhatNeedsIt) {
  TStringList list;
  list.Add("plain");
  list.Add("two words");
  list.Add("say \"hi\"");
  list.Add("");
  list.Add("a,b");
  const AnsiString text = list.GetCommaText();
  EXPECT_EQ(text, "plain,\"two words\",\"say \"\"hi\"\"\",\"\",\"a,b\"");
  TStringList back;
  back.SetCommaText(text);
  EXPECT_EQ(Lines(back), Lines(list));
  back.SetCommaText(" x y, z ,");
  EXPECT_EQ(Lines(back), (V{"x", "y", "z", ""}));
  back.SetCommaText("\"unclosed");
  EXPECT_EQ(Lines(back), V{"unclosed"});
}

TEST(TStringList, LoadFromStreamReadsLineEndsAndWindows1252) {
  struct Case {
    std::string bytes;
    V lines;
  };
  const Case cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"\xEF\xBB\xBFGr\xC3\xB6\xC3\x9F" "e\n", {"Größe"}},
      {"Gr\xF6\xDF" "e\r\n\x80", {"Größe", "€"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    TStringStream stream{AnsiString(c.bytes)};
    TStringList list;
    list.LoadFromStream(&stream);
    EXPECT_EQ(Lines(list), c.lines) << c.bytes;
  }
}

TEST(TStringList, SaveToStreamEndsEveryLineWithCrLf) {
  TStringList list;
  list.Add("Größe");
  list.Add("");
  TStringStream stream;
  list.SaveToStream(&stream);
  EXPECT_EQ(stream.GetDataString(), "Größe\r\n\r\n");
}

TEST(TStringList, AssignCopiesStringsAndObjectsAndRefusesOtherKinds) {
  TStringList source;
  TObject marker;
  source.AddObject("a", &marker);
  source.Add("b");
  TStringList target;
  target.Add("old");
  target.Assign(&source);
  EXPECT_EQ(Lines(target), (V{"a", "b"}));
  EXPECT_EQ(target.GetObjects(0), &marker);

  TPersistent notStrings;
  try {
    target.Assign(&notStrings);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "TPersistent kann nicht zu TStringList zugewiesen werden");
  }
  EXPECT_THROW(target.Assign(nullptr), EConvertError);
  EXPECT_EQ(Lines(target), (V{"a", "b"}));
}

TEST(TStringList, ExchangeAndMoveCarryObjects) {
  TStringList list;
  TObject o0, o2;
  list.AddObject("zero", &o0);
  list.Add("one");
  list.AddObject("two", &o2);
  list.Exchange(0, 2);
  EXPECT_EQ(Lines(list), (V{"two", "one", "zero"}));
  EXPECT_EQ(list.GetObjects(0), &o2);
  list.Move(0, 2);
  EXPECT_EQ(Lines(list), (V{"one", "zero", "two"}));
  EXPECT_EQ(list.GetObjects(2), &o2);
  EXPECT_EQ(list.IndexOfObject(&o0), 1);
}

TEST(TStringList, SortOrdersWithoutRegardToCase) {
  TStringList list;
  list.SetCommaText("delta,Charlie,bravo,Äpfel,Alpha");
  list.Sort();
  EXPECT_EQ(Lines(list), (V{"Alpha", "Äpfel", "bravo", "Charlie", "delta"}));
}

}  // namespace
