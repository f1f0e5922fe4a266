// The menu's commands. The level and world commands do nothing while a
// replay runs (the rules test that); the dialogs' items show their forms.
#include <algorithm>

#include "about_form.h"
#include "application.h"
#include "level_commands.h"
#include "level_loader.h"
#include "main_form.h"
#include "settings_form.h"
#include "shell.h"
#include "tregistry.h"
#include "game_settings.h"
#include "statistics_form.h"
#include "world_form.h"
#include "world_table.h"

using namespace Game;

namespace {

// Addresses of the reserved example domain stand in for the maker's.
constexpr const char* kWebsite = "https://www.tallix-software.example/";
constexpr const char* kPortal = "https://spiele-portal.example/tallix-morvant-2";
constexpr const char* kEmail = "mailto:info@tallix-software.example";

void Open(HWND window, const AnsiString& target) {
  // No browser or mail program: nothing to tell the player.
  ShellExecute(window, "open", target.c_str(), nullptr, nullptr, 10);
}

}  // namespace

void TForm1::Level11Click(TObject*) { FirstLevelCommand(*this, *this); }
void TForm1::Neustart1Click(TObject*) { RestartLevelCommand(*this, *this); }
void TForm1::letzteLevel1Click(TObject*) { PreviousLevelCommand(*this, *this); }
void TForm1::nchsteLevel1Click(TObject*) { NextLevelCommand(*this, *this); }
void TForm1::Wiederholung1Click(TObject*) { ReplayCommand(*this, *this); }
void TForm1::Undo1Click(TObject*) { UndoCommand(*this, *this); }

void TForm1::EditorSpielebene1Click(TObject*) {
  if (ReplayRunning) return;
  if (!OpenDialog1->Execute()) return;
  LoadEditorLevel(*this, *this, OpenDialog1->GetFileName());
  RedrawCells(0, 0, kBoardSize, kBoardSize);
}

void TForm1::Spielweltladen1Click(TObject*) {
  if (ReplayRunning) return;
  Form3->ListBox1->Clear();
  for (const WorldRow& row : WorldTable) Form3->ListBox1->GetItems()->Add(row.ChooserTitle);
  // A stale world index selects nothing rather than raising.
  Form3->ListBox1->SetItemIndex(WorldRowOf(WorldIndex) ? WorldIndex : -1);
  if (Form3->ShowModal() != mrOk) return;
  WorldIndex = std::max(Form3->ListBox1->GetItemIndex(), 0);
  LevelNumber = 1;
  LoadWorldLevel(*this, *this);
  RedrawCells(0, 0, kBoardSize, kBoardSize);
}

void TForm1::Einstellungen1Click(TObject*) {
  // A stored speed that is no power of two leaves the bar where it was.
  for (int position = 0; position <= 5; ++position)
    if (ScrollSpeed == 1 << position) Form4->VyrTrackBar1->SetPosition(position);
  Form4->VyrTrackBar2->SetPosition(ReplayDelay / 50);
  Form4->VyrCheckBox1->SetChecked(SoundOn);
  Form4->VyrCheckBox5->SetChecked(MusicOn);
  Form4->VyrCheckBox2->SetChecked(AvoidScrolling);
  Form4->VyrCheckBox3->SetChecked(NoEndDialogs);
  Form4->VyrCheckBox4->SetChecked(HiResMode);
  if (Form4->ShowModal() != mrOk) return;
  // The new values act before they are written, so a failing write still
  // leaves them in force.
  ScrollSpeed = 1 << Form4->VyrTrackBar1->GetPosition();
  ReplayDelay = 50 * Form4->VyrTrackBar2->GetPosition();
  SoundOn = Form4->VyrCheckBox1->GetChecked();
  NoEndDialogs = Form4->VyrCheckBox3->GetChecked();
  AvoidScrolling = Form4->VyrCheckBox2->GetChecked();
  HiResMode = Form4->VyrCheckBox4->GetChecked();
  MusicOn = Form4->VyrCheckBox5->GetChecked();
  {
    TRegistryIniFile reg(kRegistryKey);
    reg.WriteInteger("SETUP", "SCROLLSPEED", ScrollSpeed);
    reg.WriteBool("SETUP", "SOUND", SoundOn);
    reg.WriteInteger("SETUP", "DELAY", ReplayDelay);
    reg.WriteBool("SETUP", "DIALOGE", NoEndDialogs);
    reg.WriteBool("SETUP", "SCROLLING", AvoidScrolling);
    reg.WriteBool("SETUP", "HIRES", HiResMode);
    reg.WriteBool("SETUP", "MUSIK", MusicOn);
  }
  if (!MusicOn) {
    if (MediaPlayer1->GetMode() != mpNotReady) MediaPlayer1->Stop();
  } else {
    musicFailed_ = false;  // the next tick tries to open a tune again
  }
}
void TForm1::Statistik1Click(TObject*) { Form6->ShowModal(); }
void TForm1::About1Click(TObject*) { Form2->ShowModal(); }

void TForm1::Inhalt1Click(TObject*) {
  // The help page beside the program when it is there, else the web page.
  const AnsiString page = ProgramFolder() + "morvant.htm";
  Open(GetHandle(), FileExists(page) ? page : AnsiString(kWebsite));
}

void TForm1::WebsiteItemClick(TObject*) { Open(GetHandle(), kWebsite); }
void TForm1::PortalItemClick(TObject*) { Open(GetHandle(), kPortal); }
void TForm1::EmailItemClick(TObject*) { Open(GetHandle(), kEmail); }
