// The field splitter behind CDiagram::SplitLine, usable on a borrowed line so the loader does not
// copy every line it reads.
#pragma once

#include <string_view>

#include "platform/Array.h"

// Removes every space, then splits at the delimiter characters (the default set tab, comma and
// semicolon when delimiters is empty). Runs of delimiters separate like one, and no field is
// empty. Leaves the fields followed by one empty string in fields and returns their count, one
// more than the number of fields.
int SplitFields(std::string_view line, std::string_view delimiters, CStringArray& fields);

// The same with the default delimiters, storing at most `limit` entries (the fields, then the
// closing empty string while there is room): a data row takes what it keeps and no more.
int SplitFirstFields(std::string_view line, CStringArray& fields, int limit);
