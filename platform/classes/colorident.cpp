#include "colorident.h"

namespace {

struct ColorIdentHooks {
  TColorToIdent ToIdent = nullptr;
  TIdentToColor ToColor = nullptr;
};

ColorIdentHooks& Hooks() {
  static ColorIdentHooks hooks;
  return hooks;
}

}  // namespace

void RegisterColorIdents(TColorToIdent ToIdent, TIdentToColor ToColor) { Hooks() = {ToIdent, ToColor}; }

bool StreamColorToIdent(LongInt Color, AnsiString& Ident) { return Hooks().ToIdent && Hooks().ToIdent(Color, Ident); }

bool StreamIdentToColor(const AnsiString& Ident, LongInt& Color) {
  return Hooks().ToColor && Hooks().ToColor(Ident, Color);
}
