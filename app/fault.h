// What happens to a fault that the system raises and no one handles, such as an access violation
// inside a plug-in operation: the program cannot safely go on, but it does not vanish silently.
#pragma once

namespace app {

// From now on, an unhandled fault shows a stop box captioned "Dravel" that names the fault, its
// address and the module where it happened; once it is dismissed the process ends with the
// fault's code as its exit status.
void InstallFaultReport();

}  // namespace app
