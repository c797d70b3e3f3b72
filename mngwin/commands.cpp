// The user's table and manager commands. Each is a fixed sequence of plug-in calls about at most
// one row, followed by at most one change to the list; everything else the list shows comes
// from the next refresh. A command whose row is missing does nothing at all.
#include <cstdint>

#include "mngwin/popup_rule.h"
#include "mngwin/tdlgutil.h"
#include "plugins/plugins.h"

namespace mngwin {

void TDlgUtil::mmAddTableClick(const toolkit::Component&) { ShowTableWindow(-1); }

void TDlgUtil::mmExitClick(const toolkit::Component&) { Close(); }

void TDlgUtil::mmMngOpenClick(const toolkit::Component&) { ShowSetupWin(); }

void TDlgUtil::mmMngCloseClick(const toolkit::Component&) {
  Exit();
  CloseTableWin();
}

void TDlgUtil::pmTablePopup(const toolkit::Component&) {
  const auto states = PopupRule(List().HitTest(List().ScreenToClient(Popup().PopupPoint())));
  if (!states) return;
  Item("pmNew").EnableMenuItem(states->newTable);
  Item("pmOpen").EnableMenuItem(states->open);
  Item("pmRename").EnableMenuItem(states->rename);
  Item("pmRemove").EnableMenuItem(states->remove);
}

// "Open" passes the row's position, the double-click its table number: the two agree only while
// the file's sections are numbered 0, 1, 2... in order and no row was removed since the refresh.
void TDlgUtil::pmOpenClick(const toolkit::Component&) {
  if (const int row = List().GetSelectedItem(); row >= 0) ShowTableWindow(row);
}

void TDlgUtil::LvTablesDblClick(const toolkit::Component&) {
  if (const int row = List().GetSelectedItem(); row >= 0)
    ShowTableWindow(static_cast<std::int32_t>(List().GetItemData(row)));
}

void TDlgUtil::pmRenameClick(const toolkit::Component&) {
  if (const int row = List().GetSelectedItem(); row >= 0) List().EditLabel(row);
}

void TDlgUtil::LvTablesEdited(const toolkit::Component&, int row, const std::string& text) {
  ShowTableWindow(row);
  SaveTableSettings(row, text.c_str());
}

void TDlgUtil::pmRemoveClick(const toolkit::Component&) {
  const int row = List().GetSelectedItem();
  if (row < 0) return;
  ShowTableWindow(row);
  RemoveTable(row);
  List().DeleteItem(row);
}

}  // namespace mngwin
