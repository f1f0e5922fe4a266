#include <algorithm>

#include "core_fixture.h"
#include "cursor.h"
#include "sysutils.h"
#include "tscreen.h"

TEST_F(CoreTest, FontsListTheInstalledFamiliesSortedOnce) {
  TStrings* fonts = Screen->GetFonts();
  ASSERT_NE(fonts, nullptr);
  std::vector<AnsiString> names;
  for (int i = 0; i < fonts->GetCount(); ++i) names.push_back(fonts->GetStrings(i));
  // The names the game's forms use are there, whatever fontconfig has.
  for (const char* face : {"MS Sans Serif", "Arial"})
    EXPECT_NE(fonts->IndexOf(face), -1) << face;
  for (std::size_t i = 1; i < names.size(); ++i)
    EXPECT_LT(CompareText(names[i - 1], names[i]), 0) << names[i - 1].c_str() << " / " << names[i].c_str();
  EXPECT_EQ(Screen->GetFonts(), fonts);
}

TEST_F(CoreTest, ScreenCursorWinsOverTheControlsCursorsUntilReset) {
  TForm* f = ShownForm();
  auto* hand = TObject::Create<TSwatch>(f);
  hand->SetBounds(10, 10, 40, 40);
  hand->SetCursor(crHandPoint);
  hand->SetParent(f);
  auto* inner = TObject::Create<TSwatch>(f);  // crDefault: the parent's cursor applies
  inner->SetBounds(100, 10, 40, 40);
  inner->SetParent(f);
  app.pump();

  MoveTo(hand, 5, 5);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
  EXPECT_EQ(app.host().CurrentCursor(), Backend::Cursor::Hand);

  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
  MoveTo(hand, 6, 6);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));

  Screen->SetCursor(crDefault);
  MoveTo(hand, 7, 7);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
  f->SetCursor(crIBeam);
  MoveTo(inner, 5, 5);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_IBEAM));
}

TEST_F(CoreTest, CursorTableHoldsTheStandardShapesAndFallsBackToTheArrow) {
  const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  EXPECT_EQ(Screen->GetCursors(crDefault), arrow);
  EXPECT_EQ(Screen->GetCursors(crHandPoint), LoadCursor(nullptr, IDC_HAND));
  EXPECT_EQ(Screen->GetCursors(-255), arrow);
  const HCURSOR hand = LoadCursor(nullptr, MAKEINTRESOURCE(kHandCursorResource));
  Screen->SetCursors(-255, hand);
  EXPECT_EQ(Screen->GetCursors(-255), hand);
  Screen->SetCursors(crDefault, hand);  // the default stays the arrow
  EXPECT_EQ(Screen->GetCursors(crDefault), arrow);
  Screen->SetCursors(-255, nullptr);
  EXPECT_EQ(Screen->GetCursors(-255), arrow);
}
