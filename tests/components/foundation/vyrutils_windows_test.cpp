#include <filesystem>
#include <memory>

#include "application.h"
#include "clock.h"
#include "drawing_fixture.h"
#include "forms.h"
#include "inifiles.h"
#include "messages.h"
#include "paths.h"
#include "tregistry.h"
#include "window_pos.h"

using namespace Vyrutils;

namespace {

std::vector<AnsiString> Lines(TStrings& List) {
  std::vector<AnsiString> out;
  for (int i = 0; i < List.GetCount(); ++i) out.push_back(List.GetStrings(i));
  return out;
}

TPoint WindowAt(HWND Wnd) {
  RECT r{};
  GetWindowRect(Wnd, &r);
  return TPoint(r.left, r.top);
}

}  // namespace

class WindowHelperTest : public DrawingTest {};

TEST_F(WindowHelperTest, Divisors) {
  struct Case {
    int n;
    std::vector<AnsiString> want;
  } cases[] = {
      {12, {"1", "2", "3", "4", "6", "12"}},
      {16, {"1", "2", "4", "8", "16"}},
      {1, {}},
      {0, {}},
      {7, {"1", "7"}},
  };
  TStringList list;
  for (const Case& c : cases) {
    VyrGetDivider(&list, c.n);
    EXPECT_EQ(Lines(list), c.want) << c.n;
  }
  VyrGetDivider(&list, 1000000);
  const auto million = Lines(list);
  ASSERT_GE(million.size(), 2u);
  EXPECT_EQ(million[million.size() - 2], "500000");
  EXPECT_EQ(million.back(), "1000000");
  EXPECT_EQ(million.size(), 49u);
}

TEST_F(WindowHelperTest, CentreWindowOnTheScreen) {
  TForm* form = app.create_form<TForm>();
  form->SetBounds(0, 0, 200, 100);
  VyrCenterWindow(form->GetHandle(), false);
  EXPECT_EQ(WindowAt(form->GetHandle()), TPoint(412, 334));
  VyrCenterWindow(form->GetHandle(), true);
  EXPECT_EQ(WindowAt(form->GetHandle()), TPoint(412, 222));
}

TEST_F(WindowHelperTest, IsChildFollowsTheParentChain) {
  TForm* form = app.create_form<TForm>();
  EXPECT_FALSE(VyrIsChild(form, nullptr));
  EXPECT_TRUE(VyrIsChild(form, form));
}

TEST_F(WindowHelperTest, WaitLetsMessagesThroughAndEndsOnTheClock) {
  TForm* form = app.create_form<TForm>();
  bool seen = false;
  Application->OnMessage = [&](MSG& msg, bool&) {
    if (msg.message == WM_NULL && msg.hwnd == form->GetHandle()) seen = true;
  };
  PostMessage(form->GetHandle(), WM_NULL, 0, 0);
  const DWORD start = GetTickCount();
  VyrWait(50);
  Application->OnMessage = nullptr;
  EXPECT_TRUE(seen);
  EXPECT_GE(GetTickCount() - start, 50u);
}

TEST_F(WindowHelperTest, CustomColourListsRoundTrip) {
  TStringList colours;
  colours.Add("FarbeA=FF8000");
  colours.Add("FarbeB=FFFFFFFF");
  colours.Add("no line");
  {
    TIniFile ini((std::filesystem::temp_directory_path() / "colours.ini").string().c_str());
    VyrSaveCustomColorList(&ini, "Farben", &colours);
    TStringList back;
    VyrLoadCustomColorList(&ini, "Farben", &back);
    EXPECT_EQ(Lines(back), (std::vector<AnsiString>{"FarbeA=FF8000", "FarbeB=FFFFFFFF"}));
  }
  {
    TRegIniFile reg("Software\\Tallix Software\\Colours");
    VyrSaveCustomColorList(&reg, "Farben", &colours);
    TStringList back;
    VyrLoadCustomColorList(&reg, "Farben", &back);
    EXPECT_EQ(Lines(back), (std::vector<AnsiString>{"FarbeA=FF8000", "FarbeB=FFFFFFFF"}));
  }
  {
    TRegistryIniFile other("Software\\Tallix Software\\Other");
    VyrSaveCustomColorList(&other, "Farben", &colours);
    TStringList back;
    back.Add("kept");
    VyrLoadCustomColorList(&other, "Farben", &back);
    EXPECT_EQ(Lines(back), std::vector<AnsiString>{"kept"});
  }
}

class SmallScreenTest : public ::testing::Test {
 protected:
  TestSupport::LibraryApp app{FoundationRows(), {TRect(0, 0, 800, 600)}};
};

TEST_F(SmallScreenTest, CentredChildStaysOnTheScreen) {
  TForm* parent = app.create_form<TForm>();
  TForm* child = app.create_form<TForm>();
  parent->SetBounds(700, 500, 100, 100);
  child->SetBounds(0, 0, 200, 200);
  EXPECT_EQ(VyrCenterChild(parent, child, false), 0);
  EXPECT_EQ(TPoint(child->GetLeft(), child->GetTop()), TPoint(600, 400));
  EXPECT_EQ(VyrCenterChild(nullptr, child, true), 0);
}

TEST_F(WindowHelperTest, ExplodeWaitsEachFrameOnTheClock) {
  TForm* form = app.create_form<TForm>();
  form->SetBounds(100, 100, 200, 100);
  const DWORD start = GetTickCount();
  VyrExplodeFormExt(form, 0, 0, 2, 4);
  EXPECT_GE(GetTickCount() - start, 16u) << "two passes of four frames, 2 ms each";
  VyrExplodeFormExt2(form, 0, 0, true, 1, 10, 20, 4);
  VyrExplodeFormExt(nullptr, 0, 0, 1, 4);
}
