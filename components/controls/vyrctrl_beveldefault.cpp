// A bevel value its owner's constructor changed, kept through a form.
#include "filer.h"
#include "vyrctrl.h"
#include "writer.h"

namespace Vyrctrl {

void DefineBevelDefault(TFiler* Filer, const char* Property, const char* Ident, bool Needed) {
  const AnsiString ident(Ident);
  Filer->DefineProperty(AnsiString("Bevel.") + Property, TReaderProc(),
                        TWriterProc([ident](TWriter* Writer) { Writer->WriteIdent(ident); }), Needed);
}

}  // namespace Vyrctrl
