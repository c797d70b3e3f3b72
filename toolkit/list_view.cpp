#include "toolkit/list_view.h"

#include "toolkit/error.h"

namespace toolkit {

unsigned HitCategories(unsigned flags, bool onEntry, POINT point, RECT clientArea) {
  // "Above" and "on state icon" share one bit; only an answer on an entry means the state icon.
  static_assert(LVHT_ABOVE == LVHT_ONITEMSTATEICON);
  unsigned hits = 0;
  if (onEntry) {
    if ((flags & LVHT_ONITEM) == LVHT_ONITEM) {
      hits |= kOnItem;
    } else {
      if (flags & LVHT_ONITEMLABEL) hits |= kOnLabel;
      if (flags & LVHT_ONITEMICON) hits |= kOnIcon;
      if (flags & LVHT_ONITEMSTATEICON) hits |= kOnStateIcon;
    }
  }
  if (flags & LVHT_NOWHERE) hits |= kNowhere;
  if (PtInRect(&clientArea, point)) {
    // The sides are for points outside the client area. The list view also answers "above" for
    // its column header, which lies inside the client area over the rows: on no entry, so nowhere.
    return hits ? hits : kNowhere;
  }
  if (!onEntry && (flags & LVHT_ABOVE)) hits |= kAbove;
  if (flags & LVHT_BELOW) hits |= kBelow;
  if (flags & LVHT_TOLEFT) hits |= kToLeft;
  if (flags & LVHT_TORIGHT) hits |= kToRight;
  return hits;
}

int ListView::AppendItem() {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = GetItemCount();
  item.pszText = const_cast<char*>("");
  const auto row = static_cast<int>(SendMessageA(hwnd_, LVM_INSERTITEMA, 0, LPARAM(&item)));
  if (row < 0) throw Error("List index out of bounds (" + std::to_string(item.iItem) + ")");
  return row;
}

std::string ListView::GetItemText(int row) const {
  // LVM_GETITEMTEXT reports only how much it copied, so grow until the text falls short.
  std::string text(256, '\0');
  for (;;) {
    LVITEMA item{};
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto copied =
        static_cast<std::size_t>(SendMessageA(hwnd_, LVM_GETITEMTEXTA, row, LPARAM(&item)));
    if (copied + 1 < text.size()) {
      text.resize(copied);
      return text;
    }
    text.resize(text.size() * 2);
  }
}

void ListView::SetItemText(int row, std::string_view text) {
  std::string copy(text);
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = copy.data();
  if (!SendMessageA(hwnd_, LVM_SETITEMTEXTA, row, LPARAM(&item))) {
    throw Error("List index out of bounds (" + std::to_string(row) + ")");
  }
}

std::intptr_t ListView::GetItemData(int row) const {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  SendMessageA(hwnd_, LVM_GETITEMA, 0, LPARAM(&item));
  return item.lParam;
}

void ListView::SetItemData(int row, std::intptr_t data) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = data;
  SendMessageA(hwnd_, LVM_SETITEMA, 0, LPARAM(&item));
}

unsigned ListView::HitTest(POINT client) const {
  LVHITTESTINFO info{};
  info.pt = client;
  const int row = static_cast<int>(SendMessageA(hwnd_, LVM_HITTEST, 0, LPARAM(&info)));
  RECT clientArea;
  GetClientRect(hwnd_, &clientArea);
  return HitCategories(info.flags, row >= 0, client, clientArea);
}

POINT ListView::ScreenToClient(POINT screen) const {
  ::ScreenToClient(hwnd_, &screen);
  return screen;
}

RECT ListView::GetSelectBounds(int row) const {
  RECT bounds{};
  ListView_GetItemRect(hwnd_, row, &bounds, LVIR_SELECTBOUNDS);
  return bounds;
}

}  // namespace toolkit
