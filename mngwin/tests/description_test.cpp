// The window description against the window's component list and its complete event wiring.
#include "mngwin/description.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using toolkit::MenuItemDesc;

struct Row {
  std::string parent;
  std::string name;
  std::string caption;
  bool operator==(const Row&) const = default;
};

struct Binding {
  std::string component;
  std::string event;
  std::string handler;
  bool operator==(const Binding&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& r) {
  return out << r.parent << "/" << r.name << " \"" << r.caption << "\"";
}
std::ostream& operator<<(std::ostream& out, const Binding& b) {
  return out << b.component << "." << b.event << " -> " << b.handler;
}

// The components in building order, each under its parent, with its caption where it has one.
std::vector<Row> Components(const toolkit::FormDesc& form) {
  const std::string window(form.name);
  std::vector<Row> rows{{"", window, std::string(form.caption)},
                        {window, std::string(form.listView.name), ""},
                        {window, std::string(form.mainMenu.name), ""}};
  for (const auto& menu : form.mainMenu.menus) {
    rows.push_back({std::string(form.mainMenu.name), std::string(menu.name),
                    std::string(menu.caption)});
    for (const MenuItemDesc& item : menu.items) {
      rows.push_back({std::string(menu.name), std::string(item.name), std::string(item.caption)});
    }
  }
  rows.push_back({window, std::string(form.popupMenu.name), ""});
  for (const MenuItemDesc& item : form.popupMenu.items) {
    rows.push_back(
        {std::string(form.popupMenu.name), std::string(item.name), std::string(item.caption)});
  }
  rows.push_back({window, std::string(form.timer.name), ""});
  return rows;
}

// Every bound event; events bound to no handler are left out.
std::vector<Binding> Bindings(const toolkit::FormDesc& form) {
  std::vector<Binding> all;
  auto add = [&](std::string_view component, const char* event, std::string_view handler) {
    if (!handler.empty()) all.push_back({std::string(component), event, std::string(handler)});
  };
  add(form.name, "OnCreate", form.onCreate);
  add(form.name, "OnClose", form.onClose);
  add(form.timer.name, "OnTimer", form.timer.onTimer);
  add(form.listView.name, "OnDblClick", form.listView.onDblClick);
  add(form.listView.name, "OnEdited", form.listView.onEdited);
  for (const auto& menu : form.mainMenu.menus) {
    for (const MenuItemDesc& item : menu.items) add(item.name, "OnClick", item.onClick);
  }
  add(form.popupMenu.name, "OnPopup", form.popupMenu.onPopup);
  for (const MenuItemDesc& item : form.popupMenu.items) add(item.name, "OnClick", item.onClick);
  return all;
}

TEST(DlgUtilDescription, HoldsEveryComponentInBuildingOrderAndNothingMore) {
  const std::vector<Row> expected = {
      {"", "DlgUtil", "ZUVEN - TARRO - Table List"},
      {"DlgUtil", "LvTables", ""},
      {"DlgUtil", "MainMenu1", ""},
      {"MainMenu1", "mmTable", "Table"},
      {"mmTable", "mmAddTable", "New..."},
      {"mmTable", "N1", "-"},
      {"mmTable", "mmExit", "Exit"},
      {"MainMenu1", "mmManager", "Manager"},
      {"mmManager", "mmMngOpen", "Open..."},
      {"mmManager", "mmMngClose", "Close"},
      {"DlgUtil", "pmTable", ""},
      {"pmTable", "pmNew", "New..."},
      {"pmTable", "N2", "-"},
      {"pmTable", "pmOpen", "Open"},
      {"pmTable", "pmRename", "Rename"},
      {"pmTable", "N3", "-"},
      {"pmTable", "pmRemove", "Remove"},
      {"DlgUtil", "RTimer", ""},
  };
  EXPECT_EQ(Components(mngwin::kDlgUtil), expected);
}

TEST(DlgUtilDescription, BindsExactlyTheEventsOfTheWiring) {
  const std::vector<Binding> expected = {
      {"DlgUtil", "OnCreate", "FormCreate"},
      {"DlgUtil", "OnClose", "FormClose"},
      {"RTimer", "OnTimer", "RTimerTimer"},
      {"LvTables", "OnDblClick", "LvTablesDblClick"},
      {"LvTables", "OnEdited", "LvTablesEdited"},
      {"mmAddTable", "OnClick", "mmAddTableClick"},
      {"mmExit", "OnClick", "mmExitClick"},
      {"mmMngOpen", "OnClick", "mmMngOpenClick"},
      {"mmMngClose", "OnClick", "mmMngCloseClick"},
      {"pmTable", "OnPopup", "pmTablePopup"},
      {"pmNew", "OnClick", "mmAddTableClick"},
      {"pmOpen", "OnClick", "pmOpenClick"},
      {"pmRename", "OnClick", "pmRenameClick"},
      {"pmRemove", "OnClick", "pmRemoveClick"},
  };
  EXPECT_EQ(Bindings(mngwin::kDlgUtil), expected);
}

TEST(DlgUtilDescription, GivesTheWindowAndListTheirSettings) {
  const auto& form = mngwin::kDlgUtil;
  EXPECT_EQ(form.width, 290);
  EXPECT_EQ(form.height, 220);
  EXPECT_EQ(form.fontName, "MS Sans Serif");
  EXPECT_EQ(form.fontHeight, 11);
  EXPECT_EQ(form.listView.columnCaption, "Name");
  EXPECT_EQ(form.listView.columnWidth, 200);
  EXPECT_EQ(form.listView.popupMenu, "pmTable");
  EXPECT_EQ(form.timer.interval, 1000);
}

}  // namespace
