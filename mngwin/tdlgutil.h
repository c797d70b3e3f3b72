// The table list window: a form built from its description (description.h) whose class holds
// only the handlers that the description binds.
#pragma once

#include <memory>
#include <string>

#include "toolkit/application.h"
#include "toolkit/events.h"
#include "toolkit/form.h"
#include "toolkit/published.h"

namespace mngwin {

class TDlgUtil : public toolkit::Form {
 public:
  using Form::Form;

  // InitPlugin, then RefreshTables.
  void FormCreate(const toolkit::Component& sender);
  // CloseSetupWin; the action stays as it is.
  void FormClose(const toolkit::Component& sender, toolkit::CloseAction& action);
  void mmMngOpenClick(const toolkit::Component& sender);
  void mmMngCloseClick(const toolkit::Component& sender);
  void mmAddTableClick(const toolkit::Component& sender);
  void pmTablePopup(const toolkit::Component& sender);
  void pmOpenClick(const toolkit::Component& sender);
  void LvTablesDblClick(const toolkit::Component& sender);
  // `row` is the edited row's position and `text` the committed text, which the list shows
  // once the handler has returned.
  void LvTablesEdited(const toolkit::Component& sender, int row, const std::string& text);
  // RefreshTables.
  void RTimerTimer(const toolkit::Component& sender);
  void pmRemoveClick(const toolkit::Component& sender);
  // Starts the in-place edit of the selected row, as F2 does.
  void pmRenameClick(const toolkit::Component& sender);
  // Closes the window through the ordinary close sequence.
  void mmExitClick(const toolkit::Component& sender);

  // Brings the list in line with "configs\lorvane.ini".
  void RefreshTables();
};

// The handlers by name, for the description's bindings.
inline constexpr toolkit::Published<TDlgUtil> kDlgUtilHandlers[] = {
    {.name = "FormCreate", .plain = &TDlgUtil::FormCreate},
    {.name = "FormClose", .close = &TDlgUtil::FormClose},
    {.name = "mmMngOpenClick", .plain = &TDlgUtil::mmMngOpenClick},
    {.name = "mmMngCloseClick", .plain = &TDlgUtil::mmMngCloseClick},
    {.name = "mmAddTableClick", .plain = &TDlgUtil::mmAddTableClick},
    {.name = "pmTablePopup", .plain = &TDlgUtil::pmTablePopup},
    {.name = "pmOpenClick", .plain = &TDlgUtil::pmOpenClick},
    {.name = "LvTablesDblClick", .plain = &TDlgUtil::LvTablesDblClick},
    {.name = "LvTablesEdited", .edited = &TDlgUtil::LvTablesEdited},
    {.name = "RTimerTimer", .plain = &TDlgUtil::RTimerTimer},
    {.name = "pmRemoveClick", .plain = &TDlgUtil::pmRemoveClick},
    {.name = "pmRenameClick", .plain = &TDlgUtil::pmRenameClick},
    {.name = "mmExitClick", .plain = &TDlgUtil::mmExitClick},
};

// The program's one reference to the table list window: set as its construction begins (so it
// is valid inside FormCreate), reset to none if construction fails.
extern TDlgUtil* DlgUtil;

// Creates the table list window, hidden, runs FormCreate and makes it the application's main
// window. Throws when a component cannot be built; FormCreate's own failures are reported.
std::unique_ptr<TDlgUtil> CreateDlgUtil(toolkit::Application& app);

}  // namespace mngwin
