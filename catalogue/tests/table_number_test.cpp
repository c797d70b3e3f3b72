#include <gtest/gtest.h>

#include <optional>

#include "catalogue/catalogue.h"

namespace catalogue {
namespace {

TEST(ParseTableNumber, ScanOfTableFormat) {
  const struct {
    const char* name;
    std::optional<std::int32_t> expected;
  } cases[] = {
      {"table_00", 0},   {"table_07", 7},      {"table_7", 7},      {"table_42x", 42},
      {"table_100", 10}, {"table_123", 12},    {"table_-3", -3},    {"table_+5", 5},
      {"table_ 5", 5},   {"table_\t\n\v\f\r7", 7}, {"table_-03", 0}, {"table_99", 99},
      {"table_-9", -9},  {"table_", {}},       {"table_x1", {}},    {"table_-", {}},
      {"table_+", {}},   {"table_- 5", {}},    {"Table_01", {}},    {"tbl_01", {}},
      {"", {}},          {" table_01", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParseTableNumber(c.name), c.expected);
  }
}

}  // namespace
}  // namespace catalogue
