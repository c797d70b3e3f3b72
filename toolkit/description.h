// The vocabulary of a window description: the window, its components in the order in which they
// are built, their settings, and each event bound to a handler by the handler's name. Plain
// constexpr data, free of any Windows header, so that descriptions can be checked anywhere.
#pragma once

#include <span>
#include <string_view>

namespace toolkit {

// A menu item; the caption "-" makes a separator. `command` is the item's WM_COMMAND id (0 for a
// separator); `onClick` names its click handler, or is empty when the click reaches none.
struct MenuItemDesc {
  std::string_view name;
  std::string_view caption;
  unsigned command = 0;
  std::string_view onClick = {};
};

// A drop-down menu of the menu bar; its header only opens it.
struct DropDownDesc {
  std::string_view name;
  std::string_view caption;
  std::span<const MenuItemDesc> items;
};

struct MainMenuDesc {
  std::string_view name;
  std::span<const DropDownDesc> menus;
};

// A pop-up menu; `onPopup` is raised each time before it opens.
struct PopupMenuDesc {
  std::string_view name;
  std::string_view onPopup = {};
  std::span<const MenuItemDesc> items;
};

// A report-style list view with one column, whole-row selection, single selection, unsorted
// rows and in-place label editing; `popupMenu` names its context menu.
struct ListViewDesc {
  std::string_view name;
  std::string_view columnCaption;
  int columnWidth = 0;
  std::string_view onDblClick = {};
  std::string_view onEdited = {};
  std::string_view popupMenu = {};
};

// A repeating timer on the window's thread; binding `onTimer` starts it.
struct TimerDesc {
  std::string_view name;
  int interval = 1000;
  std::string_view onTimer = {};
};

// A resizable top-level window with the button-face colour, centred on the whole desktop; its
// list view fills the client area. Components are built in the order of the fields: list view,
// main menu, pop-up menu, timer.
struct FormDesc {
  std::string_view name;
  std::string_view caption;
  int width = 0;
  int height = 0;
  std::string_view fontName;
  int fontHeight = 0;  // pixels
  std::string_view onCreate = {};
  std::string_view onClose = {};
  ListViewDesc listView;
  MainMenuDesc mainMenu;
  PopupMenuDesc popupMenu;
  TimerDesc timer;
};

}  // namespace toolkit
