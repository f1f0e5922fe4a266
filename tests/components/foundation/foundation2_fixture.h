// The application the suites of the application object, the settings
// storage and the timers run under: the class library and the rows of
// vyrclass and vyrmms, as the program starts them.
#pragma once

#include <gtest/gtest.h>

#include "library_app.h"
#include "vyrclass.h"
#include "vyrmms.h"

inline TUnitRows FoundationRows() { return {Vyrclass::Unit, Vyrmms::Unit}; }

class ApplicationObjectTest : public ::testing::Test {
 protected:
  TestSupport::LibraryApp app{FoundationRows()};
};
