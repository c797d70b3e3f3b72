// The table file's bytes on Windows. The C runtime's fopen cannot share the file for deletion,
// so the file is opened with CreateFileA: read access only, sharing read, write and delete, so
// that the table library can rewrite, rename or remove it at any time.
#include <windows.h>

#include <algorithm>

#include "catalogue/read_file.h"

namespace catalogue {

namespace {

struct Handle {
  HANDLE handle;
  ~Handle() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open, which is what we want.
  const Handle file{CreateFileA(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  LARGE_INTEGER size{};
  if (file.handle == INVALID_HANDLE_VALUE || GetFileType(file.handle) != FILE_TYPE_DISK ||
      !GetFileSizeEx(file.handle, &size) || size.QuadPart < 0) {
    return {};
  }
  // A region that a writer holds locked fails the read, and the file counts as unreadable.
  return ReadOpenFile(static_cast<std::uint64_t>(size.QuadPart),
                      [&](char* data, std::size_t count) -> long long {
                        DWORD got = 0;
                        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
                        if (!ReadFile(file.handle, data, chunk, &got, nullptr)) return -1;
                        return got;
                      });
}

}  // namespace catalogue
