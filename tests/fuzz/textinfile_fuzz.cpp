// fuzz-libs: morvant_rtl
// Level and replay files reach TextInFile from outside: any bytes, read as
// numbers and lines in any mix, must end in a clean failure at worst.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "textinfile.h"

namespace {

const std::string& ScratchFile() {
  static const std::string path = [] {
    char name[] = "/tmp/textinfile-fuzz-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd >= 0) ::close(fd);
    return std::string(name);
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the order of reads; the rest is the file.
  const std::uint8_t plan = data[0];
  std::FILE* f = std::fopen(ScratchFile().c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data + 1, 1, size - 1, f);
  std::fclose(f);

  TextInFile in(ScratchFile().c_str());
  for (int step = 0; in && step < 1000; ++step) {
    if ((plan >> (step % 8)) & 1) {
      int value = 0;
      in >> value;
    } else {
      AnsiString line;
      in.getline(line, 1 + (step * 37) % TextInFile::kLineBufferSize);
      if (line.Length() > 3 * TextInFile::kLineBufferSize) std::abort();
    }
  }
  return 0;
}
