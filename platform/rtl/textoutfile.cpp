#include "textoutfile.h"

#include <cstring>
#include <string>

#include "paths.h"

bool TextOutFile::open(const AnsiString& fileName) {
  close();
  file_.reset(std::fopen(NativePath(fileName).c_str(), "wbe"));
  failed_ = file_ == nullptr;
  return !failed_;
}

bool TextOutFile::close() {
  if (!file_) return false;
  const bool ok = std::fclose(file_.release()) == 0 && !failed_;
  if (!ok) failed_ = true;
  return ok;
}

void TextOutFile::Put(const char* bytes, std::size_t count) {
  if (!file_ || failed_ || count == 0) return;
  if (std::fwrite(bytes, 1, count, file_.get()) != count) failed_ = true;
}

TextOutFile& TextOutFile::operator<<(int value) {
  const std::string text = std::to_string(value);
  Put(text.data(), text.size());
  return *this;
}

TextOutFile& TextOutFile::operator<<(char c) {
  Put(&c, 1);
  return *this;
}

TextOutFile& TextOutFile::operator<<(const char* text) {
  if (text) Put(text, std::strlen(text));
  return *this;
}

TextOutFile& TextOutFile::operator<<(const AnsiString& text) {
  Put(text.data(), static_cast<std::size_t>(text.Length()));
  return *this;
}
