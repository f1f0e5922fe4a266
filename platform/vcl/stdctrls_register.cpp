#include "stdctrls_register.h"

#include "classregistry.h"
#include "stdctrls_button.h"
#include "stdctrls_check.h"
#include "stdctrls_combobox.h"
#include "stdctrls_edit.h"
#include "stdctrls_label.h"
#include "stdctrls_listbox.h"
#include "stdctrls_radio.h"

namespace StdCtrls {

void Initialize() {
  RegisterClasses({TLabel::StaticClass(), TButton::StaticClass(), TCheckBox::StaticClass(), TRadioButton::StaticClass(),
                   TEdit::StaticClass(), TListBox::StaticClass(), TComboBox::StaticClass()});
}

}  // namespace StdCtrls
