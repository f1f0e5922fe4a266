// Dragging a control onto another inside the program: pointer sequences
// and the events they fire, in order.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "cursor.h"
#include "dragdrop.h"
#include "keyboard.h"
#include "tscreen.h"
#include "vcl_fixture.h"

namespace {

// Records the drag events of the controls it is wired to.
class TDragLog : public TObject {
  MORVANT_CLASS(TDragLog, TObject)
 public:
  std::vector<std::string> events;
  // Which targets accept.
  std::vector<TControl*> accepting;
  TDragObject* handBack = nullptr;

  static std::string NameOf(TObject* O) {
    if (!O) return "nil";
    if (auto* c = dynamic_cast_object<TComponent>(O)) return c->GetName().c_str();
    return "object";
  }
  void StartDrag(TObject* Sender, TDragObject*& Object) {
    events.push_back("start " + NameOf(Sender));
    Object = handBack;
  }
  void DragOver(TObject* Sender, TObject* Source, int, int, TDragState State, bool& Accept) {
    static const char* const kStates[] = {"enter", "leave", "move"};
    events.push_back(std::string("over ") + NameOf(Sender) + " " + kStates[State] + " from " + NameOf(Source));
    Accept = std::find(accepting.begin(), accepting.end(), Sender) != accepting.end();
  }
  void DragDrop(TObject* Sender, TObject* Source, int X, int Y) {
    events.push_back("drop " + NameOf(Sender) + " from " + NameOf(Source) + " at " + std::to_string(X) + "," +
                     std::to_string(Y));
  }
  void EndDrag(TObject* Sender, TObject* Target, int, int) {
    events.push_back("end " + NameOf(Sender) + " on " + NameOf(Target));
  }
  void Click(TObject* Sender) { events.push_back("click " + NameOf(Sender)); }
  void Wire(TControl* C) {
    C->OnStartDrag = TStartDragEvent(this, &TDragLog::StartDrag);
    C->OnDragOver = TDragOverEvent(this, &TDragLog::DragOver);
    C->OnDragDrop = TDragDropEvent(this, &TDragLog::DragDrop);
    C->OnEndDrag = TEndDragEvent(this, &TDragLog::EndDrag);
    C->OnClick = TNotifyEvent(this, &TDragLog::Click);
  }
};

class DragDropTest : public VclTest {
 public:
  TForm* form = nullptr;
  TSwatch* source = nullptr;  // at (10, 10) of the form, 40 x 30
  TSwatch* target = nullptr;  // at (100, 10)
  TSwatch* other = nullptr;   // at (200, 10), never accepts
  TOwnedObject<TDragLog> log{TObject::Create<TDragLog>()};

  void SetUp() override {
    form = ShownForm(300, 200);
    source = Swatch("Source", 10);
    target = Swatch("Target", 100);
    other = Swatch("Other", 200);
    source->SetDragMode(dmAutomatic);
    log->accepting = {target, source};
    app.pump();
  }
  TSwatch* Swatch(const char* Name, int Left) {
    auto* s = TObject::Create<TSwatch>(form);
    s->SetName(Name);
    s->SetParent(form);
    s->SetBounds(Left, 10, 40, 30);
    log->Wire(s);
    return s;
  }
  TPoint At(TControl* C, int X = 5, int Y = 5) const { return C->ClientToScreen(TPoint(X, Y)); }
  void Down(TPoint P) {
    app.host().PostMouseMove(P.x, P.y);
    app.host().PostMouseDown(P.x, P.y);
    app.pump();
  }
  void Move(TPoint P) {
    app.host().PostMouseMove(P.x, P.y);
    app.pump();
  }
  void Up(TPoint P) { app.host().PostMouseUp(P.x, P.y); app.pump(); }
  void Escape() { app.key(VK_ESCAPE); app.pump(); }
};

TEST_F(DragDropTest, PointerSequencesFireTheEventsInOrder) {
  struct Case {
    const char* name;
    std::function<void(DragDropTest&)> act;
    std::vector<std::string> events;
  };
  const std::vector<Case> cases = {
      {"automatic below the threshold is a click",
       [](DragDropTest& t) {
         t.Down(t.At(t.source));
         t.Move(t.At(t.source, 8, 8));
         t.Up(t.At(t.source, 8, 8));
       },
       {"click Source"}},
      {"automatic past the threshold, dropped on an accepting control",
       [](DragDropTest& t) {
         t.Down(t.At(t.source));
         t.Move(t.At(t.source, 15, 5));
         t.Move(t.At(t.target, 3, 4));
         t.Move(t.At(t.target, 6, 7));
         t.Up(t.At(t.target, 6, 7));
       },
       {"start Source", "over Source enter from Source", "over Source leave from Source",
        "over Target enter from Source", "over Target move from Source", "over Target leave from Source",
        "drop Target from Source at 6,7", "end Source on Target"}},
      {"refused: released over a control that does not accept",
       [](DragDropTest& t) {
         t.Down(t.At(t.source));
         t.Move(t.At(t.other));
         t.Up(t.At(t.other));
       },
       {"start Source", "over Other enter from Source", "over Other leave from Source", "end Source on nil"}},
      {"Escape cancels",
       [](DragDropTest& t) {
         t.Down(t.At(t.source));
         t.Move(t.At(t.target));
         t.Escape();
         t.Up(t.At(t.target));
       },
       {"start Source", "over Target enter from Source", "over Target leave from Source", "end Source on nil"}},
      {"a drop on the source itself",
       [](DragDropTest& t) {
         t.Down(t.At(t.source));
         t.Move(t.At(t.source, 20, 20));
         t.Up(t.At(t.source, 20, 20));
       },
       {"start Source", "over Source enter from Source", "over Source leave from Source",
        "drop Source from Source at 20,20", "end Source on Source"}},
      {"manual: BeginDrag at once from the press",
       [](DragDropTest& t) {
         t.source->SetDragMode(dmManual);
         t.source->OnMouseDown = TMouseEvent(
             [&t](TObject*, TMouseButton, TShiftState, int, int) { t.source->BeginDrag(true); });
         t.Down(t.At(t.source));
         t.Move(t.At(t.target));
         t.Up(t.At(t.target));
       },
       {"start Source", "over Source enter from Source", "over Source leave from Source",
        "over Target enter from Source", "over Target leave from Source", "drop Target from Source at 5,5",
        "end Source on Target"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log->events.clear();
    source->SetDragMode(dmAutomatic);
    source->OnMouseDown = nullptr;
    c.act(*this);
    EXPECT_EQ(log->events, c.events);
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(ActiveDragObject(), nullptr);
  }
}

TEST_F(DragDropTest, TheCursorShowsWhetherTheTargetTakesTheSource) {
  source->SetDragCursor(crCross);
  Down(At(source));
  Move(At(target));
  EXPECT_TRUE(source->Dragging());
  EXPECT_EQ(GetCursor(), Screen->GetCursors(crCross));
  Move(At(other));
  EXPECT_EQ(GetCursor(), Screen->GetCursors(crNoDrop));
  EXPECT_NE(Screen->GetCursors(crNoDrop), Screen->GetCursors(crCross));
  source->EndDrag(false);
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(log->events.back(), "end Source on nil");
}

// A drag object handed back by OnStartDrag is the Source the targets see;
// it stays the program's.
TEST_F(DragDropTest, AHandedBackObjectIsTheSource) {
  TOwnedObject<TDragObject> mine(TObject::Create<TDragObject>());
  log->handBack = mine.get();
  Down(At(source));
  Move(At(target));
  EXPECT_EQ(ActiveDragObject(), mine.get());
  Up(At(target));
  EXPECT_EQ(log->events[log->events.size() - 2], "drop Target from object at 5,5");
  EXPECT_TRUE(mine->GetDropped());
}

TEST_F(DragDropTest, CancelDragInOnStartDragStopsTheDrag) {
  source->OnStartDrag = TStartDragEvent([](TObject*, TDragObject*&) { CancelDrag(); });
  Down(At(source));
  Move(At(target));
  Up(At(target));
  EXPECT_TRUE(log->events.empty());
  EXPECT_EQ(ActiveDragObject(), nullptr);
}

// The target going away during the drag is forgotten, not called.
TEST_F(DragDropTest, ATargetFreedDuringTheDragIsForgotten) {
  Down(At(source));
  Move(At(target));
  const TPoint where = At(target);
  target->Free();
  Up(where);
  EXPECT_EQ(log->events.back(), "end Source on nil");
}

}  // namespace
