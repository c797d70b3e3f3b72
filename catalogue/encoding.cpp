#include "catalogue/encoding.h"

namespace catalogue {

namespace {

bool StartsWith(std::string_view bytes, std::string_view mark) {
  return bytes.substr(0, mark.size()) == mark;
}

}  // namespace

std::string_view DecodeProfileText(std::string_view bytes, std::string& storage) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return bytes.substr(3);
  const bool little = StartsWith(bytes, "\xFF\xFE");
  if (!little && !StartsWith(bytes, "\xFE\xFF")) return bytes;
  storage.clear();
  storage.reserve(bytes.size() / 2);
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto low = static_cast<unsigned char>(bytes[little ? i : i + 1]);
    const auto high = static_cast<unsigned char>(bytes[little ? i + 1 : i]);
    storage.push_back(high == 0 && low < 0x80 ? static_cast<char>(low) : '?');
  }
  return storage;
}

}  // namespace catalogue
