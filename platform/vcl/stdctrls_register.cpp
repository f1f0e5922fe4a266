#include "stdctrls_register.h"

#include "classregistry.h"
#include "comctrls_progressbar.h"
#include "comctrls_statusbar.h"
#include "comctrls_tabcontrol.h"
#include "dialogs_color.h"
#include "dialogs_open.h"
#include "extctrls_panel.h"
#include "forms_scrollbox.h"
#include "menus.h"
#include "mplayer.h"
#include "stdctrls_button.h"
#include "stdctrls_check.h"
#include "stdctrls_edit.h"
#include "stdctrls_combobox.h"
#include "stdctrls_label.h"
#include "stdctrls_listbox.h"
#include "stdctrls_radio.h"

namespace StdCtrls {

void Initialize() {
  RegisterClasses({TPanel::StaticClass(), TLabel::StaticClass(), TStatusBar::StaticClass(), TMainMenu::StaticClass(),
                   TPopupMenu::StaticClass(), TMenuItem::StaticClass(), TOpenDialog::StaticClass(),
                   TMediaPlayer::StaticClass()});
  RegisterClasses({TProgressBar::StaticClass(), TTabControl::StaticClass(), TScrollBox::StaticClass()});
  RegisterClasses({TListBox::StaticClass(), TComboBox::StaticClass()});
  RegisterClasses({TColorDialog::StaticClass()});
  RegisterClasses({TButton::StaticClass(), TCheckBox::StaticClass(), TRadioButton::StaticClass(), TEdit::StaticClass()});
}

}  // namespace StdCtrls
