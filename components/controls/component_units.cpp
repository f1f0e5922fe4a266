#include "component_units.h"

#include "vyrbtn.h"
#include "vyrcctrl.h"
#include "vyrclass.h"
#include "vyrcombo.h"
#include "vyrconst.h"
#include "vyrcont.h"
#include "vyrctrl.h"
#include "vyrctrla.h"
#include "vyrextca.h"
#include "vyrextcs.h"
#include "vyrforma.h"
#include "vyrglyph.h"
#include "vyrgrapa.h"
#include "vyrgraph.h"
#include "vyrgrlf.h"
#include "vyrgroup.h"
#include "vyrled.h"
#include "vyrmms.h"
#include "vyrmms_buttons.h"
#include "vyrprocs.h"
#include "vyrrctrl.h"
#include "vyrregion.h"
#include "vyrshapa.h"
#include "vyrstdcs.h"
#include "vyrsysin.h"
#include "vyrutils.h"

const TUnitRows& ComponentLibraryUnits() {
  static const TUnitRows rows = {
      // Foundation: ids and procedures, the library's application object,
      // drawing and utility routines, then the non-visual components.
      Vyrconst::Unit,
      Vyrprocs::Unit,
      Vyrsysin::Unit,
      Vyrclass::Unit,
      Vyrgraph::Unit,
      Vyrutils::Unit,
      Vyrmms::Unit,
      Vyrcont::Unit,
      Vyrglyph::Unit,
      Vyrgrlf::Unit,
      Vyrregion::Unit,
      Vyrforma::Unit,
      Vyrgrapa::Unit,
      // Controls: the base controls, then those built on them.
      Vyrcctrl::Unit,
      Vyrctrl::Unit,
      Vyrled::Unit,
      Vyrstdcs::Unit,
      Vyrgroup::Unit,
      Vyrctrla::Unit,
      Vyrextca::Unit,
      Vyrcombo::Unit,
      Vyrbtn::Unit,
      Vyrextcs::Unit,
      Vyrmms::ButtonsUnit,
      Vyrshapa::Unit,
      Vyrrctrl::Unit,
  };
  return rows;
}
