// A form with one of each standard control, a main menu and a popup menu:
// a look at the class library in a real window.
#pragma once

#include "comctrls_progressbar.h"
#include "comctrls_statusbar.h"
#include "comctrls_tabcontrol.h"
#include "dialogs_color.h"
#include "dialogs_open.h"
#include "extctrls_panel.h"
#include "forms.h"
#include "forms_scrollbox.h"
#include "menus.h"
#include "stdctrls_button.h"
#include "stdctrls_check.h"
#include "stdctrls_combobox.h"
#include "stdctrls_edit.h"
#include "stdctrls_label.h"
#include "stdctrls_listbox.h"
#include "stdctrls_radio.h"

class TDemoForm : public TForm {
  MORVANT_COMPONENT(TDemoForm, TForm)
 public:
  explicit TDemoForm(TComponent* AOwner);
  // Hangs the popup menu on the panel once the controls are streamed.
  void AfterConstruction() override;

  TLabel* Label1 = nullptr;
  TEdit* Edit1 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TCheckBox* CheckBox1 = nullptr;
  TRadioButton* RadioButton1 = nullptr;
  TRadioButton* RadioButton2 = nullptr;
  TListBox* ListBox1 = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TProgressBar* ProgressBar1 = nullptr;
  TPanel* Panel1 = nullptr;
  TTabControl* TabControl1 = nullptr;
  TLabel* TabLabel = nullptr;
  TScrollBox* ScrollBox1 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TLabel* DragLabel = nullptr;
  TPanel* DropPanel = nullptr;
  TPanel* ToolPanel = nullptr;
  TPanel* DockPanel = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;
  TColorDialog* ColorDialog1 = nullptr;

 private:
  // Every handler says in the status bar what happened, so that a
  // screenshot shows whether the event came.
  void Report(const AnsiString& What);

  void Edit1Change(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void CheckBox1Click(TObject* Sender);
  void RadioClick(TObject* Sender);
  void ListBox1Click(TObject* Sender);
  void ComboBox1Change(TObject* Sender);
  void TabControl1Change(TObject* Sender);
  void OpenItemClick(TObject* Sender);
  void ColorItemClick(TObject* Sender);
  void QuitItemClick(TObject* Sender);
  void MessageItemClick(TObject* Sender);
  void AskItemClick(TObject* Sender);
  void PopupClick(TObject* Sender);
  void DropPanelDragOver(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept);
  void DropPanelDragDrop(TObject* Sender, TObject* Source, int X, int Y);
  void ToolPanelEndDock(TObject* Sender, TObject* Target, int X, int Y);
};

extern TDemoForm* DemoForm;
