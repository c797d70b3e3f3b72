// The catalogue's lines for a file computed only through the platform: GetPrivateProfileStringA
// for the section list and each "name", sscanf for the table number. Windows only; the yardstick
// of the differential test and of the benchmark.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace profile_reference {

// Section name and display name for each listed section, as GetPrivateProfileStringA gives
// them through a 16384-character list and 2048-character values.
std::vector<std::pair<std::string, std::string>> ReadSections(const std::string& path);

// The same lines as dravel-catalogue prints for the file.
std::string Lines(const std::string& path);

}  // namespace profile_reference
