#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "catalogue/read_file.h"

namespace catalogue {

namespace {

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) close(fd);
  }
};

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  // O_NONBLOCK keeps a FIFO in the file's place from stalling the open.
  const Descriptor file{open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  struct stat status {};
  if (file.fd < 0 || fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode)) return {};
  return ReadOpenFile(static_cast<std::uint64_t>(status.st_size),
                      [&](char* data, std::size_t count) {
                        ssize_t got;
                        do got = read(file.fd, data, count);
                        while (got < 0 && errno == EINTR);
                        return got;
                      });
}

}  // namespace catalogue
