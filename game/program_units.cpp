#include "program_units.h"

#include "library_units.h"
#include "vyrbtn.h"
#include "vyrclass.h"
#include "vyrcombo.h"
#include "vyrcont.h"
#include "vyrctrl.h"
#include "vyrctrla.h"
#include "vyrextca.h"
#include "vyrextcs.h"
#include "vyrforma.h"
#include "vyrgrapa.h"
#include "vyrgroup.h"
#include "vyrled.h"
#include "vyrmms.h"
#include "vyrmms_buttons.h"
#include "vyrrctrl.h"
#include "vyrregion.h"
#include "vyrshapa.h"
#include "vyrstdcs.h"

TUnitRows ProgramUnits() {
  const TUnitRows components = {
      // The component library's units, one row each, after the units they need.
      Vyrclass::Unit,
      Vyrmms::Unit,
      Vyrcont::Unit,
      Vyrregion::Unit,
      Vyrforma::Unit,
      Vyrgrapa::Unit,
      Vyrctrl::Unit,
      Vyrled::Unit,
      Vyrstdcs::Unit,
      Vyrgroup::Unit,
      Vyrextca::Unit,
      Vyrcombo::Unit,
      Vyrextcs::Unit,
      Vyrbtn::Unit,
      Vyrmms::ButtonsUnit,
      Vyrctrla::Unit,
      Vyrshapa::Unit,
      Vyrrctrl::Unit,
  };
  return ConcatUnitRows(ClassLibraryUnits(), components);
}
