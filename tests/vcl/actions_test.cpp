// Actions and their clients: a linked control follows its action while it
// agrees with it, a click runs the action, the idle time updates it, and a
// form stores the action list with its actions and the controls' links
// without the properties that the actions carry.
#include <functional>
#include <string>
#include <vector>

#include "actnlist.h"
#include "classregistry.h"
#include "exceptions.h"
#include "form_text.h"
#include "keyboard.h"
#include "menus.h"
#include "stdctrls_button.h"
#include "stdctrls_check.h"
#include "vcl_fixture.h"

namespace {

// A form whose handlers a form text binds by name.
class TActionForm : public TForm {
  MORVANT_COMPONENT(TActionForm, TForm)
 public:
  using TForm::TForm;
  std::vector<std::string> Log;
  void OpenExecute(TObject* Sender) { Log.push_back("open " + std::string(Sender->ClassName().c_str())); }
  void OpenUpdate(TObject*) { Log.push_back("update"); }
  void ButtonClick(TObject*) { Log.push_back("own click"); }
};

void TActionForm::Publish(TPublisher<TActionForm>& P) {
  P.Method("OpenExecute", &TActionForm::OpenExecute);
  P.Method("OpenUpdate", &TActionForm::OpenUpdate);
  P.Method("ButtonClick", &TActionForm::ButtonClick);
}

class ActionsTest : public VclTest {
 protected:
  void SetUp() override {
    VclTest::SetUp();
    form = ShownForm();
    list = TObject::Create<TActionList>(form);
  }

  TAction* NewAction(const char* caption) {
    auto* a = TObject::Create<TAction>(form);
    a->SetActionList(list);
    a->SetCaption(caption);
    return a;
  }
  template <class T>
  T* NewControl(TBasicAction* action, int top = 10) {
    auto* c = TObject::Create<T>(form);
    c->SetParent(form);
    c->SetBounds(10, top, 100, 24);
    c->SetAction(action);
    return c;
  }
  // One pass of the application's idle time, as the loop has it when the
  // queue runs dry; the message posted meanwhile ends its wait.
  void Idle() {
    bool idled = false;
    Application->OnIdle = [&](TObject*, bool&) {
      idled = true;
      PostMessage(form->GetHandle(), WM_NULL, 0, 0);
    };
    app.pump();
    for (int round = 0; round < 100 && !idled; ++round) Application->HandleMessage();
    Application->OnIdle = nullptr;
    app.pump();
    ASSERT_TRUE(idled);
  }

  TForm* form = nullptr;
  TActionList* list = nullptr;
};

}  // namespace

TEST_F(ActionsTest, ALinkedControlFollowsTheActionUntilItsOwnValueDiffers) {
  TAction* action = NewAction("Öffnen");
  action->SetHint("Öffnet eine Datei");
  action->SetHelpContext(12);
  auto* box = NewControl<TCheckBox>(action);
  // Taken over on linking.
  EXPECT_EQ(box->GetCaption(), "Öffnen");
  EXPECT_EQ(box->GetHint(), "Öffnet eine Datei");
  EXPECT_EQ(box->GetHelpContext(), 12);

  struct Case {
    const char* what;
    std::function<void(TAction*)> change;
    std::function<bool(TCheckBox*)> followed;
  };
  const Case cases[] = {
      {"caption", [](TAction* a) { a->SetCaption("&Laden"); }, [](TCheckBox* c) { return c->GetCaption() == "&Laden"; }},
      {"enabled", [](TAction* a) { a->SetEnabled(false); }, [](TCheckBox* c) { return !c->GetEnabled(); }},
      {"checked", [](TAction* a) { a->SetChecked(true); }, [](TCheckBox* c) { return c->GetChecked(); }},
      {"visible", [](TAction* a) { a->SetVisible(false); }, [](TCheckBox* c) { return !c->GetVisible(); }},
      {"hint", [](TAction* a) { a->SetHint("Lädt"); }, [](TCheckBox* c) { return c->GetHint() == "Lädt"; }},
      {"help", [](TAction* a) { a->SetHelpContext(40); }, [](TCheckBox* c) { return c->GetHelpContext() == 40; }},
  };
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };  // a handler of its own: only OnClick unlinks
  for (const Case& c : cases) {
    c.change(action);
    EXPECT_TRUE(c.followed(box)) << c.what;
  }
  EXPECT_EQ(clicks, 0) << "the action's Checked is no click";

  // A value of the control's own unlinks that property alone.
  box->SetCaption("Eigene");
  action->SetCaption("Speichern");
  action->SetEnabled(true);
  EXPECT_EQ(box->GetCaption(), "Eigene");
  EXPECT_TRUE(box->GetEnabled());
}

TEST_F(ActionsTest, EveryLinkHearsOfAChangeAndForgetsAnActionThatGoes) {
  TAction* action = NewAction("Alt");
  TOwnedObject<TActionLink> link(TObject::Create<TActionLink>());
  link->SetAction(action);
  EXPECT_EQ(action->GetClientCount(), 1);
  int changes = 0;
  link->OnChange = [&](TObject* sender) { changes += sender == action; };
  action->SetCaption("Neu");
  action->SetCaption("Neu");
  action->SetChecked(true);
  EXPECT_EQ(changes, 2) << "only real changes";
  EXPECT_TRUE(link->IsCaptionLinked());
  action->Free();
  EXPECT_EQ(link->GetAction(), nullptr);
  EXPECT_FALSE(link->Execute());
  EXPECT_FALSE(link->IsCaptionLinked());
}

TEST_F(ActionsTest, AClickRunsTheActionUnlessTheControlHasAHandlerOfItsOwn) {
  TAction* action = NewAction("Los");
  std::vector<std::string> log;
  TComponent* during = nullptr;
  action->SetOnExecute([&](TObject* sender) {
    log.push_back(sender == action ? "action" : "other");
    during = action->GetActionComponent();
  });
  auto* button = NewControl<TButton>(action);
  EXPECT_EQ(button->OnClick, action->GetOnExecute());
  app.click(button, 20, 10);
  app.pump();
  EXPECT_EQ(log, (std::vector<std::string>{"action"}));
  EXPECT_EQ(during, button);
  EXPECT_EQ(action->GetActionComponent(), nullptr);

  action->SetEnabled(false);
  EXPECT_FALSE(action->Execute());
  button->Perform(CN_COMMAND, BN_CLICKED, 0);
  EXPECT_EQ(log.size(), 1u) << "a disabled action does not run";

  action->SetEnabled(true);
  button->OnClick = [&](TObject*) { log.push_back("own"); };
  button->Perform(CN_COMMAND, BN_CLICKED, 0);
  EXPECT_EQ(log.back(), "own");
  // A new handler of the action reaches only the clients that still had the old one.
  action->SetOnExecute([&](TObject*) { log.push_back("second"); });
  EXPECT_NE(button->OnClick, action->GetOnExecute());
}

TEST_F(ActionsTest, TheListAndTheApplicationAreAskedBeforeTheActionsOwnHandler) {
  TAction* action = NewAction("Los");
  std::vector<std::string> log;
  action->SetOnExecute([&](TObject*) { log.push_back("action"); });
  list->OnExecute = [&](TBasicAction* a, bool& handled) {
    log.push_back("list");
    handled = a->GetTag() == 1;
  };
  Application->OnActionExecute = [&](TBasicAction* a, bool& handled) {
    log.push_back("application");
    handled = a->GetTag() == 2;
  };
  for (int tag : {1, 2, 0}) {
    action->SetTag(tag);
    EXPECT_TRUE(action->Execute());
  }
  Application->OnActionExecute = nullptr;
  EXPECT_EQ(log, (std::vector<std::string>{"list", "list", "application", "list", "application", "action"}));

  list->SetState(asSuspended);
  EXPECT_FALSE(action->Execute());
  EXPECT_EQ(log.size(), 6u);
  action->SetEnabled(false);
  list->SetState(asSuspendedEnabled);
  EXPECT_TRUE(action->GetEnabled());
}

TEST_F(ActionsTest, TheIdleTimeUpdatesTheActionsOfVisibleControlsAndTheRestOfTheList) {
  TAction* shown = NewAction("Gezeigt");
  shown->SetOnExecute([](TObject*) {});
  int updates = 0;
  shown->OnUpdate = [&](TObject*) {
    ++updates;
    shown->SetEnabled(false);
  };
  auto* button = NewControl<TButton>(shown);
  TAction* unhandled = NewAction("Ohne Handler");  // DisableIfNoHandler
  TAction* kept = NewAction("Behalten");
  kept->SetDisableIfNoHandler(false);
  TAction* hidden = NewAction("Versteckt");
  hidden->OnUpdate = [&](TObject*) { hidden->SetVisible(true); };
  hidden->SetVisible(false);
  auto* hiddenButton = NewControl<TButton>(hidden, 40);
  ASSERT_FALSE(hiddenButton->GetVisible());

  Idle();
  EXPECT_EQ(updates, 1) << "once per idle time, though the list holds it too";
  EXPECT_FALSE(button->GetEnabled());
  EXPECT_FALSE(unhandled->GetEnabled());
  EXPECT_TRUE(kept->GetEnabled());
  EXPECT_TRUE(hiddenButton->GetVisible()) << "an action that hid its control can bring it back";

  form->Hide();
  app.pump();
  Idle();
  EXPECT_EQ(updates, 1) << "a hidden form's actions wait";
}

TEST_F(ActionsTest, FreeingAnEndOfTheLinkLeavesTheOtherWhole) {
  TAction* action = NewAction("Weg");
  action->SetOnExecute([](TObject*) {});
  auto* button = NewControl<TButton>(action);
  auto* other = NewControl<TButton>(action, 40);
  EXPECT_EQ(action->GetClientCount(), 2);
  other->Free();
  EXPECT_EQ(action->GetClientCount(), 1);

  action->Free();
  EXPECT_EQ(button->GetAction(), nullptr);
  EXPECT_EQ(list->GetActionCount(), 0);
  EXPECT_EQ(button->GetCaption(), "Weg");
  button->Perform(CN_COMMAND, BN_CLICKED, 0);  // runs nothing that is gone

  // An action whose handler frees it, and a list that takes its actions along.
  TAction* once = NewAction("Einmal");
  once->SetOnExecute([&](TObject*) { once->Free(); });
  button->SetAction(once);
  button->Perform(CN_COMMAND, BN_CLICKED, 0);
  EXPECT_EQ(button->GetAction(), nullptr);
  TAction* last = NewAction("Zuletzt");
  button->SetAction(last);
  const int owned = form->GetComponentCount();
  list->Free();
  list = nullptr;
  EXPECT_EQ(form->GetComponentCount(), owned - 2);
  EXPECT_EQ(button->GetAction(), nullptr);
}

TEST_F(ActionsTest, TheListKeepsItsActionsInOrderAndForgetsImagesThatGo) {
  int changes = 0;
  list->OnChange = [&](TObject*) { ++changes; };
  TAction* first = NewAction("Eins");
  TAction* second = NewAction("Zwei");
  second->SetIndex(0);
  EXPECT_EQ(list->GetActions(0), second);
  EXPECT_EQ(first->GetIndex(), 1);
  EXPECT_THROW(list->GetActions(2), EListError);

  auto* images = TObject::Create<TActionList>(nullptr);  // any component, owned elsewhere
  list->SetImages(images);
  images->Free();
  EXPECT_EQ(list->GetImages(), nullptr);
  EXPECT_EQ(changes, 5) << "two actions, the move, the images set and gone";

  first->SetActionList(nullptr);
  EXPECT_EQ(list->GetActionCount(), 1);
  EXPECT_EQ(first->GetIndex(), -1);
  EXPECT_FALSE(first->HasParent());
}

TEST_F(ActionsTest, CheckingAnActionOfAGroupUnchecksTheOthersOfThatGroupOnly) {
  std::vector<TAction*> group;
  std::vector<TCheckBox*> boxes;
  for (int i = 0; i < 3; ++i) {
    TAction* a = NewAction("Gruppe");
    a->SetGroupIndex(1);
    a->SetAutoCheck(true);
    a->SetOnExecute([](TObject*) {});
    group.push_back(a);
    boxes.push_back(NewControl<TCheckBox>(a, 10 + 30 * i));
  }
  TAction* apart = NewAction("Andere Gruppe");
  apart->SetGroupIndex(2);
  apart->SetChecked(true);

  group[0]->SetChecked(true);
  group[2]->Execute();
  const std::vector<bool> expected{false, false, true};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(group[i]->GetChecked(), expected[i]) << i;
    EXPECT_EQ(boxes[i]->GetChecked(), expected[i]) << i;
  }
  EXPECT_TRUE(apart->GetChecked());
  group[2]->Execute();
  EXPECT_TRUE(group[2]->GetChecked()) << "executing the checked one of a group keeps it checked";

  // A click on a box checks through the action, and its neighbours follow.
  app.click(boxes[1], 5, 8);
  app.pump();
  EXPECT_TRUE(group[1]->GetChecked());
  EXPECT_TRUE(boxes[1]->GetChecked());
  EXPECT_FALSE(boxes[2]->GetChecked());

  // Joining a group while checked leaves one check in it.
  apart->SetGroupIndex(1);
  EXPECT_TRUE(apart->GetChecked());
  EXPECT_FALSE(group[1]->GetChecked());
}

TEST_F(ActionsTest, AShortCutOfTheFormsActionsRunsItFromTheFocusedControl) {
  TAction* action = NewAction("Sichern");
  int runs = 0;
  action->SetOnExecute([&](TObject*) { ++runs; });
  action->SetShortCut(ShortCut('S', TShiftState{ssCtrl}));
  auto* button = NewControl<TButton>(nullptr);
  button->SetFocus();
  app.key('S', Backend::modCtrl);
  app.pump();
  EXPECT_EQ(runs, 1);
  action->SetEnabled(false);
  app.key('S', Backend::modCtrl);
  app.pump();
  EXPECT_EQ(runs, 1);
}

TEST_F(ActionsTest, AMenuItemFollowsItsActionAndRunsIt) {
  TAction* action = NewAction("&Neu");
  action->SetShortCut(ShortCut('N', TShiftState{ssCtrl}));
  int runs = 0;
  action->SetOnExecute([&](TObject*) { ++runs; });
  auto* item = TObject::Create<TMenuItem>(form);
  item->SetAction(action);
  EXPECT_EQ(item->GetCaption(), "&Neu");
  EXPECT_EQ(item->GetShortCut(), action->GetShortCut());
  action->SetChecked(true);
  action->SetEnabled(false);
  EXPECT_TRUE(item->GetChecked());
  EXPECT_FALSE(item->GetEnabled());
  action->SetEnabled(true);
  item->Click();
  EXPECT_EQ(runs, 1);
  action->Free();
  EXPECT_EQ(item->GetAction(), nullptr);
  item->Click();
  EXPECT_EQ(runs, 2) << "the handler it took over stays with it";
}

TEST_F(VclTest, AFormStoresItsActionsInTheListAndTheLinksWithoutWhatTheyCarry) {
  RegisterClass(TActionForm::StaticClass());
  auto* form = TObject::Create<TActionForm>(Application);
  TestSupport::ReadFormText(R"(object Host: TActionForm
  object Linked: TButton
    Left = 8
    Top = 8
    Action = Open
  end
  object Own: TButton
    Left = 8
    Top = 40
    Action = Open
    Caption = 'Eigenes'
    OnClick = ButtonClick
  end
  object ActionList1: TActionList
    object Open: TAction
      Category = 'Datei'
      Caption = '&Öffnen'
      Hint = 'Datei öffnen'
      ShortCut = 16463
      OnExecute = OpenExecute
      OnUpdate = OpenUpdate
    end
    object Quiet: TAction
      Enabled = False
    end
  end
end
)",
                            form);
  auto* linked = dynamic_cast_object<TButton>(form->FindComponent("Linked"));
  auto* own = dynamic_cast_object<TButton>(form->FindComponent("Own"));
  auto* list = dynamic_cast_object<TActionList>(form->FindComponent("ActionList1"));
  auto* open = dynamic_cast_object<TAction>(form->FindComponent("Open"));
  ASSERT_TRUE(linked && own && list && open);
  EXPECT_EQ(open->GetActionList(), list);
  EXPECT_EQ(open->GetOwner(), form);
  EXPECT_EQ(open->GetCategory(), "Datei");
  EXPECT_EQ(list->GetActionCount(), 2);
  EXPECT_EQ(linked->GetCaption(), "&Öffnen");
  EXPECT_EQ(linked->GetHint(), "Datei öffnen");
  EXPECT_EQ(own->GetCaption(), "Eigenes");
  EXPECT_EQ(own->GetHint(), "Datei öffnen");
  linked->Perform(CN_COMMAND, BN_CLICKED, 0);
  own->Perform(CN_COMMAND, BN_CLICKED, 0);
  EXPECT_EQ(form->Log, (std::vector<std::string>{"update", "open TAction", "own click"}));

  const std::string text = TestSupport::WrittenFormText(form);
  const auto part = [&](const char* from, const char* to) {
    const std::size_t begin = text.find(from);
    return begin == std::string::npos ? std::string() : text.substr(begin, text.find(to, begin) - begin);
  };
  const std::string linkedPart = part("object Linked", "end");
  EXPECT_NE(linkedPart.find("Action = Open"), std::string::npos) << text;
  for (const char* name : {"Caption", "Hint", "Enabled", "Visible", "OnClick"})
    EXPECT_EQ(linkedPart.find(name), std::string::npos) << name << " written for a linked control:\n" << text;
  const std::string ownPart = part("object Own", "end");
  for (const char* line : {"Caption = 'Eigenes'", "OnClick = ButtonClick"})
    EXPECT_NE(ownPart.find(line), std::string::npos) << line << " missing from\n" << text;
  EXPECT_EQ(ownPart.find("Hint"), std::string::npos) << text;
  const std::string listPart = part("object ActionList1: TActionList", "\n  end\n");
  for (const char* line : {"    object Open: TAction\n", "      OnExecute = OpenExecute\n", "      ShortCut = 16463\n",
                           "    object Quiet: TAction\n", "      Enabled = False\n"})
    EXPECT_NE(listPart.find(line), std::string::npos) << line << " missing from\n" << text;

  form->Free();
  auto* back = TObject::Create<TActionForm>(Application);
  TestSupport::ReadFormText(text, back);
  EXPECT_EQ(TestSupport::WrittenFormText(back), text);
  back->Free();
  UnRegisterClass(TActionForm::StaticClass());
}
