// The eight operations of the installation's two plug-in libraries, bound when the program is
// loaded (import libraries made from lorvane.def and quistrel.def). All are cdecl, return nothing
// that is read, and take 32-bit signed integers; a text is NUL-terminated 8-bit characters, owned
// by the caller, never null, and valid only for the call.
#pragma once

#include <cstdint>

extern "C" {

// lorvane.dll: the table windows and the table file "configs\lorvane.ini".

// Shows the window of table `table`; -1 asks for a new table.
void __cdecl ShowTableWindow(std::int32_t table);
// Records `name` as the "name" of table `table` in the table file.
void __cdecl SaveTableSettings(std::int32_t table, const char* name);
// Removes table `table` from the table file.
void __cdecl RemoveTable(std::int32_t table);
// Closes every window that ShowTableWindow opened.
void __cdecl CloseTableWin();

// quistrel.dll: the motor driver and its setup window.

// Readies the driver; called once, before any other plug-in operation.
void __cdecl InitPlugin();
// Shows the driver's setup window; also valid after Exit.
void __cdecl ShowSetupWin();
// Shuts the driver down.
void __cdecl Exit();
// Closes the setup window, whether or not it is shown.
void __cdecl CloseSetupWin();

}
