// What the stand-in plug-in libraries share: the call journal and failure on request, both
// driven by environment variables that only the stand-ins read.
#pragma once

#include <string>
#include <string_view>

namespace standins {

// Appends `call` as one line to the file named by DRAVEL_STANDIN_JOURNAL, flushed at once, and
// then, when DRAVEL_STANDIN_FAIL names `operation` (a comma-separated list of names), throws
// std::runtime_error("<operation> failed on request"). Every operation calls it on entry.
void Enter(std::string_view operation, std::string_view call);

// `text` in double quotes, with every byte outside 0x20..0x7E, every backslash and every double
// quote written as \xHH (lowercase hex).
std::string Quote(std::string_view text);

}  // namespace standins
