#include <gtest/gtest.h>

#include "toolkit/list_view.h"

namespace {

using namespace toolkit;

TEST(HitCategories, MapsTheListViewsAnswer) {
  const RECT client{0, 0, 200, 100};
  const struct {
    const char* what;
    unsigned flags;
    bool onEntry;
    POINT point;
    unsigned expected;
  } cases[] = {
      {"all three parts", LVHT_ONITEM, true, {10, 30}, kOnItem},
      {"label alone", LVHT_ONITEMLABEL, true, {10, 30}, kOnLabel},
      {"icon alone", LVHT_ONITEMICON, true, {10, 30}, kOnIcon},
      {"state icon alone", LVHT_ONITEMSTATEICON, true, {10, 30}, kOnStateIcon},
      {"icon and label", LVHT_ONITEMICON | LVHT_ONITEMLABEL, true, {10, 30}, kOnIcon | kOnLabel},
      {"label and nowhere", LVHT_ONITEMLABEL | LVHT_NOWHERE, true, {10, 30}, kOnLabel | kNowhere},
      {"nowhere", LVHT_NOWHERE, false, {10, 60}, kNowhere},
      // The header lies inside the client area; the list view calls it "above".
      {"the column header", LVHT_ABOVE, false, {10, 5}, kNowhere},
      {"above", LVHT_ABOVE, false, {10, -5}, kAbove},
      {"above and to the left", LVHT_ABOVE | LVHT_TOLEFT, false, {-5, -5}, kAbove | kToLeft},
      {"below and to the right", LVHT_BELOW | LVHT_TORIGHT, false, {900, 900}, kBelow | kToRight},
      {"outside with no answer", 0, false, {900, 50}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(HitCategories(c.flags, c.onEntry, c.point, client), c.expected);
  }
}

}  // namespace
