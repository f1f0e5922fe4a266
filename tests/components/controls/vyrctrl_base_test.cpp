// The control bases: naming, bounds reports, the repaint paths of graphic
// controls, the after-enter event and the ini component's owner rule.
#include <functional>
#include <vector>

#include "classregistry.h"
#include "controls_fixture.h"

using namespace Vyrctrl;

namespace {

class TNamed : public TComponent {
  MORVANT_COMPONENT(TNamed, TComponent)
 public:
  using TComponent::TComponent;
};
void TNamed::Publish(TPublisher<TNamed>&) {}

// An ini component that records when its state is restored and saved.
class TProbeIni : public TVyrCustomIniComponent {
  MORVANT_COMPONENT(TProbeIni, TVyrCustomIniComponent)
 public:
  using TVyrCustomIniComponent::TVyrCustomIniComponent;
  std::vector<std::string>* log = nullptr;

 protected:
  void RestoreState() override {
    if (log) log->push_back("restore");
  }
  void SaveState() override {
    if (log) log->push_back("save");
  }
};
void TProbeIni::Publish(TPublisher<TProbeIni>&) {}

// A form whose own create and destroy events write to the same log.
class TIniHostForm : public TForm {
  MORVANT_COMPONENT(TIniHostForm, TForm)
 public:
  using TForm::TForm;
  std::vector<std::string> log;
  void Created(TObject*) { log.push_back("create"); }
  void Destroyed(TObject*) { log.push_back("destroy"); }
};
void TIniHostForm::Publish(TPublisher<TIniHostForm>&) {}

class TFocusPanel : public TVyrSimplePanel {
  MORVANT_COMPONENT(TFocusPanel, TVyrSimplePanel)
 public:
  using TVyrSimplePanel::TVyrSimplePanel;
};
void TFocusPanel::Publish(TPublisher<TFocusPanel>&) {}

}  // namespace

class ControlBaseTest : public ControlsTest {};

TEST_F(ControlBaseTest, UniqueNamesSkipTheOwnersNamesWhateverTheirCase) {
  TOwnedObject<TNamed> owner(TObject::Create<TNamed>(nullptr));
  TObject::Create<TNamed>(owner.get())->SetName("vyrlabel1");
  TObject::Create<TNamed>(owner.get())->SetName("VyrLabel2");
  struct Case {
    const char* type;
    TComponent* owner;
    const char* expected;
  } cases[] = {
      {"TVyrLabel", owner.get(), "VyrLabel3"},
      {"TVyrLabel", nullptr, "VyrLabel1"},
      {"tButton", owner.get(), "Button1"},
      {"XPanel", owner.get(), "XPanel1"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(VyrUniqueName(c.type, c.owner), AnsiString(c.expected)) << c.type;
}

TEST_F(ControlBaseTest, BoundsChangesReportWhatChanged) {
  TForm* form = NewForm();
  auto* probe = Place<TProbeControl>(form, 10, 10, 30, 30);
  std::vector<TVyrBoundsChangeStates> reports;
  probe->OnBoundsChange = [&](TObject*, TVyrBoundsChangeStates s) { reports.push_back(s); };
  using S = TVyrBoundsChangeState;
  struct Case {
    const char* what;
    TRect bounds;
    std::vector<TVyrBoundsChangeStates> expected;
  } cases[] = {
      {"move", TRect(20, 15, 50, 45), {TVyrBoundsChangeStates{S::bcPos}}},
      {"resize", TRect(20, 15, 60, 50), {TVyrBoundsChangeStates{S::bcSize}}},
      {"both", TRect(0, 0, 10, 10), {TVyrBoundsChangeStates{S::bcPos, S::bcSize}}},
      {"same", TRect(0, 0, 10, 10), {}},
  };
  for (const Case& c : cases) {
    reports.clear();
    probe->SetBoundsRect(c.bounds);
    EXPECT_EQ(reports, c.expected) << c.what;
  }
}

TEST_F(ControlBaseTest, OpaqueControlsRepaintDirectlyTransparentOnesInvalidate) {
  TForm* form = NewForm();
  auto* probe = Place<TProbeControl>(form, 10, 10, 30, 30);
  app.pump();
  for (bool transparent : {false, true}) {
    probe->SetTransparent(transparent);
    app.pump();
    probe->paints = probe->invalidations = 0;
    probe->InvalidateControl();
    EXPECT_EQ(probe->paints, transparent ? 0 : 1) << transparent;
    EXPECT_EQ(probe->invalidations, transparent ? 1 : 0) << transparent;
  }
}

TEST_F(ControlBaseTest, IgnoredIndexesReportNoChange) {
  TForm* form = NewForm();
  auto* probe = Place<TProbeControl>(form, 10, 10, 30, 30);
  int changes = 0;
  TVyrImageLink link(probe, [&](TObject*) { ++changes; });
  link.SetIndex(0, 3);  // no list: stored, nothing to tell
  EXPECT_EQ(link.GetImageIndex(), 3);
  for (int value : {-1, 3}) link.SetIndex(0, value);
  link.SetIndex(1, -1);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(link.GetImageIndex(), 3);
  EXPECT_EQ(link.GetListIndex(), 0);
}

TEST_F(ControlBaseTest, AfterEnterRunsOnceTheFocusHasArrived) {
  TForm* form = NewForm();
  auto* panel = Place<TFocusPanel>(form, 10, 10, 100, 40);
  panel->SetTabStop(true);
  bool focusedThen = false;
  int entered = 0, exited = 0;
  panel->OnAfterEnter = [&](TObject*) {
    ++entered;
    focusedThen = panel->Focused();
  };
  panel->OnAfterExit = [&](TObject*) { ++exited; };
  panel->SetFocus();
  EXPECT_EQ(entered, 0);  // posted, not sent
  app.pump();
  EXPECT_EQ(entered, 1);
  EXPECT_TRUE(focusedThen);
  form->SetFocus();
  app.pump();
  EXPECT_EQ(exited, 1);
}

TEST_F(ControlBaseTest, IniComponentRefusesAnOwnerThatIsNoForm) {
  TOwnedObject<TNamed> owner(TObject::Create<TNamed>(nullptr));
  try {
    TObject::Create<TProbeIni>(owner.get());
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, AnsiString("TProbeIni\rInvalid Owner (<>TForm)"));
  }
  EXPECT_EQ(owner->GetComponentCount(), 0);
}

TEST_F(ControlBaseTest, IniComponentRunsBeforeTheFormsOwnEvents) {
  RegisterClass(TProbeIni::StaticClass());
  auto* form = TObject::Create<TIniHostForm>(Application);
  form->OnCreate = TNotifyEvent(form, &TIniHostForm::Created);
  form->OnDestroy = TNotifyEvent(form, &TIniHostForm::Destroyed);
  TestSupport::ReadFormText("object Host: TIniHostForm\n  object Ini: TProbeIni\n  end\nend\n", form);
  auto* ini = dynamic_cast_object<TProbeIni>(form->FindComponent("Ini"));
  ASSERT_NE(ini, nullptr);
  ini->log = &form->log;
  form->OnCreate(form);
  form->OnDestroy(form);
  EXPECT_EQ(form->log, (std::vector<std::string>{"restore", "create", "save", "destroy"}));
  form->Free();
  UnRegisterClass(TProbeIni::StaticClass());
}
