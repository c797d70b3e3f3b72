// The pop-up menu's rule: which of its items fit the place where it is being opened.
#pragma once

#include <optional>

#include "toolkit/hit.h"

namespace mngwin {

// The enabled flags of the pop-up items "New...", "Open", "Rename" and "Remove".
struct PopupItemStates {
  bool newTable;
  bool open;
  bool rename;
  bool remove;
  bool operator==(const PopupItemStates&) const = default;
};

// The states for the hit-test answer at the pop-up point, by the first rule that matches: on an
// entry or its label, the commands on that entry; on empty space inside the list, "New..."
// alone; anywhere else (an icon alone, outside the list) none, and the items keep the states of
// the last opening. The rule looks only at the point, never at the selection.
constexpr std::optional<PopupItemStates> PopupRule(unsigned hits) {
  if (hits & (toolkit::kOnItem | toolkit::kOnLabel)) return PopupItemStates{false, true, true, true};
  if (hits & toolkit::kNowhere) return PopupItemStates{true, false, false, false};
  return std::nullopt;
}

}  // namespace mngwin
