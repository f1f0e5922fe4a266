#include <string>
#include <vector>

#include "application.h"
#include "foundation_fixture.h"
#include "messages.h"
#include "vyrclass.h"
#include "window.h"
#include "window_internal.h"
#include "wndproc.h"

using namespace Vyrclass;

namespace {

constexpr UINT kAsk = WM_USER + 5;
constexpr LRESULT kAnswer = 42;

// The bottom of the chain: logs what reaches it, answers kAsk and hands
// everything else to the form's own procedure.
std::vector<UINT> bottomLog;
WNDPROC formProc = nullptr;
LRESULT BottomProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  bottomLog.push_back(msg);
  if (msg == kAsk) return kAnswer;
  return CallWindowProc(formProc, h, msg, w, l);
}

class THook : public TVyrWndProcComponent {
  MORVANT_CLASS(THook, TVyrWndProcComponent)
 public:
  explicit THook(TComponent* Owner) : TVyrWndProcComponent(Owner) {}
  int seen = 0;
  int restored = 0;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == kAsk) ++seen;
    TVyrWndProcComponent::WndProc(Message);
  }
  void RestoreState() override { ++restored; }
};

class WndProcTest : public FoundationTest {
 protected:
  void SetUp() override {
    form = TObject::Create<TForm>(Application);
    bottomLog.clear();
    formProc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(form->GetHandle(), GWLP_WNDPROC));
    SetWindowLongPtr(form->GetHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BottomProc));
  }
  void TearDown() override {
    if (form) form->Free();
  }
  LRESULT Ask() { return SendMessage(form->GetHandle(), kAsk, 0, 0); }

  TForm* form = nullptr;
};

}  // namespace

TEST_F(WndProcTest, TheSavedProceduresAnswerIsTheMessagesResult) {
  auto* hook = TObject::Create<THook>(form);
  ASSERT_TRUE(hook->NewWndProc());
  EXPECT_FALSE(hook->NewWndProc());  // once only
  EXPECT_EQ(Ask(), kAnswer);
  EXPECT_EQ(hook->seen, 1);
  SetWindowText(form->GetHandle(), "Hallo");
  EXPECT_EQ(SendMessage(form->GetHandle(), WM_GETTEXTLENGTH, 0, 0), 5);
}

TEST_F(WndProcTest, SetEnabledFalseOnlyRestoresTheVisibleState) {
  auto* hook = TObject::Create<THook>(form);
  hook->NewWndProc();
  hook->SetEnabled(false);
  EXPECT_EQ(hook->restored, 1);
  EXPECT_TRUE(hook->IsSubclassed());
  EXPECT_EQ(Ask(), kAnswer);
  EXPECT_EQ(hook->seen, 1);
  hook->SetEnabled(false);
  EXPECT_EQ(hook->restored, 1);

  hook->SetHandleApp(true);  // at run time, after loading: ignored
  EXPECT_FALSE(hook->GetHandleApp());
}

TEST_F(WndProcTest, HooksGoInEitherOrderAndTheFormKeepsAnswering) {
  for (bool lowerFirst : {false, true}) {
    auto* lower = TObject::Create<THook>(form);
    auto* upper = TObject::Create<THook>(form);
    lower->NewWndProc();
    upper->NewWndProc();
    EXPECT_EQ(Ask(), kAnswer);
    (lowerFirst ? lower : upper)->Free();
    EXPECT_EQ(Ask(), kAnswer) << lowerFirst;
    THook* left = lowerFirst ? upper : lower;
    EXPECT_EQ(left->seen, 2) << lowerFirst;
    left->Free();
    bottomLog.clear();
    EXPECT_EQ(Ask(), kAnswer) << lowerFirst;
    EXPECT_EQ(bottomLog, std::vector<UINT>{kAsk}) << lowerFirst;
    // Taken out from the top down, the chain is as it was before them.
    if (!lowerFirst) {
      EXPECT_EQ(GetWindowLongPtr(form->GetHandle(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&BottomProc));
    }
  }
}

TEST_F(WndProcTest, MessagesAfterDestroyAreDroppedAndFreeingMakesNoWindow) {
  auto* hook = TObject::Create<THook>(form);
  hook->NewWndProc();
  const HWND window = form->GetHandle();
  SendMessage(window, WM_DESTROY, 0, 0);
  EXPECT_EQ(bottomLog.back(), WM_DESTROY);
  EXPECT_EQ(Ask(), 0);
  EXPECT_EQ(bottomLog.back(), WM_DESTROY);

  const std::size_t windows = WindowManager::TopLevelWindows().size();
  form->DestroyHandle();
  hook->Free();
  EXPECT_FALSE(form->HandleAllocated());
  EXPECT_EQ(WindowManager::TopLevelWindows().size(), windows - 1);
}

TEST_F(WndProcTest, FreeingTheFormTakesItsHooksAlongWithoutAWindow) {
  TObject::Create<THook>(form)->NewWndProc();
  TObject::Create<THook>(form)->NewWndProc();
  const std::size_t windows = WindowManager::TopLevelWindows().size();
  form->Free();
  form = nullptr;
  EXPECT_EQ(WindowManager::TopLevelWindows().size(), windows - 1);
}
