// The answer of a list view's hit test, as a set of categories; free of any Windows header so
// that rules over it can be checked anywhere.
#pragma once

namespace toolkit {

// "On item" stands for the whole entry (icon, label and state icon reported at once); the three
// parts appear alone only when the entry is not reported as a whole.
enum Hit : unsigned {
  kOnItem = 1u << 0,
  kOnLabel = 1u << 1,
  kOnIcon = 1u << 2,
  kOnStateIcon = 1u << 3,
  kNowhere = 1u << 4,
  kAbove = 1u << 5,
  kBelow = 1u << 6,
  kToLeft = 1u << 7,
  kToRight = 1u << 8,
};

}  // namespace toolkit
