// dravel-catalogue FILE: prints what the table list will show for FILE, one line per entry (see
// FormatCatalogue), and nothing else on standard output.
#include <cstdio>

#include "catalogue/catalogue.h"
#include "catalogue/diagnostic.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: dravel-catalogue FILE\n", stderr);
    return 2;
  }
  const std::string lines = catalogue::FormatCatalogue(catalogue::ReadTableCatalogue(argv[1]));
  std::fwrite(lines.data(), 1, lines.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
