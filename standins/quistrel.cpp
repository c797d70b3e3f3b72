// Stand-in for the installation's motor driver plug-in library: a driver that is either ready or
// shut down, and a small non-modal setup window that shows which.
#include <windows.h>

#include "plugins/plugins.h"
#include "standins/journal.h"
#include "standins/note_window.h"

namespace {

HINSTANCE module;
bool ready = false;
HWND setupWindow = nullptr;

void DestroySetupWindow() {
  if (setupWindow && IsWindow(setupWindow)) DestroyWindow(setupWindow);
  setupWindow = nullptr;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) module = instance;
  return TRUE;
}

extern "C" {

void __cdecl InitPlugin() {
  standins::Enter("InitPlugin", "InitPlugin()");
  ready = true;
}

void __cdecl ShowSetupWin() {
  standins::Enter("ShowSetupWin", "ShowSetupWin()");
  DestroySetupWindow();
  setupWindow = standins::ShowNoteWindow(
      module, "Motor driver setup",
      ready ? "Motor driver setup\r\nDriver: ready" : "Motor driver setup\r\nDriver: shut down",
      320, 40);
}

void __cdecl Exit() {
  standins::Enter("Exit", "Exit()");
  ready = false;
}

void __cdecl CloseSetupWin() {
  standins::Enter("CloseSetupWin", "CloseSetupWin()");
  DestroySetupWindow();
}

}
