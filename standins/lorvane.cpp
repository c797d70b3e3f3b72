// Stand-in for the installation's table plug-in library: keeps the tables in
// "configs\lorvane.ini" (relative to the working directory) through the profile functions, one
// section "table_NN" per table with its "name", and shows a small window per opened table.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "plugins/plugins.h"
#include "standins/journal.h"
#include "standins/note_window.h"

namespace {

constexpr char kFile[] = "configs\\lorvane.ini";

HINSTANCE module;
std::vector<HWND> windows;

std::vector<std::string> SectionNames() {
  std::vector<char> buffer(4096);
  for (;;) {
    DWORD n = GetPrivateProfileSectionNamesA(buffer.data(), DWORD(buffer.size()), kFile);
    if (n < buffer.size() - 2) {
      std::vector<std::string> names;
      for (const char* p = buffer.data(); *p; p += names.back().size() + 1) names.emplace_back(p);
      return names;
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string Name(const std::string& section) {
  char name[2048];
  GetPrivateProfileStringA(section.c_str(), "name", "Unknown", name, sizeof name, kFile);
  return name;
}

// The n-th table in file order, or an empty text for a position beyond the tables.
std::string Section(std::int32_t n) {
  std::vector<std::string> names = SectionNames();
  return n >= 0 && std::size_t(n) < names.size() ? names[n] : std::string();
}

std::string NewSection() {
  std::vector<std::string> names = SectionNames();
  for (int i = 0; i < 100; ++i) {
    char candidate[16];
    std::snprintf(candidate, sizeof candidate, "table_%02d", i);
    if (std::none_of(names.begin(), names.end(), [&](const std::string& s) {
          return lstrcmpiA(s.c_str(), candidate) == 0;
        }))
      return candidate;
  }
  return {};
}

void ShowTable(const std::string& section) {
  int offset = 24 * int(windows.size() % 8);
  std::string text = "Table window\r\nSection: " + section + "\r\nName: " + Name(section);
  if (HWND hwnd = standins::ShowNoteWindow(module, "Table " + section, text, 40 + offset,
                                           40 + offset))
    windows.push_back(hwnd);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) module = instance;
  return TRUE;
}

extern "C" {

void __cdecl ShowTableWindow(std::int32_t table) {
  standins::Enter("ShowTableWindow", "ShowTableWindow(" + std::to_string(table) + ")");
  if (table == -1) {
    std::string section = NewSection();
    if (section.empty()) return;
    CreateDirectoryA("configs", nullptr);
    std::string name = "Table " + section.substr(6);
    WritePrivateProfileStringA(section.c_str(), "name", name.c_str(), kFile);
    ShowTable(section);
  } else if (std::string section = Section(table); !section.empty()) {
    ShowTable(section);
  }
}

void __cdecl SaveTableSettings(std::int32_t table, const char* name) {
  standins::Enter("SaveTableSettings", "SaveTableSettings(" + std::to_string(table) + ", " +
                                           standins::Quote(name) + ")");
  if (std::string section = Section(table); !section.empty())
    WritePrivateProfileStringA(section.c_str(), "name", name, kFile);
}

void __cdecl RemoveTable(std::int32_t table) {
  standins::Enter("RemoveTable", "RemoveTable(" + std::to_string(table) + ")");
  if (std::string section = Section(table); !section.empty())
    WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, kFile);
}

void __cdecl CloseTableWin() {
  standins::Enter("CloseTableWin", "CloseTableWin()");
  for (HWND hwnd : windows)
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  windows.clear();
}

}
