#include "mngwin/popup_rule.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using mngwin::PopupItemStates;
using mngwin::PopupRule;
using namespace toolkit;

constexpr PopupItemStates kOnEntry{.newTable = false, .open = true, .rename = true, .remove = true};
constexpr PopupItemStates kOnEmptySpace{
    .newTable = true, .open = false, .rename = false, .remove = false};

TEST(PopupRule, EveryHitTestAnswer) {
  struct Case {
    const char* where;
    unsigned hits;
    std::optional<PopupItemStates> expected;
  } cases[] = {
      {"on item", kOnItem, kOnEntry},
      {"on label", kOnLabel, kOnEntry},
      {"on label and nowhere", kOnLabel | kNowhere, kOnEntry},
      {"on item and nowhere", kOnItem | kNowhere, kOnEntry},
      {"nowhere", kNowhere, kOnEmptySpace},
      {"on icon alone", kOnIcon, std::nullopt},
      {"on state icon alone", kOnStateIcon, std::nullopt},
      {"on icon and state icon", kOnIcon | kOnStateIcon, std::nullopt},
      {"above", kAbove, std::nullopt},
      {"below", kBelow, std::nullopt},
      {"to the left", kToLeft, std::nullopt},
      {"to the right", kToRight, std::nullopt},
      {"below and to the right", kBelow | kToRight, std::nullopt},
      {"no category", 0, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    EXPECT_EQ(PopupRule(c.hits), c.expected);
  }
}

}  // namespace
