#include "textinfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "paths.h"

namespace {

bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

}  // namespace

bool TextInFile::open(const AnsiString& fileName) {
  close();
  const int fd = ::open(NativePath(fileName).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return false;
  }
  std::FILE* f = ::fdopen(fd, "rb");
  if (!f) {
    ::close(fd);
    return false;
  }
  file_.reset(f);
  failed_ = false;
  return true;
}

void TextInFile::close() {
  file_.reset();
  failed_ = true;
}

int TextInFile::Peek() {
  const int c = std::getc(file_.get());
  if (c != EOF) std::ungetc(c, file_.get());
  return c;
}

void TextInFile::SkipBlanks() {
  int c;
  while ((c = std::getc(file_.get())) != EOF && IsBlank(c)) {
  }
  if (c != EOF) std::ungetc(c, file_.get());
}

TextInFile& TextInFile::operator>>(int& value) {
  if (failed_) return *this;
  SkipBlanks();
  bool negative = false;
  if (const int sign = Peek(); sign == '+' || sign == '-') {
    negative = sign == '-';
    std::getc(file_.get());
  }
  if (!IsDigit(Peek())) {
    failed_ = true;
    return *this;
  }
  // Magnitude up to 2^31, enough to tell the range; digits beyond are read
  // away so that a huge number fails as one.
  long long magnitude = 0;
  int c;
  while ((c = std::getc(file_.get())) != EOF && IsDigit(c))
    if (magnitude <= 0x80000000LL) magnitude = magnitude * 10 + (c - '0');
  if (c != EOF) std::ungetc(c, file_.get());
  const long long result = negative ? -magnitude : magnitude;
  if (result < -0x80000000LL || result > 0x7FFFFFFFLL) {
    failed_ = true;
    return *this;
  }
  value = static_cast<int>(result);
  return *this;
}

TextInFile& TextInFile::getline(AnsiString& line, int bufferSize) {
  if (failed_) return *this;
  const std::size_t limit = bufferSize > 1 ? static_cast<std::size_t>(bufferSize - 1) : 0;
  std::string bytes;
  bool readAny = false;
  for (;;) {
    const int c = std::getc(file_.get());
    if (c == EOF) break;
    readAny = true;
    if (c == '\n') break;
    bytes += static_cast<char>(c);
    if (bytes.size() <= limit) continue;
    // One byte over: fine only when it is the CR of a line end.
    const int after = Peek();
    if (bytes.size() == limit + 1 && bytes.back() == '\r' && (after == '\n' || after == EOF)) {
      if (after == '\n') std::getc(file_.get());
      break;
    }
    failed_ = true;
    return *this;
  }
  if (!readAny) {
    failed_ = true;
    return *this;
  }
  if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
  line = AnsiString(TextFromOutsideBytes(bytes));
  return *this;
}
