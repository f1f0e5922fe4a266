// The application the foundation suites run under, with a fresh form for
// the tests that need an owner.
#pragma once

#include <gtest/gtest.h>

#include "forms.h"
#include "headless_app.h"

class FoundationTest : public ::testing::Test {
 protected:
  TestSupport::HeadlessApp app;
};
