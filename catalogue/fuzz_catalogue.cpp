// libFuzzer target: any bytes parse without fault, and the result keeps the reader's limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/diagnostic.h"

namespace {

struct Entries {
  std::vector<std::pair<std::string, std::int32_t>> rows;
  std::size_t Count() const { return rows.size(); }
  void Append() { rows.emplace_back(); }
  std::string_view DisplayName(std::size_t position) const { return rows[position].first; }
  void SetDisplayName(std::size_t position, std::string_view text) { rows[position].first = text; }
  void SetTableNumber(std::size_t position, std::int32_t number) { rows[position].second = number; }
};

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<catalogue::TableSection> sections = catalogue::ParseTableCatalogue(bytes);
  std::size_t listSize = 1;
  for (const auto& section : sections) {
    Require(!section.sectionName.empty() && section.displayName.size() <= 2047);
    listSize += section.sectionName.size() + 1;
    if (const auto number = catalogue::ParseTableNumber(section.sectionName)) {
      Require(*number >= -9 && *number <= 99);
    }
  }
  Require(listSize <= 16384);
  Entries entries;
  catalogue::ApplyTableCatalogue(sections, entries);
  Require(entries.Count() == sections.size());
  catalogue::FormatCatalogue(sections);
  return 0;
}
