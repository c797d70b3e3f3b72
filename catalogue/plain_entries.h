// A list of table entries without a window: what the benchmark and the fuzz target apply the
// catalogue to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

struct PlainEntries {
  struct Entry {
    std::string displayName;
    std::int32_t tableNumber = 0;
  };
  std::vector<Entry> rows;

  std::size_t Count() const { return rows.size(); }
  void Append() { rows.emplace_back(); }
  std::string_view DisplayName(std::size_t position) const { return rows[position].displayName; }
  void SetDisplayName(std::size_t position, std::string_view text) {
    rows[position].displayName = text;
  }
  void SetTableNumber(std::size_t position, std::int32_t number) {
    rows[position].tableNumber = number;
  }
};

}  // namespace catalogue
