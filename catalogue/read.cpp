#include "catalogue/catalogue.h"
#include "catalogue/read_file.h"

namespace catalogue {

std::vector<TableSection> ReadTableCatalogue(const std::string& path) {
  return ParseTableCatalogue(ReadFileBytes(path));
}

}  // namespace catalogue
