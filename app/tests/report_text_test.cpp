#include "app/report_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ReportText, AppendsAFullStopOnlyAfterCodesAboveTheFullStop) {
  const struct {
    std::string message;
    std::string expected;
  } cases[] = {
      {"", ""},
      {"Disk full", "Disk full."},
      {"Error 42", "Error 42."},
      {"Really?", "Really?."},
      {"a/b", "a/b."},
      {"x", "x."},
      {"Done.", "Done."},
      {".", "."},
      {"Stop!", "Stop!"},
      {"(see log)", "(see log)"},
      {"a,", "a,"},
      {"a-", "a-"},
      {"trailing ", "trailing "},
      {"tab\t", "tab\t"},
      // Codes above 127 compare unsigned.
      {"caf\xe9", "caf\xe9."},
      // A double-byte character (code page 932) at the end.
      {"\x83\x65\x81\x5b\x83\x75\x83\x8b", "\x83\x65\x81\x5b\x83\x75\x83\x8b."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(app::ReportText(c.message), c.expected);
  }
}

}  // namespace
