// The open dialog's filter text and file-name patterns.
//
// A filter is "description|patterns|description|patterns ...", the
// patterns ';' separated: "Text|*.a;*.b|Alle|*.*". A description without
// patterns (a trailing one) gets "*" (everything), so a half-written
// filter still lists files. An empty filter is one entry "*" as well.
//
// Patterns match case-insensitively, since the names come from files that
// were named on a system where case did not count: '*' is any run of
// characters, '?' one character (a code point), everything else itself;
// "*.*" matches names without an extension too.
#pragma once

#include <string>
#include <vector>

#include "ansistring.h"

struct TFileFilter {
  AnsiString Description;
  AnsiString Patterns;  // as written, "*.a;*.b"
};

std::vector<TFileFilter> ParseFileFilter(const AnsiString& Filter);

// True when Name matches one of the ';' separated patterns. Blank patterns
// are skipped; a list of nothing but blanks matches nothing.
bool MatchesFilePatterns(const AnsiString& Name, const AnsiString& Patterns);
bool MatchesFilePattern(const AnsiString& Name, const AnsiString& Pattern);
// Whether a typed name is a pattern rather than a name: it holds '*' or '?'.
bool IsFilePattern(const AnsiString& Text);
