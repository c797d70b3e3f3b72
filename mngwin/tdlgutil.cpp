// The window's life cycle: creation, the periodic refresh and the close request.
#include "mngwin/tdlgutil.h"

#include "plugins/plugins.h"

namespace mngwin {

void TDlgUtil::FormCreate(const toolkit::Component&) {
  InitPlugin();
  RefreshTables();
}

void TDlgUtil::FormClose(const toolkit::Component&, toolkit::CloseAction&) { CloseSetupWin(); }

void TDlgUtil::RTimerTimer(const toolkit::Component&) { RefreshTables(); }

}  // namespace mngwin
