// The table catalogue: the table file's sections, read the way the platform's profile functions
// read them, and applied to the list's entries. No window and no Windows header here.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

// One table section of the file: its name as listed, and the value of its key "name" ("Unknown"
// when the key is missing).
struct TableSection {
  std::string sectionName;
  std::string displayName;
  bool operator==(const TableSection&) const = default;
};

// The table sections of the file's bytes, in file order.
std::vector<TableSection> ParseTableCatalogue(std::string_view bytes);

// The table sections of the file at `path`; an absent or unreadable file gives none. Never
// fails, never writes, never locks the file.
std::vector<TableSection> ReadTableCatalogue(const std::string& path);

// The number that the scan "table_%02d" reads from a section name, or none.
std::optional<std::int32_t> ParseTableNumber(std::string_view sectionName);

// What ApplyTableCatalogue needs of the list's entries, addressed by position.
template <class T>
concept TableEntries = requires(T& entries, std::size_t position, std::string_view text,
                                std::int32_t number) {
  { entries.Count() } -> std::convertible_to<std::size_t>;
  entries.Append();
  { entries.DisplayName(position) } -> std::convertible_to<std::string_view>;
  entries.SetDisplayName(position, text);
  entries.SetTableNumber(position, number);
};

// Brings the entries in line with the sections, in place.
template <TableEntries Entries>
void ApplyTableCatalogue(const std::vector<TableSection>& sections, Entries& entries);

}  // namespace catalogue
