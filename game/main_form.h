// The game's main window: the board view, the counters beside it, the menu,
// the timers of the movers and the music. It holds the state of the game in
// progress (it is a TGameState) and is the host the rules draw, sound and
// store through.
#pragma once

#include "comctrls_statusbar.h"
#include "dialogs_open.h"
#include "extctrls_panel.h"
#include "forms.h"
#include "game_host.h"
#include "game_state.h"
#include "menus.h"
#include "mplayer.h"
#include "stdctrls_label.h"
#include "timage.h"
#include "ttimer.h"
#include "vyrled.h"
#include "vyrmms.h"

class TForm1 : public TForm, public TGameState, public GameHost {
  MORVANT_COMPONENT(TForm1, TForm)
 public:
  explicit TForm1(TComponent* AOwner);
  // Builds the background texture once the pictures are streamed.
  void AfterConstruction() override;

  // The components of the form resource.
  TPanel* Panel4 = nullptr;
  TImage* Image4 = nullptr;
  TImage* Image1 = nullptr;
  TImage* Image2 = nullptr;
  TImage* Image3 = nullptr;
  TImage* Image5 = nullptr;
  TImage* Image6 = nullptr;
  TImage* Image7 = nullptr;
  TImage* Image8 = nullptr;
  TImage* Image9 = nullptr;
  TImage* Image10 = nullptr;
  TImage* Image11 = nullptr;
  TImage* Image12 = nullptr;
  TImage* Image13 = nullptr;
  TImage* Image14 = nullptr;
  TImage* Image15 = nullptr;
  TImage* Image16 = nullptr;
  TImage* Image17 = nullptr;
  TImage* Image18 = nullptr;
  TImage* Image19 = nullptr;
  TImage* Image20 = nullptr;
  TImage* Image21 = nullptr;
  TImage* Image22 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  // The four counters: exits left, floor, level, steps.
  Vyrled::TVyrLEDLabel* VyrLEDLabel1 = nullptr;
  Vyrled::TVyrLEDLabel* VyrLEDLabel2 = nullptr;
  Vyrled::TVyrLEDLabel* VyrLEDLabel3 = nullptr;
  Vyrled::TVyrLEDLabel* VyrLEDLabel5 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TTimer* Timer1 = nullptr;
  TTimer* Timer2 = nullptr;
  TMediaPlayer* MediaPlayer1 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;
  // The six sound effects (see PlayGameSound).
  Vyrmms::TVyrWaveComp* VyrWaveComp1 = nullptr;
  Vyrmms::TVyrWaveComp* VyrWaveComp2 = nullptr;
  Vyrmms::TVyrWaveComp* VyrWaveComp3 = nullptr;
  Vyrmms::TVyrWaveComp* VyrWaveComp4 = nullptr;
  Vyrmms::TVyrWaveComp* VyrWaveComp5 = nullptr;
  Vyrmms::TVyrWaveComp* VyrWaveComp6 = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* Level1 = nullptr;
  TMenuItem* Level11 = nullptr;
  TMenuItem* Neustart1 = nullptr;
  TMenuItem* letzteLevel1 = nullptr;
  TMenuItem* nchsteLevel1 = nullptr;
  TMenuItem* N1 = nullptr;
  TMenuItem* Wiederholung1 = nullptr;
  TMenuItem* N2 = nullptr;
  TMenuItem* Undo1 = nullptr;
  TMenuItem* Spielwelt1 = nullptr;
  TMenuItem* Spielweltladen1 = nullptr;
  TMenuItem* EditorSpielebene1 = nullptr;
  TMenuItem* Einstellungen1 = nullptr;
  TMenuItem* Statistik1 = nullptr;
  TMenuItem* Hilfe1 = nullptr;
  TMenuItem* Inhalt1 = nullptr;
  TMenuItem* About1 = nullptr;
  TMenuItem* N3 = nullptr;
  TMenuItem* WebsiteItem = nullptr;
  TMenuItem* PortalItem = nullptr;
  TMenuItem* EmailItem = nullptr;

  // Handlers bound by the form resource.
  void FormActivate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
  void Timer1Timer(TObject* Sender);
  void Timer2Timer(TObject* Sender);
  void Level11Click(TObject* Sender);
  void Neustart1Click(TObject* Sender);
  void letzteLevel1Click(TObject* Sender);
  void nchsteLevel1Click(TObject* Sender);
  void Wiederholung1Click(TObject* Sender);
  void Undo1Click(TObject* Sender);
  void Spielweltladen1Click(TObject* Sender);
  void EditorSpielebene1Click(TObject* Sender);
  void Einstellungen1Click(TObject* Sender);
  void Statistik1Click(TObject* Sender);
  void Inhalt1Click(TObject* Sender);
  void About1Click(TObject* Sender);
  void WebsiteItemClick(TObject* Sender);
  void PortalItemClick(TObject* Sender);
  void EmailItemClick(TObject* Sender);

  // The host the rules run on.
  void RedrawCells(int x1, int y1, int x2, int y2) override;
  void ProcessMessages() override;
  void PlayGameSound(int id) override;
  void ShowCounters() override;
  void SetCaption(const AnsiString& text) override;
  void SetStatusText(const AnsiString& text) override;
  void ShowMessage(const AnsiString& text) override;
  AnsiString ProgramFolder() override;
  bool ReadFile(const AnsiString& path, std::string& bytes) override;
  bool WriteFileReplacing(const AnsiString& path, const std::string& bytes) override;
  bool FileExists(const AnsiString& path) override;
  void AddStatistics(int moves, bool countAttempt) override;
  bool IsLevelSolved(int world, int level) override;
  bool RecordSolution(int world, int level, int steps) override;
  void SetMoverTimerEnabled(bool enabled) override;
  void Sleep(int milliseconds) override;
  int Random() override;
  bool Terminated() const override;
  bool MusicPlaying() override;
  bool PlayMusic(const AnsiString& path) override;

  // True once the start-up of the first activation has run.
  bool StartedUp() const { return startedUp_; }

 private:
  // The start-up steps of the first activation.
  void StartUp();
  void ApplyWindowMode();
  void ResetGameState();
  void BuildBackground();
  // A sprite onto the board picture: the mask ANDed, the picture ORed.
  void DrawMasked(TImage* mask, TImage* picture, const TRect& source, const TRect& dest);
  void DrawCell(int x, int y);

  bool startedUp_ = false;
  bool closing_ = false;
  // The media player failed once: no more tunes until the program starts
  // again or music is switched on anew.
  bool musicFailed_ = false;
};

extern TForm1* Form1;
