#include "dialogs.h"

#include <fstream>

#include "dialogs_open.h"
#include "msgbox.h"
#include "stdctrls_fixture.h"

TEST_F(StdCtrlsTest, ShowMessageIsABoxWithTheTextTheTitleAndAnOkButton) {
  Application->SetTitle("TALLIX MORVANT II");
  ShownForm();
  ShowMessage("Zeit abgelaufen!");
  ASSERT_EQ(app.boxes().size(), 1u);
  EXPECT_EQ(app.boxes()[0].Text, "Zeit abgelaufen!");
  EXPECT_EQ(app.boxes()[0].Caption, "TALLIX MORVANT II");
  EXPECT_EQ(app.boxes()[0].Flags & MB_TYPEMASK, MB_OK);
}

TEST_F(StdCtrlsTest, MessageDlgMapsKindAndButtonsAndReturnsTheModalResult) {
  struct Case {
    TMsgDlgType type;
    TMsgDlgButtons buttons;
    int answer;
    UINT flags;
    const char* caption;
  };
  const Case cases[] = {
      {mtConfirmation, {mbYes, mbNo}, IDNO, MB_YESNO | MB_ICONQUESTION, "Bestätigen"},
      {mtWarning, {mbYes, mbNo, mbCancel}, IDCANCEL, MB_YESNOCANCEL | MB_ICONWARNING, "Warnung"},
      {mtError, {mbOK}, IDOK, MB_OK | MB_ICONERROR, "Fehler"},
      {mtInformation, {mbOK, mbCancel}, IDOK, MB_OKCANCEL | MB_ICONINFORMATION, "Information"},
  };
  for (const Case& c : cases) app.answer_boxes({c.answer});
  for (const Case& c : cases) EXPECT_EQ(MessageDlg("Frage", c.type, c.buttons, 0), c.answer);
  ASSERT_EQ(app.boxes().size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(app.boxes()[i].Flags, cases[i].flags) << i;
    EXPECT_EQ(app.boxes()[i].Caption, cases[i].caption) << i;
  }
}

namespace {

class OpenDialogTest : public StdCtrlsTest {
 protected:
  OpenDialogTest() {
    dialog = TObject::Create<TOpenDialog>(Application);
    dialog->SetFilter("Morvant II Level-Datei|*.dat");
    dialog->SetDefaultExt("*.dat");
    dialog->SetOptions({ofHideReadOnly, ofPathMustExist, ofFileMustExist, ofEnableSizing});
    level = app.program_folder() + "/eigene.dat";
    std::ofstream(level) << "level";
  }
  void Answer(int result, const std::string& text) { app.host().QueueAnswer(Backend::AskAnswer{result, text}); }

  TOpenDialog* dialog;
  std::string level;
};

}  // namespace

TEST_F(OpenDialogTest, ScriptedAnswerBecomesTheFileNameAndCancelKeepsIt) {
  Answer(IDOK, level);
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->GetFileName(), AnsiString(level.c_str()));
  ASSERT_FALSE(app.host().Asked().empty());
  EXPECT_EQ(app.host().Asked().back().Kind, "OpenDialog");

  Answer(IDCANCEL, "");
  EXPECT_FALSE(dialog->Execute());
  EXPECT_EQ(dialog->GetFileName(), AnsiString(level.c_str()));
}

TEST_F(OpenDialogTest, DefaultExtensionIsAddedAndMissingFilesAreRefused) {
  Answer(IDOK, app.program_folder() + "/eigene");
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->GetFileName(), AnsiString(level.c_str()));

  dialog->SetFileName("");
  Answer(IDOK, app.program_folder() + "/fehlt.dat");
  EXPECT_FALSE(dialog->Execute());
  Answer(IDOK, app.program_folder() + "/kein/ordner.dat");
  EXPECT_FALSE(dialog->Execute());
  EXPECT_TRUE(dialog->GetFileName().IsEmpty());

  dialog->SetOptions({});
  Answer(IDOK, app.program_folder() + "/neu.dat");
  EXPECT_TRUE(dialog->Execute());
}
