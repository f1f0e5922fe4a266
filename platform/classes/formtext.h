// The text form of form streams, as the game's .form files are written:
//
//   object Form1: TForm1
//     Caption = 'Größe ' + 'und Gewicht'#13#10
//     Font.Name = 'Arial'
//     Options = [soLeft, soTop]
//     Items.Strings = (
//       'eins'
//       'zwei')
//     Panels = <
//       item
//         Width = 50
//       end>
//     Picture.Data = {0A0B0C}
//     Wave.Data = @'sounds/click.wav'
//     object Button1: TButton
//       OnClick = Button1Click
//     end
//   end
//
// "inherited" and "inline" stand for "object" where the component comes
// from an ancestor or is a frame; "[n]" after the class gives a child
// position. Strings are quoted with '' for a quote, #nnn for a code point,
// and join with "+". Numbers are decimal or "$" hex; floats take a suffix
// s (single), c (currency) or d (date). Our own addition: @'path' stands
// wherever a { hex } block may, and takes the bytes of the file at path,
// relative to the form file.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ansistring.h"
#include "exceptions.h"
#include "wintypes.h"

class TStream;

// Errors in form text, with the line they were found in.
MORVANT_EXCEPTION(EParserError, Exception)

// Where an object or property starts in the binary form, and the line of the
// text it came from.
struct TFormTextPlace {
  Int64 Offset;
  int Line;
};

struct TFormTextOptions {
  // The folder @'path' is relative to; empty: the current folder.
  AnsiString BaseFolder;
  // The bytes to store for @'path' in the property PropName (the dotted
  // name as written, "Picture.Data") of an object of class ClassName (empty
  // in a collection item, whose class the text does not say); Path is
  // already joined with BaseFolder. Empty: the file's bytes as they are.
  // Raise EParserError to refuse. fileproperty.h has the loader that asks
  // the classes.
  std::function<std::vector<Byte>(const AnsiString& ClassName, const AnsiString& PropName, const AnsiString& Path)>
      LoadFile;
  // When given, filled with the start of every object, collection item and
  // property, in stream order: a tool that reads the binary form back can
  // name the line of what it refused.
  std::vector<TFormTextPlace>* Places = nullptr;
};

// Text from Input's position to its end (UTF-8; text that is not is taken as
// Windows-1252) into the binary form at Output's position. Errors raise
// EParserError naming the line; a missing @ file is one.
void ObjectTextToBinary(TStream* Input, TStream* Output, const TFormTextOptions& Options = {});
// The binary form at Input's position back to text. Damaged data raises
// EReadError.
void ObjectBinaryToText(TStream* Input, TStream* Output);

// The bytes of a file for @'path', as TFormTextOptions takes them when no
// LoadFile is given; a missing or unreadable file raises EParserError.
std::vector<Byte> ReadFormFileBytes(const AnsiString& Path);
