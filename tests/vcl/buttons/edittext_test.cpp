#include "stdctrls_edittext.h"

#include <gtest/gtest.h>

// "aä€b": a (1 byte), ä (2), € (3), b (1); boundaries 0, 1, 3, 6, 7.
TEST(EditText, LetterStepsNeverLandInsideALetter) {
  TEditText t;
  t.SetText("a\xC3\xA4\xE2\x82\xAC" "b");
  struct Step {
    std::size_t from, next, previous, boundary;
  };
  const Step steps[] = {
      {0, 1, 0, 0}, {1, 3, 0, 1}, {2, 3, 0, 1}, {3, 6, 1, 3}, {4, 6, 1, 3}, {5, 6, 1, 3}, {6, 7, 3, 6}, {7, 7, 6, 7},
      {99, 7, 6, 7},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(t.NextLetter(s.from), s.next) << s.from;
    EXPECT_EQ(t.PreviousLetter(s.from), s.previous) << s.from;
    EXPECT_EQ(t.Boundary(s.from), s.boundary) << s.from;
  }
  EXPECT_EQ(t.LetterCount(), 4u);
  t.Select(2, 2);  // starts inside ä, ends inside €: moved back to both starts
  EXPECT_EQ(t.SelStart(), 1u);
  EXPECT_EQ(t.SelText(), "\xC3\xA4");
}

TEST(EditText, ReplaceKeepsTheLetterLimitWithWholeLettersAndBackspaceTakesOneLetter) {
  struct Case {
    const char* text;
    std::size_t selStart, selLength;
    const char* insert;
    std::size_t maxLetters;
    const char* result;
    std::size_t caret;
  };
  const Case cases[] = {
      {"", 0, 0, "Gr\xC3\xBC\xC3\x9F" "e", 0, "Gr\xC3\xBC\xC3\x9F" "e", 7},
      {"ab", 1, 0, "\xC3\xA4\xC3\xB6\xC3\xBC", 4, "a\xC3\xA4\xC3\xB6" "b", 5},  // two letters fit, bytes do not count
      {"abcd", 0, 4, "\xE2\x82\xAC\xE2\x82\xAC", 1, "\xE2\x82\xAC", 3},          // the selection makes room
      {"abc", 3, 0, "x", 3, "abc", 3},                                        // full: nothing goes in
      {"abc", 1, 1, "", 0, "ac", 1},
  };
  for (const Case& c : cases) {
    TEditText t;
    t.SetText(c.text);
    t.Select(c.selStart, c.selLength);
    t.Replace(c.insert, c.maxLetters);
    EXPECT_EQ(t.Text(), c.result) << c.text << " + " << c.insert;
    EXPECT_EQ(t.Caret(), c.caret) << c.text << " + " << c.insert;
    EXPECT_EQ(t.SelLength(), 0u);
  }

  TEditText t;
  t.SetText("a\xE2\x82\xAC");
  t.MoveTo(4, false);
  EXPECT_TRUE(t.Backspace());
  EXPECT_EQ(t.Text(), "a");
  t.MoveTo(0, false);
  EXPECT_FALSE(t.Backspace());
  EXPECT_TRUE(t.Delete());
  EXPECT_FALSE(t.Delete());
  EXPECT_EQ(t.Text(), "");
}

TEST(EditText, WordStepsStopAtWordStartsAndShiftMovesKeepTheAnchor) {
  TEditText t;
  t.SetText("ein  neues Spiel");
  EXPECT_EQ(t.NextWord(0), 5u);
  EXPECT_EQ(t.NextWord(5), 11u);
  EXPECT_EQ(t.NextWord(11), 16u);
  EXPECT_EQ(t.PreviousWord(16), 11u);
  EXPECT_EQ(t.PreviousWord(11), 5u);
  EXPECT_EQ(t.PreviousWord(7), 5u);
  t.MoveTo(5, false);
  t.MoveTo(10, true);
  EXPECT_EQ(t.SelText(), "neues");
  t.MoveTo(0, true);
  EXPECT_EQ(t.Anchor(), 5u);
  EXPECT_EQ(t.SelText(), "ein  ");
}
