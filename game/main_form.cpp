#include "main_form.h"

#include "application.h"
#include "game_settings.h"
#include "level_commands.h"
#include "level_loader.h"
#include "move_rules.h"
#include "movers.h"
#include "music.h"
#include "tscreen.h"
#include "view.h"
#include "window_mode.h"

using namespace Game;

TForm1* Form1 = nullptr;

void TForm1::Publish(TPublisher<TForm1>& P) {
  P.Field("Panel4", &TForm1::Panel4);
  P.Field("Image1", &TForm1::Image1);
  P.Field("Image2", &TForm1::Image2);
  P.Field("Image3", &TForm1::Image3);
  P.Field("Image4", &TForm1::Image4);
  P.Field("Image5", &TForm1::Image5);
  P.Field("Image6", &TForm1::Image6);
  P.Field("Image7", &TForm1::Image7);
  P.Field("Image8", &TForm1::Image8);
  P.Field("Image9", &TForm1::Image9);
  P.Field("Image10", &TForm1::Image10);
  P.Field("Image11", &TForm1::Image11);
  P.Field("Image12", &TForm1::Image12);
  P.Field("Image13", &TForm1::Image13);
  P.Field("Image14", &TForm1::Image14);
  P.Field("Image15", &TForm1::Image15);
  P.Field("Image16", &TForm1::Image16);
  P.Field("Image17", &TForm1::Image17);
  P.Field("Image18", &TForm1::Image18);
  P.Field("Image19", &TForm1::Image19);
  P.Field("Image20", &TForm1::Image20);
  P.Field("Image21", &TForm1::Image21);
  P.Field("Image22", &TForm1::Image22);
  P.Field("Label2", &TForm1::Label2);
  P.Field("Label3", &TForm1::Label3);
  P.Field("Label4", &TForm1::Label4);
  P.Field("VyrLEDLabel1", &TForm1::VyrLEDLabel1);
  P.Field("VyrLEDLabel2", &TForm1::VyrLEDLabel2);
  P.Field("VyrLEDLabel3", &TForm1::VyrLEDLabel3);
  P.Field("VyrLEDLabel5", &TForm1::VyrLEDLabel5);
  P.Field("StatusBar1", &TForm1::StatusBar1);
  P.Field("Timer1", &TForm1::Timer1);
  P.Field("Timer2", &TForm1::Timer2);
  P.Field("MediaPlayer1", &TForm1::MediaPlayer1);
  P.Field("OpenDialog1", &TForm1::OpenDialog1);
  P.Field("VyrWaveComp1", &TForm1::VyrWaveComp1);
  P.Field("VyrWaveComp2", &TForm1::VyrWaveComp2);
  P.Field("VyrWaveComp3", &TForm1::VyrWaveComp3);
  P.Field("VyrWaveComp4", &TForm1::VyrWaveComp4);
  P.Field("VyrWaveComp5", &TForm1::VyrWaveComp5);
  P.Field("VyrWaveComp6", &TForm1::VyrWaveComp6);
  P.Field("MainMenu1", &TForm1::MainMenu1);
  P.Field("Level1", &TForm1::Level1);
  P.Field("Level11", &TForm1::Level11);
  P.Field("Neustart1", &TForm1::Neustart1);
  P.Field("letzteLevel1", &TForm1::letzteLevel1);
  P.Field("nchsteLevel1", &TForm1::nchsteLevel1);
  P.Field("N1", &TForm1::N1);
  P.Field("Wiederholung1", &TForm1::Wiederholung1);
  P.Field("N2", &TForm1::N2);
  P.Field("Undo1", &TForm1::Undo1);
  P.Field("Spielwelt1", &TForm1::Spielwelt1);
  P.Field("Spielweltladen1", &TForm1::Spielweltladen1);
  P.Field("EditorSpielebene1", &TForm1::EditorSpielebene1);
  P.Field("Einstellungen1", &TForm1::Einstellungen1);
  P.Field("Statistik1", &TForm1::Statistik1);
  P.Field("Hilfe1", &TForm1::Hilfe1);
  P.Field("Inhalt1", &TForm1::Inhalt1);
  P.Field("About1", &TForm1::About1);
  P.Field("N3", &TForm1::N3);
  P.Field("WebsiteItem", &TForm1::WebsiteItem);
  P.Field("PortalItem", &TForm1::PortalItem);
  P.Field("EmailItem", &TForm1::EmailItem);

  P.Method("FormActivate", &TForm1::FormActivate);
  P.Method("FormClose", &TForm1::FormClose);
  P.Method("FormKeyDown", &TForm1::FormKeyDown);
  P.Method("Timer1Timer", &TForm1::Timer1Timer);
  P.Method("Timer2Timer", &TForm1::Timer2Timer);
  P.Method("Level11Click", &TForm1::Level11Click);
  P.Method("Neustart1Click", &TForm1::Neustart1Click);
  P.Method("letzteLevel1Click", &TForm1::letzteLevel1Click);
  P.Method("nchsteLevel1Click", &TForm1::nchsteLevel1Click);
  P.Method("Wiederholung1Click", &TForm1::Wiederholung1Click);
  P.Method("Undo1Click", &TForm1::Undo1Click);
  P.Method("Spielweltladen1Click", &TForm1::Spielweltladen1Click);
  P.Method("EditorSpielebene1Click", &TForm1::EditorSpielebene1Click);
  P.Method("Einstellungen1Click", &TForm1::Einstellungen1Click);
  P.Method("Statistik1Click", &TForm1::Statistik1Click);
  P.Method("Inhalt1Click", &TForm1::Inhalt1Click);
  P.Method("About1Click", &TForm1::About1Click);
  P.Method("WebsiteItemClick", &TForm1::WebsiteItemClick);
  P.Method("PortalItemClick", &TForm1::PortalItemClick);
  P.Method("EmailItemClick", &TForm1::EmailItemClick);
}

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {}

void TForm1::AfterConstruction() {
  TForm::AfterConstruction();
  BuildBackground();
}

// ---- start-up and close ----

void TForm1::FormActivate(TObject*) {
  // Returning from a dialog activates the window again; the start-up runs
  // only the first time.
  if (startedUp_) return;
  startedUp_ = true;
  StartUp();
}

void TForm1::StartUp() {
  ReadSettings(*this);
  ApplyWindowMode();
  SetLeft(Screen->GetDesktopWidth() / 2 - GetWidth() / 2);
  SetTop(Screen->GetDesktopHeight() / 2 - GetHeight() / 2);
  ResetGameState();
  LoadWorldLevel(*this, *this);
  RedrawCells(0, 0, kBoardSize, kBoardSize);
  if (!Terminated()) Timer1->SetEnabled(true);
}

void TForm1::ApplyWindowMode() {
  const WindowMode mode = ChooseWindowMode(Screen->GetDesktopWidth(), Screen->GetDesktopHeight(), HiResMode != 0);
  if (!mode.resize) return;
  ViewMode = mode.viewMode;
  SetClientWidth(mode.clientWidth);
  SetClientHeight(mode.clientHeight);
  Panel4->SetWidth(mode.viewWidth + 2);
  Panel4->SetHeight(mode.viewHeight + 2);
  Image4->SetWidth(mode.viewWidth);
  Image4->SetHeight(mode.viewHeight);
  if (!mode.sideColumnMoved) return;
  for (TImage* indicator : {Image9, Image10, Image11, Image12}) indicator->SetLeft(868);
  Image20->SetLeft(874);
  VyrLEDLabel1->SetLeft(874);
  VyrLEDLabel2->SetLeft(856);
  VyrLEDLabel3->SetLeft(856);
  VyrLEDLabel5->SetLeft(846);
  Label2->SetLeft(860);
  Label3->SetLeft(863);
  Label4->SetLeft(852);
}

void TForm1::ResetGameState() {
  TGameState& s = *this;
  ResetAttempt(s);
  s.PlayerX = s.PlayerY = 0;
  s.FacingRight = 1;
  s.Floor = 0;
  s.EditorLevel = 0;
  s.Steps = 0;
  s.ReplayRunning = 0;
  for (auto& floor : s.Cells)
    for (auto& column : floor)
      for (Integer& cell : column) cell = 0;
}

void TForm1::FormClose(TObject*, TCloseAction&) {
  // A second close request while the first is still being handled saves
  // nothing more: the steps of this attempt are counted once.
  if (closing_) return;
  closing_ = true;
  try {
    SaveOnClose(*this);
  } catch (Exception& e) {
    // The window closes all the same; the player learns why nothing was
    // saved.
    Application->ShowException(&e);
  }
}

// ---- keys and timers ----

void TForm1::FormKeyDown(TObject*, Word& Key, TShiftState) { HandleKey(*this, *this, Key); }

void TForm1::Timer1Timer(TObject*) { MoverTick(*this, *this); }

void TForm1::Timer2Timer(TObject*) { MusicTick(*this, *this, musicFailed_); }

// ---- the counters ----

void TForm1::ShowCounters() {
  // Each display pads its number to its own Digits.
  if (VyrLEDLabel1) VyrLEDLabel1->SetValue(Floor + 1);
  if (VyrLEDLabel2) VyrLEDLabel2->SetValue(LevelNumber);
  if (VyrLEDLabel3) VyrLEDLabel3->SetValue(ExitsTotal - ExitsTaken);
  if (VyrLEDLabel5) VyrLEDLabel5->SetValue(Steps);
}
