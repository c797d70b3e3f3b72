#include <gtest/gtest.h>

#include "toolkit/list_view.h"

namespace {

using namespace toolkit;

TEST(HitCategories, ReportsTheWholeEntryOnlyWhenAllThreePartsComeTogether) {
  const struct {
    const char* what;
    unsigned flags;
    POINT point;
    unsigned expected;
  } cases[] = {
      {"all three parts", LVHT_ONITEM, {10, 10}, kOnItem},
      {"label alone", LVHT_ONITEMLABEL, {10, 10}, kOnLabel},
      {"icon alone", LVHT_ONITEMICON, {10, 10}, kOnIcon},
      {"state icon alone", LVHT_ONITEMSTATEICON, {10, 10}, kOnStateIcon},
      {"icon and label", LVHT_ONITEMICON | LVHT_ONITEMLABEL, {10, 10}, kOnIcon | kOnLabel},
      {"label and nowhere", LVHT_ONITEMLABEL | LVHT_NOWHERE, {10, 10}, kOnLabel | kNowhere},
      {"nowhere", LVHT_NOWHERE, {10, 10}, kNowhere},
      // The bit of "above" is the state icon's bit: the point tells them apart.
      {"above", LVHT_ABOVE, {10, -5}, kAbove},
      {"above and to the left", LVHT_ABOVE | LVHT_TOLEFT, {-5, -5}, kAbove | kToLeft},
      {"below and to the right", LVHT_BELOW | LVHT_TORIGHT, {900, 900}, kBelow | kToRight},
      {"nothing", 0, {10, 10}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(HitCategories(c.flags, c.point), c.expected);
  }
}

}  // namespace
