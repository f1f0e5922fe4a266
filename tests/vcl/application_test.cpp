#include "application.h"
#include "keyboard.h"
#include "tscreen.h"
#include "ttimer.h"
#include "vcl_fixture.h"

TEST_F(VclTest, AnExceptionInAHandlerIsShownAndTheLoopGoesOn) {
  Application->SetTitle("TALLIX MORVANT II");
  TForm* f = ShownForm();
  std::vector<Word> keys;
  f->OnKeyDown = [&](TObject*, Word& key, TShiftState) {
    keys.push_back(key);
    if (key == 'E') throw EInvalidOperation("Registry not writable");
  };
  app.key('E');
  app.key('F');
  app.pump();
  EXPECT_EQ(keys, (std::vector<Word>{'E', 'F'}));
  ASSERT_EQ(app.boxes().size(), 1u);
  EXPECT_EQ(app.boxes()[0].Caption, "TALLIX MORVANT II");
  EXPECT_EQ(app.boxes()[0].Text, "Registry not writable.");
}

TEST_F(VclTest, OnExceptionReplacesTheBoxAndTimerExceptionsAreCaughtToo) {
  std::vector<std::string> seen;
  Application->OnException = [&](TObject* sender, Exception* e) {
    seen.push_back(std::string(sender->ClassName().c_str()) + ": " + e->Message.c_str());
  };
  auto* timer = TObject::Create<TTimer>(Application);
  timer->SetInterval(50);
  timer->SetOnTimer([&](TObject*) { throw EConvertError("bad"); });
  app.advance(120);
  EXPECT_EQ(seen, (std::vector<std::string>{"TTimer: bad", "TTimer: bad"}));
  EXPECT_TRUE(app.boxes().empty());
}

TEST_F(VclTest, ProcessMessagesNestsInsideATimerHandlerWithoutReenteringIt) {
  TForm* f = ShownForm();
  auto* timer = TObject::Create<TTimer>(f);
  timer->SetInterval(100);
  int depth = 0, maxDepth = 0, ticks = 0;
  std::vector<std::string> order;
  f->OnKeyDown = [&](TObject*, Word&, TShiftState) { order.push_back(depth ? "key inside tick" : "key"); };
  timer->SetOnTimer([&](TObject*) {
    ++ticks;
    maxDepth = std::max(maxDepth, ++depth);
    if (ticks == 1) {
      // A long step that keeps the program alive: its own ticks fall due
      // meanwhile and are dropped, the key is handled in here.
      app.key('K');
      for (int i = 0; i < 5; ++i) {
        ClockAdvance(100);
        Application->ProcessMessages();
      }
    }
    --depth;
  });
  app.advance(100);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(maxDepth, 1);
  EXPECT_EQ(order, (std::vector<std::string>{"key inside tick"}));
  app.advance(100);
  EXPECT_EQ(ticks, 2);
}

TEST_F(VclTest, TimerStartsOnlyEnabledWithIntervalAndHandlerAndRestartsOnChange) {
  auto* timer = TObject::Create<TTimer>(Application);
  int ticks = 0;
  timer->SetInterval(250);
  timer->SetEnabled(false);
  timer->SetOnTimer([&](TObject*) { ++ticks; });
  app.advance(1000);
  EXPECT_EQ(ticks, 0);
  timer->SetEnabled(true);
  app.advance(200);
  timer->SetInterval(250);  // unchanged: the interval runs on
  app.advance(50);
  EXPECT_EQ(ticks, 1);
  timer->SetEnabled(false);
  timer->SetEnabled(true);  // restarts the full interval
  app.advance(200);
  EXPECT_EQ(ticks, 1);
  app.advance(50);
  EXPECT_EQ(ticks, 2);
}

TEST_F(VclTest, RunEndsWhenTheMainFormClosesAfterItsOnClose) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  TForm* second = nullptr;
  Application->CreateForm(second);
  EXPECT_EQ(Application->GetMainForm(), main);
  bool closed = false;
  main->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
  main->OnShow = [&](TObject*) { PostMessage(main->GetHandle(), WM_CLOSE, 0, 0); };
  Application->Run();
  EXPECT_TRUE(closed);
  EXPECT_TRUE(Application->GetTerminated());
}

TEST_F(VclTest, ScreenReportsThePrimaryMonitorAndTheDesktopOverAll) {
  app.host().SetDisplays({TRect(0, 0, 1024, 768), TRect(1024, 0, 2048, 768)});
  EXPECT_EQ(Screen->GetWidth(), 1024);
  EXPECT_EQ(Screen->GetHeight(), 768);
  EXPECT_EQ(Screen->GetDesktopWidth(), 2048);
  EXPECT_EQ(Screen->GetPixelsPerInch(), 96);

  TForm* f = app.create_form<TForm>();
  f->SetBounds(0, 0, 400, 300);
  f->SetPosition(poScreenCenter);
  f->Show();
  EXPECT_EQ(f->GetLeft(), 312);
  EXPECT_EQ(f->GetTop(), 234);
  EXPECT_EQ(Screen->GetFormCount(), 1);
  EXPECT_EQ(Screen->GetForms(0), f);
}
