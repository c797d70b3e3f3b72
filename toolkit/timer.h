// A repeating timer on a window's thread queue, stopped when its owner goes. The system keeps at
// most one tick pending, however busy the thread is.
#pragma once

#include <windows.h>

#include <string_view>

namespace toolkit {

class Timer {
 public:
  // Starts the timer; throws Error naming `name` when the system refuses it.
  Timer(HWND window, UINT_PTR id, UINT interval, std::string_view name);
  ~Timer() { KillTimer(window_, id_); }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  UINT_PTR Id() const { return id_; }

 private:
  HWND window_;
  UINT_PTR id_;
};

}  // namespace toolkit
