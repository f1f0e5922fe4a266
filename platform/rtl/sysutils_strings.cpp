#include "exceptions.h"
#include "floattext.h"
#include "sysutils.h"

int StrToInt(const AnsiString& text) { return text.ToInt(); }
int StrToIntDef(const AnsiString& text, int defaultValue) { return text.ToIntDef(defaultValue); }

AnsiString FloatToStr(double value) { return AnsiString(FloatToGeneralText(value, 0)); }
double StrToFloat(const AnsiString& text) { return text.ToDouble(); }

AnsiString StringOfChar(char c, int count) { return AnsiString::StringOfChar(c, count); }

AnsiString Trim(const AnsiString& s) { return s.Trim(); }
AnsiString TrimLeft(const AnsiString& s) { return s.TrimLeft(); }
AnsiString TrimRight(const AnsiString& s) { return s.TrimRight(); }

AnsiString UpperCase(const AnsiString& s) { return s.UpperCase(); }
AnsiString LowerCase(const AnsiString& s) { return s.LowerCase(); }
