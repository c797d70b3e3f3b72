// libFuzzer target: any bytes parse without fault, and the result keeps the reader's limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/diagnostic.h"
#include "catalogue/plain_entries.h"

namespace {

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
  catalogue::PlainEntries entries;
  catalogue::ApplyTableCatalogue(sections, entries);
  Require(entries.Count() == sections.size());
  catalogue::FormatCatalogue(sections);
  return 0;
}
