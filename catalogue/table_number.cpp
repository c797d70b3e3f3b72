#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "catalogue/catalogue.h"

namespace catalogue {

namespace {

// The blanks that the scan skips before a number.
bool IsScanBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::optional<std::int32_t> ParseTableNumber(std::string_view sectionName) {
  constexpr std::string_view prefix = "table_";
  if (sectionName.substr(0, prefix.size()) != prefix) return std::nullopt;
  std::string_view rest = sectionName.substr(prefix.size());
  std::size_t start = 0;
  while (start < rest.size() && IsScanBlank(rest[start])) ++start;
  // The width of two counts the sign as one of its characters.
  rest = rest.substr(start, 2);
  bool negative = false;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  std::int32_t number = 0;
  std::size_t digits = 0;
  for (char c : rest) {
    if (c < '0' || c > '9') break;
    number = number * 10 + (c - '0');
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  return negative ? -number : number;
}

}  // namespace catalogue
