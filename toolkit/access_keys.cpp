#include "toolkit/access_keys.h"

#include <cctype>
#include <string>

namespace toolkit {

namespace {

bool IsKeyCharacter(unsigned char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::vector<std::string> MarkAccessKeys(std::span<const std::string_view> captions) {
  std::vector<std::string> marked;
  std::string taken;
  for (std::string_view caption : captions) {
    std::string text(caption);
    if (caption != "-") {
      for (std::size_t i = 0; i < text.size(); ++i) {
        const auto key = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        if (IsKeyCharacter(static_cast<unsigned char>(key)) &&
            taken.find(key) == std::string::npos) {
          taken += key;
          text.insert(i, 1, '&');
          break;
        }
      }
    }
    marked.push_back(std::move(text));
  }
  return marked;
}

}  // namespace toolkit
