// The resource compiler reads what it compiled back into the classes: a form
// naming a class, property or value the libraries do not know stops the
// build with the file, the line and the name; the program's own form classes
// and handlers are no error.
#include <string>

#include "formc_fixture.h"

namespace {

class FormcCheck : public FormcTesting::FormcTest {};

TEST_F(FormcCheck, WhatTheLibrariesDoNotKnowStopsTheBuildAtItsLine) {
  const struct {
    const char* What;
    const char* Text;
    const char* Line;
    const char* Name;
  } cases[] = {
      {"unknown class",
       "object Form1: TForm1\n  Caption = 'x'\n  object Label1: TVyrLabl\n    Caption = 'y'\n  end\nend\n", "Zeile 3",
       "TVyrLabl"},
      {"unknown property",
       "object Form1: TForm1\n  object Label1: TVyrLabel\n    Left = 4\n    Captoin = 'y'\n  end\nend\n", "Zeile 4",
       "Captoin"},
      {"bad enumeration value",
       "object Form1: TForm1\n  object Label1: TVyrLabel\n    Alignment = taMitte\n    Left = 4\n  end\nend\n",
       "Zeile 3", "taMitte"},
      {"unknown nested property",
       "object Form1: TForm1\n  Font.Nam = 'Arial'\nend\n", "Zeile 2", "Nam"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    const Result r = Compile(c.Text);
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Output.find("w.form"), std::string::npos) << r.Output;
    EXPECT_NE(r.Output.find(c.Line), std::string::npos) << r.Output;
    EXPECT_NE(r.Output.find(c.Name), std::string::npos) << r.Output;
    EXPECT_TRUE(r.Binary.empty()) << "a refused form left its output";
  }
}

TEST_F(FormcCheck, ProgramFormClassesHandlersAndDataModulesCompile) {
  const char* forms[] = {
      // The program's own form class with its handlers and library controls.
      "object Form1: TForm1\n  Caption = 'Spiel'\n  OnCreate = FormCreate\n"
      "  object Led: TVyrLEDLabel\n    Left = 8\n  end\n"
      "  object Check: TVyrCheckBox\n    OnClick = CheckClick\n  end\nend\n",
      // A data module of the program's.
      "object Sounds: TSoundModule\n  OldCreateOrder = False\n  OnCreate = ModuleCreate\n"
      "  object Ticker: TTimer\n    Interval = 40\n  end\nend\n",
  };
  for (const char* text : forms) {
    const Result r = Compile(text);
    EXPECT_EQ(r.Status, 0) << r.Output;
    EXPECT_FALSE(r.Binary.empty());
  }
}

}  // namespace
