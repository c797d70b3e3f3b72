// The table list window as data: its settings, its components in the order in which they are
// built, and every event bound to a handler of TDlgUtil by the handler's name. Settings not
// given keep the toolkit's defaults (timer interval 1000 ms, enabled; every item enabled).
#pragma once

#include "toolkit/description.h"

namespace mngwin {

inline constexpr toolkit::MenuItemDesc kTableItems[] = {
    {.name = "mmAddTable", .caption = "New...", .command = 101, .onClick = "mmAddTableClick"},
    {.name = "N1", .caption = "-"},
    {.name = "mmExit", .caption = "Exit", .command = 102, .onClick = "mmExitClick"},
};

inline constexpr toolkit::MenuItemDesc kManagerItems[] = {
    {.name = "mmMngOpen", .caption = "Open...", .command = 103, .onClick = "mmMngOpenClick"},
    {.name = "mmMngClose", .caption = "Close", .command = 104, .onClick = "mmMngCloseClick"},
};

inline constexpr toolkit::DropDownDesc kMainMenus[] = {
    {.name = "mmTable", .caption = "Table", .items = kTableItems},
    {.name = "mmManager", .caption = "Manager", .items = kManagerItems},
};

inline constexpr toolkit::MenuItemDesc kPopupItems[] = {
    {.name = "pmNew", .caption = "New...", .command = 201, .onClick = "mmAddTableClick"},
    {.name = "N2", .caption = "-"},
    {.name = "pmOpen", .caption = "Open", .command = 202, .onClick = "pmOpenClick"},
    {.name = "pmRename", .caption = "Rename", .command = 203, .onClick = "pmRenameClick"},
    {.name = "N3", .caption = "-"},
    {.name = "pmRemove", .caption = "Remove", .command = 204, .onClick = "pmRemoveClick"},
};

inline constexpr toolkit::FormDesc kDlgUtil{
    .name = "DlgUtil",
    .caption = "ZUVEN - TARRO - Table List",
    .width = 290,
    .height = 220,
    .fontName = "MS Sans Serif",
    .fontHeight = 11,
    .onCreate = "FormCreate",
    .onClose = "FormClose",
    .listView = {.name = "LvTables",
                 .columnCaption = "Name",
                 .columnWidth = 200,
                 .onDblClick = "LvTablesDblClick",
                 .onEdited = "LvTablesEdited",
                 .popupMenu = "pmTable"},
    .mainMenu = {.name = "MainMenu1", .menus = kMainMenus},
    .popupMenu = {.name = "pmTable", .onPopup = "pmTablePopup", .items = kPopupItems},
    .timer = {.name = "RTimer", .onTimer = "RTimerTimer"},
};

// Separators carry no command and every other item its own, since WM_COMMAND tells the items
// apart by it alone.
constexpr bool CommandsAreDistinct(const toolkit::FormDesc& form) {
  unsigned seen[32] = {};
  int count = 0;
  auto visit = [&](const toolkit::MenuItemDesc& item) {
    if ((item.caption == "-") != (item.command == 0)) return false;
    for (int i = 0; i < count; ++i) {
      if (item.command && seen[i] == item.command) return false;
    }
    if (count == 32) return false;
    seen[count++] = item.command;
    return true;
  };
  for (const auto& menu : form.mainMenu.menus) {
    for (const auto& item : menu.items) {
      if (!visit(item)) return false;
    }
  }
  for (const auto& item : form.popupMenu.items) {
    if (!visit(item)) return false;
  }
  return true;
}
static_assert(CommandsAreDistinct(kDlgUtil));
static_assert(kDlgUtil.listView.popupMenu == kDlgUtil.popupMenu.name);

}  // namespace mngwin
