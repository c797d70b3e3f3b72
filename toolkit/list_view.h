// A report-style list view (comctl32, ANSI messages) over a window it does not own. Each call
// forwards to the list view message of the same name; the rows' texts and numbers stay in the
// control.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/hit.h"

namespace toolkit {

// The categories of a list view's LVHT_* hit-test answer for `point`, given whether the answer
// names an entry and the list's client area.
unsigned HitCategories(unsigned flags, bool onEntry, POINT point, RECT clientArea);

class ListView {
 public:
  explicit ListView(HWND hwnd = nullptr) : hwnd_(hwnd) {}
  HWND Handle() const { return hwnd_; }

  int GetItemCount() const { return ListView_GetItemCount(hwnd_); }
  // The selected row's position, or -1 with none selected.
  int GetSelectedItem() const { return ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED); }
  bool DeleteItem(int row) { return ListView_DeleteItem(hwnd_, row); }
  // Starts the in-place edit of the row's text.
  void EditLabel(int row) { SendMessageA(hwnd_, LVM_EDITLABELA, row, 0); }

  // Appends an empty row and returns its position; throws Error when the list refuses.
  int AppendItem();
  std::string GetItemText(int row) const;
  // Throws Error when the list refuses.
  void SetItemText(int row, std::string_view text);
  // The integer that the row carries in its lParam.
  std::intptr_t GetItemData(int row) const;
  void SetItemData(int row, std::intptr_t data);

  // The hit-test categories at a point in client coordinates.
  unsigned HitTest(POINT client) const;
  POINT ScreenToClient(POINT screen) const;
  // The row's selection rectangle (LVIR_SELECTBOUNDS), client coordinates.
  RECT GetSelectBounds(int row) const;

 private:
  HWND hwnd_;
};

}  // namespace toolkit
