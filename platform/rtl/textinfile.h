// TextInFile: the reading text stream of the level and replay files, with
// the C++ runtime's failure rules, which the readers depend on:
//
// - Opening fails for a missing file and for a folder.
// - >> reads a whitespace-separated decimal integer (optional sign). At the
//   end of the file, on other text or on a number beyond the 32-bit range
//   the target keeps its value and the stream fails.
// - getline reads one line as into a buffer of `bufferSize` bytes: at most
//   bufferSize - 1 bytes of the file; a longer line fails. The line ending
//   (LF, or CR LF) is not part of the line. The text is converted with
//   TextFromOutsideBytes, so a line that is not UTF-8 is read as
//   Windows-1252.
// - Once failed, every later read fails too.
//
// Usage: TextInFile in(name); in >> count; in.getline(hint); if (!in) ...
#pragma once

#include <cstdio>
#include <memory>

#include "ansistring.h"

class TextInFile {
 public:
  static constexpr int kLineBufferSize = 500;

  TextInFile() = default;
  explicit TextInFile(const AnsiString& fileName) { open(fileName); }

  bool open(const AnsiString& fileName);
  void close();
  bool is_open() const { return file_ != nullptr; }
  // Not open, or a read failed.
  bool fail() const { return failed_; }
  explicit operator bool() const { return !failed_; }
  bool operator!() const { return failed_; }

  TextInFile& operator>>(int& value);
  TextInFile& getline(AnsiString& line, int bufferSize = kLineBufferSize);

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  int Peek();
  void SkipBlanks();

  std::unique_ptr<std::FILE, Closer> file_;
  bool failed_ = true;
};
