// The runtime's text files, as the log writes them: AssignFile, Rewrite,
// Append, Write/Writeln, CloseFile, with I/O checking off: nothing raises;
// an error is kept for IOResult() and the operation is skipped. As with the
// original runtime, while an error waits to be fetched by IOResult() every
// further operation is skipped too.
//
// Lines end with CR LF. Each Writeln reaches the file at once, so a log
// survives a crash of the program that writes it.
//
// IOResult codes: 2 file not found, 3 path not found, 4 too many open files,
// 5 access denied, 101 disk write error, 102 file not assigned, 103 file not
// open.
#pragma once

#include <cstdio>
#include <memory>

#include "ansistring.h"

class TextFile {
 public:
  TextFile() = default;
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  const AnsiString& FileName() const { return name_; }
  bool IsOpen() const { return file_ != nullptr; }

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  friend void AssignFile(TextFile&, const AnsiString&);
  friend void Rewrite(TextFile&);
  friend void Append(TextFile&);
  friend void Write(TextFile&, const AnsiString&);
  friend void CloseFile(TextFile&);
  friend void OpenText(TextFile&, const char*, int);

  AnsiString name_;
  std::unique_ptr<std::FILE, Closer> file_;
};

void AssignFile(TextFile& f, const AnsiString& fileName);
// Creates or truncates the file for writing.
void Rewrite(TextFile& f);
// Opens an existing file for writing at its end (2 when it is missing).
void Append(TextFile& f);
void Write(TextFile& f, const AnsiString& text);
void Writeln(TextFile& f, const AnsiString& text = AnsiString());
void CloseFile(TextFile& f);
// The pending error of this thread's last operation, 0 for none; reading it
// clears it.
int IOResult();
