// The diagnostic listing of what the table list will show for a file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace catalogue {

// The text as one field of the listing: backslash, TAB and every byte outside 0x20..0x7E
// written as \xHH (lowercase hex), the rest as it is.
std::string EscapeField(std::string_view text);

// One line per entry: position, TAB, table number ("-" when the name yields none), TAB, section
// name, TAB, display name, LF.
std::string FormatCatalogue(const std::vector<TableSection>& sections);

}  // namespace catalogue
