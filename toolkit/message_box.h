// The modal message box of exception reports.
#pragma once

#include <string>

namespace toolkit {

// Shows `text` under `caption` with one OK button and the stop icon, and returns once it is
// dismissed. While it is open every other window of the thread is disabled (task-modal, no
// owner); afterwards the window that was active, and its focused control, are active again.
void ShowStopBox(const std::string& text, const std::string& caption);

}  // namespace toolkit
