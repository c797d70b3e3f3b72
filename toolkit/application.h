// The application object: its title, its main window, the event loop, and the guard through
// which every failure of an event reaches the exception report.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace toolkit {

class Form;

class Application {
 public:
  // How a failure is shown to the user; given the failure's message text.
  using Report = std::function<void(std::string_view message)>;

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  void SetReport(Report report) { report_ = std::move(report); }

  Form* MainForm() const { return mainForm_; }
  void SetMainForm(Form& form) { mainForm_ = &form; }

  // Shows the main window in the state the program was started with (SW_* of WinMain: maximised,
  // minimised without activation, otherwise normal) and takes events until quit is requested.
  // Throws Error when the thread's queue fails.
  void Run(int showCommand);
  // Asks the loop to end once it takes the request from the queue.
  void Terminate();

  // Runs `event`; a failure escaping it goes to the report and the caller goes on. Returns
  // whether the event ran to its end.
  template <class Event>
  bool Guard(Event&& event) noexcept {
    try {
      event();
      return true;
    } catch (const std::exception& e) {
      ShowException(e.what());
    } catch (...) {
      ShowException("");
    }
    return false;
  }

  void ShowException(std::string_view message) const {
    if (report_) report_(message);
  }

 private:
  std::string title_;
  Report report_;
  Form* mainForm_ = nullptr;
};

}  // namespace toolkit
