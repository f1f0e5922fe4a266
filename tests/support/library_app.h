// The application under the headless host, for the suites that drive real
// forms, started from the class library's rows of the start-up table and
// the rows the test names (a component test names its own units' rows;
// rows of the class library or named twice run once):
//
//   TestSupport::LibraryApp app({Vyrclass::Unit, Vyrmms::Unit});
//
// A fresh configuration, runtime, temporary and program folder per
// test, the Application and Screen objects, forms, input, the virtual
// clock, scripted answers to message boxes and the recorded sounds. When
// the test has failed, every window is saved as a PNG in the working
// folder, named after the test, so that a failure can be looked at.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "application.h"
#include "headless_host_helper.h"
#include "library_units.h"
#include "queue_internal.h"
#include "tscreen.h"

namespace TestSupport {

class LibraryApp {
 public:
  explicit LibraryApp(const TUnitRows& rows, std::vector<TRect> monitors = {TRect(0, 0, 1024, 768)})
      : LibraryApp(rows, nullptr, std::move(monitors)) {}

  // The same on a host of the test's own, such as an AudioRecordingHost
  // without wave devices; nullptr: the plain headless host.
  LibraryApp(const TUnitRows& rows, std::unique_ptr<HeadlessHost> ownHost,
             std::vector<TRect> monitors = {TRect(0, 0, 1024, 768)}) {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvant-app-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    for (const char* sub : {"config", "runtime", "tmp", "program"})
      std::filesystem::create_directories(root_ + "/" + sub);
    SetEnv("XDG_CONFIG_HOME", root_ + "/config");
    SetEnv("XDG_RUNTIME_DIR", root_ + "/runtime");
    SetEnv("TMPDIR", root_ + "/tmp");
    host_ = &InstallHeadlessHost();
    if (ownHost) {
      host_ = ownHost.get();
      Backend::InstallHost(std::move(ownHost));
    }
    host_->SetDisplays(std::move(monitors));
    units_.emplace(ConcatUnitRows(ClassLibraryUnits(), rows));
  }

  ~LibraryApp() {
    if (::testing::Test::HasFailure()) SaveWindows();
    units_.reset();
    DestroyAllWindows();
    for (auto it = env_.rbegin(); it != env_.rend(); ++it) {
      if (it->old)
        ::setenv(it->name.c_str(), it->old->c_str(), 1);
      else
        ::unsetenv(it->name.c_str());
    }
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  LibraryApp(const LibraryApp&) = delete;
  LibraryApp& operator=(const LibraryApp&) = delete;

  HeadlessHost& host() { return *host_; }
  // A folder the program's files may be laid in, as beside an executable.
  std::string program_folder() const { return root_ + "/program"; }

  // A form of class T owned by the application, streamed and created.
  template <class T>
  T* create_form() {
    return TObject::Create<T>(Application);
  }

  // A key press (down and up) on the focused window, with what it types.
  void key(int vk, unsigned modifiers = 0, const std::string& typed = "") { host_->PostKey(vk, modifiers, typed); }
  void text(const std::string& typed) { host_->PostText(typed); }
  // A left click at a point of the control's client area.
  void click(TControl* control, int x, int y, int button = 1) {
    const TPoint p = control->ClientToScreen(TPoint(x, y));
    host_->PostClick(p.x, p.y, button);
  }

  // Handles everything queued, paintable or due, with the clock standing.
  void pump() {
    for (int round = 0; round < 100; ++round) {
      Application->ProcessMessages();
      if (!host_->EventsPending()) return;
    }
  }

  // Moves the virtual clock forward by ms, stopping at each timer that
  // falls due on the way and pumping there.
  void advance(std::uint64_t ms) {
    const std::uint64_t end = ClockNowMs() + ms;
    pump();
    for (;;) {
      const std::uint64_t now = ClockNowMs();
      const std::uint64_t due = WindowManager::NextTimerDue();
      const std::uint64_t next = std::min(due, end);
      if (next > now) ClockAdvance(next - now);
      pump();
      if (next >= end) return;
    }
  }

  // Pumps until done() holds or real_ms of real time have passed, for
  // workers that follow the virtual clock on threads of their own (a
  // high-resolution timer's thread or multimedia timer): after an advance()
  // their tick arrives shortly, not at once. True when done() held.
  template <class Done>
  bool pump_until(Done done, int real_ms) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(real_ms);
    for (;;) {
      pump();
      if (done()) return true;
      if (std::chrono::steady_clock::now() > giveUp) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

  // Answers for the next boxes, in order (IDOK once they run out).
  void answer_boxes(std::initializer_list<int> results) {
    for (int r : results) host_->QueueAnswer(Backend::AskAnswer{r, {}});
  }
  std::vector<Backend::AskRecord> boxes() const {
    std::vector<Backend::AskRecord> out;
    for (const Backend::AskRecord& r : host_->Asked())
      if (r.Kind == "MessageBox") out.push_back(r);
    return out;
  }
  const std::vector<std::vector<std::uint8_t>>& sounds() const { return host_->PlayedWaves(); }

 private:
  struct SavedEnv {
    std::string name;
    std::optional<std::string> old;
  };

  void SetEnv(const char* name, const std::string& value) {
    SavedEnv saved{name, std::nullopt};
    if (const char* old = std::getenv(name)) saved.old = old;
    env_.push_back(saved);
    ::setenv(name, value.c_str(), 1);
  }

  void SaveWindows() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string base = info ? std::string(info->test_suite_name()) + "." + info->name() : "test";
    std::replace(base.begin(), base.end(), '/', '_');
    int n = 0;
    for (HWND h : WindowManager::TopLevelWindows())
      if (GetWindowSurface(h)) SaveWindowPng(h, base + "-window" + std::to_string(n++) + ".png");
  }

  std::string root_;
  HeadlessHost* host_ = nullptr;
  std::optional<TUnitStartup> units_;
  std::vector<SavedEnv> env_;
};

}  // namespace TestSupport
