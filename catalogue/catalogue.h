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

// The table sections of the file's bytes, in file order, as the profile functions give them:
// the list of all section names (cut at 16384 characters, the name crossing that limit listed
// cut short) and, for each listed name, the value of "name" in the first section of that name
// (compared without letter case of A-Z and without blanks around the listed name), cut to 2047
// characters, with one pair of matching quotation marks removed, or "Unknown". Bytes are kept
// as they are. Any input is safe; time is linear in its size, and the memory used beyond the
// bytes themselves is bounded by the name-list limit.
std::vector<TableSection> ParseTableCatalogue(std::string_view bytes);

// The table sections of the file at `path`; an absent or unreadable file gives none. Never
// fails, never writes, never locks the file.
std::vector<TableSection> ReadTableCatalogue(const std::string& path);

// The number that the scan "table_%02d" reads from a section name, or none: "table_" exactly,
// blanks skipped, then at most two characters of an optional sign and decimal digits.
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

// Brings the entries in line with the sections, in place: entry i takes section i's display
// name (set only when it differs, so an unchanged file changes nothing on screen) and its table
// number (set every time); a missing entry is appended. Entries past the last section are left
// as they are; none is moved or removed. An exception from the entries (such as a failed
// append) ends the refresh there, with the earlier entries already updated, and passes on.
template <TableEntries Entries>
void ApplyTableCatalogue(const std::vector<TableSection>& sections, Entries& entries) {
  for (std::size_t i = 0; i < sections.size(); ++i) {
    if (i >= entries.Count()) entries.Append();
    const TableSection& section = sections[i];
    if (std::string_view(entries.DisplayName(i)) != section.displayName) {
      entries.SetDisplayName(i, section.displayName);
    }
    // A name without a number still gets a table number, because a double-click hands it to
    // the table library: -1 there asks for a new table, and garbage opens an arbitrary one. The
    // section's index in the file is what "Open" passes for the same row right after this
    // refresh, so both commands open the same table.
    entries.SetTableNumber(
        i, ParseTableNumber(section.sectionName).value_or(static_cast<std::int32_t>(i)));
  }
}

}  // namespace catalogue
