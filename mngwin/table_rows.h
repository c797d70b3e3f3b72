// The rows of the table list as the catalogue's table entries: a row's position is the entry's
// position, its text the display name, and its lParam the TableNumber. Nothing is kept per row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/list_view.h"

namespace mngwin {

class TableRows {
 public:
  explicit TableRows(toolkit::ListView& list) : list_(list) {}

  std::size_t Count() const { return static_cast<std::size_t>(list_.GetItemCount()); }
  void Append() { list_.AppendItem(); }
  // Valid until the next call.
  std::string_view DisplayName(std::size_t position) {
    text_ = list_.GetItemText(static_cast<int>(position));
    return text_;
  }
  void SetDisplayName(std::size_t position, std::string_view text) {
    list_.SetItemText(static_cast<int>(position), text);
  }
  void SetTableNumber(std::size_t position, std::int32_t number) {
    list_.SetItemData(static_cast<int>(position), number);
  }

 private:
  toolkit::ListView& list_;
  std::string text_;
};

}  // namespace mngwin
