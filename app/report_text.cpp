#include "app/report_text.h"

namespace app {

std::string ReportText(std::string_view message) {
  std::string text(message);
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') text += '.';
  return text;
}

}  // namespace app
