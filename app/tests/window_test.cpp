// The table list window against the journaling stand-ins: start-up, the periodic refresh, the
// close sequence and the exception report, each in a working folder of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "app/report.h"
#include "app/startup.h"
#include "app/tests/scene.h"
#include "mngwin/tdlgutil.h"

namespace {

using Rows = std::vector<std::string>;

constexpr char kThreeTables[] =
    "[table_00]\r\nname=Alpha\r\n[table_01]\r\n[table_05]\r\nname=Gamma\r\n";

class Window : public testing::Test {
 protected:
  // Start-up as the entry routine does it, up to the event loop.
  std::unique_ptr<mngwin::TDlgUtil> Create() {
    app_.SetTitle("Dravel");
    app_.SetReport([this](std::string_view message) { app::ShowExceptionReport(app_, message); });
    return mngwin::CreateDlgUtil(app_);
  }
  static std::string Name() {
    return testing::UnitTest::GetInstance()->current_test_info()->name();
  }

  toolkit::Application app_;
};

TEST_F(Window, IsBuiltAsDescribedAndFilledBeforeItIsShown) {
  scene::Folder folder(Name(), kThreeTables);
  auto window = Create();
  HWND hwnd = window->Handle();
  HWND list = window->List().Handle();

  EXPECT_EQ(mngwin::DlgUtil, window.get());
  EXPECT_EQ(app_.MainForm(), window.get());
  // FormCreate has run: InitPlugin first and alone, then the first refresh, all while hidden.
  EXPECT_EQ(folder.Journal(), "InitPlugin()\n");
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_EQ(scene::Rows(list), (Rows{"Alpha", "Unknown", "Gamma"}));
  EXPECT_EQ(window->List().GetItemData(2), 5);

  char caption[64] = "";
  GetWindowTextA(hwnd, caption, sizeof caption);
  EXPECT_STREQ(caption, "ZUVEN - TARRO - Table List");
  RECT outer;
  GetWindowRect(hwnd, &outer);
  EXPECT_EQ(outer.right - outer.left, 290);
  EXPECT_EQ(outer.bottom - outer.top, 220);
  EXPECT_EQ(outer.left, GetSystemMetrics(SM_XVIRTUALSCREEN) +
                            (GetSystemMetrics(SM_CXVIRTUALSCREEN) - 290) / 2);
  EXPECT_EQ(outer.top, GetSystemMetrics(SM_YVIRTUALSCREEN) +
                           (GetSystemMetrics(SM_CYVIRTUALSCREEN) - 220) / 2);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);

  // The list fills the client area under the menu bar, one column "Name" of 200 pixels.
  RECT client, listRect;
  GetClientRect(hwnd, &client);
  GetClientRect(list, &listRect);
  MapWindowPoints(list, hwnd, reinterpret_cast<POINT*>(&listRect), 2);
  EXPECT_LE(listRect.left - client.left, 2);
  EXPECT_LE(client.bottom - listRect.bottom, 2);
  EXPECT_EQ(ListView_GetColumnWidth(list, 0), 200);
  const LONG style = GetWindowLongA(list, GWL_STYLE);
  EXPECT_EQ(style & (LVS_TYPEMASK | LVS_SINGLESEL | LVS_EDITLABELS),
            LVS_REPORT | LVS_SINGLESEL | LVS_EDITLABELS);
  EXPECT_TRUE(ListView_GetExtendedListViewStyle(list) & LVS_EX_FULLROWSELECT);

  HMENU bar = GetMenu(hwnd);
  EXPECT_EQ(scene::MenuCaptions(bar), (Rows{"&Table", "&Manager"}));
  EXPECT_EQ(scene::MenuCaptions(GetSubMenu(bar, 0)), (Rows{"&New...", "-", "&Exit"}));
  EXPECT_EQ(scene::MenuCaptions(GetSubMenu(bar, 1)), (Rows{"&Open...", "&Close"}));
  EXPECT_EQ(scene::MenuCaptions(window->Popup().Handle()),
            (Rows{"&New...", "-", "&Open", "&Rename", "-", "R&emove"}));
  for (const char* item : {"pmNew", "pmOpen", "pmRename", "pmRemove", "mmExit"}) {
    SCOPED_TRACE(item);
    EXPECT_TRUE(window->Item(item).IsEnabled());
  }
}

TEST_F(Window, FollowsTheFileAndClosesWithCloseSetupWinAlone) {
  scene::Folder folder(Name(), kThreeTables);
  auto window = Create();
  HWND hwnd = window->Handle();
  HWND list = window->List().Handle();
  bool shown = false, followed = false;
  DWORD took = 0;
  const bool ended = scene::RunWith(app_, SW_SHOWNORMAL, [&] {
    shown = scene::WaitFor([&] { return IsWindowVisible(hwnd) != FALSE; }, 5000);
    folder.WriteTables("[table_00]\r\nname=Beta\r\n[table_01]\r\n[table_05]\r\nname=Gamma\r\n"
                       "[table_06]\r\nname=Delta\r\n");
    const DWORD start = GetTickCount();
    followed = scene::WaitFor(
        [&] { return scene::Rows(list) == Rows{"Beta", "Unknown", "Gamma", "Delta"}; }, 5000);
    took = GetTickCount() - start;
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
  });
  EXPECT_TRUE(ended);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(followed);
  EXPECT_LE(took, 1500u);
  EXPECT_EQ(folder.Journal(), "InitPlugin()\nCloseSetupWin()\n");
}

TEST_F(Window, ReportsAFailingInitPluginAndFillsTheListAtTheNextTick) {
  scene::Folder folder(Name(), kThreeTables);
  scene::SetFailing("InitPlugin");
  scene::ReportBoxes boxes;
  auto window = Create();
  HWND list = window->List().Handle();
  const auto reports = boxes.Seen();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, "InitPlugin failed on request.");
  EXPECT_TRUE(reports[0].stopIcon);
  // The rest of FormCreate was skipped: no first refresh.
  EXPECT_EQ(scene::Rows(list), Rows{});

  bool shownEmpty = false, filled = false;
  const bool ended = scene::RunWith(app_, SW_SHOWNORMAL, [&] {
    shownEmpty = scene::WaitFor([&] { return IsWindowVisible(window->Handle()) != FALSE; }, 5000);
    filled = scene::WaitFor([&] { return scene::Rows(list).size() == 3; }, 3000);
    PostMessageA(window->Handle(), WM_CLOSE, 0, 0);
  });
  EXPECT_TRUE(ended);
  EXPECT_TRUE(shownEmpty);
  EXPECT_TRUE(filled);
  EXPECT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(folder.Journal(), "InitPlugin()\nCloseSetupWin()\n");
}

TEST_F(Window, StaysOpenAndRefreshingWhenCloseSetupWinFails) {
  scene::Folder folder(Name(), kThreeTables);
  auto window = Create();
  HWND hwnd = window->Handle();
  HWND list = window->List().Handle();
  scene::ReportBoxes boxes;
  bool reported = false, stayed = false, refreshed = false;
  const bool ended = scene::RunWith(app_, SW_SHOWNORMAL, [&] {
    scene::WaitFor([&] { return IsWindowVisible(hwnd) != FALSE; }, 5000);
    scene::SetFailing("CloseSetupWin");
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    reported = scene::WaitFor([&] { return boxes.Seen().size() == 1; }, 5000);
    folder.WriteTables("[table_00]\r\nname=Omega\r\n");
    refreshed = scene::WaitFor([&] { return scene::Rows(list)[0] == "Omega"; }, 3000);
    stayed = IsWindowVisible(hwnd) && mngwin::DlgUtil == window.get();
    scene::SetFailing("");
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
  });
  EXPECT_TRUE(ended);
  EXPECT_TRUE(reported);
  EXPECT_TRUE(stayed);
  EXPECT_TRUE(refreshed);
  const auto reports = boxes.Seen();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].caption, "Dravel");
  EXPECT_EQ(reports[0].text, "CloseSetupWin failed on request.");
  EXPECT_EQ(folder.Journal(), "InitPlugin()\nCloseSetupWin()\nCloseSetupWin()\n");
}

// Stands between the list and what the window sends it: counts text changes, and refuses new rows
// while `refuseRows` is set, as a list with no memory left would.
struct ListSpy {
  static inline std::atomic<int> textChanges{0};
  static inline std::atomic<bool> refuseRows{false};
  static inline WNDPROC original = nullptr;

  static void Attach(HWND list) {
    textChanges = 0;
    refuseRows = false;
    original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
  }
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == LVM_INSERTITEMA && refuseRows) return -1;
    if (message == LVM_SETITEMTEXTA) ++textChanges;
    return CallWindowProcA(original, hwnd, message, wParam, lParam);
  }
};

TEST_F(Window, ChangesNoRowTextWhileTheFileStaysTheSame) {
  scene::Folder folder(Name(), kThreeTables);
  auto window = Create();
  ListSpy::Attach(window->List().Handle());
  const bool ended = scene::RunWith(app_, SW_SHOWNORMAL, [&] {
    Sleep(2500);  // two ticks at least
    PostMessageA(window->Handle(), WM_CLOSE, 0, 0);
  });
  EXPECT_TRUE(ended);
  EXPECT_EQ(ListSpy::textChanges, 0);
  EXPECT_EQ(scene::Rows(window->List().Handle()), (Rows{"Alpha", "Unknown", "Gamma"}));
}

TEST_F(Window, ReportsOfARefreshFailingAtEveryTickDoNotNest) {
  scene::Folder folder(Name(), "[table_00]\r\nname=Alpha\r\n");
  auto window = Create();
  HWND hwnd = window->Handle();
  HWND list = window->List().Handle();
  ListSpy::Attach(list);
  ListSpy::refuseRows = true;
  folder.WriteTables("[table_00]\r\nname=Alpha\r\n[table_01]\r\nname=Beta\r\n");
  // Each box stays open for 2.5 s, long enough for two more ticks to fail inside it.
  scene::ReportBoxes boxes(GetCurrentProcessId(), 2500);
  bool reportedAgain = false, recovered = false;
  const bool ended = scene::RunWith(app_, SW_SHOWNORMAL, [&] {
    reportedAgain = scene::WaitFor([&] { return boxes.Seen().size() >= 2; }, 10000);
    ListSpy::refuseRows = false;
    recovered = scene::WaitFor([&] { return scene::Rows(list) == Rows{"Alpha", "Beta"}; }, 5000);
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
  });
  EXPECT_TRUE(ended);
  EXPECT_TRUE(reportedAgain);
  EXPECT_TRUE(recovered);
  EXPECT_EQ(boxes.MostOpenAtOnce(), 1);
  // The message ends in ")", so the report adds no full stop.
  for (const auto& report : boxes.Seen()) EXPECT_EQ(report.text, "List index out of bounds (1)");
}

TEST_F(Window, EndsWithoutCloseSetupWinWhenTheSessionEnds) {
  scene::Folder folder(Name(), kThreeTables);
  auto window = Create();
  HWND hwnd = window->Handle();
  LRESULT agreed = 0;
  const bool ended = scene::RunWith(app_, SW_SHOWNORMAL, [&] {
    scene::WaitFor([&] { return IsWindowVisible(hwnd) != FALSE; }, 5000);
    agreed = SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0);
    SendMessageA(hwnd, WM_ENDSESSION, TRUE, 0);
  });
  EXPECT_TRUE(ended);
  EXPECT_EQ(agreed, TRUE);
  EXPECT_EQ(folder.Journal(), "InitPlugin()\n");
}

TEST_F(Window, OpensInTheShowStateTheProgramWasStartedWith) {
  const struct {
    const char* what;
    int showCommand;
    bool maximised;
    bool minimised;
  } cases[] = {
      {"maximised", SW_SHOWMAXIMIZED, true, false},
      {"minimised without activation", SW_SHOWMINNOACTIVE, false, true},
      {"anything else: normal", SW_MINIMIZE, false, false},
  };
  scene::Folder folder(Name(), kThreeTables);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto window = Create();
    HWND hwnd = window->Handle();
    bool maximised = false, minimised = false;
    EXPECT_TRUE(scene::RunWith(app_, c.showCommand, [&] {
      scene::WaitFor([&] { return IsWindowVisible(hwnd) != FALSE; }, 5000);
      maximised = IsZoomed(hwnd);
      minimised = IsIconic(hwnd);
      PostMessageA(hwnd, WM_CLOSE, 0, 0);
    }));
    EXPECT_EQ(maximised, c.maximised);
    EXPECT_EQ(minimised, c.minimised);
  }
}

TEST(Startup, RunsTheWindowUntilItIsClosedAndReturnsZero) {
  scene::Folder folder("Startup", kThreeTables);
  DWORD loopThread = GetCurrentThreadId();
  bool closed = false;
  std::thread user([&] {
    HWND hwnd = nullptr;
    scene::WaitFor([&] {
      hwnd = FindWindowA("DravelForm", "ZUVEN - TARRO - Table List");
      return hwnd && IsWindowVisible(hwnd);
    }, 10000);
    closed = hwnd && PostMessageA(hwnd, WM_CLOSE, 0, 0);
    if (!closed) PostThreadMessageA(loopThread, WM_QUIT, 0, 0);
  });
  EXPECT_EQ(app::Run(SW_SHOWNORMAL), 0);
  user.join();
  EXPECT_TRUE(closed);
  EXPECT_EQ(folder.Journal(), "InitPlugin()\nCloseSetupWin()\n");
}

}  // namespace
