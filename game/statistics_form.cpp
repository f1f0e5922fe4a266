#include "statistics_form.h"

#include "game_settings.h"
#include "sysutils.h"

TForm6* Form6 = nullptr;

void TForm6::Publish(TPublisher<TForm6>& P) {
  P.Field("Label1", &TForm6::Label1);
  P.Field("Label2", &TForm6::Label2);
  P.Field("Label3", &TForm6::Label3);
  P.Field("Label4", &TForm6::Label4);
  P.Field("Label5", &TForm6::Label5);
  P.Field("Label6", &TForm6::Label6);
  P.Field("Label7", &TForm6::Label7);
  P.Field("Label8", &TForm6::Label8);
  P.Field("Label9", &TForm6::Label9);
  P.Field("Label10", &TForm6::Label10);
  P.Field("Label11", &TForm6::Label11);
  P.Field("Label12", &TForm6::Label12);
  P.Field("Button1", &TForm6::Button1);
  P.Method("FormActivate", &TForm6::FormActivate);
}

TForm6::TForm6(TComponent* AOwner) : TForm(AOwner) {}

namespace {

constexpr std::int64_t kLevelsInAllWorlds = 280;

// Integer division that drops the remainder, "0" when nothing is solved.
AnsiString PerSolved(std::int64_t amount, std::int64_t solved) {
  return solved == 0 ? AnsiString("0") : IntToStr(amount / solved);
}

}  // namespace

void TForm6::FormActivate(TObject*) {
  for (TLabel* value : {Label6, Label7, Label8, Label9, Label10, Label12}) value->SetCaption("");
  const Game::TGameStatistics stats = Game::ReadStatistics();
  Label6->SetCaption(IntToStr(stats.Solved) + " von 280 (" + IntToStr(stats.Solved * 100 / kLevelsInAllWorlds) +
                     " %)");
  Label7->SetCaption(IntToStr(stats.BestSteps));
  Label8->SetCaption(PerSolved(stats.BestSteps, stats.Solved));
  Label9->SetCaption(IntToStr(stats.Steps));
  Label10->SetCaption(IntToStr(stats.Attempts));
  Label12->SetCaption(PerSolved(stats.Attempts, stats.Solved));
}
