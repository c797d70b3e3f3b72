#include <gtest/gtest.h>

#include <string>

#include "catalogue/diagnostic.h"

namespace catalogue {
namespace {

using namespace std::string_literals;

TEST(EscapeField, PrintableAsciiOnly) {
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"table_01 x~", "table_01 x~"},
      {"a\\b\tc", "a\\x5cb\\x09c"},
      {"\0\x1f\x7f\x80\xff"s, "\\x00\\x1f\\x7f\\x80\\xff"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(EscapeField(c.text), c.expected);
  }
}

TEST(FormatCatalogue, OneLinePerEntry) {
  EXPECT_EQ(FormatCatalogue({{"table_05", "Gamma"}, {"misc\t", "\xe9"}}),
            "0\t5\ttable_05\tGamma\n1\t-\tmisc\\x09\t\\xe9\n");
  EXPECT_EQ(FormatCatalogue({}), "");
}

}  // namespace
}  // namespace catalogue
