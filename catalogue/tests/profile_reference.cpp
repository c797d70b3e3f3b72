#include "catalogue/tests/profile_reference.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace profile_reference {

namespace {

std::string Escape(const std::string& text) {
  std::string escaped;
  for (unsigned char c : text) {
    char piece[8];
    if (c >= 0x20 && c <= 0x7E && c != '\\') {
      std::snprintf(piece, sizeof piece, "%c", c);
    } else {
      std::snprintf(piece, sizeof piece, "\\x%02x", c);
    }
    escaped += piece;
  }
  return escaped;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ReadSections(const std::string& path) {
  std::vector<char> names(16384, '\0');
  const DWORD count = GetPrivateProfileStringA(nullptr, nullptr, nullptr, names.data(),
                                               static_cast<DWORD>(names.size()), path.c_str());
  std::vector<std::pair<std::string, std::string>> sections;
  for (const char* name = names.data(); name < names.data() + count && *name;
       name += std::strlen(name) + 1) {
    std::vector<char> value(2048, '\0');
    GetPrivateProfileStringA(name, "name", "Unknown", value.data(),
                             static_cast<DWORD>(value.size()), path.c_str());
    sections.emplace_back(name, value.data());
  }
  return sections;
}

std::string Lines(const std::string& path) {
  std::string lines;
  int position = 0;
  for (const auto& [name, displayName] : ReadSections(path)) {
    int number = 0;
    const std::string numberText =
        std::sscanf(name.c_str(), "table_%02d", &number) == 1 ? std::to_string(number) : "-";
    lines += std::to_string(position++) + '\t' + numberText + '\t' + Escape(name) + '\t' +
             Escape(displayName) + '\n';
  }
  return lines;
}

}  // namespace profile_reference
