// The program's start: title, window, event loop, inside the start-up guard.
#pragma once

namespace app {

// Sets the application's title to "Dravel", creates the table list window as the main window
// and runs the event loop until quit is requested. A failure that escapes these steps is shown
// in a report's box: the toolkit's Error with its message, anything else with no text.
// `showCommand` is the SW_* state the program was started with. Returns the exit status, 0.
int Run(int showCommand);

}  // namespace app
