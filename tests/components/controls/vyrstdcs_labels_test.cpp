// The labels as controls: what they hand to the text routine, their
// background, fonts, links and form text.
#include <string>

#include "controls_fixture.h"
#include "font_class.h"
#include "unitstartup.h"
#include "vyrextca.h"
#include "vyrgroup.h"
#include "vyrstdcs.h"

using namespace Vyrstdcs;

namespace {

class LabelTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrstdcs::Unit}};
  TForm* form = nullptr;
  void SetUp() override { form = NewForm(clWhite); }
};

TEST_F(LabelTest, TheFlagsOfThePaint) {
  auto* label = Place<TVyrLabel>(form, 10, 10, 100, 30);
  label->SetAutoSize(false);
  label->SetAlignment(TVyrAlignment::agBottomRight);
  EXPECT_EQ(label->PaintFlags(), 0x7A);
  label->SetShowAccelChar(false);
  label->SetOptions({TVyrLabelOption::loEndEllipsis});
  EXPECT_EQ(label->PaintFlags(), 0x887A);
  auto* autosized = Place<TVyrLabel>(form, 10, 50, 100, 30);
  autosized->SetAutoSize(true);
  EXPECT_EQ(autosized->PaintFlags(), 0x50);
  auto* simple = Place<TVyrSimpleLabel>(form, 10, 90, 100, 30);
  simple->SetAlignment(TVyrAlignment::agCenter);
  EXPECT_EQ(simple->PaintFlags(), 0x75);
}

TEST_F(LabelTest, AnEmptyTransparentLabelDrawsNothingAndAnOpaqueOneItsColour) {
  auto* empty = Place<TVyrLabel>(form, 10, 10, 40, 20);
  empty->SetCaption("");
  app.pump();
  EXPECT_TRUE(empty->GetEmpty());
  EXPECT_EQ(Shown(empty, 2, 2), clWhite);
  auto* opaque = Place<TVyrLabel>(form, 60, 10, 40, 20);
  opaque->SetAutoSize(false);
  opaque->SetTransparent(false);
  opaque->SetColor(clRed);
  opaque->SetCaption("i");
  app.pump();
  EXPECT_EQ(Shown(opaque, 38, 18), clRed);
}

// An autosized, empty, transparent label leaves its place as it was; at
// design time it shows its dashed outline so it can be found.
TEST_F(LabelTest, AnEmptyAutosizedLabelShowsOnlyItsDesignOutline) {
  auto* empty = Place<TVyrLabel>(form, 10, 10, 40, 20);
  empty->SetAutoSize(true);
  empty->SetTransparent(true);
  empty->SetCaption("");
  app.pump();
  ASSERT_TRUE(empty->GetEmpty());
  ASSERT_GT(empty->GetWidth(), 2);
  ASSERT_GT(empty->GetHeight(), 2);
  auto darkOnTopRow = [&] {
    int dark = 0;
    for (int x = 0; x < empty->GetWidth(); ++x) dark += Shown(empty, x, 0) == clBlack;
    return dark;
  };
  EXPECT_EQ(darkOnTopRow(), 0);
  empty->SetDesigning(true);
  empty->Invalidate();
  app.pump();
  const int dashes = darkOnTopRow();
  EXPECT_GT(dashes, 0) << "the outline is drawn";
  EXPECT_LT(dashes, empty->GetWidth()) << "and dashed";
  EXPECT_EQ(Shown(empty, empty->GetWidth() / 2, empty->GetHeight() / 2), clWhite) << "the inside stays clear";
}

// A transparent label on a panel with a picture shows the picture between
// its letters, not its own colour.
TEST_F(LabelTest, ATransparentLabelShowsThePanelsPictureBetweenItsLetters) {
  auto where = [](int X, int Y) { return static_cast<TColor>(RGB(X, Y, 0x80)); };
  auto* list = TObject::Create<Vyrcont::TVyrBitmapList>(form);
  TBitmap picture;
  picture.SetSize(200, 200);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) picture.GetCanvas()->SetPixels(x, y, where(x, y));
  auto* item = TObject::Create<Vyrcont::TVyrBitmapListItem>(nullptr);
  item->SetBitmap(&picture);
  list->Add(item);
  auto* panel = Place<Vyrctrl::TVyrBackPanel>(form, 20, 30, 150, 80);
  panel->SetImageList(list);
  auto* label = Place<TVyrLabel>(panel, 5, 7, 120, 40);
  label->SetAutoSize(false);
  label->SetColor(clRed);
  label->SetTransparent(true);
  label->GetFont()->SetSize(20);
  label->GetFont()->SetColor(clBlack);
  label->SetCaption("M     M");
  app.pump();
  ASSERT_NE(panel->GetBackImage(), nullptr);

  // On the row through the letters: from the first letter pixel to the
  // last, every other pixel is the picture's at that place.
  bool sawPicture = false;
  for (int y = 0; y < label->GetHeight(); ++y) {
    int first = -1, last = -1;
    for (int x = 0; x < label->GetWidth(); ++x)
      if (Shown(label, x, y) == clBlack) {
        if (first < 0) first = x;
        last = x;
      }
    if (first < 0 || last - first < 20) continue;
    for (int x = first; x <= last; ++x) {
      const TColor shown = Shown(label, x, y);
      EXPECT_NE(shown, Rgb(clRed)) << x << "," << y;
      if (shown == where(5 + x, 7 + y)) sawPicture = true;
    }
  }
  EXPECT_TRUE(sawPicture) << "the letters stand on the picture";
  EXPECT_EQ(Shown(label, 0, 0), where(5, 7));
}

TEST_F(LabelTest, AngleAndBitmapFaces) {
  auto* label = Place<TVyrLabel>(form, 10, 10, 100, 30);
  label->GetFont()->SetName("Arial");
  label->GetFontFx()->SetAngle(45);
  EXPECT_EQ(label->GetFontFx()->GetAngle(), 45) << "an outline face turns";
  label->GetFont()->SetName("Fixedsys");
  if (label->GetFontFx()->GetAngle() == 45) GTEST_SKIP() << "no bitmap face on this host";
  EXPECT_EQ(label->GetFontFx()->GetAngle(), 0) << "a bitmap face cannot turn";
  label->GetFontFx()->SetAngle(45);
  EXPECT_EQ(std::string(label->GetFont()->GetName().c_str()), "Arial");
}

TEST_F(LabelTest, ALabelFollowsItsFormsFontUntilItsOwnIsChanged) {
  auto* label = Place<TVyrLabel>(form, 10, 10, 100, 30);
  ASSERT_TRUE(label->GetParentFont());
  form->GetFont()->SetHeight(-20);
  EXPECT_EQ(label->GetFont()->GetHeight(), -20);
  EXPECT_TRUE(label->GetParentFont());
  form->GetFont()->SetHeight(-24);
  EXPECT_EQ(label->GetFont()->GetHeight(), -24);
  label->GetFont()->SetHeight(-9);
  EXPECT_FALSE(label->GetParentFont());
  form->GetFont()->SetHeight(-30);
  EXPECT_EQ(label->GetFont()->GetHeight(), -9);
}

TEST_F(LabelTest, LinksOpenTheirTargetAndARefusedOneGoesDead) {
  auto* link = Place<TVyrSimpleLabel>(form, 10, 10, 100, 20);
  link->SetJumpMode(TVyrJumpModes::jmInternet);
  struct Case {
    const char* caption;
    const char* jump;
    const char* opened;
  } cases[] = {{"info@host.de", "", "mailto:info@host.de"},
               {"www.host.de", "", "www.host.de"},
               {"Hilfe", "https://host.de/hilfe", "https://host.de/hilfe"}};
  for (const Case& c : cases) {
    link->SetCaption(c.caption);
    link->SetJump(c.jump);
    app.click(link, 5, 5);
    app.pump();
    EXPECT_EQ(app.host().OpenedUrls().back(), c.opened);
  }
  EXPECT_EQ(link->GetJumpMode(), TVyrJumpModes::jmInternet);
  const auto asked = app.host().Asked().size();
  app.host().RefuseUrls(true);
  app.click(link, 5, 5);
  app.pump();
  EXPECT_EQ(link->GetJumpMode(), TVyrJumpModes::jmNone);
  EXPECT_FALSE(link->GetEnabled());
  EXPECT_EQ(app.host().Asked().size(), asked) << "no message box";
}

TEST_F(LabelTest, AnOldFormsJumpFlag) {
  const std::string text = R"(object Link: TVyrSimpleLabel
  Left = 4
  Top = 4
  Width = 80
  Height = 16
  Caption = 'www.host.de'
  UseAsJump = True
end
)";
  auto* link = static_cast<TVyrSimpleLabel*>(TestSupport::ReadFormText(text, nullptr));
  EXPECT_EQ(link->GetJumpMode(), TVyrJumpModes::jmInternet);
  link->SetJumpUnderLine(false);
  EXPECT_FALSE(link->GetFont()->GetStyle().Contains(fsUnderline));
  link->SetJumpUnderLine(true);
  EXPECT_TRUE(link->GetFont()->GetStyle().Contains(fsUnderline));
  const std::string written = TestSupport::WrittenFormText(link);
  EXPECT_EQ(written.find("UseAsJump"), std::string::npos);
  EXPECT_NE(written.find("JumpMode = jmInternet"), std::string::npos) << written;
  link->Free();
}

TEST_F(LabelTest, FormTextRoundTrip) {
  auto* label = Place<TVyrLabel>(form, 10, 10, 100, 30);
  label->SetAutoSize(false);
  label->SetAlignment(TVyrAlignment::agCenterRight);
  label->SetMultiLine(true);
  label->SetOptions({TVyrLabelOption::loPathEllipsis});
  label->SetShowAccelChar(false);
  label->SetCaption("Geschwindigkeit");
  auto* copy = static_cast<TVyrLabel*>(TestSupport::ReadFormText(TestSupport::WrittenFormText(label), nullptr));
  EXPECT_FALSE(copy->GetAutoSize());
  EXPECT_EQ(copy->GetAlignment(), TVyrAlignment::agCenterRight);
  EXPECT_TRUE(copy->GetMultiLine());
  EXPECT_EQ(copy->GetOptions(), TVyrLabelOptions{TVyrLabelOption::loPathEllipsis});
  EXPECT_FALSE(copy->GetShowAccelChar());
  copy->Free();
}

}  // namespace

namespace {

class DockLabelTest : public LabelTest {
 protected:
  TWinControl* control = nullptr;
  TVyrDockLabel* label = nullptr;
  void SetUp() override {
    LabelTest::SetUp();
    control = Place<Vyrctrl::TVyrSimplePanel>(form, 100, 50, 80, 21);
    label = Place<TVyrDockLabel>(form, 0, 0, 40, 13);
    control->HandleNeeded();
  }
};

TEST_F(DockLabelTest, TheLabelSticksToEachSideAndFollows) {
  using P = TVyrDockPosition;
  struct Case {
    P position;
    bool adjust;
    TRect bounds;
  } cases[] = {{P::dpLeft, true, Bounds(59, 50, 40, 21)},
               {P::dpRight, false, Bounds(181, 50, 40, 21)},
               {P::dpBottom, true, Bounds(100, 72, 80, 21)},
               {P::dpTop, false, Bounds(100, 28, 80, 21)}};
  label->SetControl(control);
  for (const Case& c : cases) {
    label->SetPosition(c.position);
    label->SetAdjustDockedSize(c.adjust);
    label->AdjustToControl();
    EXPECT_EQ(label->GetBoundsRect(), c.bounds) << static_cast<int>(c.position);
  }
  label->SetPosition(P::dpLeft);
  control->SetBounds(200, 100, 80, 21);
  app.pump();
  EXPECT_EQ(label->GetTop(), 100) << "the move reached the label";
  EXPECT_EQ(label->GetLeft() + label->GetWidth() + 1, 200);
}

TEST_F(DockLabelTest, TwoHooksComeAndGoInEitherOrder) {
  for (bool labelFirst : {true, false}) {
    auto* second = Place<TVyrDockLabel>(form, 0, 0, 30, 13);
    label->SetControl(control);
    second->SetControl(control);
    if (labelFirst) {
      label->SetControl(nullptr);
      second->SetControl(nullptr);
    } else {
      second->SetControl(nullptr);
      label->SetControl(nullptr);
    }
    // Messages still reach the control itself.
    const std::string caption = labelFirst ? "eins" : "zwei";
    SendMessage(control->GetHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    EXPECT_EQ(std::string(control->GetCaption().c_str()), caption);
    label->SetControl(control);
    control->SetBounds(130, 70, 80, 21);
    app.pump();
    EXPECT_EQ(label->GetTop(), 70) << "hooked again after " << (labelFirst ? "label first" : "second first");
    label->SetControl(nullptr);
    second->Free();
  }
}

TEST_F(DockLabelTest, AnOldFormsAdjustSize) {
  const std::string text = R"(object Dock: TVyrDockLabel
  Left = 4
  Top = 4
  Width = 40
  Height = 13
  AdjustSize = True
end
)";
  auto* dock = static_cast<TVyrDockLabel*>(TestSupport::ReadFormText(text, nullptr));
  EXPECT_TRUE(dock->GetAdjustDockedSize());
  const std::string written = TestSupport::WrittenFormText(dock);
  EXPECT_EQ(written.find("AdjustSize ="), std::string::npos);
  EXPECT_NE(written.find("AdjustDockedSize = True"), std::string::npos);
  dock->Free();
}

}  // namespace

namespace {

// Every published class of the three units inside one form, through the
// form text, the binary stream and back: what comes out reads the same.
class AllClassesStreamingTest : public ControlsTest {
 protected:
  TUnitStartup units{{Vyrstdcs::Unit, Vyrgroup::Unit, Vyrextca::Unit}};
};

TEST_F(AllClassesStreamingTest, EveryClassComesBackWithItsValues) {
  const std::string text = R"(object Host: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  object Speed: TVyrLabel
    Left = 8
    Top = 8
    Width = 120
    Height = 16
    Alignment = agCenterRight
    AutoSize = False
    Caption = 'Geschwindigkeit'
    FontFx.Angle = 0
    MultiLine = True
    Options = [loEndEllipsis]
    ShowAccelChar = False
  end
  object Mail: TVyrSimpleLabel
    Left = 8
    Top = 30
    Width = 80
    Height = 16
    Caption = 'info@host.de'
    Jump = 'mailto:info@host.de'
    JumpMode = jmInternet
    JumpUnderline = False
  end
  object Side: TVyrDockLabel
    Left = 8
    Top = 50
    Width = 40
    Height = 13
    AdjustDockedSize = True
    Docked = False
    Margin = 3
    Position = dpTop
    ReflectOwnChanges = True
  end
  object Icon: TVyrGlyphLabel
    Left = 8
    Top = 70
    Width = 60
    Height = 20
    Alignment.Spacing = 6
    Caption = 'Bild'
  end
  object Music: TVyrCheckBox
    Left = 8
    Top = 100
    Width = 150
    Height = 17
    AllowGrayed = True
    Caption = 'Hintergrundmusik'
    Checked = True
    State = cbChecked
    GlyphNumber = 2
    ReadOnly = True
    UseBitmap = True
  end
  object Choice: TVyrRadioButton
    Left = 8
    Top = 120
    Width = 150
    Height = 17
    Caption = 'Eins'
    Checked = True
    TabStop = True
  end
  object Delay: TVyrTrackBar
    Left = 8
    Top = 140
    Width = 313
    Height = 33
    MaxValue = 5
    Position = 3
    TickLength = 8
    TickMarks = tmTopLeft
    TrackTransparent = True
  end
end
)";
  auto* form = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(text, form);
  const std::string once = TestSupport::WrittenFormText(form);
  form->Free();
  auto* again = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(once, again);
  EXPECT_EQ(TestSupport::WrittenFormText(again), once);
  for (const char* line : {"Alignment = agCenterRight", "JumpMode = jmInternet", "Position = dpTop",
                           "Alignment.Spacing = 6", "GlyphNumber = 2", "MaxValue = 5", "Position = 3",
                           "TickMarks = tmTopLeft", "Options = [loEndEllipsis]"})
    EXPECT_NE(once.find(line), std::string::npos) << line << "\n" << once;
}

}  // namespace
