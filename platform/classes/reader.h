// TReader: reads the binary form format (filer.h) into components.
//
// ReadRootComponent reads a whole form: the root's own properties and events
// first, then its children, creating each through the class registry with
// the root as owner (or the owner GetChildOwner names) and telling it its
// parent through SetParentComponent. Every component read has csLoading and
// csReading set meanwhile; component references are resolved after the
// whole stream is read, then Loaded is called on every component in the
// order they were read. Events bind by handler name to the root's published
// methods.
//
// Anything wrong with the data -- a short stream, a bad value type, a length
// beyond the end, an unknown class or property, a value out of range, nesting
// deeper than kMaxFilerDepth -- raises EReadError naming the component and
// property; nothing is read beyond the stream's end.
#pragma once

#include <vector>

#include "ansistring.h"
#include "filer.h"

class TCollection;
class TStrings;
struct TPropInfo;

class TReader : public TFiler {
  MORVANT_CLASS(TReader, TFiler)
 public:
  explicit TReader(TStream* Stream);

  // Root nullptr: the root is created from the class the stream names (and
  // freed again if reading fails). Returns the root.
  TComponent* ReadRootComponent(TComponent* Root);
  // One component (header, properties, children) into Component, or into a
  // new one when nullptr; returns it.
  TComponent* ReadComponent(TComponent* Component);
  // The properties and children of Instance, each list up to its end
  // marker; TComponent::ReadState calls it.
  void ReadData(TComponent* Instance);
  // One property: its (dotted) name and value.
  void ReadProperty(TPersistent* Instance);
  // vaCollection, then the items up to the end marker.
  void ReadCollection(TCollection* Collection);

  void ReadSignature();
  void ReadPrefix(TFilerFlags& Flags, int& AChildPos);
  TValueType ReadValue();
  TValueType NextValue();
  bool EndOfList();
  void ReadListBegin();
  void ReadListEnd();
  // vaInt8 / vaInt16 / vaInt32.
  int ReadInteger();
  // Any integer type.
  Int64 ReadInt64();
  bool ReadBoolean();
  // Any float type, or an integer.
  double ReadFloat();
  // Any string type, as UTF-8 (single-byte text that is not UTF-8 is taken
  // as Windows-1252).
  AnsiString ReadString();
  // vaIdent, or False / True / nil / Null for those value types.
  AnsiString ReadIdent();
  // A short string without a value type (names).
  AnsiString ReadStr();
  // vaBinary: its bytes.
  std::vector<Byte> ReadBinary();
  // Raw bytes, for the legacy blocks that some components read.
  void Read(void* Buf, LongInt Count);

  // The components' owner and parent while their data is read.
  TComponent* GetOwner() const { return owner_; }
  void SetOwner(TComponent* Value) { owner_ = Value; }
  TComponent* GetParent() const { return parent_; }
  void SetParent(TComponent* Value) { parent_ = Value; }
  // The name of the property being read.
  const AnsiString& GetPropName() const { return propName_; }

  void DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
  void DefineBinaryProperty(const AnsiString& Name, TStreamProc ReadData, TStreamProc WriteData,
                            bool HasData) override;

  // Raises EReadError with the place being read and What.
  [[noreturn]] void Error(const AnsiString& What) const;

  // Asked for an event handler the root does not publish. Error comes in
  // true; a handler that clears it lets the event stay unbound, as a tool
  // checking a form without the program's own form classes does.
  TClosure<void(TReader* Reader, const AnsiString& MethodName, bool& Error)> OnFindMethod;

 private:
  struct Fixup {
    TObject* Instance;
    const TPropInfo* Prop;
    AnsiString Name;
    AnsiString Place;
  };
  class DepthGuard;

  void ReadNamedProperty(TPersistent* Instance);
  void ReadPropValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadStringsList(TStrings* Strings);
  void ReadSetValue(TObject* Instance, const TPropInfo& Prop);
  void ReadEventValue(TObject* Instance, const TPropInfo& Prop);
  void ReadComponentRef(TObject* Instance, const TPropInfo& Prop);
  void ResolveFixups();
  TComponent* FindReferenced(const AnsiString& Path) const;
  void ExpectValue(TValueType Expected);
  Byte ReadByte();
  std::uint64_t ReadLength32();
  AnsiString ReadBytesAsText(std::uint64_t Length);
  void CheckAvailable(std::uint64_t Count);
  AnsiString Place() const;

  TComponent* owner_ = nullptr;
  TComponent* parent_ = nullptr;
  TComponent* current_ = nullptr;
  AnsiString propName_;
  // The last segment of the property name while DefineProperties runs;
  // emptied when a definer has read the value.
  AnsiString pendingDefined_;
  bool definedRead_ = false;
  int depth_ = 0;
  std::vector<Fixup> fixups_;
  std::vector<TComponent*> loaded_;
};
