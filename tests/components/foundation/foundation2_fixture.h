// The application the suites of the application object, the settings
// storage and the timers run under: the class library and the rows of
// vyrclass and vyrmms, as the program starts them.
#pragma once

#include <gtest/gtest.h>

#include "library_app_standin.h"
#include "vyrclass.h"
#include "vyrmms.h"

inline std::vector<TestSupport::StartupRow> FoundationRows() {
  return {{"Vyrclass", Vyrclass::Initialize, Vyrclass::Finalize}, {"Vyrmms", Vyrmms::Initialize, Vyrmms::Finalize}};
}

class ApplicationObjectTest : public ::testing::Test {
 protected:
  TestSupport::LibraryApp app{FoundationRows()};
};
