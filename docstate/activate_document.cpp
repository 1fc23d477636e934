#include "docstate/activate_document.h"

#include <algorithm>
#include <limits>

#include "host/host_operations.h"
#include "host/scoped_handle.h"

namespace {

constexpr char kWindowMenuName[] = "Window";
constexpr char kWindowMenuSeparatorName[] = "WindowMenuSeparator";

}  // namespace

void ActivateNthDocument(std::int32_t n) {
  if (n < 0) return;
  const AVMenubar bar = host::AVAppGetMenubar();
  if (bar == nullptr) return;
  const AcquiredMenu menu(host::AVMenubarAcquireMenuByName(bar, kWindowMenuName));
  const AcquiredMenuItem separator(host::AVMenubarAcquireMenuItemByName(bar, kWindowMenuSeparatorName));
  if (!menu || !separator) return;

  const ASInt32 separatorIndex = host::AVMenuGetMenuItemIndex(menu.get(), separator.get());
  if (separatorIndex < 0) return;  // the separator is not in the "Window" menu
  const std::int64_t index = std::int64_t{separatorIndex} + n + 1;
  if (index > std::numeric_limits<ASInt32>::max()) return;

  const AcquiredMenuItem item(host::AVMenuAcquireMenuItemByIndex(menu.get(), static_cast<ASInt32>(index)));
  if (item) host::AVMenuItemExecute(item.get());
}

void ActivateOpenedEntry(const std::vector<bool>& opened, std::int32_t active) {
  if (active < 0 || static_cast<std::size_t>(active) >= opened.size() || !opened[static_cast<std::size_t>(active)])
    return;
  ActivateNthDocument(static_cast<std::int32_t>(std::count(opened.begin(), opened.begin() + active, true)));
}
