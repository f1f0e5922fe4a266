// The binary properties a form text may fill from a file, @'path'. Each
// class declares its own, with the routine that checks the file and turns
// it into the bytes the property's DefineBinaryProperty reads, so that the
// resource compiler writes every property in the layout of its class:
//
//   RegisterFileProperty(TPicture::StaticClass(), "Data", EncodePictureFile);
//   RegisterFileProperty(TWaveHolder::StaticClass(), "Wave.Data", CheckWave);
//
// A name may be dotted: it is matched against the rest of the name in the
// text, and otherwise the first part is followed as a published object
// property to its declared class (a TBitmap "Glyph" finds TBitmap's "Data").
#pragma once

#include <functional>
#include <vector>

#include "ansistring.h"
#include "formtext.h"
#include "tobject.h"
#include "wintypes.h"

// File is the file's bytes, Path its name for messages. Raise EParserError
// (naming Path) for a file the property cannot take.
using TFilePropertyEncoder = std::function<std::vector<Byte>(const AnsiString& Path, const std::vector<Byte>& File)>;

// A later registration of the same class and name replaces the earlier.
void RegisterFileProperty(TClass AClass, const AnsiString& PropName, TFilePropertyEncoder Encoder);
void UnRegisterFileProperty(TClass AClass, const AnsiString& PropName);

// The encoder for PropName (dotted, as in the text) of an object of class
// AClass or a descendant's; nullptr when none is registered.
const TFilePropertyEncoder* FindFileProperty(TClass AClass, const AnsiString& PropName);

// The loader for TFormTextOptions::LoadFile that goes by the registered
// classes: the registered encoder's bytes; a registered class without an
// encoder for that property gets the file's bytes as they are; a class that
// is not registered is refused, as its layout cannot be told.
std::vector<Byte> LoadRegisteredFileProperty(const AnsiString& ClassName, const AnsiString& PropName,
                                             const AnsiString& Path);
