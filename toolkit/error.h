// The toolkit's exception kind: a failure with a message text, the only kind whose message the
// start-up guard shows as it is.
#pragma once

#include <stdexcept>
#include <string>

namespace toolkit {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace toolkit
