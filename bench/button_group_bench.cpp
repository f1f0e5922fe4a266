// bench-libs: morvant_controls morvant_backend_headless
// Check groups with many items on the headless host: a group of 400 items
// read from form text (the goal: under 50 ms), the same for 3000 to show
// how it grows, and items added one at a time to a shown group, each Add
// laying out every item anew.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "application.h"
#include "formres.h"
#include "formtext.h"
#include "forms.h"
#include "headless_host.h"
#include "library_units.h"
#include "streams.h"
#include "unitstartup.h"
#include "vyrclass.h"
#include "vyrcont.h"
#include "vyrctrl.h"
#include "vyrgroup.h"
#include "vyrregion.h"

namespace {

void StartOnce() {
  static const bool started = [] {
    InstallHeadlessHost();
    // Running for the whole program, which ends without finalising them.
    new TUnitStartup(ConcatUnitRows(ClassLibraryUnits(), {Vyrclass::Unit, Vyrcont::Unit, Vyrregion::Unit,
                                                          Vyrctrl::Unit, Vyrgroup::Unit}));
    return true;
  }();
  (void)started;
}

// A form holding a check group of Count items, as a form stream holds it.
TMemoryStream* FormStream(int Count) {
  std::string text =
      "object GroupForm: TForm\n  Left = 0\n  Top = 0\n  Width = 640\n  Height = 480\n"
      "  object Group: TVyrCheckGroup\n    Left = 10\n    Top = 10\n    Width = 600\n    Height = 450\n"
      "    Caption = 'Punkte'\n    Columns = 4\n    Items.Strings = (";
  for (int i = 0; i < Count; ++i) text += "\n      'Punkt " + std::to_string(i) + "'";
  text += ")\n    Value = 5\n  end\nend\n";
  TStringStream source{AnsiString(text.c_str())};
  auto* binary = new TMemoryStream;
  ObjectTextToBinary(&source, binary);
  return binary;
}

// Read, shown and painted.
void BM_CheckGroupFromFormText(benchmark::State& state) {
  StartOnce();
  const int count = static_cast<int>(state.range(0));
  std::unique_ptr<TMemoryStream> binary(FormStream(count));
  for (auto _ : state) {
    binary->SetPosition(0);
    auto* form = TObject::Create<TForm>(Application);
    ReadComponentFromStream(binary.get(), form);
    form->Show();
    Application->ProcessMessages();
    form->Free();
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_CheckGroupFromFormText)->Arg(400)->Arg(3000)->Unit(benchmark::kMillisecond);

// The group on a shown form, so that every item has a window to paint.
void BM_CheckGroupItemsAddShown(benchmark::State& state) {
  StartOnce();
  const int count = static_cast<int>(state.range(0));
  auto* form = TObject::Create<TForm>(Application);
  form->SetBounds(0, 0, 640, 480);
  form->Show();
  Application->ProcessMessages();
  for (auto _ : state) {
    auto* group = TObject::Create<Vyrgroup::TVyrCheckGroup>(form);
    group->SetParent(form);
    group->SetBounds(10, 10, 600, 450);
    group->SetColumns(4);
    for (int i = 0; i < count; ++i) group->GetItems()->Add(AnsiString("Punkt ") + AnsiString(i));
    Application->ProcessMessages();
    group->Free();
  }
  form->Free();
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_CheckGroupItemsAddShown)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
