// The stand-ins' small windows: a non-modal top-level window that shows a few lines of text.
#pragma once

#include <windows.h>

#include <string>

namespace standins {

// Creates and shows a note window titled `title` showing `text`, owned by the module `module`.
HWND ShowNoteWindow(HINSTANCE module, const std::string& title, const std::string& text, int x,
                    int y);

}  // namespace standins
