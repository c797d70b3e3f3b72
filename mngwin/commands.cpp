// The user's table and manager commands.
#include "mngwin/tdlgutil.h"
#include "plugins/plugins.h"

namespace mngwin {

namespace {

// Until the commands call them, taking their addresses keeps these operations in the import
// table, which must name all eight.
void (*const volatile kBound[])() = {
    reinterpret_cast<void (*)()>(&ShowTableWindow),
    reinterpret_cast<void (*)()>(&SaveTableSettings),
    reinterpret_cast<void (*)()>(&RemoveTable),
    &CloseTableWin,
    &ShowSetupWin,
    &Exit,
};

}  // namespace

void TDlgUtil::mmMngOpenClick(const toolkit::Component&) {}

void TDlgUtil::mmMngCloseClick(const toolkit::Component&) {}

void TDlgUtil::mmAddTableClick(const toolkit::Component&) {}

void TDlgUtil::pmTablePopup(const toolkit::Component&) {}

void TDlgUtil::pmOpenClick(const toolkit::Component&) {}

void TDlgUtil::LvTablesDblClick(const toolkit::Component&) {}

void TDlgUtil::LvTablesEdited(const toolkit::Component&, int, const std::string&) {}

void TDlgUtil::pmRemoveClick(const toolkit::Component&) {}

}  // namespace mngwin
