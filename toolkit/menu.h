// Menus built from description data: the menu bar, pop-up menus, and their items.
#pragma once

#include <windows.h>

#include <memory>
#include <span>
#include <type_traits>

#include "toolkit/description.h"
#include "toolkit/events.h"

namespace toolkit {

// A menu item addressed by its command id in the menu that holds it; the item's state stays in
// the menu.
class MenuItem {
 public:
  MenuItem(HMENU menu, unsigned command) : menu_(menu), command_(command) {}

  void EnableMenuItem(bool enabled) {
    ::EnableMenuItem(menu_, command_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }
  bool IsEnabled() const {
    return !(GetMenuState(menu_, command_, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
  }

 private:
  HMENU menu_;
  unsigned command_;
};

// The one owner of a menu that no window destroys for us.
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&DestroyMenu)>;

// The menu bar with its drop-down menus; the window it is set on destroys it.
HMENU CreateMenuBar(const MainMenuDesc& desc);

// A context menu: it records the point at which it is asked to open, raises its pop-up event,
// and then opens there; the chosen item's command reaches the owner window as WM_COMMAND.
class PopupMenu {
 public:
  PopupMenu(const PopupMenuDesc& desc, Handler onPopup);

  HMENU Handle() const { return menu_.get(); }
  // Where, in screen coordinates, the menu is being opened.
  POINT PopupPoint() const { return popupPoint_; }
  // Raises the pop-up event (an exception from it keeps the menu closed), then opens the menu.
  void Popup(HWND owner, POINT screen);

 private:
  Component component_;
  OwnedMenu menu_;
  Handler onPopup_;
  POINT popupPoint_{};
};

}  // namespace toolkit
