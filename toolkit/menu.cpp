#include "toolkit/menu.h"

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/access_keys.h"
#include "toolkit/error.h"

namespace toolkit {

namespace {

void AppendItems(HMENU menu, std::span<const MenuItemDesc> items) {
  std::vector<std::string_view> captions;
  for (const MenuItemDesc& item : items) captions.push_back(item.caption);
  const std::vector<std::string> marked = MarkAccessKeys(captions);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const bool ok = items[i].caption == "-"
                        ? AppendMenuA(menu, MF_SEPARATOR, 0, nullptr)
                        : AppendMenuA(menu, MF_STRING, items[i].command, marked[i].c_str());
    if (!ok) throw Error("Menu item " + std::string(items[i].name) + " could not be created");
  }
}

HMENU Created(HMENU menu) {
  if (!menu) throw Error("Menu could not be created");
  return menu;
}

}  // namespace

HMENU CreateMenuBar(const MainMenuDesc& desc) {
  OwnedMenu bar(Created(CreateMenu()), &DestroyMenu);
  std::vector<std::string_view> captions;
  for (const DropDownDesc& menu : desc.menus) captions.push_back(menu.caption);
  const std::vector<std::string> marked = MarkAccessKeys(captions);
  for (std::size_t i = 0; i < desc.menus.size(); ++i) {
    OwnedMenu dropDown(Created(CreatePopupMenu()), &DestroyMenu);
    AppendItems(dropDown.get(), desc.menus[i].items);
    if (!AppendMenuA(bar.get(), MF_POPUP, UINT_PTR(dropDown.get()), marked[i].c_str())) {
      throw Error("Menu " + std::string(desc.menus[i].name) + " could not be created");
    }
    dropDown.release();  // the bar owns it now
  }
  return bar.release();
}

PopupMenu::PopupMenu(const PopupMenuDesc& desc, Handler onPopup)
    : component_{desc.name},
      menu_(Created(CreatePopupMenu()), &DestroyMenu),
      onPopup_(std::move(onPopup)) {
  AppendItems(menu_.get(), desc.items);
}

void PopupMenu::Popup(HWND owner, POINT screen) {
  popupPoint_ = screen;
  if (onPopup_) onPopup_(component_);
  TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner,
                 nullptr);
}

}  // namespace toolkit
