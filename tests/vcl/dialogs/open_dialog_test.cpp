#include "dialogs_open.h"

#include "dialog_fixture.h"
#include "dialogs_openform.h"
#include "fileops.h"
#include "msgbox.h"
#include "stdctrls_button.h"
#include "stdctrls_combobox.h"
#include "stdctrls_edit.h"
#include "stdctrls_label.h"
#include "stdctrls_listbox.h"

namespace {

class OpenFormTest : public DialogTest {
 protected:
  OpenFormTest() {
    dialog = TObject::Create<TOpenDialog>(Application);
    dialog->SetFilter("Morvant II Level-Datei|*.dat|Alle|*.*");
    dialog->SetDefaultExt("*.dat");
    dialog->SetOptions({ofHideReadOnly, ofPathMustExist, ofFileMustExist, ofEnableSizing});
    dialog->SetInitialDir(levels.c_str());
  }
  TEdit* Name() { return Part<TEdit>(dialog, "FileNameEdit"); }
  TListBox* Files() { return Part<TListBox>(dialog, "FileList"); }
  TListBox* Folders() { return Part<TListBox>(dialog, "FolderList"); }
  static std::vector<std::string> Lines(TListBox* list) {
    std::vector<std::string> out;
    for (int i = 0; list && i < list->GetCount(); ++i) out.push_back(list->GetItems()->GetStrings(i).str());
    return out;
  }
  // Runs the dialog on its form, with `drive` queueing the input.
  bool Run(std::function<void()> drive) {
    NoScriptAnswer();
    dialog->OnShow = [drive](TObject*) { drive(); };
    return dialog->Execute();
  }

  TOpenDialog* dialog;
};

}  // namespace

TEST_F(OpenFormTest, ScriptAnswerIsTakenFromTheInitialFolder) {
  app.host().QueueAnswer(Backend::AskAnswer{IDOK, "welt2"});
  ASSERT_TRUE(dialog->Execute());
  EXPECT_EQ(dialog->GetFileName(), AnsiString((levels + "/welt2.dat").c_str()));
  EXPECT_EQ(app.host().Asked().back().Caption, "Öffnen");
  EXPECT_EQ(app.host().Asked().back().Text, levels);
}

TEST_F(OpenFormTest, TheFormListsTheFilteredFilesAndTheFolders) {
  dialog->SetTitle("Level laden");
  std::vector<std::string> files, folders, allFiles;
  AnsiString caption, folderShown;
  std::string folderLabel;
  bool grew = false;
  EXPECT_FALSE(Run([&] {
    caption = dialog->GetForm()->GetCaption();
    folderShown = dynamic_cast<TOpenDialogForm*>(dialog->GetForm())->GetFolder();
    folderLabel = Part<TLabel>(dialog, "FolderLabel")->GetCaption().str();
    files = Lines(Files());
    folders = Lines(Folders());
    Then([&] {
      Screenshot(dialog, "open-dialog");
      // The second filter lets everything through.
      Part<TComboBox>(dialog, "FilterCombo")->SetFocus();
      app.key(VK_DOWN);
    });
    Then([&] {
      allFiles = Lines(Files());
      // The frame can be dragged wider: the lists grow with it.
      const int listWidth = Files()->GetWidth();
      TCustomForm* form = dialog->GetForm();
      form->SetBounds(form->GetLeft(), form->GetTop(), form->GetWidth() + 100, form->GetHeight() + 60);
      grew = Files()->GetWidth() > listWidth && Folders()->GetWidth() > listWidth;
      app.key(VK_ESCAPE);
    });
  }));
  EXPECT_EQ(caption, "Level laden");
  EXPECT_EQ(folderShown, AnsiString((levels + "/").c_str()));
  // The label keeps the end of a long path.
  EXPECT_TRUE(folderLabel.starts_with("…") && folderLabel.ends_with("/program/levels/")) << folderLabel;
  EXPECT_EQ(files, (std::vector<std::string>{"welt1.dat", "welt2.dat"}));
  ASSERT_GE(folders.size(), 3u);
  EXPECT_EQ(folders[0], "..");
  EXPECT_EQ(folders[1], "alt");
  EXPECT_EQ(folders[2], "[c:]");
  EXPECT_EQ(allFiles, (std::vector<std::string>{"notiz.txt", "welt1.dat", "welt2.dat"}));
  EXPECT_TRUE(grew);
}

TEST_F(OpenFormTest, ATypedNameAndEnterGiveTheFullPathWithTheDefaultExtension) {
  dialog->SetOptions(dialog->GetOptions() + TOpenOptions{ofNoChangeDir});
  ASSERT_TRUE(Run([&] {
    app.text("welt2");
    app.key(VK_RETURN);
  }));
  EXPECT_EQ(dialog->GetFileName(), AnsiString((levels + "/welt2.dat").c_str()));
  EXPECT_EQ(dialog->GetFilterIndex(), 1);
}

TEST_F(OpenFormTest, TabArrowsAndEnterWalkTheListsWithoutTheMouse) {
  dialog->SetOptions(dialog->GetOptions() + TOpenOptions{ofNoChangeDir});
  AnsiString picked;
  ASSERT_TRUE(Run([&] {
    // Into the folder list, down past ".." to "alt", Enter goes there.
    app.key(VK_TAB);
    app.key(VK_TAB);
    app.key(VK_DOWN);
    app.key(VK_DOWN);
    app.key(VK_RETURN);
    Then([&] {
      // Back to the file list: the arrow puts the file into the field.
      app.key(VK_TAB, Backend::modShift);
      app.key(VK_DOWN);
    });
    Then([&] {
      picked = Name()->GetText();
      app.key(VK_RETURN);
    });
  }));
  EXPECT_EQ(picked, "welt0.dat");
  EXPECT_EQ(dialog->GetFileName(), AnsiString((levels + "/alt/welt0.dat").c_str()));
}

TEST_F(OpenFormTest, TypedFoldersAndPatternsNavigateInsteadOfClosing) {
  std::vector<std::string> inAlt, patterned;
  ASSERT_TRUE(Run([&] {
    app.text("alt");
    app.key(VK_RETURN);
    Then([&] {
      inAlt = Lines(Files());
      app.text("../*.txt");
      app.key(VK_RETURN);
    });
    Then([&] {
      patterned = Lines(Files());
      app.key(VK_END);
      for (int i = 0; i < 8; ++i) app.key(VK_BACK);
      app.text("welt1.dat");
      app.key(VK_RETURN);
    });
  }));
  EXPECT_EQ(inAlt, (std::vector<std::string>{"welt0.dat"}));
  EXPECT_EQ(patterned, (std::vector<std::string>{"notiz.txt"}));
  EXPECT_EQ(dialog->GetFileName(), AnsiString((levels + "/welt1.dat").c_str()));
  // Without ofNoChangeDir the chosen folder became the current one.
  EXPECT_EQ(GetCurrentDir(), AnsiString(levels.c_str()));
}

TEST_F(OpenFormTest, ClicksChooseAFileAndAFolder) {
  dialog->SetOptions(dialog->GetOptions() + TOpenOptions{ofNoChangeDir});
  ASSERT_TRUE(Run([&] {
    // A double click on "alt" goes there, a click on its one file and OK take it.
    TListBox* folders = Folders();
    app.click(folders, 10, folders->ItemRect(1).top + 3);
    app.click(folders, 10, folders->ItemRect(1).top + 3);
    Then([&] {
      TListBox* files = Files();
      ClickOn(files, files->ItemRect(0));
      ClickOn(Part<TButton>(dialog, "OkButton"));
    });
  }));
  EXPECT_EQ(dialog->GetFileName(), AnsiString((levels + "/alt/welt0.dat").c_str()));
}

TEST_F(OpenFormTest, AMissingFileIsRefusedWithABoxAndEscapeKeepsTheFileName) {
  dialog->SetFileName("/früher/gewählt.dat");
  std::string refused;
  AnsiString stillShown;
  EXPECT_FALSE(Run([&] {
    app.text("fehlt.dat");
    app.key(VK_RETURN);
    Then([&] {
      stillShown = dialog->GetForm() ? Name()->GetText() : AnsiString();
      app.key(VK_ESCAPE);
    });
  }));
  ASSERT_FALSE(app.boxes().empty());
  EXPECT_NE(app.boxes().back().Text.find(levels + "/fehlt.dat"), std::string::npos);
  EXPECT_EQ(app.boxes().back().Caption, "Öffnen");
  EXPECT_EQ(stillShown, "fehlt.dat");
  EXPECT_EQ(dialog->GetFileName(), "/früher/gewählt.dat");
}

TEST_F(OpenFormTest, AnExistingFileIsOnlyTakenWhenTheUserAgreesToReplaceIt) {
  dialog->SetOptions({ofOverwritePrompt, ofNoChangeDir});
  EXPECT_TRUE(Run([&] {
    app.answer_boxes({IDNO, IDYES});
    app.text("welt1.dat");
    app.key(VK_RETURN);
    Then([&] { app.key(VK_RETURN); });
  }));
  ASSERT_EQ(app.boxes().size(), 2u);
  EXPECT_EQ(app.boxes()[0].Flags & MB_TYPEMASK, MB_YESNO);
  EXPECT_EQ(dialog->GetFileName(), AnsiString((levels + "/welt1.dat").c_str()));
}
