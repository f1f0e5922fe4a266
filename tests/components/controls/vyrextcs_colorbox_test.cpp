// The colour list: its items from the options and the custom colours, the
// selected colour, its heights, the drawing of its rows, the colour dialog
// and its published properties.
#include <string>
#include <vector>

#include "controls_fixture.h"
#include "exceptions.h"
#include "vyrcombo.h"
#include "vyrextcs.h"
#include "vyrstdcs.h"
#include "vyrutils.h"
#include "window_pos.h"
#include "gdi.h"
#include "paint.h"
#include "msgbox.h"
#include "keyboard.h"

using namespace Vyrextcs;
using O = TVyrColorCBOption;

namespace {

class ColorBoxTest : public ControlsTest {
 public:
  TUnitStartup units{{Vyrcombo::Unit, Vyrstdcs::Unit, Vyrextcs::Unit}};
  TForm* form = nullptr;
  TVyrColorComboBox* box = nullptr;
  std::vector<std::string> events;

  void SetUp() override {
    form = NewForm(clWhite);
    box = Place<TVyrColorComboBox>(form, 10, 10, 200, 0);
    app.pump();
  }
  std::vector<std::string> Items() const {
    std::vector<std::string> out;
    for (int i = 0; i < box->GetItems()->GetCount(); ++i) out.push_back(box->GetItems()->GetStrings(i).c_str());
    return out;
  }
  void Before(TObject*, TColorDialog*) { events.push_back("before"); }
  void After(TObject*, TColorDialog* d) { events.push_back("after " + std::to_string(d->GetColor())); }
  // The field's pixels: the chosen item drawn as the box shows it, not
  // focused (no highlight).
  COLORREF FieldPixel(int x, int y) {
    HDC dc = GetDC(box->GetHandle());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(box->GetHandle(), dc);
    return c;
  }
  static COLORREF Rgb(TColor c) { return static_cast<COLORREF>(ColorToRGB(c)); }
};

}  // namespace

TEST_F(ColorBoxTest, TheOptionsChooseTheNamedColoursAndNeverNone) {
  const std::vector<std::string> standard = {"clBlack",  "clMaroon", "clGreen", "clOlive", "clNavy",   "clPurple",
                                             "clTeal",   "clGray",   "clSilver", "clRed",  "clLime",   "clYellow",
                                             "clBlue",   "clFuchsia", "clAqua",  "clWhite"};
  EXPECT_EQ(Items(), standard);
  box->SetOptions({O::coDefaultColors, O::coSystemColors});
  const std::vector<std::string> all = Items();
  ASSERT_EQ(all.size(), 41u);
  EXPECT_EQ(all[16], "clScrollBar");
  EXPECT_EQ(all[40], "clInfoBk");
  box->SetOptions({O::coSystemColors});
  EXPECT_EQ(Items().size(), 25u);
  for (const std::string& s : all) EXPECT_NE(s, "clNone");
}

TEST_F(ColorBoxTest, SelectedColorAddsAnUnlistedColourOnlyWhenAnyColourIsAllowed) {
  box->SetSelectedColor(clRed);
  EXPECT_EQ(box->GetText(), "clRed");
  EXPECT_EQ(box->GetSelectedColor(), clRed);
  box->SetSelectedColor(static_cast<TColor>(0x00123456));
  EXPECT_EQ(box->GetText(), "$00123456");
  EXPECT_EQ(Items().back(), "$00123456");
  EXPECT_EQ(box->GetSelectedColor(), static_cast<TColor>(0x00123456));
  box->SetOptions({O::coDefaultColors});
  EXPECT_EQ(Items().size(), 16u);
  box->SetSelectedColor(static_cast<TColor>(0x00654321));
  EXPECT_EQ(Items().size(), 16u);
  EXPECT_EQ(box->GetItemIndex(), -1);
  EXPECT_EQ(box->GetSelectedColor(), static_cast<TColor>(-1));
  box->SetSelectedColor(clNone);
  EXPECT_EQ(Items().size(), 16u);
}

TEST_F(ColorBoxTest, CustomColoursAreCopiedWhenTheyStartHexadecimalAndListedUnlessUnused) {
  box->SetOptions({O::coCustomColors});
  TStringList given;
  given.SetText("FarbeA=FFFFFFFF\nFarbeB=ABCDEF\nFarbeC=12\nFarbeD=XYZ\nanders=1\n");
  box->SetCustomColors(&given);
  TStringList kept;
  kept.SetText("FarbeA=FFFFFFFF\nFarbeB=ABCDEF\nFarbeC=12\n");
  EXPECT_EQ(box->GetCustomColors()->GetText(), kept.GetText());
  EXPECT_EQ(Items(), (std::vector<std::string>{"$00ABCDEF", "$00000012"}));
  // A change of the list itself rebuilds the items.
  box->GetCustomColors()->Add("FarbeP=0000FF");
  EXPECT_EQ(Items().back(), "$000000FF");
}

TEST_F(ColorBoxTest, RowsAndBoxFollowTheFontAndTheDisplayStyle) {
  ASSERT_EQ(Vyrutils::VyrGetFontHeight(box->GetFont()), 13);
  EXPECT_EQ(box->GetTextItemHeight(), 15);
  EXPECT_EQ(box->GetHeight(), 24);
  box->SetDroppedDown(true);
  RECT r;
  GetWindowRect(box->GetListHandle(), &r);
  EXPECT_EQ(r.bottom - r.top, 8 * 15 + 2);
  box->SetDroppedDown(false);
  box->SetDisplayStyle(TVyrColorCBStyle::csColor);
  EXPECT_EQ(box->GetHeight(), 25);
  box->SetDroppedDown(true);
  GetWindowRect(box->GetListHandle(), &r);
  EXPECT_EQ(r.bottom - r.top, 8 * 15 + 2);
  box->SetDroppedDown(false);
}

TEST_F(ColorBoxTest, ARowShowsItsSwatchAndNameAndTextThatIsNoColourAlone) {
  box->SetSelectedColor(clRed);
  box->Repaint();
  // The field: the item's rectangle starts 2 pixels in (left 2, top 2).
  const int left = 2, top = 2, bottom = box->GetClientHeight() - 2;
  EXPECT_EQ(FieldPixel(left + 10, top + 6), Rgb(clRed));
  EXPECT_EQ(FieldPixel(left + 21, bottom - 4), Rgb(clRed));
  EXPECT_EQ(FieldPixel(left + 24, top + 6), Rgb(clWindow));
  EXPECT_EQ(FieldPixel(left + 3, top + 6), Rgb(clWindow));
  // The text from left + 29 on: nothing of it before.
  auto inked = [&](int x0, int x1) {
    int n = 0;
    for (int x = x0; x < x1; ++x)
      for (int y = top; y < bottom; ++y) n += FieldPixel(x, y) != Rgb(clWindow) && FieldPixel(x, y) != Rgb(clRed);
    return n;
  };
  EXPECT_EQ(inked(left + 24, left + 29), 0);
  EXPECT_GT(inked(left + 29, left + 60), 0);
  // Not colours: the text alone, no swatch, nothing raised.
  for (const char* text : {"clFoo", "Pink", "$XYZ"}) {
    box->GetItems()->Add(text);
    box->SetItemIndex(box->GetItems()->IndexOf(text));
    EXPECT_NO_THROW(box->Repaint()) << text;
    EXPECT_EQ(FieldPixel(left + 10, top + 12), Rgb(clWindow)) << text;
    EXPECT_GT(inked(left + 2, left + 20), 0) << text;
    EXPECT_THROW(box->GetSelectedColor(), EConvertError) << text;
    EXPECT_THROW(box->GetColors(box->GetItemIndex()), EConvertError) << text;
  }
}

TEST_F(ColorBoxTest, TheFocusedFieldHasTheDottedFrame) {
  box->SetSelectedColor(clBlue);
  box->SetFocus();
  app.pump();
  box->Repaint();
  // The frame runs along the item's edge, over the highlight.
  const int y = box->GetClientHeight() - 3;
  int other = 0;
  for (int x = 40; x < 80; ++x) other += FieldPixel(x, y) != Rgb(clHighlight);
  EXPECT_GT(other, 10);
}

TEST_F(ColorBoxTest, TheDialogSelectsItsColourAndTellsBeforeAndAfter) {
  box->OnBeforeDialogShow = TVyrOnColorDialogEvent(this, &ColorBoxTest::Before);
  box->OnAfterDialogShow = TVyrOnColorDialogEvent(this, &ColorBoxTest::After);
  box->SetSelectedColor(clBlack);
  app.host().QueueAnswer(Backend::AskAnswer{IDOK, "0000FF"});
  EXPECT_TRUE(box->Execute());
  EXPECT_EQ(box->GetSelectedColor(), clRed);
  EXPECT_EQ(events, (std::vector<std::string>{"before", "after " + std::to_string(clRed)}));
  app.host().QueueAnswer(Backend::AskAnswer{IDCANCEL, "00FF00"});
  EXPECT_FALSE(box->Execute());
  EXPECT_EQ(box->GetSelectedColor(), clRed);
  // A right click opens it with coAllowDialog only.
  const std::size_t asked = app.host().Asked().size();
  app.click(box, 20, 8, 2);
  app.pump();
  EXPECT_EQ(app.host().Asked().size(), asked);
  box->SetOptions({O::coDefaultColors, O::coAllowAnyColor, O::coAllowDialog});
  app.host().QueueAnswer(Backend::AskAnswer{IDOK, "00FF00"});
  app.click(box, 20, 8, 2);
  app.pump();
  EXPECT_EQ(app.host().Asked().size(), asked + 1);
  EXPECT_EQ(box->GetSelectedColor(), clLime);
}

TEST_F(ColorBoxTest, ThroughAFormWhatTheBoxComputesIsNotWritten) {
  auto* host = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(R"(object Host: TForm
  object Box: TVyrColorComboBox
    Left = 4
    Top = 5
    Width = 120
    CustomColors.Strings = (
      'FarbeA=00FF80')
    DisplayStyle = csColor3DText
    DlgHelpContext = 7
    DlgOptions = [cdFullOpen]
    Options = [coDefaultColors, coCustomColors, coAllowDialog]
    Flat = True
    Text = '$0000FF80'
  end
end
)",
                            host);
  auto* read = dynamic_cast_object<TVyrColorComboBox>(host->FindComponent("Box"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetDisplayStyle(), TVyrColorCBStyle::csColor3DText);
  EXPECT_EQ(read->GetDlgHelpContext(), 7);
  EXPECT_TRUE(read->GetDlgOptions().Contains(cdFullOpen));
  EXPECT_EQ(read->GetOptions(), (TVyrColorCBOptions{O::coDefaultColors, O::coCustomColors, O::coAllowDialog}));
  EXPECT_EQ(read->GetItems()->GetCount(), 17);
  EXPECT_EQ(read->GetItems()->GetStrings(16), "$0000FF80");
  // The text came before the options that list its colour.
  EXPECT_EQ(read->GetItemIndex(), 16);
  EXPECT_TRUE(read->GetFlat());
  const std::string written = TestSupport::WrittenFormText(host);
  for (const char* line : {"DisplayStyle = csColor3DText", "DlgHelpContext = 7", "DlgOptions = [cdFullOpen]",
                           "Options = [coDefaultColors, coCustomColors, coAllowDialog]", "'FarbeA=00FF80'"})
    EXPECT_NE(written.find(line), std::string::npos) << line;
  for (const char* absent : {"Items", "ItemIndex", "ItemHeight", " Style = "})
    EXPECT_EQ(written.find(absent), std::string::npos) << absent;
  host->Free();
  auto* again = TObject::Create<TForm>(Application);
  TestSupport::ReadFormText(written, again);
  EXPECT_EQ(TestSupport::WrittenFormText(again), written);
}

TEST_F(ColorBoxTest, AColourDefinedInTheDialogFormComesBackInItsSlotAndIsListed) {
  box->SetOptions({O::coDefaultColors, O::coCustomColors, O::coAllowAnyColor});
  box->GetCustomColors()->SetText("FarbeA=00FF00\nFarbeC=12\n");
  box->OnBeforeDialogShow = [this](TObject*, TColorDialog* dialog) {
    dialog->SetOptions({cdFullOpen});
    dialog->OnShow = [this, dialog](TObject*) {
      auto part = [dialog](const char* name) { return dialog->GetForm()->FindComponent(name); };
      auto clickOn = [this](TComponent* c) {
        auto* control = dynamic_cast<TControl*>(c);
        ASSERT_NE(control, nullptr);
        app.click(control, control->GetClientRect().Width() / 2, control->GetClientRect().Height() / 2);
      };
      // Red 18, green 52, blue 86, added into the first unused slot: B.
      for (const auto& field : {std::pair{"RedEdit", "18"}, {"GreenEdit", "52"}, {"BlueEdit", "86"}}) {
        clickOn(part(field.first));
        app.key(VK_END);
        app.key(VK_BACK);
        app.key(VK_BACK);
        app.key(VK_BACK);
        app.text(field.second);
      }
      clickOn(part("AddButton"));
      clickOn(part("OkButton"));
    };
  };
  app.host().QueueAnswer(Backend::AskAnswer{0, {}});
  ASSERT_TRUE(box->Execute());
  EXPECT_EQ(box->GetCustomColors()->GetValues("FarbeB"), "563412");
  // A value the dialog cannot read stays as it was.
  EXPECT_EQ(box->GetCustomColors()->GetValues("FarbeC"), "12");
  EXPECT_NE(box->GetItems()->IndexOf("$00563412"), -1);
  EXPECT_EQ(box->GetSelectedColor(), static_cast<TColor>(0x563412));
}
