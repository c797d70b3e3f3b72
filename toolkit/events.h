// What an event handler receives, and how handler names in a description become callables.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace toolkit {

// The component that raised an event, as its handler sees it (the handler's `Sender`).
struct Component {
  std::string_view name;
};

// What happens to a window after its close event: kept (None), hidden (Hide, the default),
// destroyed (Free) or minimised. Closing the main window with any action but None ends the
// event loop instead.
enum class CloseAction { None, Hide, Free, Minimize };

using Handler = std::function<void(const Component& sender)>;
using CloseHandler = std::function<void(const Component& sender, CloseAction& action)>;
// `row` is the edited row's position, `text` the committed text.
using EditedHandler =
    std::function<void(const Component& sender, int row, const std::string& text)>;

// Resolves the handler names of a description; an empty name gives an empty callable.
class Binder {
 public:
  virtual Handler Bind(std::string_view name) const = 0;
  virtual CloseHandler BindClose(std::string_view name) const = 0;
  virtual EditedHandler BindEdited(std::string_view name) const = 0;

 protected:
  ~Binder() = default;
};

}  // namespace toolkit
