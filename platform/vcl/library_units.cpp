#include "library_units.h"

#include "classregistry.h"
#include "colorident.h"
#include "colors.h"
#include "comctrls_progressbar.h"
#include "comctrls_statusbar.h"
#include "comctrls_tabcontrol.h"
#include "dialogs_color.h"
#include "dialogs_open.h"
#include "extctrls_panel.h"
#include "graphic_files.h"
#include "menus.h"
#include "mplayer.h"
#include "timage.h"
#include "ttimer.h"

namespace Graphics {
// The colour names of form streams ("clBtnFace") live in the graphics
// module, which the streams below it cannot name; so do the layouts in
// which pictures named by file in form text are stored.
void Initialize() {
  RegisterColorIdents(&ColorToIdent, &IdentToColor);
  RegisterGraphicFileProperties();
}
}  // namespace Graphics

namespace ExtCtrls {
void Initialize() { RegisterClasses({TPanel::StaticClass(), TTimer::StaticClass(), TImage::StaticClass()}); }
}  // namespace ExtCtrls

namespace ComCtrls {
void Initialize() {
  RegisterClasses({TStatusBar::StaticClass(), TProgressBar::StaticClass(), TTabControl::StaticClass()});
}
}  // namespace ComCtrls

namespace Menus {
void Initialize() { RegisterClasses({TMainMenu::StaticClass(), TPopupMenu::StaticClass(), TMenuItem::StaticClass()}); }
}  // namespace Menus

namespace Dialogs {
void Initialize() { RegisterClasses({TOpenDialog::StaticClass(), TColorDialog::StaticClass()}); }
}  // namespace Dialogs

namespace MPlayer {
void Initialize() { RegisterClasses({TMediaPlayer::StaticClass()}); }
}  // namespace MPlayer

const TUnitRows& ClassLibraryUnits() {
  static const TUnitRows rows{Graphics::Unit, Forms::Unit,    ExtCtrls::Unit, StdCtrls::Unit, ComCtrls::Unit,
                              Menus::Unit,    ActnList::Unit, Dialogs::Unit,  MPlayer::Unit};
  return rows;
}
