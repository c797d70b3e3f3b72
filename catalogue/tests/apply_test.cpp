#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"

namespace catalogue {
namespace {

struct Entry {
  std::string caption;
  std::int32_t tableNumber;
  bool operator==(const Entry&) const = default;
};

// A plain list of entries that records every caption it is given, and can refuse to grow.
struct EntryList {
  std::vector<Entry> entries;
  std::vector<std::size_t> captionsSet;
  std::size_t appendLimit = SIZE_MAX;

  std::size_t Count() const { return entries.size(); }
  void Append() {
    if (entries.size() >= appendLimit) throw std::bad_alloc();
    entries.push_back({"", 12345});
  }
  std::string_view DisplayName(std::size_t position) const { return entries[position].caption; }
  void SetDisplayName(std::size_t position, std::string_view text) {
    entries[position].caption = text;
    captionsSet.push_back(position);
  }
  void SetTableNumber(std::size_t position, std::int32_t number) {
    entries[position].tableNumber = number;
  }
};

static_assert(TableEntries<EntryList>);

TEST(ApplyTableCatalogue, BringsEntriesInLine) {
  const std::vector<TableSection> file = {
      {"table_00", "Alpha"}, {"table_01", "Unknown"}, {"table_05", "Gamma"}};
  const struct {
    const char* label;
    std::vector<Entry> before;
    std::vector<Entry> after;
    std::vector<std::size_t> captionsSet;
  } cases[] = {
      {"empty list fills in file order",
       {},
       {{"Alpha", 0}, {"Unknown", 1}, {"Gamma", 5}},
       {0, 1, 2}},
      {"unchanged names keep their captions, numbers are set again",
       {{"Alpha", 7}, {"Unknown", 7}, {"Gamma", 7}},
       {{"Alpha", 0}, {"Unknown", 1}, {"Gamma", 5}},
       {}},
      {"exact comparison: letter case counts",
       {{"alpha", 0}, {"Unknown", 1}, {"Gamma ", 5}},
       {{"Alpha", 0}, {"Unknown", 1}, {"Gamma", 5}},
       {0, 2}},
      {"rows past the sections are left alone",
       {{"Alpha", 0}, {"x", 9}, {"y", 3}, {"z", 4}, {"w", -1}},
       {{"Alpha", 0}, {"Unknown", 1}, {"Gamma", 5}, {"z", 4}, {"w", -1}},
       {1, 2}},
      {"missing rows appended",
       {{"Alpha", 0}},
       {{"Alpha", 0}, {"Unknown", 1}, {"Gamma", 5}},
       {1, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EntryList list;
    list.entries = c.before;
    ApplyTableCatalogue(file, list);
    EXPECT_EQ(list.entries, c.after);
    EXPECT_EQ(list.captionsSet, c.captionsSet);
  }
}

TEST(ApplyTableCatalogue, NameWithoutNumberGetsItsIndex) {
  EntryList list;
  ApplyTableCatalogue({{"table_03", "a"}, {"misc", "b"}, {"table_x", "c"}}, list);
  EXPECT_EQ(list.entries, (std::vector<Entry>{{"a", 3}, {"b", 1}, {"c", 2}}));
}

TEST(ApplyTableCatalogue, FailedAppendEndsRefreshAfterEarlierEntries) {
  EntryList list;
  list.entries = {{"old", 9}};
  list.appendLimit = 2;
  EXPECT_THROW(
      ApplyTableCatalogue({{"table_00", "a"}, {"table_01", "b"}, {"table_02", "c"}}, list),
      std::bad_alloc);
  EXPECT_EQ(list.entries, (std::vector<Entry>{{"a", 0}, {"b", 1}}));
}

}  // namespace
}  // namespace catalogue
