// fuzz-libs: morvant_rtl
// Stored dates and times come back as text from settings files: the parsers
// must answer a value or EConvertError for any text, and what they accept
// must format again.
#include <cstdint>
#include <string>

#include "datetime.h"
#include "exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AnsiString text(std::string(reinterpret_cast<const char*>(data), size));
  for (TDateTime (*parse)(const AnsiString&) : {&StrToDate, &StrToTime, &StrToDateTime}) {
    try {
      const TDateTime value = parse(text);
      (void)DateTimeToStr(value);
    } catch (const EConvertError&) {
    }
  }
  // Any text is also a format pattern.
  (void)FormatDateTime(text, 46366.5);
  return 0;
}
