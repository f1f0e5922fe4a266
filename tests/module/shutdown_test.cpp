// How a program built on the library ends: Run frees the forms while every
// unit still runs, then the start-up table finalises the units in reverse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "application.h"
#include "component_units.h"
#include "forms.h"
#include "library_app.h"
#include "vyrclass.h"
#include "vyrcombo.h"

namespace {

std::vector<std::string> events;

// Notes when the form holding it is freed, and whether the units beneath
// were still running then.
class TWitness : public TComponent {
 public:
  using TComponent::TComponent;
  ~TWitness() override {
    const bool libraryUp = UnitRunning("Vyrclass") && Vyrclass::VyrApplication;
    events.push_back(std::string("form freed, library ") + (libraryUp ? "up" : "gone"));
  }
};

void RecordEnd() { events.push_back("units end"); }

// Takes every free pool timer and gives them back: how many there were.
int FreePoolTimers() {
  std::vector<Word> taken;
  while (const Word ident = Vyrclass::VyrApplication->AddTimer(50, TNotifyEvent())) taken.push_back(ident);
  for (Word ident : taken) Vyrclass::VyrApplication->RemoveTimer(ident);
  return static_cast<int>(taken.size());
}

TEST(ModuleShutdown, RunFreesTheFormsBeforeAnyUnitEnds) {
  events.clear();
  {
    // The recording row stands last, so it is the first to end.
    TestSupport::LibraryApp app{ConcatUnitRows(ComponentLibraryUnits(), {{"Recorder", nullptr, &RecordEnd}})};
    const int freeBefore = FreePoolTimers();
    TForm* main = nullptr;
    Application->CreateForm(main);
    TObject::Create<TWitness>(main);
    auto* combo = TObject::Create<Vyrcombo::TVyrComboBox>(main);  // holds a pool timer for its search
    combo->SetParent(main);
    EXPECT_EQ(FreePoolTimers(), freeBefore - 1);
    main->OnShow = [&](TObject*) { PostMessage(main->GetHandle(), WM_CLOSE, 0, 0); };
    Application->Run();
    EXPECT_EQ(events, (std::vector<std::string>{"form freed, library up"}));
    EXPECT_EQ(Application->GetComponentCount(), 0);
    EXPECT_EQ(FreePoolTimers(), freeBefore) << "a freed control kept its pool timer";
  }
  EXPECT_EQ(events, (std::vector<std::string>{"form freed, library up", "units end"}));
}

}  // namespace
