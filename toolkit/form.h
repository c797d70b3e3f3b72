// A top-level window built from a description, with its list view, menu bar, pop-up menu and
// timer. One window procedure for every form; the form unpacks each message once and raises the
// bound handlers inside the application's guard, so no exception leaves the procedure.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>
#include <vector>

#include "toolkit/application.h"
#include "toolkit/description.h"
#include "toolkit/events.h"
#include "toolkit/list_view.h"
#include "toolkit/menu.h"
#include "toolkit/timer.h"

namespace toolkit {

class Form {
 public:
  explicit Form(Application& app) : app_(app) {}
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Builds the hidden window and its components in the description's order (list view, menu
  // bar, pop-up menu, timer), binds their events through `binder`, then raises the create
  // event inside the guard. Throws Error when a component cannot be built.
  void Create(const FormDesc& desc, const Binder& binder);

  HWND Handle() const { return hwnd_; }
  // Asks the window to close, as its close button does: the close event, then the close action.
  void Close() { SendMessageA(hwnd_, WM_CLOSE, 0, 0); }
  ListView& List() { return list_; }
  PopupMenu& Popup() { return *popup_; }
  // The menu item of that name in the menu bar or the pop-up menu; throws Error if none.
  MenuItem Item(std::string_view name) const;

 private:
  struct Command {
    std::string_view name;
    unsigned id;
    HMENU menu;
    Handler onClick;
  };

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void CreateWindowObject(const FormDesc& desc);
  void CreateList(const ListViewDesc& desc, const Binder& binder);
  void CreateMenus(const FormDesc& desc, const Binder& binder);

  LRESULT OnSize(int width, int height);
  LRESULT OnSetFocus();
  LRESULT OnCommand(unsigned id);
  LRESULT OnNotify(const NMHDR& header);
  bool IsEmptyCommit() const;
  LRESULT OnContextMenu(HWND source, POINT screen);
  LRESULT OnTimer(UINT_PTR id);
  LRESULT OnClose();
  LRESULT OnEndSession(bool ending);

  Application& app_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  Component component_;
  Component listComponent_;
  Component timerComponent_;
  ListView list_;
  HWND editBox_ = nullptr;  // the list's in-place edit box, while an edit runs
  std::optional<PopupMenu> popup_;
  std::optional<Timer> timer_;
  std::vector<Command> commands_;
  Handler onCreate_;
  CloseHandler onClose_;
  Handler onDblClick_;
  EditedHandler onEdited_;
  Handler onTimer_;
};

}  // namespace toolkit
