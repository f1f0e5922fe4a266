// The application the region and form-fill suites run under: the rows of
// the foundation as the program starts them, with the region unit.
#pragma once

#include "drawing_fixture.h"
#include "vyrregion.h"

inline TUnitRows RegionRows() { return {Vyrclass::Unit, Vyrmms::Unit, Vyrregion::Unit}; }

class RegionTest : public DrawingTest {
 protected:
  RegionTest() : DrawingTest(RegionRows()) {}
};
