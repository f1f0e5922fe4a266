// The real main window, streamed from its form resource, on the headless
// host: a program folder with the game's tutorial (or a test's own worlds),
// a fresh registry, and the window shown and activated as at start-up.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "about_form.h"
#include "game_settings.h"
#include "keyboard.h"
#include "library_app.h"
#include "main_form.h"
#include "msgbox.h"
#include "paths.h"
#include "program_units.h"
#include "settings_form.h"
#include "statistics_form.h"
#include "tregistry.h"
#include "world_form.h"

class MainWindowTest : public ::testing::Test {
 protected:
  ~MainWindowTest() override {
    form = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form6 = nullptr;
    app.reset();
    SetProgramPathForTesting("");
  }

  // The application, on the program's start-up table, on a desktop of these
  // monitors (and a host of the test's own, if given), the program folder
  // holding the shipped tutorial.
  void Boot(std::vector<TRect> monitors = {TRect(0, 0, 1024, 768)}, std::unique_ptr<HeadlessHost> host = nullptr) {
    form = nullptr;
    app.reset();
    app = std::make_unique<TestSupport::LibraryApp>(ProgramUnits(), std::move(host), std::move(monitors));
    folder = app->program_folder() + "/";
    std::filesystem::create_directories(folder + "level");
    std::filesystem::copy_file(std::string(MORVANT_DATA_SOURCE) + "/level/tutorial.dat", folder + "level/tutorial.dat");
    SetProgramPathForTesting((folder + "morvant2").c_str());
  }

  // The main window created, shown and activated: the start-up has run.
  // The dialogs are created after it, as the program does.
  TForm1* Open() {
    if (!app) Boot();
    Application->CreateForm(form);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Form4);
    Application->CreateForm(Form6);
    form->Show();
    app->pump();
    return form;
  }

  void WriteFile(const std::string& relative, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(folder + relative).parent_path());
    std::ofstream(folder + relative, std::ios::binary) << bytes;
  }
  std::string ReadFile(const std::string& relative) const { return FileBytes(folder + relative); }
  // The registry file itself, as the platform keeps it under the
  // configuration folder.
  static std::string RegistryFileBytes() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    return FileBytes(std::string(config ? config : "") + "/morvant2/user.reg");
  }
  static std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Registry values, each through its own object as the game does it.
  void SetInt(const char* section, const char* name, int value) {
    TRegistryIniFile(Game::kRegistryKey).WriteInteger(section, name, value);
  }
  void SetBool(const char* section, const char* name, bool value) {
    TRegistryIniFile(Game::kRegistryKey).WriteBool(section, name, value);
  }
  int GetInt(const char* section, const char* name, int fallback = -1) {
    return TRegistryIniFile(Game::kRegistryKey).ReadInteger(section, name, fallback);
  }

  void Key(int vk) {
    app->key(vk);
    app->pump();
  }
  void Keys(std::initializer_list<int> vks) {
    for (int vk : vks) Key(vk);
  }

  std::unique_ptr<TestSupport::LibraryApp> app;
  std::string folder;
  TForm1* form = nullptr;
};
