// The colour list: its items, their drawing, its size and the colour
// dialog.
#include <cctype>

#include "canvas.h"
#include "colors.h"
#include "dialogs_customcolors.h"
#include "mouse.h"
#include "resourcestrings.h"
#include "vyrextcs.h"
#include "vyrutils.h"

namespace Vyrextcs {

namespace {

constexpr int kStandardColorCount = 16;
constexpr int kColorRowHeight = 15;  // csColor
// The class library's combo is its item height and 8 high.
constexpr int kComboFrame = 8;

bool IsHexDigits(const AnsiString& Text) {
  if (Text.IsEmpty()) return false;
  for (int i = 1; i <= Text.Length(); ++i)
    if (!std::isxdigit(static_cast<unsigned char>(Text[i]))) return false;
  return true;
}

// The colour an item stands for: a name of the table or "$" and up to eight
// hexadecimal digits; false for anything else.
bool ResolveItem(const AnsiString& Text, TColor& Color) {
  LongInt value = 0;
  if (IdentToColor(Text, value)) {
    Color = static_cast<TColor>(value);
    return true;
  }
  const AnsiString digits = Text.SubString(2, Text.Length() - 1);
  if (Text.IsEmpty() || Text[1] != '$' || digits.Length() > 8 || !IsHexDigits(digits)) return false;
  Color = static_cast<TColor>(std::stoul(digits.str(), nullptr, 16));
  return true;
}

// The shown text: a name without its "cl".
AnsiString ShownText(const AnsiString& Text) {
  return Text.SubString(1, 2) == "cl" ? Text.SubString(3, Text.Length() - 2) : Text;
}

}  // namespace

TVyrCustomColorComboBox::TVyrCustomColorComboBox(TComponent* AOwner)
    : Vyrcombo::TVyrCustomComboBox(AOwner), FCustomColors(std::make_unique<TStringList>()) {
  FCustomColors->OnChange = TNotifyEvent(this, &TVyrCustomColorComboBox::CustomColorsChanged);
  SetStyle(csOwnerDrawVariable);
  ApplySizeRule();
  CreateColorList();
}

TVyrCustomColorComboBox::~TVyrCustomColorComboBox() { FCustomColors->OnChange = TNotifyEvent(); }

// ---- the items ----

void TVyrCustomColorComboBox::AddColorName(const AnsiString& Name) {
  ++FCounter;
  if (Name == "clNone") return;
  const bool standard = FCounter <= kStandardColorCount;
  if (FOptions.Contains(standard ? TVyrColorCBOption::coDefaultColors : TVyrColorCBOption::coSystemColors))
    GetItems()->Add(Name);
}

void TVyrCustomColorComboBox::CreateColorList() {
  const AnsiString selected = GetItemIndex() >= 0 ? GetItems()->GetStrings(GetItemIndex()) : AnsiString();
  TStrings* items = GetItems();
  items->BeginUpdate();
  items->Clear();
  FCounter = 0;
  if (FOptions.Contains(TVyrColorCBOption::coDefaultColors) || FOptions.Contains(TVyrColorCBOption::coSystemColors))
    GetColorValues(TGetStrProc(this, &TVyrCustomColorComboBox::AddColorName));
  if (FOptions.Contains(TVyrColorCBOption::coCustomColors) && FCustomColors->GetCount() > 0) {
    for (int i = 0; i < CustomColorCount; ++i) {
      AnsiString value = FCustomColors->GetValues(TCustomColorSlots::Key(i));
      if (value.IsEmpty() || value == "FFFFFFFF") continue;
      while (value.Length() < 8) value = "0" + value;
      items->Add("$" + value);
    }
  }
  items->EndUpdate();
  if (!selected.IsEmpty()) SetItemIndex(items->IndexOf(selected));
}

void TVyrCustomColorComboBox::Loaded() {
  Vyrcombo::TVyrCustomComboBox::Loaded();
  CreateColorList();
  // The colour a form chose may be one the options read later added.
  if (!FLoadedText.IsEmpty() && GetItemIndex() < 0) SetItemIndex(GetItems()->IndexOf(FLoadedText));
  FLoadedText = AnsiString();
}

void TVyrCustomColorComboBox::SetText(const AnsiString& Value) {
  if (GetComponentState().Contains(csLoading)) FLoadedText = Value;
  Vyrcombo::TVyrCustomComboBox::SetText(Value);
}

void TVyrCustomColorComboBox::SetOptions(TVyrColorCBOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  if (!GetComponentState().Contains(csLoading)) CreateColorList();
}

void TVyrCustomColorComboBox::SetCustomColors(TStrings* Value) {
  FCustomColors->OnChange = TNotifyEvent();
  FCustomColors->Clear();
  for (int i = 0; Value && i < CustomColorCount; ++i) {
    const AnsiString key = TCustomColorSlots::Key(i);
    const AnsiString value = Value->GetValues(key);
    // What the dialog writes is hexadecimal digits; six of them tell.
    if (IsHexDigits(value.SubString(1, 6))) FCustomColors->Add(key + "=" + value);
  }
  CreateColorList();
  FCustomColors->OnChange = TNotifyEvent(this, &TVyrCustomColorComboBox::CustomColorsChanged);
}

void TVyrCustomColorComboBox::CustomColorsChanged(TObject*) { CreateColorList(); }

// ---- the colour ----

TColor TVyrCustomColorComboBox::GetSelectedColor() const {
  const AnsiString text = GetText();
  if (text.IsEmpty()) return static_cast<TColor>(-1);
  return StringToColor(text);
}

void TVyrCustomColorComboBox::SetSelectedColor(TColor Value) {
  const AnsiString text = ColorToString(Value);
  if (text != GetText()) {
    int i = GetItems()->IndexOf(text);
    if (i < 0 && FOptions.Contains(TVyrColorCBOption::coAllowAnyColor) && Value != clNone) i = GetItems()->Add(text);
    SetItemIndex(i);
  }
  Change();
}

TColor TVyrCustomColorComboBox::GetColors(int Index) const { return StringToColor(GetItems()->GetStrings(Index)); }

// ---- size and drawing ----

void TVyrCustomColorComboBox::ApplySizeRule() {
  const AnsiString text = GetText();
  const bool swatchOnly = FDisplayStyle == TVyrColorCBStyle::csColor;
  FItemHeight = Vyrutils::VyrGetFontHeight(GetFont()) + 2;
  SetItemHeight(swatchOnly ? 25 - kComboFrame : FItemHeight + 9 - kComboFrame);
  RecreateWnd();
  if (!text.IsEmpty()) SetItemIndex(GetItems()->IndexOf(text));
}

void TVyrCustomColorComboBox::SetDisplayStyle(TVyrColorCBStyle Value) {
  if (FDisplayStyle == Value) return;
  FDisplayStyle = Value;
  ApplySizeRule();
  Invalidate();
}

void TVyrCustomColorComboBox::CMFontChanged(TMessage& Message) {
  Vyrcombo::TVyrCustomComboBox::CMFontChanged(Message);
  ApplySizeRule();
}

void TVyrCustomColorComboBox::MeasureItem(int, int& Height) {
  Height = FDisplayStyle == TVyrColorCBStyle::csColor ? kColorRowHeight : FItemHeight;
}

void TVyrCustomColorComboBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas* canvas = GetCanvas();
  if (!State.Contains(odSelected) && !GetEnabled()) canvas->GetFont()->SetColor(clInactiveCaption);
  canvas->FillRect(Rect);
  if (Index < 0 || Index >= GetItems()->GetCount()) return;
  const AnsiString item = GetItems()->GetStrings(Index);
  TColor color = clNone;
  // A text that is no colour shows as text alone.
  const bool resolved = ResolveItem(item, color);
  if (resolved && color == clNone) return;
  const AnsiString shown = ShownText(item);
  const TColor back = canvas->GetBrush()->GetColor();
  auto writeText = [&](int x) {
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->TextOut(x, Rect.top + 2, shown);
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(back);
  };
  if (!resolved) {
    writeText(Rect.left + 2);
    return;
  }
  canvas->GetBrush()->SetColor(color);
  switch (FDisplayStyle) {
    case TVyrColorCBStyle::csColor:
      canvas->Rectangle(Rect.left + 3, Rect.top + 3, Rect.right - 3, Rect.bottom - 3);
      canvas->GetBrush()->SetColor(back);
      break;
    case TVyrColorCBStyle::csText: writeText(Rect.left + 2); break;
    case TVyrColorCBStyle::csColorText:
    case TVyrColorCBStyle::csColor3DText: {
      TRect swatch(Rect.left + 4, Rect.top + 2, Rect.left + 8 + FItemHeight, Rect.bottom - 2);
      if (FDisplayStyle == TVyrColorCBStyle::csColorText) {
        canvas->Rectangle(swatch.left, swatch.top, swatch.right, swatch.bottom);
      } else {
        canvas->FillRect(swatch);
        TRect frame = swatch;
        Vyrutils::VyrDrawStdFrame(canvas, frame, Vyrgraph::TVyrBorderStyle::lsSingleRaised, 0);
      }
      writeText(swatch.right + 6);
      break;
    }
  }
}

// ---- the colour dialog ----

bool TVyrCustomColorComboBox::Execute() { return ExecuteEnh(FCustomColors.get()); }

bool TVyrCustomColorComboBox::ExecuteEnh(TStrings* List) {
  TColorDialog* dialog = TObject::Create<TColorDialog>(this);
  bool ok = false;
  try {
    if (List) dialog->SetCustomColors(List);
    dialog->SetOptions(FDlgOptions);
    const AnsiString text = GetText();
    TColor current = clBlack;
    if (!text.IsEmpty() && ResolveItem(text, current)) dialog->SetColor(current);
    dialog->SetHelpContext(FDlgHelpContext);
    if (OnBeforeDialogShow) OnBeforeDialogShow(this, dialog);
    ok = dialog->Execute();
    if (ok) {
      if (List) List->Assign(dialog->GetCustomColors());
      SetSelectedColor(dialog->GetColor());
    }
    if (OnAfterDialogShow) OnAfterDialogShow(this, dialog);
  } catch (...) {
    dialog->Free();
    throw;
  }
  dialog->Free();
  return ok;
}

void TVyrCustomColorComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbRight && FOptions.Contains(TVyrColorCBOption::coAllowDialog) &&
      !GetComponentState().Contains(csDesigning)) {
    Execute();
    return;
  }
  Vyrcombo::TVyrCustomComboBox::MouseDown(Button, Shift, X, Y);
}

void TVyrCustomColorComboBox::LoadCustomColors(TObject* IniObject, const AnsiString& Section) {
  Vyrutils::VyrLoadCustomColorList(IniObject, Section, FCustomColors.get());
}

void TVyrCustomColorComboBox::SaveCustomColors(TObject* IniObject, const AnsiString& Section) {
  Vyrutils::VyrSaveCustomColorList(IniObject, Section, FCustomColors.get());
}

}  // namespace Vyrextcs
