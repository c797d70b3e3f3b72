// The eight operations called through the load-time bindings against the journaling stand-ins.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "plugins/plugins.h"

namespace {

class Bindings : public testing::Test {
 protected:
  void SetUp() override {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    folder_ = std::string(dir) + "dravel-bindings-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    SetCurrentDirectoryA(folder_.c_str());
    journal_ = folder_ + "\\journal.txt";
    DeleteFileA(journal_.c_str());
    DeleteFileA("configs\\lorvane.ini");
    SetEnvironmentVariableA("DRAVEL_STANDIN_JOURNAL", journal_.c_str());
    SetEnvironmentVariableA("DRAVEL_STANDIN_FAIL", nullptr);
  }
  void TearDown() override {
    SetEnvironmentVariableA("DRAVEL_STANDIN_JOURNAL", nullptr);
    SetEnvironmentVariableA("DRAVEL_STANDIN_FAIL", nullptr);
    CloseTableWin();
    CloseSetupWin();
  }
  std::string Journal() const {
    std::ifstream in(journal_, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static std::string Profile(const char* section, const char* key) {
    char value[256];
    GetPrivateProfileStringA(section, key, "(none)", value, sizeof value, "configs\\lorvane.ini");
    return value;
  }

  std::string folder_;
  std::string journal_;
};

TEST_F(Bindings, EveryOperationReachesItsLibraryInOrderWithItsArguments) {
  InitPlugin();
  ShowTableWindow(-1);
  ShowTableWindow(-1);
  SaveTableSettings(1, "Feed \"B\"\\\t\xe9");
  ShowTableWindow(0);
  RemoveTable(0);
  ShowSetupWin();
  Exit();
  CloseTableWin();
  ShowSetupWin();
  CloseSetupWin();
  SaveTableSettings(5, "");
  RemoveTable(9);

  EXPECT_EQ(Journal(),
            "InitPlugin()\n"
            "ShowTableWindow(-1)\n"
            "ShowTableWindow(-1)\n"
            "SaveTableSettings(1, \"Feed \\x22B\\x22\\x5c\\x09\\xe9\")\n"
            "ShowTableWindow(0)\n"
            "RemoveTable(0)\n"
            "ShowSetupWin()\n"
            "Exit()\n"
            "CloseTableWin()\n"
            "ShowSetupWin()\n"
            "CloseSetupWin()\n"
            "SaveTableSettings(5, \"\")\n"
            "RemoveTable(9)\n");
  // Two tables were created, the second renamed, the first removed; calls beyond the tables
  // changed nothing.
  EXPECT_EQ(Profile("table_00", "name"), "(none)");
  EXPECT_EQ(Profile("table_01", "name"), "Feed \"B\"\\\t\xe9");
}

TEST_F(Bindings, RequestedFailureArrivesAsAnExceptionWithItsMessage) {
  for (auto [operation, call] : {std::pair{"InitPlugin", &InitPlugin},
                                 std::pair{"CloseSetupWin", &CloseSetupWin}}) {
    SCOPED_TRACE(operation);
    SetEnvironmentVariableA("DRAVEL_STANDIN_FAIL", (std::string("Exit,") + operation).c_str());
    try {
      call();
      ADD_FAILURE() << "no exception";
    } catch (const std::exception& e) {
      EXPECT_EQ(std::string(e.what()), std::string(operation) + " failed on request");
    }
  }
  SetEnvironmentVariableA("DRAVEL_STANDIN_FAIL", nullptr);
  EXPECT_NO_THROW(InitPlugin());
  EXPECT_EQ(Journal(), "InitPlugin()\nCloseSetupWin()\nInitPlugin()\n");
}

}  // namespace
