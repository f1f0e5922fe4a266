// Published properties that a form sets must load and come back: events the
// labels publish, the glyph label's image list, and values that equal a
// default declared by a base class while the constructor sets another.
#include <string>
#include <vector>

#include "controls_fixture.h"
#include "unitstartup.h"
#include "vyrbtn.h"
#include "vyrextcs.h"
#include "vyrgroup.h"
#include "vyrrctrl.h"
#include "vyrshapa.h"
#include "vyrstdcs.h"

namespace {

class TReloadHost : public TForm {
  MORVANT_COMPONENT(TReloadHost, TForm)
 public:
  using TForm::TForm;
  void PointerIn(TObject*) {}
  void PointerOut(TObject*) {}
  void HostStartDrag(TObject*, TDragObject*&) {}
  void HostDragOver(TObject*, TObject*, int, int, TDragState, bool&) {}
  void HostDragDrop(TObject*, TObject*, int, int) {}
  void HostEndDrag(TObject*, TObject*, int, int) {}
  void HostStartDock(TObject*, TDragDockObject*&) {}
  void HostDockOver(TObject*, TDragDockObject*, int, int, TDragState, bool&) {}
  void HostDockDrop(TObject*, TDragDockObject*, int, int) {}
  void HostGetSiteInfo(TObject*, TControl*, TRect&, TPoint, bool&) {}
  void HostUnDock(TObject*, TControl*, TWinControl*, bool&) {}
  void HostCanResize(TObject*, int&, int&, bool&) {}
  void HostConstrainedResize(TObject*, int&, int&, int&, int&) {}
};

}  // namespace

inline void TReloadHost::Publish(TPublisher<TReloadHost>& P) {
  P.Method("PointerIn", &TReloadHost::PointerIn);
  P.Method("PointerOut", &TReloadHost::PointerOut);
  P.Method("StartDrag", &TReloadHost::HostStartDrag);
  P.Method("DragOver", &TReloadHost::HostDragOver);
  P.Method("DragDrop", &TReloadHost::HostDragDrop);
  P.Method("EndDrag", &TReloadHost::HostEndDrag);
  P.Method("StartDock", &TReloadHost::HostStartDock);
  P.Method("DockOver", &TReloadHost::HostDockOver);
  P.Method("DockDrop", &TReloadHost::HostDockDrop);
  P.Method("GetSiteInfo", &TReloadHost::HostGetSiteInfo);
  P.Method("UnDock", &TReloadHost::HostUnDock);
  P.Method("CanResize", &TReloadHost::HostCanResize);
  P.Method("ConstrainedResize", &TReloadHost::HostConstrainedResize);
}

namespace {

struct ReloadCase {
  const char* ClassName;
  // Property lines of the object; each must be written back as it stands.
  std::vector<const char*> Lines;
};

class PublishedReloadTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrstdcs::Unit, Vyrgroup::Unit, Vyrextcs::Unit, Vyrbtn::Unit, Vyrshapa::Unit, Vyrrctrl::Unit}};

  TReloadHost* Load(const std::string& Text) {
    auto* host = TObject::Create<TReloadHost>(Application);
    TestSupport::ReadFormText(Text, host);
    return host;
  }
  // Loaded, written with every line of the case, and written the same
  // after loading that text again.
  void ExpectComesBack(const ReloadCase& Case);
};

std::string FormWith(const ReloadCase& Case) {
  std::string text = "object Host: TReloadHost\n  object Images: TVyrImageList\n  end\n  object Probe: ";
  text += Case.ClassName;
  text += "\n";
  for (const char* line : Case.Lines) text += std::string("    ") + line + "\n";
  return text + "  end\nend\n";
}

void PublishedReloadTest::ExpectComesBack(const ReloadCase& Case) {
  SCOPED_TRACE(Case.ClassName);
  TReloadHost* first = Load(FormWith(Case));
  const std::string written = TestSupport::WrittenFormText(first);
  for (const char* line : Case.Lines) EXPECT_NE(written.find(line), std::string::npos) << line << "\n" << written;
  first->Free();
  TReloadHost* second = Load(written);
  EXPECT_EQ(TestSupport::WrittenFormText(second), written);
  second->Free();
}

TEST_F(PublishedReloadTest, EverySettingComesBackAsWritten) {
  const std::vector<ReloadCase> cases = {
      {"TVyrLabel", {"OnMouseEnter = PointerIn", "OnMouseExit = PointerOut"}},
      {"TVyrSimpleLabel", {"OnMouseEnter = PointerIn", "OnMouseExit = PointerOut"}},
      {"TVyrDockLabel", {"OnMouseEnter = PointerIn", "OnMouseExit = PointerOut"}},
      {"TVyrGlyphLabel", {"ImageList = Images", "OnMouseEnter = PointerIn", "OnMouseExit = PointerOut"}},
      {"TVyrLabelFill", {"ParentFont = True"}},
      {"TVyrShapeButton", {"Shape.Brush.Color = clWhite"}},
      {"TVyrShapeLabelButton", {"Shape.Brush.Color = clWhite"}},
      {"TVyr3DShapeButton", {"Shape.Brush.Color = clWhite"}},
      {"TVyr3DShapeLabelButton", {"Shape.Brush.Color = clWhite"}},
      {"TVyrCheckBox", {"Alignment.Spacing = 2"}},
      {"TVyrRadioButton", {"Alignment.Spacing = 2"}},
      {"TVyrWndButtonShape", {"TabStop = False"}},
  };
  for (const ReloadCase& c : cases) ExpectComesBack(c);
}

// The drag, dock and size events and properties of the panels, labels, LED,
// check box and radio button, graphic buttons, shape controls and groups.
TEST_F(PublishedReloadTest, DragDockAndSizeSettingsComeBack) {
  const std::vector<const char*> dragEvents = {"OnStartDrag = StartDrag", "OnDragOver = DragOver",
                                               "OnDragDrop = DragDrop",   "OnEndDrag = EndDrag",
                                               "OnStartDock = StartDock", "OnEndDock = EndDrag"};
  std::vector<const char*> panel = dragEvents;
  for (const char* line : {"AutoSize = True", "DockSite = True", "UseDockManager = True", "DragKind = dkDock",
                           "DragMode = dmAutomatic", "OnDockDrop = DockDrop", "OnDockOver = DockOver",
                           "OnGetSiteInfo = GetSiteInfo", "OnUnDock = UnDock", "OnCanResize = CanResize",
                           "OnConstrainedResize = ConstrainedResize"})
    panel.push_back(line);
  std::vector<ReloadCase> cases = {
      {"TVyrSimplePanel", panel},
      {"TVyrBackPanel", panel},
      {"TVyrGroupBox", {"AutoSize = True"}},
      {"TVyrRadioGroup", {"AutoSize = True"}},
      {"TVyrCheckGroup", {"AutoSize = True"}},
  };
  for (const char* className : {"TVyrLabel", "TVyrSimpleLabel", "TVyrDockLabel", "TVyrGlyphLabel", "TVyrLEDLabel",
                                "TVyrCheckBox", "TVyrRadioButton", "TVyrSpeedButton", "TVyrShapeControl",
                                "TVyrShapeButton"})
    cases.push_back({className, dragEvents});
  for (const ReloadCase& c : cases) ExpectComesBack(c);
}

// The values the constructors set stay out of the form text.
TEST_F(PublishedReloadTest, TheConstructorsOwnValuesAreNotWritten) {
  const std::vector<std::pair<const char*, const char*>> absent = {
      {"TVyrLabelFill", "ParentFont"},
      {"TVyrShapeButton", "Brush.Color"},
      {"TVyrCheckBox", "Spacing"},
      {"TVyrWndButtonShape", "TabStop"},
  };
  for (const auto& [className, name] : absent) {
    TReloadHost* host = Load(FormWith({className, {}}));
    EXPECT_EQ(TestSupport::WrittenFormText(host).find(name), std::string::npos) << className << " " << name;
    host->Free();
  }
}

TEST_F(PublishedReloadTest, TheLabelFillKeepsTheParentsFontAfterReloading) {
  TReloadHost* host = Load(FormWith({"TVyrLabelFill", {"ParentFont = True"}}));
  auto* fill = dynamic_cast_object<TControl>(host->FindComponent("Probe"));
  ASSERT_NE(fill, nullptr);
  EXPECT_TRUE(fill->GetParentFont());
  EXPECT_EQ(fill->GetFont()->GetSize(), host->GetFont()->GetSize());
  host->Free();
}

}  // namespace
