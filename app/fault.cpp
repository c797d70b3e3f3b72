#include "app/fault.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace app {

namespace {

const char* FaultName(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION: return "Access violation";
    case EXCEPTION_IN_PAGE_ERROR: return "In-page error";
    case EXCEPTION_INT_DIVIDE_BY_ZERO: return "Division by zero";
    case EXCEPTION_INT_OVERFLOW: return "Integer overflow";
    case EXCEPTION_ILLEGAL_INSTRUCTION: return "Illegal instruction";
    case EXCEPTION_PRIV_INSTRUCTION: return "Privileged instruction";
    case EXCEPTION_STACK_OVERFLOW: return "Stack overflow";
    case EXCEPTION_DATATYPE_MISALIGNMENT: return "Misaligned data";
    default: return "System fault";
  }
}

// The file name of the module holding `address`, into `name`.
void ModuleName(const void* address, char (&name)[MAX_PATH]) {
  HMODULE module = nullptr;
  char path[MAX_PATH] = "";
  if (GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          static_cast<const char*>(address), &module)) {
    GetModuleFileNameA(module, path, MAX_PATH);
  }
  const char* base = std::strrchr(path, '\\');
  std::snprintf(name, MAX_PATH, "%s", *path ? (base ? base + 1 : path) : "unknown");
}

// Runs on whatever is left of the faulting thread, so it takes no heap memory.
LONG WINAPI ReportFault(EXCEPTION_POINTERS* info) {
  const EXCEPTION_RECORD& record = *info->ExceptionRecord;
  char module[MAX_PATH];
  ModuleName(record.ExceptionAddress, module);
  char text[2 * MAX_PATH];
  int length = std::snprintf(text, sizeof text, "%s (0x%08lX) at address %p in module '%s'.",
                             FaultName(record.ExceptionCode), record.ExceptionCode,
                             record.ExceptionAddress, module);
  if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2 &&
      length > 0 && static_cast<std::size_t>(length) < sizeof text) {
    std::snprintf(text + length, sizeof text - length, " %s of address %p.",
                  record.ExceptionInformation[0] == 1 ? "Write" : "Read",
                  reinterpret_cast<const void*>(record.ExceptionInformation[1]));
  }
  MessageBoxA(nullptr, text, "Dravel", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

void InstallFaultReport() { SetUnhandledExceptionFilter(&ReportFault); }

}  // namespace app
