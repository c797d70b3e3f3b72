// Times one table refresh (read the file, apply it to a list of entries) against the same
// lookups through GetPrivateProfileStringA and against a bare read of the file's bytes, for
// catalogues of 10, 100 and 1000 sections and the largest that the 16384-character name list
// holds. Prints figures only; run it under wine64 with `cmake --build DIR --target
// bench_catalogue`.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/plain_entries.h"
#include "catalogue/read_file.h"
#include "catalogue/tests/profile_reference.h"

namespace {

// Sections "table_00", "table_01", ... as the table library writes them, each with a name and
// a few other keys; count 0 means as many as the name list holds.
std::string Catalogue(int count) {
  std::string text;
  std::size_t listRoom = 16383;
  for (int i = 0; count == 0 || i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "table_%02d", i);
    const std::size_t size = std::string_view(name).size() + 1;
    if (count == 0 && size >= listRoom) break;
    listRoom -= size;
    text.append("[").append(name).append("]\r\nname=Table number ").append(std::to_string(i));
    text.append("\r\nrows=12\r\ncolumns=4\r\nspeed=1500\r\n");
  }
  return text;
}

double Seconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median time of one run, in microseconds, over runs that take at least half a second.
double Microseconds(const std::function<void()>& run) {
  std::vector<double> times;
  const double start = Seconds();
  while (times.size() < 5 || (Seconds() - start < 0.5 && times.size() < 100000)) {
    const double before = Seconds();
    run();
    times.push_back((Seconds() - before) * 1e6);
  }
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  return times[times.size() / 2];
}

// Dates the file an hour back, so that the platform's profile cache, which skips files changed
// in the last two seconds, is in effect: the comparison favours the platform.
void AgeFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER time{{now.dwLowDateTime, now.dwHighDateTime}};
  time.QuadPart -= 36000000000ull;
  const FILETIME past{time.LowPart, time.HighPart};
  SetFileTime(file, nullptr, nullptr, &past);
  CloseHandle(file);
}

}  // namespace

int main() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "dravel-catalogue-bench.ini";
  std::printf("%9s %8s %12s %12s %10s %17s %14s\n", "sections", "bytes", "refresh_us",
              "profile_us", "read_us", "profile/refresh", "refresh/read");
  for (int count : {10, 100, 1000, 0}) {
    const std::string text = Catalogue(count);
    std::ofstream(path, std::ios::binary) << text;
    AgeFile(path);
    // Every tick after the first refreshes a list that already holds the entries.
    catalogue::PlainEntries entries;
    const double refresh = Microseconds([&] {
      catalogue::ApplyTableCatalogue(catalogue::ReadTableCatalogue(path), entries);
    });
    catalogue::PlainEntries profileEntries;
    const double profile = Microseconds([&] {
      std::vector<catalogue::TableSection> catalogue;
      for (auto& [name, displayName] : profile_reference::ReadSections(path)) {
        catalogue.push_back({std::move(name), std::move(displayName)});
      }
      catalogue::ApplyTableCatalogue(catalogue, profileEntries);
    });
    const double read = Microseconds([&] { catalogue::ReadFileBytes(path); });
    std::printf("%9zu %8zu %12.1f %12.1f %10.1f %16.1fx %13.2fx\n", entries.Count(), text.size(),
                refresh, profile, read, profile / refresh, refresh / read);
  }
  DeleteFileA(path.c_str());
  return 0;
}
