#include <exception>

#include "mngwin/description.h"
#include "mngwin/tdlgutil.h"

namespace mngwin {

namespace {

using toolkit::Signature;

constexpr bool Binds(std::string_view name, Signature signature) {
  return toolkit::Publishes<TDlgUtil>(kDlgUtilHandlers, name, signature);
}

// Every handler name in the description resolves to a handler of TDlgUtil of the right kind.
constexpr bool DescriptionIsBound(const toolkit::FormDesc& form) {
  bool bound = Binds(form.onCreate, Signature::Plain) && Binds(form.onClose, Signature::Close) &&
               Binds(form.listView.onDblClick, Signature::Plain) &&
               Binds(form.listView.onEdited, Signature::Edited) &&
               Binds(form.popupMenu.onPopup, Signature::Plain) &&
               Binds(form.timer.onTimer, Signature::Plain);
  for (const auto& menu : form.mainMenu.menus) {
    for (const auto& item : menu.items) bound = bound && Binds(item.onClick, Signature::Plain);
  }
  for (const auto& item : form.popupMenu.items) {
    bound = bound && Binds(item.onClick, Signature::Plain);
  }
  return bound;
}
static_assert(DescriptionIsBound(kDlgUtil));

// Resets DlgUtil when construction ends in a failure.
class ResetOnFailure {
 public:
  ~ResetOnFailure() {
    if (std::uncaught_exceptions() > pending_) DlgUtil = nullptr;
  }

 private:
  int pending_ = std::uncaught_exceptions();
};

}  // namespace

TDlgUtil* DlgUtil = nullptr;

std::unique_ptr<TDlgUtil> CreateDlgUtil(toolkit::Application& app) {
  auto window = std::make_unique<TDlgUtil>(app);
  DlgUtil = window.get();
  {
    ResetOnFailure reset;
    window->Create(kDlgUtil, toolkit::PublishedBinder<TDlgUtil>(*window, kDlgUtilHandlers));
  }
  app.SetMainForm(*window);
  return window;
}

}  // namespace mngwin
