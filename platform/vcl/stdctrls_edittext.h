// The text of an edit field with its caret and selection, apart from any
// window, so that editing can be reasoned about and tested on its own.
// The text is UTF-8; positions are byte offsets that always lie on a
// letter's boundary (a position given from outside is moved back to one),
// so an edit never splits a letter. The selection runs between the anchor
// and the caret; Shift-moves keep the anchor, plain moves bring it along.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class TEditText {
 public:
  const std::string& Text() const { return text_; }
  // New text: caret and anchor at its start.
  void SetText(std::string Value);

  std::size_t Caret() const { return caret_; }
  std::size_t Anchor() const { return anchor_; }
  std::size_t SelStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
  std::size_t SelLength() const { return caret_ < anchor_ ? anchor_ - caret_ : caret_ - anchor_; }
  std::string SelText() const { return text_.substr(SelStart(), SelLength()); }
  // Selects Length bytes from Start (both clamped and moved to letter
  // boundaries); the caret goes to the selection's end.
  void Select(std::size_t Start, std::size_t Length);
  void SelectAll() { Select(0, text_.size()); }
  // Moves the caret; Extend keeps the anchor (the Shift key).
  void MoveTo(std::size_t Position, bool Extend);

  std::size_t NextLetter(std::size_t Position) const;
  std::size_t PreviousLetter(std::size_t Position) const;
  // The start of the next word, the start of this or the previous word.
  std::size_t NextWord(std::size_t Position) const;
  std::size_t PreviousWord(std::size_t Position) const;
  // The boundary at or before Position.
  std::size_t Boundary(std::size_t Position) const;
  // Letters (code points) in the text.
  std::size_t LetterCount() const { return Letters(text_); }
  static std::size_t Letters(std::string_view Text);
  // Whether a typed letter goes into the text: no control characters, and
  // nothing that cannot be written as UTF-8.
  static bool Typable(char32_t Letter);

  // Replaces the selection by Value, cut to whole letters so that the text
  // keeps at most MaxLetters letters (0: no limit); the caret lands after
  // the insertion. True when the text changed.
  bool Replace(std::string_view Value, std::size_t MaxLetters = 0);
  // Removes the selection, else the letter before (Backspace) or after
  // (Delete) the caret.
  bool Backspace();
  bool Delete();
  // Replaces the selection by a typed letter, if it is Typable.
  bool Type(char32_t Letter, std::size_t MaxLetters = 0);

 private:
  std::string text_;
  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
};
