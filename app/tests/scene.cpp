#include "app/tests/scene.h"

#include <fstream>
#include <sstream>

#include "toolkit/list_view.h"

namespace scene {

Folder::Folder(const std::string& name, const std::string& tables) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + "dravel-" + name + "-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(path_.c_str(), nullptr);
  CreateDirectoryA((path_ + "\\configs").c_str(), nullptr);
  SetCurrentDirectoryA(path_.c_str());
  WriteTables(tables);
  const std::string journal = path_ + "\\journal.txt";
  DeleteFileA(journal.c_str());
  SetEnvironmentVariableA("DRAVEL_STANDIN_JOURNAL", journal.c_str());
  SetFailing("");
}

Folder::~Folder() {
  SetEnvironmentVariableA("DRAVEL_STANDIN_JOURNAL", nullptr);
  SetFailing("");
}

void Folder::WriteTables(const std::string& tables) const {
  std::ofstream(path_ + "\\configs\\lorvane.ini", std::ios::binary | std::ios::trunc) << tables;
}

std::string Folder::Journal() const {
  std::ifstream in(path_ + "\\journal.txt", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void SetFailing(const char* operations) {
  SetEnvironmentVariableA("DRAVEL_STANDIN_FAIL", *operations ? operations : nullptr);
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > static_cast<DWORD>(milliseconds)) return false;
    Sleep(20);
  }
  return true;
}

std::vector<std::string> Rows(HWND list) {
  toolkit::ListView view(list);
  std::vector<std::string> rows;
  for (int i = 0; i < view.GetItemCount(); ++i) rows.push_back(view.GetItemText(i));
  return rows;
}

std::vector<std::string> MenuCaptions(HMENU menu) {
  std::vector<std::string> captions;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[64] = "";
    if (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR) {
      captions.push_back("-");
    } else {
      GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
      captions.push_back(text);
    }
  }
  return captions;
}

namespace {

std::string ClassOf(HWND hwnd) {
  char name[64] = "";
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

std::string TextOf(HWND hwnd) {
  char text[1024] = "";
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

struct Search {
  DWORD process;
  std::vector<HWND> boxes;
};

BOOL CALLBACK CollectBox(HWND hwnd, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process == search.process && IsWindowVisible(hwnd) && ClassOf(hwnd) == "#32770" &&
      TextOf(hwnd) == "Dravel") {
    search.boxes.push_back(hwnd);
  }
  return TRUE;
}

BOOL CALLBACK ReadBoxPart(HWND hwnd, LPARAM param) {
  auto& box = *reinterpret_cast<Box*>(param);
  if (ClassOf(hwnd) != "Static") return TRUE;
  if ((GetWindowLongA(hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    box.stopIcon = reinterpret_cast<HICON>(SendMessageA(hwnd, STM_GETICON, 0, 0)) ==
                   LoadIconA(nullptr, MAKEINTRESOURCEA(32513));  // IDI_HAND
  } else {
    box.text += TextOf(hwnd);
  }
  return TRUE;
}

}  // namespace

ReportBoxes::ReportBoxes(DWORD process, int holdMilliseconds)
    : process_(process), hold_(holdMilliseconds), thread_([this] { Watch(); }) {}

ReportBoxes::~ReportBoxes() {
  stop_ = true;
  thread_.join();
}

std::vector<Box> ReportBoxes::Seen() const {
  std::lock_guard lock(mutex_);
  return seen_;
}

int ReportBoxes::MostOpenAtOnce() const {
  std::lock_guard lock(mutex_);
  return mostOpen_;
}

void ReportBoxes::Watch() {
  while (!stop_) {
    Search search{process_, {}};
    EnumWindows(&CollectBox, reinterpret_cast<LPARAM>(&search));
    {
      std::lock_guard lock(mutex_);
      mostOpen_ = std::max(mostOpen_, static_cast<int>(search.boxes.size()));
      std::map<HWND, DWORD> stillOpen;
      for (HWND hwnd : search.boxes) {
        auto known = open_.find(hwnd);
        if (known == open_.end()) {
          Box box{TextOf(hwnd), "", false};
          EnumChildWindows(hwnd, &ReadBoxPart, reinterpret_cast<LPARAM>(&box));
          seen_.push_back(box);
          known = open_.emplace(hwnd, GetTickCount()).first;
        }
        stillOpen.insert(*known);
        if (GetTickCount() - known->second >= static_cast<DWORD>(hold_)) {
          PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
        }
      }
      open_ = std::move(stillOpen);
    }
    Sleep(30);
  }
}

bool RunWith(toolkit::Application& app, int showCommand, const std::function<void()>& script) {
  const DWORD loopThread = GetCurrentThreadId();
  std::atomic<bool> ended{false};
  std::atomic<bool> forced{false};
  std::thread user([&] {
    script();
    if (!WaitFor([&] { return ended.load(); }, 10000)) {
      forced = true;
      PostThreadMessageA(loopThread, WM_QUIT, 0, 0);
    }
  });
  app.Run(showCommand);
  ended = true;
  user.join();
  return !forced;
}

}  // namespace scene
