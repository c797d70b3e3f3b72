#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/read_file.h"

namespace catalogue {
namespace {

class ReadFileTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/catalogue-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    directory_ = pattern;
  }
  void TearDown() override {
    for (const char* name : {"file.ini", "fifo.ini"}) std::remove(Path(name).c_str());
    rmdir(Path("folder.ini").c_str());
    rmdir(directory_.c_str());
  }
  std::string Path(const char* name) const { return directory_ + "/" + name; }

 private:
  std::string directory_;
};

TEST_F(ReadFileTest, RegularFileGivesItsBytes) {
  std::ofstream(Path("file.ini"), std::ios::binary) << std::string("[a]\0\nname=x\n", 12);
  EXPECT_EQ(ReadFileBytes(Path("file.ini")), std::string("[a]\0\nname=x\n", 12));
  EXPECT_EQ(ReadTableCatalogue(Path("file.ini")), (std::vector<TableSection>{{"a", "x"}}));
}

// None of these may fail or wait: each gives an empty list.
TEST_F(ReadFileTest, NothingReadableGivesNothing) {
  ASSERT_EQ(mkdir(Path("folder.ini").c_str(), 0700), 0);
  ASSERT_EQ(mkfifo(Path("fifo.ini").c_str(), 0600), 0);
  for (const char* name : {"absent.ini", "folder.ini", "fifo.ini"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(ReadFileBytes(Path(name)), "");
    EXPECT_TRUE(ReadTableCatalogue(Path(name)).empty());
  }
}

TEST(ReadOpenFile, ShortReadsFailuresAndShrinking) {
  const auto chunks = [](std::string source, long long failAt) {
    std::size_t at = 0;
    return [source, failAt, at](char* data, std::size_t count) mutable -> long long {
      if (static_cast<long long>(at) >= failAt) return -1;
      const std::size_t n = std::min<std::size_t>({count, 2, source.size() - at});
      source.copy(data, n, at);
      at += n;
      return static_cast<long long>(n);
    };
  };
  EXPECT_EQ(ReadOpenFile(5, chunks("abcde", 99)), "abcde");
  EXPECT_EQ(ReadOpenFile(5, chunks("abc", 99)), "abc");
  EXPECT_EQ(ReadOpenFile(5, chunks("abcde", 2)), "");
  EXPECT_EQ(ReadOpenFile(UINT64_MAX, chunks("", 99)), "");
}

}  // namespace
}  // namespace catalogue
