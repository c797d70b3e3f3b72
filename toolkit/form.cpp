#include "toolkit/form.h"

#include <windowsx.h>

#include <string>

#include "toolkit/error.h"

namespace toolkit {

namespace {

constexpr char kClassName[] = "DravelForm";
constexpr UINT_PTR kTimerId = 1;
constexpr int kListId = 1;

void RegisterFormClass() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    return true;
  }();
  (void)registered;
}

HWND CreateOrThrow(DWORD exStyle, const char* className, const char* caption, DWORD style,
                   RECT bounds, HWND parent, HMENU menu, void* param) {
  HWND hwnd = CreateWindowExA(exStyle, className, caption, style, bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                              menu, GetModuleHandleA(nullptr), param);
  if (!hwnd) {
    throw Error("Error creating window " + std::string(className) + " (system error " +
                std::to_string(GetLastError()) + ")");
  }
  return hwnd;
}

// The window's outer rectangle, centred on the area that all monitors span together.
RECT CentredOnDesktop(int width, int height) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN) +
                   (GetSystemMetrics(SM_CXVIRTUALSCREEN) - width) / 2;
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN) +
                  (GetSystemMetrics(SM_CYVIRTUALSCREEN) - height) / 2;
  return {left, top, left + width, top + height};
}

}  // namespace

Form::~Form() {
  timer_.reset();
  if (hwnd_) DestroyWindow(hwnd_);  // takes the list view and the menu bar with it
  popup_.reset();
  if (font_) DeleteObject(font_);
}

void Form::Create(const FormDesc& desc, const Binder& binder) {
  component_ = {desc.name};
  CreateWindowObject(desc);
  CreateList(desc.listView, binder);
  CreateMenus(desc, binder);
  timerComponent_ = {desc.timer.name};
  onTimer_ = binder.Bind(desc.timer.onTimer);
  if (onTimer_) timer_.emplace(hwnd_, kTimerId, desc.timer.interval, desc.timer.name);
  onClose_ = binder.BindClose(desc.onClose);
  onCreate_ = binder.Bind(desc.onCreate);
  if (onCreate_) app_.Guard([&] { onCreate_(component_); });
}

void Form::CreateWindowObject(const FormDesc& desc) {
  RegisterFormClass();
  static const ATOM atom = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Form::Procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassExA(&wc);
  }();
  if (!atom) throw Error("Error registering the window class");
  // Where the named face is missing, the font mapper takes a sans-serif face of the same height.
  font_ = CreateFontA(-desc.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_SWISS, std::string(desc.fontName).c_str());
  CreateOrThrow(0, kClassName, std::string(desc.caption).c_str(), WS_OVERLAPPEDWINDOW,
                CentredOnDesktop(desc.width, desc.height), nullptr, nullptr, this);
}

void Form::CreateList(const ListViewDesc& desc, const Binder& binder) {
  RECT client;
  GetClientRect(hwnd_, &client);
  list_ = ListView(CreateOrThrow(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                                     LVS_EDITLABELS,
                                 client, hwnd_, reinterpret_cast<HMENU>(kListId), nullptr));
  listComponent_ = {desc.name};
  SendMessageA(list_.Handle(), WM_SETFONT, WPARAM(font_), FALSE);
  ListView_SetExtendedListViewStyle(list_.Handle(), LVS_EX_FULLROWSELECT);
  std::string caption(desc.columnCaption);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = desc.columnWidth;
  column.pszText = caption.data();
  if (SendMessageA(list_.Handle(), LVM_INSERTCOLUMNA, 0, LPARAM(&column)) < 0) {
    throw Error("Error creating column " + caption);
  }
  onDblClick_ = binder.Bind(desc.onDblClick);
  onEdited_ = binder.BindEdited(desc.onEdited);
}

void Form::CreateMenus(const FormDesc& desc, const Binder& binder) {
  HMENU bar = CreateMenuBar(desc.mainMenu);
  if (!SetMenu(hwnd_, bar)) {
    DestroyMenu(bar);
    throw Error("Error setting the menu bar");
  }
  for (const DropDownDesc& dropDown : desc.mainMenu.menus) {
    for (const MenuItemDesc& item : dropDown.items) {
      if (item.command) {
        commands_.push_back({item.name, item.command, bar, binder.Bind(item.onClick)});
      }
    }
  }
  popup_.emplace(desc.popupMenu, binder.Bind(desc.popupMenu.onPopup));
  for (const MenuItemDesc& item : desc.popupMenu.items) {
    if (item.command) {
      commands_.push_back({item.name, item.command, popup_->Handle(), binder.Bind(item.onClick)});
    }
  }
}

MenuItem Form::Item(std::string_view name) const {
  for (const Command& command : commands_) {
    if (command.name == name) return MenuItem(command.menu, command.id);
  }
  throw Error("No menu item " + std::string(name));
}

LRESULT CALLBACK Form::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    form->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return form->HandleMessage(message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: return OnSize(LOWORD(lParam), HIWORD(lParam));
    case WM_SETFOCUS: return OnSetFocus();
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && lParam == 0) return OnCommand(LOWORD(wParam));
      break;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == list_.Handle()) {
        return OnContextMenu(list_.Handle(), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      }
      break;
    case WM_TIMER: return OnTimer(wParam);
    case WM_CLOSE: return OnClose();
    case WM_QUERYENDSESSION: return TRUE;  // nothing here can refuse the end of the session
    case WM_ENDSESSION: return OnEndSession(wParam != FALSE);
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT Form::OnSize(int width, int height) {
  if (list_.Handle()) MoveWindow(list_.Handle(), 0, 0, width, height, TRUE);
  return 0;
}

LRESULT Form::OnSetFocus() {
  // The list is the only control that takes the keyboard focus.
  if (list_.Handle()) SetFocus(list_.Handle());
  return 0;
}

LRESULT Form::OnCommand(unsigned id) {
  for (const Command& command : commands_) {
    if (command.id == id && command.onClick) {
      const Component sender{command.name};
      app_.Guard([&] { command.onClick(sender); });
    }
  }
  return 0;
}

LRESULT Form::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != list_.Handle()) return 0;
  switch (header.code) {
    case NM_DBLCLK:
      if (onDblClick_) app_.Guard([&] { onDblClick_(listComponent_); });
      return 0;
    case LVN_KEYDOWN:
      // F2 edits the selected row's text in place, as it does in the system's own lists.
      if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_F2) {
        if (const int row = list_.GetSelectedItem(); row >= 0) list_.EditLabel(row);
      }
      return 0;
    case LVN_BEGINLABELEDITA:
      editBox_ = ListView_GetEditControl(list_.Handle());
      return FALSE;
    case LVN_ENDLABELEDITA: {
      // A cancelled edit comes without text and raises nothing. TRUE lets the list keep the
      // committed text; a failing handler leaves the old one.
      const LVITEMA& item = reinterpret_cast<const NMLVDISPINFOA&>(header).item;
      const bool emptyCommit = !item.pszText && IsEmptyCommit();
      editBox_ = nullptr;
      if (!item.pszText && !emptyCommit) return FALSE;
      if (!onEdited_) return TRUE;
      const std::string text(item.pszText ? item.pszText : "");
      // The row shows the committed text from then on. It is set here as well as by the answer
      // TRUE, since not every list view takes an empty text from the answer.
      return app_.Guard([&] {
        onEdited_(listComponent_, item.iItem, text);
        list_.SetItemText(item.iItem, text);
      });
    }
  }
  return 0;
}

bool Form::IsEmptyCommit() const {
  // Some list views (wine's) answer an edit committed empty without text, as they answer a
  // cancelled one. The edit box, still there while the list tells of the end, tells them apart:
  // it is empty, and Escape, the user's way to cancel, is not down.
  return IsWindow(editBox_) && GetWindowTextLengthA(editBox_) == 0 && GetKeyState(VK_ESCAPE) >= 0;
}

LRESULT Form::OnContextMenu(HWND source, POINT screen) {
  if (screen.x == -1 && screen.y == -1) {
    // From the keyboard: the selected row's centre, or the list's top-left client corner.
    POINT point{0, 0};
    if (const int row = list_.GetSelectedItem(); row >= 0) {
      const RECT bounds = list_.GetSelectBounds(row);
      point = {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    }
    ClientToScreen(source, &point);
    screen = point;
  } else {
    RECT client;
    GetClientRect(source, &client);
    if (!PtInRect(&client, list_.ScreenToClient(screen))) return 0;
  }
  app_.Guard([&] { popup_->Popup(hwnd_, screen); });
  return 0;
}

LRESULT Form::OnTimer(UINT_PTR id) {
  if (timer_ && id == timer_->Id()) app_.Guard([&] { onTimer_(timerComponent_); });
  return 0;
}

LRESULT Form::OnClose() {
  CloseAction action = CloseAction::Hide;
  if (onClose_ && !app_.Guard([&] { onClose_(component_, action); })) return 0;
  if (action == CloseAction::None) return 0;
  // Closing the main window ends the program; the window stays on the screen until then.
  if (app_.MainForm() == this) {
    app_.Terminate();
  } else {
    ShowWindow(hwnd_, SW_HIDE);
  }
  return 0;
}

LRESULT Form::OnEndSession(bool ending) {
  // The session ends without the close sequence.
  if (ending) app_.Terminate();
  return 0;
}

}  // namespace toolkit
