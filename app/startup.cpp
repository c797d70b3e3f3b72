#include "app/startup.h"

#include <memory>

#include "app/report.h"
#include "mngwin/tdlgutil.h"
#include "toolkit/error.h"

namespace app {

int Run(int showCommand) {
  toolkit::Application application;
  application.SetReport(
      [&application](std::string_view message) { ShowExceptionReport(application, message); });
  std::unique_ptr<mngwin::TDlgUtil> window;
  try {
    application.SetTitle("Dravel");
    window = mngwin::CreateDlgUtil(application);
    application.Run(showCommand);
  } catch (const toolkit::Error& e) {
    ShowExceptionReport(application, e.what());
  } catch (...) {
    ShowExceptionReport(application, "");
  }
  return 0;
}

}  // namespace app
