#include "docstate/activate_document.h"

#include <limits>
#include <utility>

#include "host/host_error.h"
#include "host/host_operations.h"

namespace {

constexpr char kWindowMenuName[] = "Window";
constexpr char kWindowMenuSeparatorName[] = "WindowMenuSeparator";

// A menu or menu item acquired from the host, released once when it goes.
template <typename Handle, void (*Release)(Handle)>
class Acquired {
 public:
  explicit Acquired(Handle handle) : handle_(handle) {}
  Acquired(const Acquired&) = delete;
  Acquired& operator=(const Acquired&) = delete;
  ~Acquired() {
    if (handle_ == nullptr) return;
    try {
      Release(std::exchange(handle_, nullptr));
    } catch (const HostError&) {
      // The host refused to take it back; there is nothing more to do with it.
    }
  }
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  Handle handle_;
};

using AcquiredMenu = Acquired<AVMenu, host::AVMenuRelease>;
using AcquiredMenuItem = Acquired<AVMenuItem, host::AVMenuItemRelease>;

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
