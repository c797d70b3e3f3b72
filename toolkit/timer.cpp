#include "toolkit/timer.h"

#include <string>

#include "toolkit/error.h"

namespace toolkit {

Timer::Timer(HWND window, UINT_PTR id, UINT interval, std::string_view name)
    : window_(window), id_(id) {
  if (!SetTimer(window, id, interval, nullptr)) {
    throw Error("Error reading " + std::string(name) +
                ".OnTimer: Not enough timers available");
  }
}

}  // namespace toolkit
