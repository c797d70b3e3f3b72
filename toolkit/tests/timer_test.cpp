#include "toolkit/timer.h"

#include <gtest/gtest.h>

#include <string>

#include "toolkit/error.h"

namespace {

// The system refuses a timer for a window that is gone; the refusal arrives as the toolkit's
// failure, named after the timer, as start-up reports it.
TEST(Timer, RefusedBySystemThrowsErrorNamingTheTimer) {
  HWND gone = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(gone, nullptr);
  DestroyWindow(gone);
  try {
    toolkit::Timer timer(gone, 1, 1000, "RTimer");
    FAIL() << "the timer started";
  } catch (const toolkit::Error& e) {
    EXPECT_EQ(std::string(e.what()), "Error reading RTimer.OnTimer: Not enough timers available");
  }
}

}  // namespace
