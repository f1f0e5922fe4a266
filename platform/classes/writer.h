// TWriter: writes components in the binary form format (filer.h).
//
// Each component is written with its published properties (in declaration
// order, ancestors' first; values equal to their declared default, stored
// tests answering false, empty strings, lists and collections, zero floats
// and nil references and events are left out), nested objects under dotted
// names ("Font.Name"), then what DefineProperties adds, then its children
// (GetChildren). Events are written by the name of the root's published
// method they call; a closure that calls none is not written.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "ansistring.h"
#include "filer.h"

class TCollection;
struct TPropInfo;

class TWriter : public TFiler {
  MORVANT_CLASS(TWriter, TFiler)
 public:
  explicit TWriter(TStream* Stream);

  // The signature and Root with everything it holds.
  void WriteRootComponent(TComponent* Root);
  void WriteComponent(TComponent* Component);
  // The properties and the children of Instance, each list with its end
  // marker; TComponent::WriteState calls it.
  void WriteData(TComponent* Instance);
  void WriteProperties(TPersistent* Instance);
  void WriteCollection(TCollection* Collection);

  void WriteSignature();
  void WritePrefix(TFilerFlags Flags, int AChildPos);
  // The property name, prefixed with the dotted path of the nested object
  // being written.
  void WritePropName(const AnsiString& Name);
  void WriteListBegin();
  void WriteListEnd();
  // In the fewest bytes: vaInt8, vaInt16, vaInt32 or vaInt64.
  void WriteInteger(Int64 Value);
  void WriteBoolean(bool Value);
  void WriteFloat(double Value);
  void WriteSingle(float Value);
  void WriteCurrency(double Value);
  void WriteDate(double Value);
  // vaString up to 255 bytes of ASCII, vaLString beyond, vaUTF8String for
  // any text with other letters.
  void WriteString(const AnsiString& Value);
  void WriteIdent(const AnsiString& Ident);
  // A short string without a value type; longer than 255 bytes raises
  // EWriteError.
  void WriteStr(const AnsiString& Value);
  void WriteBinary(const void* Data, LongInt Count);
  void WriteValue(TValueType Value);
  void Write(const void* Buf, LongInt Count);

  void DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
  void DefineBinaryProperty(const AnsiString& Name, TStreamProc ReadData, TStreamProc WriteData,
                            bool HasData) override;

 private:
  void WriteProperty(TPersistent* Instance, const TPropInfo& Prop);
  void WriteNested(TPersistent* Object, const AnsiString& Name);
  AnsiString ReferenceName(TComponent* Component) const;

  // The declared default of the ordinal property Name under prefix_: an
  // owner's redeclared one (see TPropInfo::NestedDefaults), else Prop's.
  std::optional<Int64> DefaultOf(const TPropInfo& Prop) const;

  AnsiString prefix_;
  int depth_ = 0;
  // The redeclared defaults of the nested objects being written, by full
  // dotted path below the component.
  std::vector<std::pair<AnsiString, Int64>> nestedDefaults_;
};
