// The exception report: the one place where a failure that escapes a handler reaches the user.
#pragma once

#include <string_view>

#include "toolkit/application.h"

namespace app {

// Shows `message` by the report's text rule in a stop box captioned with the application's
// title, and returns once the user has dismissed it. While a report is open, a further report
// (a timer tick failing inside the open box, say) is dropped, so reports never nest.
void ShowExceptionReport(const toolkit::Application& application, std::string_view message);

}  // namespace app
