#include "dialogs_color.h"

#include "dialog_fixture.h"
#include "dialogs_colorform.h"
#include "dialogs_swatches.h"
#include "stdctrls_button.h"
#include "stdctrls_edit.h"

namespace {

class ColorDialogTest : public DialogTest {
 protected:
  ColorDialogTest() {
    dialog = TObject::Create<TColorDialog>(Application);
    dialog->GetCustomColors()->SetText("FarbeA=00FF00\nFarbeB=FFFFFFFF\n[anderes]\n");
  }
  TColorSwatchGrid* Basic() { return Part<TColorSwatchGrid>(dialog, "BasicGrid"); }
  TColorSwatchGrid* Custom() { return Part<TColorSwatchGrid>(dialog, "CustomGrid"); }
  int BasicIndex(TColor c) {
    const auto& basic = TColorDialogForm::BasicColors();
    return static_cast<int>(std::find(basic.begin(), basic.end(), c) - basic.begin());
  }

  TColorDialog* dialog;
};

}  // namespace

TEST_F(ColorDialogTest, ScriptAnswersWithTheColourOrCancels) {
  dialog->SetColor(clRed);
  struct Case {
    int result;
    const char* text;
    bool confirmed;
    TColor color;
  };
  const Case cases[] = {
      {IDOK, "FF0000", true, clBlue},
      {IDOK, "", true, clBlue},
      {IDCANCEL, "00FF00", false, clBlue},
      {IDOK, "grün", false, clBlue},
  };
  for (const Case& c : cases) {
    app.host().QueueAnswer(Backend::AskAnswer{c.result, c.text});
    EXPECT_EQ(dialog->Execute(), c.confirmed) << c.text;
    EXPECT_EQ(dialog->GetColor(), c.color) << c.text;
  }
  const Backend::AskRecord& asked = app.host().Asked().front();
  EXPECT_EQ(asked.Kind, "ColorDialog");
  EXPECT_EQ(asked.Caption, "Farbe");
  EXPECT_EQ(asked.Text, "0000FF");
}

TEST_F(ColorDialogTest, AClickedSwatchAndOkGiveItsColour) {
  dialog->SetColor(0x123456);
  NoScriptAnswer();
  bool startedOnNothing = false;
  dialog->OnShow = [&](TObject*) {
    Then([&] {
      startedOnNothing = Basic()->GetSelected() < 0 && Custom()->GetSelected() < 0;
      Screenshot(dialog, "color-dialog");
      ClickOn(Basic(), Basic()->CellRect(BasicIndex(clNavy)));
      ClickOn(Part<TButton>(dialog, "OkButton"));
    });
  };
  ASSERT_TRUE(dialog->Execute());
  EXPECT_TRUE(startedOnNothing);
  EXPECT_EQ(dialog->GetColor(), clNavy);
  EXPECT_EQ(dialog->GetForm(), nullptr);
}

TEST_F(ColorDialogTest, ArrowsMoveThroughTheSwatchesEnterTakesEscapeCancels) {
  // Red stands in the third row; up is the lighter red, right of that orange.
  dialog->SetColor(clRed);
  NoScriptAnswer();
  dialog->OnShow = [&](TObject*) {
    EXPECT_EQ(Basic()->GetSelected(), BasicIndex(clRed));
    app.key(VK_UP);
    app.key(VK_RIGHT);
    app.key(VK_RETURN);
  };
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->GetColor(), TColorDialogForm::BasicColors()[9]);

  const TColor before = dialog->GetColor();
  NoScriptAnswer();
  dialog->OnShow = [&](TObject*) {
    app.key(VK_DOWN);
    app.key(VK_ESCAPE);
  };
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(dialog->GetColor(), before);
}

TEST_F(ColorDialogTest, DefinedColoursGoIntoTheCustomListAndComeBack) {
  const AnsiString untouched = dialog->GetCustomColors()->GetText();
  dialog->SetOptions({cdFullOpen});
  NoScriptAnswer();
  dialog->OnShow = [&](TObject*) {
    Then([&] { Screenshot(dialog, "color-dialog-full"); });
    EXPECT_FALSE(Part<TButton>(dialog, "DefineButton")->GetEnabled());
    EXPECT_EQ(Custom()->GetCell(0), clLime);
    EXPECT_EQ(Custom()->GetCell(1), std::nullopt);
    // Red 18, green 52, blue 86 typed into the fields, then added: the
    // first unused swatch takes it.
    for (const auto& field : {std::pair{"RedEdit", "18"}, {"GreenEdit", "52"}, {"BlueEdit", "86"}})
      Then([this, field] {
        ClickOn(Part<TEdit>(dialog, field.first));
        app.key(VK_END);
        app.key(VK_BACK);
        app.text(field.second);
      });
    Then([this] {
      ClickOn(Part<TButton>(dialog, "AddButton"));
      ClickOn(Part<TButton>(dialog, "OkButton"));
    });
  };
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->GetColor(), static_cast<TColor>(0x563412));
  TStringList want;
  want.SetText("FarbeA=00FF00\nFarbeB=563412\n[anderes]\n");
  EXPECT_EQ(dialog->GetCustomColors()->GetText(), want.GetText());

  // Cancelled, the list stays as the caller gave it.
  dialog->GetCustomColors()->SetText(untouched);
  NoScriptAnswer();
  dialog->OnShow = [&](TObject*) {
    ClickOn(Basic(), Basic()->CellRect(BasicIndex(clNavy)));
    ClickOn(Part<TButton>(dialog, "AddButton"));
    Then([&] {
      EXPECT_EQ(Custom()->GetCell(1), clNavy);
      app.key(VK_ESCAPE);
    });
  };
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(dialog->GetCustomColors()->GetText(), untouched);
}

TEST_F(ColorDialogTest, TheDefiningPartOpensOnRequestUnlessPrevented) {
  NoScriptAnswer();
  bool hiddenFirst = false, shownAfter = false;
  dialog->OnShow = [&](TObject*) {
    hiddenFirst = !Part<TEdit>(dialog, "RedEdit")->GetVisible();
    ClickOn(Part<TButton>(dialog, "DefineButton"));
    Then([&] {
      shownAfter = Part<TEdit>(dialog, "RedEdit")->GetVisible();
      app.key(VK_ESCAPE);
    });
  };
  EXPECT_FALSE(dialog->Execute());
  EXPECT_TRUE(hiddenFirst);
  EXPECT_TRUE(shownAfter);

  dialog->SetOptions({cdPreventFullOpen});
  NoScriptAnswer();
  dialog->OnShow = [&](TObject*) {
    EXPECT_FALSE(Part<TButton>(dialog, "DefineButton")->GetEnabled());
    app.key(VK_ESCAPE);
  };
  EXPECT_FALSE(dialog->Execute());
}
