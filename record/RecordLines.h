#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "record/RecordFile.h"

namespace torvane {

// The lines of a record file as UTF-8 text, without their line ends ("\n" or "\r\n") and
// without a UTF-8 byte order mark; line i of the result is line i + 1 of the file. A line that
// is not valid text in `encoding`, or holds a control character other than a tab, is refused
// with its number, unless it is a comment ('*' first): that one becomes an empty line.
std::variant<std::vector<std::string>, RecordError> RecordLines(std::string_view bytes,
                                                                RecordEncoding encoding);

// True when `text` is well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

}  // namespace torvane
