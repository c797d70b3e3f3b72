// Entry routine. For now it only binds the eight plug-in operations, so that the executable's
// import table is complete; the window comes next.
#include <windows.h>

#include "plugins/plugins.h"

namespace {

// Taking the addresses keeps every import in the table without calling anything.
void (*const volatile kBound[])() = {
    reinterpret_cast<void (*)()>(&ShowTableWindow),
    reinterpret_cast<void (*)()>(&SaveTableSettings),
    reinterpret_cast<void (*)()>(&RemoveTable),
    &CloseTableWin,
    &InitPlugin,
    &ShowSetupWin,
    &Exit,
    &CloseSetupWin,
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return kBound[0] ? 0 : 0;
}
