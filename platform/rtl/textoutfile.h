// TextOutFile: the writing text stream of the score and replay files.
// Creates or truncates the file. When it cannot be opened, fail() says so
// and every write does nothing. Numbers are written in decimal; the callers
// add the blank after each: out << n << ' '.
#pragma once

#include <cstdio>
#include <memory>

#include "ansistring.h"

class TextOutFile {
 public:
  TextOutFile() = default;
  explicit TextOutFile(const AnsiString& fileName) { open(fileName); }

  bool open(const AnsiString& fileName);
  // Flushes; false when anything written was lost.
  bool close();
  bool is_open() const { return file_ != nullptr; }
  bool fail() const { return failed_; }
  explicit operator bool() const { return !failed_; }
  bool operator!() const { return failed_; }

  TextOutFile& operator<<(int value);
  TextOutFile& operator<<(char c);
  TextOutFile& operator<<(const char* text);
  TextOutFile& operator<<(const AnsiString& text);

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  void Put(const char* bytes, std::size_t count);

  std::unique_ptr<std::FILE, Closer> file_;
  bool failed_ = true;
};
