#include "core_fixture.h"

namespace {

class THookOwner : public TObject {
  MORVANT_CLASS(THookOwner, TObject)
 public:
  THookOwner(std::vector<std::string>* Log, std::string Name, bool Swallow)
      : log_(Log), name_(std::move(Name)), swallow_(Swallow) {}
  bool Hook(TMessage& Message) {
    if (Message.Msg != kProbe) return false;
    log_->push_back(name_);
    if (unhookSelf) Application->UnhookMainWindow(TWindowHook(this, &THookOwner::Hook));
    return swallow_;
  }
  bool unhookSelf = false;
  static constexpr UINT kProbe = WM_USER + 77;

 private:
  std::vector<std::string>* log_;
  std::string name_;
  bool swallow_;
};

}  // namespace

TEST_F(CoreTest, MainWindowHooksSeeMessagesInOrderAndTrueSwallows) {
  std::vector<std::string> log;
  THookOwner first(&log, "first", false), swallower(&log, "swallower", true), last(&log, "last", false);
  Application->HookMainWindow(TWindowHook(&first, &THookOwner::Hook));
  Application->HookMainWindow(TWindowHook(&swallower, &THookOwner::Hook));
  Application->HookMainWindow(TWindowHook(&last, &THookOwner::Hook));
  SendMessage(Application->GetHandle(), THookOwner::kProbe, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"first", "swallower"}));

  // Removal goes by the bound method; a hook may unhook itself while it runs.
  log.clear();
  Application->UnhookMainWindow(TWindowHook(&swallower, &THookOwner::Hook));
  first.unhookSelf = true;
  PostMessage(Application->GetHandle(), THookOwner::kProbe, 0, 0);
  app.pump();
  SendMessage(Application->GetHandle(), THookOwner::kProbe, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"first", "last", "last"}));
  Application->UnhookMainWindow(TWindowHook(&last, &THookOwner::Hook));
}

TEST_F(CoreTest, AnExceptionInAHookIsShownAndTheLoopGoesOn) {
  int calls = 0;
  Application->HookMainWindow([&](TMessage& m) {
    if (m.Msg == THookOwner::kProbe && ++calls == 1) throw EInvalidOperation("hook failed");
    return false;
  });
  PostMessage(Application->GetHandle(), THookOwner::kProbe, 0, 0);
  PostMessage(Application->GetHandle(), THookOwner::kProbe, 0, 0);
  app.pump();
  EXPECT_EQ(calls, 2);
  ASSERT_EQ(app.boxes().size(), 1u);
  EXPECT_EQ(app.boxes()[0].Text, "hook failed.");
}

TEST_F(CoreTest, HelpContextOpensNothing) {
  EXPECT_FALSE(Application->HelpContext(0));
  EXPECT_FALSE(Application->HelpContext(120));
  EXPECT_TRUE(app.boxes().empty());
}
