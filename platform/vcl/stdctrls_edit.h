// TCustomEdit and TEdit: a one-line text field in the classic look (white,
// sunken 3-D border). Typing inserts whole letters of UTF-8 text; Backspace,
// Delete, Home, End and the arrows edit and move (with Shift they select,
// with Ctrl they go by words); the mouse places the caret and drags a
// selection, a double click selects a word. Ctrl+C, Ctrl+X, Ctrl+V (and
// Ctrl+Ins, Shift+Del, Shift+Ins) use a clipboard inside the program.
// The text scrolls sideways to keep the caret in view.
//
// SelStart and SelLength count bytes, as AnsiString does, and always land
// on a letter's boundary; MaxLength counts letters and limits typing and
// pasting only, as in the class library. OnChange fires once for every
// change of the text, by the user or by the program.
#pragma once

#include "stdctrls_edittext.h"
#include "stdctrls_types.h"
#include "wincontrol.h"

class TCustomEdit : public TWinControl {
  MORVANT_PUBLISHED(TCustomEdit, TWinControl)
 public:
  explicit TCustomEdit(TComponent* AOwner);

  bool GetAutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool Value) { autoSelect_ = Value; }
  TBorderStyle GetBorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  int GetMaxLength() const { return maxLength_; }
  void SetMaxLength(int Value) { maxLength_ = Value < 0 ? 0 : Value; }
  bool GetReadOnly() const { return readOnly_; }
  void SetReadOnly(bool Value);
  bool GetModified() const { return modified_; }
  void SetModified(bool Value) { modified_ = Value; }

  int GetSelStart() const { return static_cast<int>(buffer_.SelStart()); }
  void SetSelStart(int Value);
  int GetSelLength() const { return static_cast<int>(buffer_.SelLength()); }
  void SetSelLength(int Value);
  AnsiString GetSelText() const { return AnsiString(buffer_.SelText()); }
  // Replaces the selection (not limited by MaxLength or ReadOnly).
  void SetSelText(const AnsiString& Value);
  void SelectAll();
  void ClearSelection();
  void Clear() { SetText(""); }
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();

  TNotifyEvent OnChange;

 protected:
  virtual void Change();
  void CreateParams(TCreateParams& Params) override;
  void PaintWindow(HDC DC) override;
  void DoEnter() override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void CMTextChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;

 private:
  // The field's own reactions, as a text field window has them.
  bool EditKey(WORD Key);
  void EditChar(char32_t Letter);
  void MousePress(TMessage& Message, bool Double);
  void MouseDrag(TMessage& Message);
  // Puts the changed text into the control and tells the listeners.
  void TextEdited();
  // After a move or an edit: the caret in view, painted and placed.
  void SelectionMoved();
  // Pixel offsets of every letter boundary of the text, from its start.
  int TextWidth(std::size_t Bytes) const;
  std::size_t PositionAt(int X) const;
  int TextLeft() const;
  int LineHeight() const;
  void PlaceCaret();

  TEditText buffer_;
  bool editing_ = false;
  bool autoSelect_ = true;
  TBorderStyle borderStyle_ = bsSingle;
  int maxLength_ = 0;
  bool readOnly_ = false;
  bool modified_ = false;
  bool dragging_ = false;
  bool caretMade_ = false;
  int scroll_ = 0;  // pixels of text hidden left of the field
};

class TEdit : public TCustomEdit {
  MORVANT_COMPONENT(TEdit, TCustomEdit)
 public:
  explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};
inline void TEdit::Publish(TPublisher<TEdit>&) {}
