#include "app/report.h"

#include "app/report_text.h"
#include "toolkit/message_box.h"

namespace app {

void ShowExceptionReport(const toolkit::Application& application, std::string_view message) {
  static bool open = false;
  if (open) return;
  open = true;
  toolkit::ShowStopBox(ReportText(message), application.Title());
  open = false;
}

}  // namespace app
