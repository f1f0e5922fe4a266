// Case-insensitive comparison of names (registry keys and values, ini
// sections and idents), as the platform compares them: ASCII letters and the
// Latin-1 letters in their UTF-8 form (ä = Ä, é = É); other bytes exactly.
#pragma once

#include <string_view>

bool SameNameIgnoringCase(std::string_view a, std::string_view b);
