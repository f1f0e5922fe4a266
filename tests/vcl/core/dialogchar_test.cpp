#include <utility>

#include "core_fixture.h"
#include "keyboard.h"
#include "menus.h"
#include "stdctrls_accel.h"
#include "stdctrls_label.h"

namespace {

// A form with a button-like control that does not take characters, an
// edit-like one that does, and labels whose access keys focus targets; the
// one hidden label must not answer.
class AccessKeys : public CoreTest {
 protected:
  void SetUp() override {
    form = ShownForm(300, 200);
    plain = Named(TObject::Create<TTypingControl>(form, false), "Plain", 0);
    edit = Named(TObject::Create<TTypingControl>(form, true), "Edit", 30);
    target = Named(TObject::Create<TTypingControl>(form, false), "Target", 60);
    hiddenTarget = Named(TObject::Create<TTypingControl>(form, false), "HiddenTarget", 90);
    Label("&Name", target, true);
    Label("&Versteckt", hiddenTarget, false);
    app.pump();
  }
  TTypingControl* Named(TTypingControl* c, const char* name, int top) {
    c->SetName(name);
    c->SetTop(top);
    c->SetParent(form);
    return c;
  }
  void Label(const char* caption, TWinControl* focus, bool visible) {
    auto* label = TObject::Create<TLabel>(form);
    label->SetCaption(caption);
    label->SetFocusControl(focus);
    label->SetLeft(150);
    label->SetVisible(visible);
    label->SetParent(form);
  }
  std::string FocusedName() const {
    TWinControl* active = form->GetActiveControl();
    return active ? active->GetName().c_str() : "";
  }

  TForm* form = nullptr;
  TTypingControl *plain = nullptr, *edit = nullptr, *target = nullptr, *hiddenTarget = nullptr;
};

}  // namespace

TEST_F(AccessKeys, ReachTheLabelsUnlessTheFocusedControlTakesCharacters) {
  struct Case {
    const char* focusFirst;
    bool alt;
    int vk;
    const char* typed;
    const char* focusAfter;
    const char* editGets;
  };
  const Case cases[] = {
      {"Plain", true, 'N', "n", "Target", ""},     {"Plain", false, 'N', "n", "Target", ""},
      {"Edit", false, 'N', "n", "Edit", "n"},      {"Edit", true, 'N', "n", "Target", ""},
      {"Plain", false, 'V', "v", "Plain", ""},     {"Plain", true, 'V', "v", "Plain", ""},
      {"Plain", false, 'X', "x", "Plain", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.focusFirst) + (c.alt ? " Alt+" : " ") + c.typed);
    static_cast<TWinControl*>(form->FindComponent(c.focusFirst))->SetFocus();
    app.pump();
    edit->Typed.clear();
    if (c.alt)
      AltWith(c.vk, c.typed);
    else
      Type(c.vk, c.typed);
    EXPECT_EQ(FocusedName(), c.focusAfter);
    EXPECT_EQ(edit->Typed, c.editGets);
  }
}

namespace {

// A window-less control that takes its caption's access key.
class TAccelProbe : public TGraphicControl {
  MORVANT_CLASS(TAccelProbe, TGraphicControl)
 public:
  explicit TAccelProbe(TComponent* AOwner) : TGraphicControl(AOwner) {}
  int Taken = 0;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<WORD>(Message.WParam), GetCaption())) {
      ++Taken;
      Message.Result = 1;
      return;
    }
    TGraphicControl::WndProc(Message);
  }
};

}  // namespace

// The game's main window has no focusable control: its own window takes
// every character, and only Alt makes one an access key.
TEST_F(CoreTest, AFormWindowWithTheFocusKeepsPlainCharacters) {
  TForm* f = ShownForm();
  std::string pressed;
  f->OnKeyPress = [&](TObject*, char& key) { pressed += key; };
  auto* probe = TObject::Create<TAccelProbe>(f);
  probe->SetCaption("&Name");
  probe->SetParent(f);
  Type('N', "n");
  EXPECT_EQ(pressed, "n");
  EXPECT_EQ(probe->Taken, 0);
  AltWith('N', "n");
  EXPECT_EQ(probe->Taken, 1);
  EXPECT_EQ(pressed, "n");
}

TEST_F(CoreTest, MenuAccessKeysStillOpenTheBarWhenNoControlAnswers) {
  TForm* f = ShownForm();
  auto* focus = TObject::Create<TTypingControl>(f, false);
  focus->SetParent(f);
  auto* target = TObject::Create<TTypingControl>(f, false);
  target->SetTop(40);
  target->SetParent(f);
  auto* label = TObject::Create<TLabel>(f);
  label->SetCaption("&Name");
  label->SetFocusControl(target);
  label->SetLeft(150);
  label->SetParent(f);
  auto* menu = TObject::Create<TMainMenu>(f);
  std::vector<std::string> clicked;
  auto* item = TObject::Create<TMenuItem>(f);
  item->SetCaption("&Konfiguration");
  item->OnClick = [&](TObject*) { clicked.push_back("Konfiguration"); };
  menu->GetItems()->Add(item);
  menu->AttachTo(f);
  focus->SetFocus();
  app.pump();

  AltWith('K', "k");
  EXPECT_EQ(clicked, std::vector<std::string>{"Konfiguration"});
  AltWith('N', "n");
  EXPECT_EQ(clicked.size(), 1u);
  EXPECT_EQ(f->GetActiveControl(), target);
}

// What a report or a hint shows of a caption: the marks gone, a doubled one
// kept as one '&', umlauts untouched, a mark at the very end dropped.
TEST(StripHotkey, DropsTheMarksAndKeepsDoubledOnes) {
  const std::pair<const char*, const char*> cases[] = {
      {"&Weiter", "Weiter"},         {"Stufe: &Schwer", "Stufe: Schwer"}, {"&Öffnen...", "Öffnen..."},
      {"Z&&B", "Z&B"},               {"&&&Datei", "&Datei"},               {"Ende&", "Ende"},
      {"ohne Zeichen", "ohne Zeichen"}, {"", ""},
  };
  for (const auto& [caption, shown] : cases) EXPECT_EQ(StripHotkey(caption), shown) << caption;
}
