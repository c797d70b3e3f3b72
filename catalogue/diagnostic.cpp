#include "catalogue/diagnostic.h"

namespace catalogue {

std::string EscapeField(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte <= 0x7E && byte != '\\') {
      escaped.push_back(c);
    } else {
      escaped += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
    }
  }
  return escaped;
}

std::string FormatCatalogue(const std::vector<TableSection>& sections) {
  std::string lines;
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const std::optional<std::int32_t> number = ParseTableNumber(sections[i].sectionName);
    lines += std::to_string(i) + '\t' + (number ? std::to_string(*number) : "-") + '\t' +
             EscapeField(sections[i].sectionName) + '\t' + EscapeField(sections[i].displayName) +
             '\n';
  }
  return lines;
}

}  // namespace catalogue
