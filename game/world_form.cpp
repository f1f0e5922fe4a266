#include "world_form.h"

#include "game_settings.h"
#include "sysutils.h"
#include "tregistry.h"
#include "world_table.h"

TForm3* Form3 = nullptr;

void TForm3::Publish(TPublisher<TForm3>& P) {
  P.Field("ListBox1", &TForm3::ListBox1);
  P.Field("VyrLabel1", &TForm3::VyrLabel1);
  P.Field("VyrLabel2", &TForm3::VyrLabel2);
  P.Field("VyrLabel3", &TForm3::VyrLabel3);
  P.Field("VyrLabel4", &TForm3::VyrLabel4);
  P.Field("VyrLabel5", &TForm3::VyrLabel5);
  P.Field("ProgressBar1", &TForm3::ProgressBar1);
  P.Field("Button1", &TForm3::Button1);
  P.Field("Button2", &TForm3::Button2);
  P.Field("VyrFormFill1", &TForm3::VyrFormFill1);
  P.Method("FormActivate", &TForm3::FormActivate);
  P.Method("ListBox1Click", &TForm3::ListBox1Click);
}

TForm3::TForm3(TComponent* AOwner) : TForm(AOwner) {}

void TForm3::FormActivate(TObject* Sender) { ListBox1Click(Sender); }

void TForm3::ListBox1Click(TObject*) {
  const int world = ListBox1->GetItemIndex();
  // With no row selected the two texts keep what they showed; the count
  // then reads a section no world writes and finds nothing.
  if (const Game::WorldRow* row = Game::WorldRowOf(world)) {
    VyrLabel3->SetCaption(row->LevelCountText);
    ProgressBar1->SetPosition(row->Difficulty);
  }
  TRegistryIniFile reg(Game::kRegistryKey);
  const AnsiString section = AnsiString("SCORE") + IntToStr(world);
  int solved = 0;
  for (int level = 0; level <= 50; ++level)
    if (reg.ReadBool(section, AnsiString("G") + IntToStr(level), false)) ++solved;
  VyrLabel4->SetCaption(IntToStr(solved));
}
