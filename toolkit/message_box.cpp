#include "toolkit/message_box.h"

#include <windows.h>

namespace toolkit {

void ShowStopBox(const std::string& text, const std::string& caption) {
  HWND active = GetActiveWindow();
  HWND focus = GetFocus();
  MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
  // Without an owner the box hands the activation to whichever window comes next.
  if (active && IsWindow(active)) SetActiveWindow(active);
  if (focus && IsWindow(focus)) SetFocus(focus);
}

}  // namespace toolkit
