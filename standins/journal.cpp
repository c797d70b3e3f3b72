#include "standins/journal.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

namespace standins {
namespace {

// Read through the process's environment block on every call, so that a test can change the
// variables between two calls.
std::string Variable(const char* name) {
  char value[4096];
  DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

bool Listed(std::string_view list, std::string_view name) {
  while (!list.empty()) {
    size_t comma = list.find(',');
    if (list.substr(0, comma) == name) return true;
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return false;
}

}  // namespace

std::string Quote(std::string_view text) {
  static const char hex[] = "0123456789abcdef";
  std::string quoted = "\"";
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7e || c == '\\' || c == '"') {
      quoted += "\\x";
      quoted += hex[byte >> 4];
      quoted += hex[byte & 15];
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

void Enter(std::string_view operation, std::string_view call) {
  std::string path = Variable("DRAVEL_STANDIN_JOURNAL");
  if (!path.empty()) {
    if (FILE* f = std::fopen(path.c_str(), "ab")) {
      std::fprintf(f, "%.*s\n", static_cast<int>(call.size()), call.data());
      std::fclose(f);
    }
  }
  if (Listed(Variable("DRAVEL_STANDIN_FAIL"), operation))
    throw std::runtime_error(std::string(operation) + " failed on request");
}

}  // namespace standins
