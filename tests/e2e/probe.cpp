// dravel-probe: looks at the running program from outside, as the end-to-end walk needs it. It
// only reads; all input goes through xdotool.
//   dravel-probe rows     one line per row: position, text, row data, selected (0/1), and the
//                         screen point at the middle of the row's label
//   dravel-probe menu     the open pop-up menu's window rectangle: left top width height
//   dravel-probe windows  the captions of the visible top-level windows, one a line
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr char kCaption[] = "ZUVEN - TARRO - Table List";

// Memory in the observed process, for the list view messages that take a pointer.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND owner, size_t size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_)
      address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool Ok() const { return address_ != nullptr; }
  void* Address() const { return address_; }
  void Write(const void* data, size_t n) const {
    WriteProcessMemory(process_, address_, data, n, nullptr);
  }
  void Read(void* data, size_t n) const { ReadProcessMemory(process_, address_, data, n, nullptr); }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

int Rows() {
  HWND main = FindWindowA(nullptr, kCaption);
  HWND list = main ? FindWindowExA(main, nullptr, WC_LISTVIEWA, nullptr) : nullptr;
  if (!list) {
    std::fprintf(stderr, "dravel-probe: no table list\n");
    return 1;
  }
  struct Block {
    LVITEMA item;
    RECT rect;
    char text[4096];
  };
  RemoteBuffer remote(list, sizeof(Block));
  if (!remote.Ok()) return 1;
  char* base = static_cast<char*>(remote.Address());
  int count = int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    Block block{};
    block.item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
    block.item.iItem = i;
    block.item.stateMask = LVIS_SELECTED;
    block.item.pszText = base + offsetof(Block, text);
    block.item.cchTextMax = sizeof block.text;
    block.rect.left = LVIR_LABEL;
    remote.Write(&block, sizeof block);
    SendMessageA(list, LVM_GETITEMA, 0, LPARAM(base));
    SendMessageA(list, LVM_GETITEMRECT, i, LPARAM(base + offsetof(Block, rect)));
    remote.Read(&block, sizeof block);
    block.text[sizeof block.text - 1] = 0;
    POINT middle{(block.rect.left + block.rect.right) / 2, (block.rect.top + block.rect.bottom) / 2};
    ClientToScreen(list, &middle);
    std::printf("%d\t%s\t%lld\t%d\t%ld,%ld\n", i, block.text, (long long)block.item.lParam,
                (block.item.state & LVIS_SELECTED) ? 1 : 0, middle.x, middle.y);
  }
  return 0;
}

// The open pop-up menu's window: visible, of the system's menu class.
BOOL CALLBACK FindOpenMenu(HWND hwnd, LPARAM found) {
  char name[16];
  if (!IsWindowVisible(hwnd) || !GetClassNameA(hwnd, name, sizeof name) ||
      std::strcmp(name, "#32768") != 0)
    return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

// Menus are not shared between processes under wine, so the walk reads the items' states from
// a screenshot of this rectangle.
int Menu() {
  HWND popup = nullptr;
  EnumWindows(FindOpenMenu, LPARAM(&popup));
  RECT r;
  if (!popup || !GetWindowRect(popup, &r)) {
    std::fprintf(stderr, "dravel-probe: no open menu\n");
    return 1;
  }
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return 0;
}

BOOL CALLBACK PrintCaption(HWND hwnd, LPARAM) {
  char text[512];
  if (IsWindowVisible(hwnd) && GetWindowTextA(hwnd, text, sizeof text) > 0)
    std::printf("%s\n", text);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  std::string command = argc > 1 ? argv[1] : "";
  if (command == "rows") return Rows();
  if (command == "menu") return Menu();
  if (command == "windows") return EnumWindows(PrintCaption, 0) ? 0 : 1;
  std::fprintf(stderr, "usage: dravel-probe rows|menu|windows\n");
  return 2;
}
