#include <filesystem>
#include <memory>

#include "application.h"
#include "clock.h"
#include "drawing_fixture.h"
#include "folders.h"
#include "forms.h"
#include "inifiles.h"
#include "messages.h"
#include "metrics.h"
#include "paths.h"
#include "tregistry.h"
#include "tscreen.h"
#include "window_pos.h"

using namespace Vyrutils;
using Vyrgraph::TVyrDlgPosition;
using Vyrgraph::TVyrDlgPosRel;

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

// A dialog that closes with mrOk as soon as it shows, and says when it goes.
class TQuickDialog : public TForm {
  MORVANT_CLASS(TQuickDialog, TForm)
 public:
  explicit TQuickDialog(TComponent* AOwner) : TForm(AOwner) {
    OnShow = [this](TObject*) { SetModalResult(mrOk); };
  }
  ~TQuickDialog() override { ++freed; }
  static inline int freed = 0;
};

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

TEST_F(WindowHelperTest, PositionWindowInItsTarget) {
  // On the 1024 x 768 screen.
  struct Case {
    TVyrDlgPosition position;
    TRect target;
    int w, h;
    TPoint at;
  } cases[] = {
      {TVyrDlgPosition::bpCustom, TRect(100, 100, 600, 400), 200, 100, TPoint(100, 100)},
      {TVyrDlgPosition::bpTopLeft, TRect(100, 100, 600, 400), 200, 100, TPoint(100, 100)},
      {TVyrDlgPosition::bpTopCenter, TRect(100, 100, 600, 400), 201, 100, TPoint(249, 100)},
      {TVyrDlgPosition::bpTopRight, TRect(100, 100, 600, 400), 200, 100, TPoint(400, 100)},
      {TVyrDlgPosition::bpCenterLeft, TRect(100, 100, 600, 400), 200, 101, TPoint(100, 199)},
      {TVyrDlgPosition::bpCenter, TRect(100, 100, 600, 400), 200, 100, TPoint(250, 200)},
      {TVyrDlgPosition::bpCenterRight, TRect(100, 100, 600, 400), 200, 100, TPoint(400, 200)},
      {TVyrDlgPosition::bpBottomLeft, TRect(100, 100, 600, 400), 200, 100, TPoint(100, 300)},
      {TVyrDlgPosition::bpBottomCenter, TRect(100, 100, 600, 400), 200, 100, TPoint(250, 300)},
      {TVyrDlgPosition::bpBottomRight, TRect(100, 100, 600, 400), 200, 100, TPoint(400, 300)},
      // Past the screen's right or bottom: back to the target's edge.
      {TVyrDlgPosition::bpTopLeft, TRect(800, 0, 1024, 768), 300, 100, TPoint(724, 0)},
      {TVyrDlgPosition::bpTopLeft, TRect(0, 700, 1024, 768), 200, 100, TPoint(0, 668)},
      // Larger than the target: never negative.
      {TVyrDlgPosition::bpCenter, TRect(0, 0, 100, 100), 201, 300, TPoint(0, 0)},
  };
  TForm* form = app.create_form<TForm>();
  for (const Case& c : cases) {
    form->SetBounds(0, 0, c.w, c.h);
    VyrPositionWindow(form->GetHandle(), c.target, c.position, false);
    EXPECT_EQ(WindowAt(form->GetHandle()), c.at) << int(c.position) << " in " << c.target.left << "," << c.target.top;
  }
}

TEST_F(WindowHelperTest, DialogTargets) {
  EXPECT_EQ(VyrDlgGetTargetRect(TVyrDlgPosRel::brScreen), TRect(0, 0, 1024, 768));
  RECT area{};
  SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
  EXPECT_EQ(VyrDlgGetTargetRect(TVyrDlgPosRel::brScreenWorkArea), TRect(area));
  EXPECT_EQ(VyrDlgGetTargetRect(TVyrDlgPosRel::brMainForm), TRect(0, 0, 1024, 768)) << "no main form yet";

  TForm* main = nullptr;
  Application->CreateForm(main);
  main->SetBounds(10, 20, 300, 200);
  TForm* other = app.create_form<TForm>();
  other->SetBounds(400, 300, 100, 50);
  other->Show();
  app.pump();
  EXPECT_EQ(VyrDlgGetTargetRect(TVyrDlgPosRel::brMainForm), TRect(10, 20, 310, 220));
  ASSERT_EQ(Screen->GetActiveForm(), other);
  EXPECT_EQ(VyrDlgGetTargetRect(TVyrDlgPosRel::brActiveWindow), TRect(400, 300, 500, 350));
}

TEST_F(WindowHelperTest, ShowModalAnswersTheResultAndFreesTheForm) {
  TQuickDialog::freed = 0;
  const int owned = Application->GetComponentCount();
  EXPECT_EQ(VyrShowModal<TQuickDialog>(Application), mrOk);
  EXPECT_EQ(TQuickDialog::freed, 1);
  EXPECT_EQ(Application->GetComponentCount(), owned);
}

TEST_F(WindowHelperTest, CentreFormsAndChildWindows) {
  TForm* form = app.create_form<TForm>();
  form->SetBounds(0, 0, 200, 100);
  VyrCenterForm(form);
  EXPECT_EQ(TPoint(form->GetLeft(), form->GetTop()), TPoint(412, 334));

  TForm* parent = app.create_form<TForm>();
  parent->SetBounds(100, 100, 300, 200);
  form->SetBounds(0, 0, 101, 50);
  VyrCenterChildWindow(parent->GetHandle(), form->GetHandle(), false);
  EXPECT_EQ(WindowAt(form->GetHandle()), TPoint(199, 175));
  parent->SetBounds(950, 700, 100, 100);
  VyrCenterChildWindow(parent->GetHandle(), form->GetHandle(), true);
  EXPECT_EQ(WindowAt(form->GetHandle()), TPoint(923, 718)) << "kept on the screen";
}

TEST_F(WindowHelperTest, DevelopmentColoursLiveInTheWindowsFolder) {
  char folder[MAX_PATH] = {};
  GetWindowsDirectory(folder, MAX_PATH);
  const AnsiString name = VyrKorvelIniFileName();
  EXPECT_EQ(name.Pos(AnsiString(folder)), 1) << name.c_str();
  EXPECT_EQ(ExtractFileName(name), "korvel.ini");

  TStringList colours;
  colours.Add("FarbeA=FF8000");
  colours.Add("FarbeP=FFFFFFFF");
  VyrSaveKorvelCustomColor(&colours);
  TIniFile ini(name);
  TStringList stored;
  ini.ReadSectionValues("Selbstdefinierte Farben", &stored);
  EXPECT_EQ(Lines(stored), Lines(colours));
  TStringList back;
  VyrLoadKorvelCustomColor(&back);
  EXPECT_EQ(Lines(back), Lines(colours));
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
