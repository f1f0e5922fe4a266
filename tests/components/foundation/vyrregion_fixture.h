// The application the region and form-fill suites run under: the rows of
// the foundation as the program starts them, up to the form fill.
#pragma once

#include "drawing_fixture.h"
#include "vyrcont.h"
#include "vyrforma.h"
#include "vyrregion.h"

inline TUnitRows RegionRows() {
  return {Vyrclass::Unit, Vyrmms::Unit, Vyrcont::Unit, Vyrregion::Unit, Vyrforma::Unit};
}

class RegionTest : public DrawingTest {
 protected:
  RegionTest() : DrawingTest(RegionRows()) {}
};
