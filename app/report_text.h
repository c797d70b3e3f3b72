// The text that an exception report shows for a failure's message.
#pragma once

#include <string>
#include <string_view>

namespace app {

// `message` with "." appended when it is not empty and its last character's code, as an
// unsigned character code, is above 46 (the code of "."). A message ending in ".", "!", ",",
// "-", ")" or a space stays as it is; one ending in a letter, a digit, "/" or "?" gains the
// full stop. For a double-byte character its first byte counts; the last byte gives the same
// answer, since in every double-byte code page of Windows (932, 936, 949, 950) both the lead
// and the trail byte lie above 46.
std::string ReportText(std::string_view message);

}  // namespace app
