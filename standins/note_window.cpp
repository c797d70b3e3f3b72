#include "standins/note_window.h"

namespace standins {

HWND ShowNoteWindow(HINSTANCE module, const std::string& title, const std::string& text, int x,
                    int y) {
  static constexpr char kClassName[] = "DravelStandinNote";
  WNDCLASSA wc{};
  if (!GetClassInfoA(module, kClassName, &wc)) {
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = module;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
  }
  HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, title.c_str(),
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, x, y, 260, 110, nullptr,
                              nullptr, module, nullptr);
  if (!hwnd) return nullptr;
  RECT client;
  GetClientRect(hwnd, &client);
  HWND label = CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 8,
                               8, client.right - 16, client.bottom - 16, hwnd, nullptr, module,
                               nullptr);
  SendMessageA(label, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  // Shown without taking the activation, so that the keyboard stays with the program that asked.
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  return hwnd;
}

}  // namespace standins
