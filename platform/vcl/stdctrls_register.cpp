#include "stdctrls_register.h"

#include "classregistry.h"
#include "comctrls_statusbar.h"
#include "extctrls_panel.h"
#include "stdctrls_label.h"

namespace StdCtrls {

void Initialize() {
  RegisterClasses({TPanel::StaticClass(), TLabel::StaticClass(), TStatusBar::StaticClass()});
}

}  // namespace StdCtrls
