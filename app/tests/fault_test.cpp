// An access violation that nobody handles: a stop box names it and its module, then the program
// ends with the fault's code.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/tests/scene.h"

namespace {

TEST(FaultReport, NamesTheFaultAndItsModuleThenEndsTheProgram) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string child(path);
  child = child.substr(0, child.rfind('\\') + 1) + "fault_child.exe";

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(child.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  DWORD status = 0;
  {
    scene::ReportBoxes boxes(process.dwProcessId);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    GetExitCodeProcess(process.hProcess, &status);
    const auto reports = boxes.Seen();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].text.find("Access violation (0xC0000005) at address "),
              std::string::npos)
        << reports[0].text;
    EXPECT_NE(reports[0].text.find(" in module 'fault_child.exe'. Write of address "),
              std::string::npos)
        << reports[0].text;
  }
  EXPECT_EQ(status, EXCEPTION_ACCESS_VIOLATION);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
