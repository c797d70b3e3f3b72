// Entry routine. The system has bound both plug-in libraries before it runs; the command line
// is not read.
#include <windows.h>

#include "app/fault.h"
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  app::InstallFaultReport();
  return app::Run(showCommand);
}
