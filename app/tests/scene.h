// What the window tests share: a working folder of their own with a table file, the stand-ins'
// journal, the report boxes that appear, and the event loop run beside a scripted user.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "toolkit/application.h"

namespace scene {

// Makes a fresh working folder named after `name`, with "configs\lorvane.ini" holding
// `tables`, makes it the current folder and points the stand-ins' journal into it. No
// operation fails on request until SetFailing says so.
class Folder {
 public:
  Folder(const std::string& name, const std::string& tables);
  ~Folder();
  void WriteTables(const std::string& tables) const;
  std::string Journal() const;

 private:
  std::string path_;
};

// Which stand-in operations fail from now on (a comma list; empty for none).
void SetFailing(const char* operations);

// Polls `condition` every 20 ms until it holds or `milliseconds` pass; returns whether it held.
bool WaitFor(const std::function<bool()>& condition, int milliseconds);

// The texts of the list's rows; callable from any thread.
std::vector<std::string> Rows(HWND list);

// The captions of a menu's items, "-" for a separator.
std::vector<std::string> MenuCaptions(HMENU menu);

struct Box {
  std::string caption;
  std::string text;
  bool stopIcon = false;
};

// Watches for exception-report boxes (dialogs captioned "Dravel") of process `process`, records
// each, and presses OK once it has been open for `holdMilliseconds`.
class ReportBoxes {
 public:
  explicit ReportBoxes(DWORD process = GetCurrentProcessId(), int holdMilliseconds = 0);
  ~ReportBoxes();
  std::vector<Box> Seen() const;
  int MostOpenAtOnce() const;

 private:
  void Watch();

  DWORD process_;
  int hold_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<Box> seen_;
  int mostOpen_ = 0;
  std::map<HWND, DWORD> open_;  // box -> tick count when first seen
  std::thread thread_;
};

// Runs the application's event loop on this thread while `script` runs on another; the script
// ends the loop (by closing the window, say). Should the loop still run 10 s after the script,
// it is ended by force and false returned.
bool RunWith(toolkit::Application& app, int showCommand, const std::function<void()>& script);

}  // namespace scene
