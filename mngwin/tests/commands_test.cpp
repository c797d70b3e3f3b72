// The table and manager commands against the real window and the journaling stand-ins: the
// plug-in calls each command makes, in order, and the list it leaves behind. Commands arrive
// the way the user's actions do: menu commands as WM_COMMAND, the double-click and the edits as
// the list's notifications, the pop-up menu as WM_CONTEXTMENU.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/tests/scene.h"
#include "mngwin/description.h"
#include "mngwin/tdlgutil.h"

namespace {

using Rows = std::vector<std::string>;

constexpr char kThreeTables[] =
    "[table_00]\r\nname=Alpha\r\n[table_01]\r\nname=Beta\r\n[table_02]\r\nname=Gamma\r\n";

unsigned CommandOf(std::string_view item) {
  for (const auto& menu : mngwin::kDlgUtil.mainMenu.menus)
    for (const auto& i : menu.items)
      if (i.name == item) return i.command;
  for (const auto& i : mngwin::kDlgUtil.popupMenu.items)
    if (i.name == item) return i.command;
  ADD_FAILURE() << "no menu item " << item;
  return 0;
}

// The window with its list filled, and the user's actions on it.
class Window {
 public:
  Window() {
    app_.SetTitle("Dravel");
    app_.SetReport([](std::string_view message) { ADD_FAILURE() << "report: " << message; });
    window_ = mngwin::CreateDlgUtil(app_);
  }

  HWND Handle() const { return window_->Handle(); }
  HWND List() const { return window_->List().Handle(); }
  mngwin::TDlgUtil& Form() { return *window_; }
  toolkit::Application& App() { return app_; }

  void Select(int row) {
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (row >= 0)
      ListView_SetItemState(List(), row, LVIS_SELECTED | LVIS_FOCUSED,
                            LVIS_SELECTED | LVIS_FOCUSED);
  }
  void Choose(std::string_view item) {
    SendMessageA(Handle(), WM_COMMAND, CommandOf(item), 0);
  }
  void DoubleClick() {
    NMITEMACTIVATE activate{};
    activate.hdr = {List(), UINT_PTR(GetDlgCtrlID(List())), UINT(NM_DBLCLK)};
    activate.iItem = -1;
    SendMessageA(Handle(), WM_NOTIFY, activate.hdr.idFrom, LPARAM(&activate));
  }
  // Edits the row's text in place, as F2 starts it, and ends the edit with Enter or Escape.
  void Rename(int row, const char* text, bool commit) {
    Select(row);
    NMLVKEYDOWN key{};
    key.hdr = {List(), UINT_PTR(GetDlgCtrlID(List())), UINT(LVN_KEYDOWN)};
    key.wVKey = VK_F2;
    SendMessageA(Handle(), WM_NOTIFY, key.hdr.idFrom, LPARAM(&key));
    HWND edit = ListView_GetEditControl(List());
    ASSERT_NE(edit, nullptr) << "F2 started no edit";
    SetWindowTextA(edit, text);
    SendMessageA(edit, WM_KEYDOWN, commit ? VK_RETURN : VK_ESCAPE, 0);
  }

 private:
  toolkit::Application app_;
  std::unique_ptr<mngwin::TDlgUtil> window_;
};

struct Case {
  const char* what;
  const char* tables;
  std::function<void(Window&)> act;
  const char* calls;  // after InitPlugin
  Rows rows;
};

TEST(Commands, CallThePlugInsInOrderAndLeaveTheListAsStated) {
  const Case cases[] = {
      {"Table > New... with no selection", kThreeTables,
       [](Window& w) { w.Choose("mmAddTable"); }, "ShowTableWindow(-1)\n",
       {"Alpha", "Beta", "Gamma"}},
      {"pop-up New... with a selection", kThreeTables,
       [](Window& w) {
         w.Select(1);
         w.Choose("pmNew");
       },
       "ShowTableWindow(-1)\n", {"Alpha", "Beta", "Gamma"}},
      {"Open passes the position, sections 0 and 2", "[table_00]\r\n[table_02]\r\n",
       [](Window& w) {
         w.Select(1);
         w.Choose("pmOpen");
       },
       "ShowTableWindow(1)\n", {"Unknown", "Unknown"}},
      {"double-click passes the table number, sections 0 and 2", "[table_00]\r\n[table_02]\r\n",
       [](Window& w) {
         w.Select(1);
         w.DoubleClick();
       },
       "ShowTableWindow(2)\n", {"Unknown", "Unknown"}},
      {"tables 3 and 7: double-click, then Open, on the second",
       "[table_03]\r\nname=C\r\n[table_07]\r\nname=G\r\n",
       [](Window& w) {
         w.Select(1);
         w.DoubleClick();
         w.Choose("pmOpen");
       },
       "ShowTableWindow(7)\nShowTableWindow(1)\n", {"C", "G"}},
      {"Open, double-click, Rename and Remove with no selection", kThreeTables,
       [](Window& w) {
         w.Select(-1);
         w.Choose("pmOpen");
         w.DoubleClick();
         w.Choose("pmRename");
         w.Choose("pmRemove");
       },
       "", {"Alpha", "Beta", "Gamma"}},
      {"rename committed unchanged", kThreeTables, [](Window& w) { w.Rename(1, "Beta", true); },
       "ShowTableWindow(1)\nSaveTableSettings(1, \"Beta\")\n", {"Alpha", "Beta", "Gamma"}},
      {"rename committed empty", kThreeTables, [](Window& w) { w.Rename(2, "", true); },
       "ShowTableWindow(2)\nSaveTableSettings(2, \"\")\n", {"Alpha", "Beta", ""}},
      {"rename committed with a new name", kThreeTables,
       [](Window& w) { w.Rename(0, "Feed axis", true); },
       "ShowTableWindow(0)\nSaveTableSettings(0, \"Feed axis\")\n",
       {"Feed axis", "Beta", "Gamma"}},
      {"rename cancelled", kThreeTables, [](Window& w) { w.Rename(1, "Other", false); }, "",
       {"Alpha", "Beta", "Gamma"}},
      {"Remove on the only entry", "[table_00]\r\nname=Alpha\r\n",
       [](Window& w) {
         w.Select(0);
         w.Choose("pmRemove");
       },
       "ShowTableWindow(0)\nRemoveTable(0)\n", {}},
      {"Remove in the middle", kThreeTables,
       [](Window& w) {
         w.Select(1);
         w.Choose("pmRemove");
       },
       "ShowTableWindow(1)\nRemoveTable(1)\n", {"Alpha", "Gamma"}},
      {"Manager > Open...", kThreeTables, [](Window& w) { w.Choose("mmMngOpen"); },
       "ShowSetupWin()\n", {"Alpha", "Beta", "Gamma"}},
      {"Manager > Close twice", kThreeTables,
       [](Window& w) {
         w.Choose("mmMngClose");
         w.Choose("mmMngClose");
       },
       "Exit()\nCloseTableWin()\nExit()\nCloseTableWin()\n", {"Alpha", "Beta", "Gamma"}},
      {"Manager > Open... after Close", kThreeTables,
       [](Window& w) {
         w.Choose("mmMngClose");
         w.Choose("mmMngOpen");
       },
       "Exit()\nCloseTableWin()\nShowSetupWin()\n", {"Alpha", "Beta", "Gamma"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    scene::Folder folder("commands", c.tables);
    Window window;
    c.act(window);
    EXPECT_EQ(folder.Journal(), std::string("InitPlugin()\n") + c.calls);
    EXPECT_EQ(scene::Rows(window.List()), c.rows);
  }
}

TEST(Commands, ExitClosesTheWindowThroughTheCloseSequence) {
  scene::Folder folder("exit", kThreeTables);
  Window window;
  window.Choose("mmExit");
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(folder.Journal(), "InitPlugin()\nCloseSetupWin()\n");
}

// Opens the pop-up menu at `client` (list coordinates), or from the keyboard when `client` is
// null, and returns the states of "New...", "Open", "Rename" and "Remove" while it is open.
std::vector<bool> PopupStates(Window& window, const POINT* client) {
  std::vector<bool> states;
  const bool ended = scene::RunWith(window.App(), SW_SHOWNORMAL, [&] {
    scene::WaitFor([&] { return IsWindowVisible(window.Handle()) != FALSE; }, 5000);
    POINT screen{-1, -1};
    if (client) {
      screen = *client;
      ClientToScreen(window.List(), &screen);
    }
    PostMessageA(window.Handle(), WM_CONTEXTMENU, WPARAM(window.List()),
                 MAKELPARAM(screen.x, screen.y));
    HWND menu = nullptr;
    scene::WaitFor(
        [&] {
          menu = FindWindowA("#32768", nullptr);
          return menu && IsWindowVisible(menu);
        },
        3000);
    for (const char* item : {"pmNew", "pmOpen", "pmRename", "pmRemove"})
      states.push_back(window.Form().Item(item).IsEnabled());
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    scene::WaitFor([&] { return !IsWindowVisible(menu); }, 3000);
    PostMessageA(window.Handle(), WM_CLOSE, 0, 0);
  });
  EXPECT_TRUE(ended);
  return states;
}

TEST(Commands, PopupEnablesTheItemsThatFitWhereItOpens) {
  using States = std::vector<bool>;
  const States onEntry{false, true, true, true}, onEmptySpace{true, false, false, false};
  {
    SCOPED_TRACE("at an entry, then on empty space below the rows");
    scene::Folder folder("popup", kThreeTables);
    Window window;
    RECT row;
    ListView_GetItemRect(window.List(), 1, &row, LVIR_LABEL);
    const POINT entry{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    EXPECT_EQ(PopupStates(window, &entry), onEntry);
    EXPECT_EQ(ListView_GetNextItem(window.List(), -1, LVNI_SELECTED), -1)
        << "the rule changes no selection";
    const POINT below{entry.x, entry.y + 5 * (row.bottom - row.top)};
    EXPECT_EQ(PopupStates(window, &below), onEmptySpace);
  }
  {
    SCOPED_TRACE("from the keyboard, at the selected entry");
    scene::Folder folder("popup-keys", kThreeTables);
    Window window;
    window.Select(2);
    EXPECT_EQ(PopupStates(window, nullptr), onEntry);
  }
  {
    SCOPED_TRACE("in an empty list, from the keyboard");
    scene::Folder folder("popup-empty", "");
    Window window;
    EXPECT_EQ(PopupStates(window, nullptr), onEmptySpace);
  }
}

}  // namespace
