// TFiler, the common part of the form reader and writer: the binary form
// format's value types, the component header flags, and the defined
// properties through which a class streams values beside its published ones.
//
// A stream is "TPF0", then the root component. A component is an optional
// flags byte (0xF0 | flags, followed by the child position when ffChildPos),
// its class name and name (short strings: a length byte and the bytes), its
// properties (name, then one value) up to vaNull, then its child components
// up to vaNull.
#pragma once

#include "ansistring.h"
#include "events.h"
#include "sets.h"
#include "tobject.h"
#include "wintypes.h"

class TComponent;
class TPersistent;
class TReader;
class TStream;
class TWriter;

enum TValueType : Byte {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
  vaInt64 = 19,
  vaUTF8String = 20
};

enum TFilerFlag { ffInherited, ffChildPos, ffInline };
using TFilerFlags = TSet<TFilerFlag>;

// How deep components, lists and collections may nest in one stream: deeper
// data is refused as damaged rather than run into the call stack.
constexpr int kMaxFilerDepth = 64;

using TReaderProc = TClosure<void(TReader* Reader)>;
using TWriterProc = TClosure<void(TWriter* Writer)>;
using TStreamProc = TClosure<void(TStream* Stream)>;

class TFiler : public TObject {
  MORVANT_CLASS(TFiler, TObject)
 public:
  explicit TFiler(TStream* Stream) : stream_(Stream) {}
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;

  // A value the reader hands to ReadData when the stream holds a property
  // of this name, and that the writer asks WriteData for when HasData. A
  // defined property wins over a published one of the same name; one
  // without WriteData is read (a legacy name) and never written.
  virtual void DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) = 0;
  // The same for a binary block (vaBinary: a 32-bit length and the bytes),
  // handed to the callbacks as a stream of its own.
  virtual void DefineBinaryProperty(const AnsiString& Name, TStreamProc ReadData, TStreamProc WriteData,
                                    bool HasData) = 0;

  TStream* GetStream() const { return stream_; }
  // The component at the top of what is read or written (the form).
  TComponent* GetRoot() const { return root_; }
  void SetRoot(TComponent* Value) { root_ = Value; }
  // The component whose names references are resolved against.
  TComponent* GetLookupRoot() const { return root_; }
  // Inherited forms are not written against an ancestor: always nullptr.
  TPersistent* GetAncestor() const { return nullptr; }

 protected:
  // DefineProperties is protected in TPersistent, which lets TFiler call it.
  void CallDefineProperties(TPersistent* Instance);

  TStream* stream_;
  TComponent* root_ = nullptr;
};
