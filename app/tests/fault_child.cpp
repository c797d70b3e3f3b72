// A program that faults inside a guarded event, run by the fault report's test.
#include <windows.h>

#include <string_view>

#include "app/fault.h"
#include "toolkit/application.h"

int main() {
  app::InstallFaultReport();
  toolkit::Application application;
  // Had the guard taken the fault for an ordinary failure, it would end here with 3.
  application.SetReport([](std::string_view) { ExitProcess(3); });
  application.Guard([] {
    volatile int* volatile nowhere = nullptr;
    *nowhere = 1;
  });
  return 4;
}
