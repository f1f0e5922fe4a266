#include "demo_form.h"

#include "colors.h"
#include "dialogs.h"
#include "stdctrls_accel.h"

TDemoForm* DemoForm = nullptr;

void TDemoForm::Publish(TPublisher<TDemoForm>& P) {
  P.Field("Label1", &TDemoForm::Label1);
  P.Field("Edit1", &TDemoForm::Edit1);
  P.Field("Button1", &TDemoForm::Button1);
  P.Field("Button2", &TDemoForm::Button2);
  P.Field("CheckBox1", &TDemoForm::CheckBox1);
  P.Field("RadioButton1", &TDemoForm::RadioButton1);
  P.Field("RadioButton2", &TDemoForm::RadioButton2);
  P.Field("ListBox1", &TDemoForm::ListBox1);
  P.Field("ComboBox1", &TDemoForm::ComboBox1);
  P.Field("ProgressBar1", &TDemoForm::ProgressBar1);
  P.Field("Panel1", &TDemoForm::Panel1);
  P.Field("TabControl1", &TDemoForm::TabControl1);
  P.Field("TabLabel", &TDemoForm::TabLabel);
  P.Field("ScrollBox1", &TDemoForm::ScrollBox1);
  P.Field("StatusBar1", &TDemoForm::StatusBar1);
  P.Field("DragLabel", &TDemoForm::DragLabel);
  P.Field("DropPanel", &TDemoForm::DropPanel);
  P.Field("ToolPanel", &TDemoForm::ToolPanel);
  P.Field("DockPanel", &TDemoForm::DockPanel);
  P.Field("MainMenu1", &TDemoForm::MainMenu1);
  P.Field("PopupMenu1", &TDemoForm::PopupMenu1);
  P.Field("OpenDialog1", &TDemoForm::OpenDialog1);
  P.Field("ColorDialog1", &TDemoForm::ColorDialog1);

  P.Method("Edit1Change", &TDemoForm::Edit1Change);
  P.Method("Button1Click", &TDemoForm::Button1Click);
  P.Method("Button2Click", &TDemoForm::Button2Click);
  P.Method("CheckBox1Click", &TDemoForm::CheckBox1Click);
  P.Method("RadioClick", &TDemoForm::RadioClick);
  P.Method("ListBox1Click", &TDemoForm::ListBox1Click);
  P.Method("ComboBox1Change", &TDemoForm::ComboBox1Change);
  P.Method("TabControl1Change", &TDemoForm::TabControl1Change);
  P.Method("OpenItemClick", &TDemoForm::OpenItemClick);
  P.Method("ColorItemClick", &TDemoForm::ColorItemClick);
  P.Method("QuitItemClick", &TDemoForm::QuitItemClick);
  P.Method("MessageItemClick", &TDemoForm::MessageItemClick);
  P.Method("AskItemClick", &TDemoForm::AskItemClick);
  P.Method("PopupClick", &TDemoForm::PopupClick);
  P.Method("DropPanelDragOver", &TDemoForm::DropPanelDragOver);
  P.Method("DropPanelDragDrop", &TDemoForm::DropPanelDragDrop);
  P.Method("ToolPanelEndDock", &TDemoForm::ToolPanelEndDock);
}

TDemoForm::TDemoForm(TComponent* AOwner) : TForm(AOwner) {}

void TDemoForm::AfterConstruction() {
  TForm::AfterConstruction();
  Panel1->SetPopupMenu(PopupMenu1);
}

void TDemoForm::Report(const AnsiString& What) { StatusBar1->GetPanels()->GetItems(0)->SetText(What); }

void TDemoForm::Edit1Change(TObject*) { Report("Eingabe: " + Edit1->GetText()); }

void TDemoForm::Button1Click(TObject* Sender) {
  ProgressBar1->StepIt();
  Report(StripHotkey(static_cast<TButton*>(Sender)->GetCaption()) + " gedrückt");
  StatusBar1->GetPanels()->GetItems(1)->SetText(AnsiString(ProgressBar1->GetPosition()) + "%");
}

void TDemoForm::Button2Click(TObject*) { Report("Abbrechen gedrückt"); }

void TDemoForm::CheckBox1Click(TObject*) { Report(CheckBox1->GetChecked() ? "Musik an" : "Musik aus"); }

void TDemoForm::RadioClick(TObject* Sender) {
  Report("Stufe: " + StripHotkey(static_cast<TRadioButton*>(Sender)->GetCaption()));
}

void TDemoForm::ListBox1Click(TObject*) {
  const int i = ListBox1->GetItemIndex();
  if (i >= 0) Report("Liste: " + ListBox1->GetItems()->GetStrings(i));
}

void TDemoForm::ComboBox1Change(TObject*) { Report("Farbe: " + ComboBox1->GetText()); }

void TDemoForm::TabControl1Change(TObject*) {
  TabLabel->SetCaption("Seite: " + TabControl1->GetTabs()->GetStrings(TabControl1->GetTabIndex()));
}

void TDemoForm::OpenItemClick(TObject*) {
  if (OpenDialog1->Execute())
    Report("Datei: " + OpenDialog1->GetFileName());
  else
    Report("Öffnen abgebrochen");
}

void TDemoForm::ColorItemClick(TObject*) {
  if (ColorDialog1->Execute()) {
    Panel1->SetColor(ColorDialog1->GetColor());
    Report("Farbe gewählt: " + ColorToString(ColorDialog1->GetColor()));
  } else {
    Report("Farbe abgebrochen");
  }
}

void TDemoForm::QuitItemClick(TObject*) { Close(); }

void TDemoForm::MessageItemClick(TObject*) { ShowMessage("Hallo aus dem Menü: äöüß"); }

void TDemoForm::AskItemClick(TObject*) {
  const int answer = MessageDlg("Weitermachen?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo}, 0);
  Report(answer == mrYes ? "Antwort: Ja" : "Antwort: Nein");
}

void TDemoForm::PopupClick(TObject* Sender) {
  Report("Kontextmenü: " + StripHotkey(static_cast<TMenuItem*>(Sender)->GetCaption()));
}

// The panel takes the label only.
void TDemoForm::DropPanelDragOver(TObject*, TObject* Source, int, int, TDragState, bool& Accept) {
  Accept = Source == DragLabel;
}

void TDemoForm::DropPanelDragDrop(TObject*, TObject*, int X, int Y) {
  DragLabel->SetParent(DropPanel);
  DragLabel->SetBounds(X, Y, DragLabel->GetWidth(), DragLabel->GetHeight());
  Report("Abgelegt bei " + AnsiString(X) + ", " + AnsiString(Y));
}

void TDemoForm::ToolPanelEndDock(TObject*, TObject* Target, int, int) {
  if (Target)
    Report("Angedockt");
  else if (ToolPanel->GetFloating())
    Report("Schwebt");
  else
    Report("Andocken abgebrochen");
}
