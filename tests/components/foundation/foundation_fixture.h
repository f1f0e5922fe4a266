// The application the foundation suites run under: the class library's
// start-up rows suffice for these units.
#pragma once

#include <gtest/gtest.h>

#include "forms.h"
#include "library_app.h"

class FoundationTest : public ::testing::Test {
 protected:
  TestSupport::LibraryApp app{TUnitRows{}};
};
