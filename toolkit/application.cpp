#include "toolkit/application.h"

#include <windows.h>

#include "toolkit/error.h"
#include "toolkit/form.h"

namespace toolkit {

namespace {

int ShowState(int showCommand) {
  switch (showCommand) {
    case SW_SHOWMAXIMIZED: return SW_SHOWMAXIMIZED;
    case SW_SHOWMINNOACTIVE: return SW_SHOWMINNOACTIVE;
    default: return SW_SHOWNORMAL;
  }
}

}  // namespace

void Application::Run(int showCommand) {
  if (!mainForm_) throw Error("No main window");
  ShowWindow(mainForm_->Handle(), ShowState(showCommand));
  MSG message;
  for (;;) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return;
    if (got == -1) {
      throw Error("Error reading the event queue (system error " +
                  std::to_string(GetLastError()) + ")");
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void Application::Terminate() { PostQuitMessage(0); }

}  // namespace toolkit
