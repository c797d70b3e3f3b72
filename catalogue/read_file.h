// Reading the table file's bytes, the one thing the catalogue asks of the operating system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <string>

namespace catalogue {

// The bytes of the regular file at `path`, as many as it held when opened; empty when there is
// no such file, it cannot be read, or it is not a regular file (a folder, a device, a pipe). The
// file is opened for reading only, shared with writers and deleters, and never locked; opening
// it never waits. One implementation per platform.
std::string ReadFileBytes(const std::string& path);

// The shared part of both implementations: at most `size` bytes of an open file, read through
// `readChunk(data, count)`, which gives the number of bytes read, 0 at the end of the file, or
// a negative number on failure. A file too large for memory or a failed read gives nothing; a
// file that a writer shortens meanwhile gives what is left, and growth after the open is left
// for the next read.
template <class ReadChunk>
std::string ReadOpenFile(std::uint64_t size, ReadChunk readChunk) {
  std::string bytes;
  try {
    if (size > bytes.max_size()) return {};
    bytes.resize(static_cast<std::size_t>(size));
  } catch (const std::bad_alloc&) {
    return {};
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto got = readChunk(bytes.data() + done, bytes.size() - done);
    if (got < 0) return {};
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace catalogue
