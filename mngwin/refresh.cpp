#include "catalogue/catalogue.h"
#include "mngwin/table_rows.h"
#include "mngwin/tdlgutil.h"

namespace mngwin {

void TDlgUtil::RefreshTables() {
  TableRows rows(List());
  catalogue::ApplyTableCatalogue(catalogue::ReadTableCatalogue("configs\\lorvane.ini"), rows);
}

}  // namespace mngwin
