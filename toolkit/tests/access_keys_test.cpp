#include "toolkit/access_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

struct Case {
  const char* what;
  std::vector<std::string_view> captions;
  std::vector<std::string> expected;
};

TEST(MarkAccessKeys, GivesEachItemTheFirstFreeLetterOrDigit) {
  const Case cases[] = {
      {"menu bar", {"Table", "Manager"}, {"&Table", "&Manager"}},
      {"Table menu", {"New...", "-", "Exit"}, {"&New...", "-", "&Exit"}},
      {"Manager menu", {"Open...", "Close"}, {"&Open...", "&Close"}},
      {"pop-up menu, R of Remove taken by Rename",
       {"New...", "-", "Open", "Rename", "-", "Remove"},
       {"&New...", "-", "&Open", "&Rename", "-", "R&emove"}},
      {"lower case compared in upper case", {"alpha", "Apple"}, {"&alpha", "A&pple"}},
      {"digits count, punctuation and high bytes do not", {"...9", "\xe9t\xe9"},
       {"...&9", "\xe9&t\xe9"}},
      {"an item that finds no key stays unmarked", {"Ab", "ba", "..."}, {"&Ab", "&ba", "..."}},
      {"separators take nothing", {"-", "-"}, {"-", "-"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(toolkit::MarkAccessKeys(c.captions), c.expected);
  }
}

}  // namespace
