// Owners of handles: each gives its handle back with the right call when the
// owner goes, on every path (inside the plug-in a host error is an exception,
// so "every path" includes a raise). One template, one traits struct per kind
// of handle; a feature that needs a new kind adds its traits here.
//
// A traits struct names the handle type, the value meaning "none", and how a
// handle is given back. Close must not throw: a host that refuses to take a
// handle back cannot be answered from a destructor.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <utility>

#include "host/host_error.h"
#include "host/host_operations.h"

template <typename Traits>
class Scoped {
 public:
  using Handle = typename Traits::Handle;

  Scoped() = default;
  explicit Scoped(Handle handle) : handle_(handle) {}
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  Scoped(Scoped&& other) noexcept : handle_(other.release()) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~Scoped() { reset(); }

  Handle get() const { return handle_; }
  bool valid() const { return Traits::IsValid(handle_); }
  explicit operator bool() const { return valid(); }

  // Gives up ownership without closing.
  Handle release() { return std::exchange(handle_, Traits::None()); }
  // Closes what is held (if anything) and takes `handle`.
  void reset(Handle handle = Traits::None()) {
    const Handle old = std::exchange(handle_, handle);
    if (Traits::IsValid(old)) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::None();
};

// Most handles use a null pointer for "none".
template <typename H>
struct NullIsNone {
  using Handle = H;
  static Handle None() { return Handle{}; }
  static bool IsValid(Handle handle) { return handle != Handle{}; }
};

// --- Host -------------------------------------------------------------------------

// A host release that refuses is dropped: a destructor cannot answer it, and
// the error that is usually on its way at such a moment matters more.
template <typename Release>
void ReleaseToHost(const Release& release) noexcept {
  try {
    release();
  } catch (const HostError&) {
  }
}

template <typename H, void (*Release)(H)>
struct HostReleaseTraits : NullIsNone<H> {
  static void Close(H handle) noexcept {
    ReleaseToHost([handle] { Release(handle); });
  }
};

// Text the host allocated for the plug-in (path text), given back with ASfree.
inline void FreeHostText(char* text) { host::ASfree(text); }
using HostText = Scoped<HostReleaseTraits<char*, FreeHostText>>;

// A path object the host made for the plug-in (ASFileSysPathFromDIPath,
// ASFileAcquirePathName), given back to its file system.
struct HostPathTraits {
  struct Handle {
    ASFileSys fileSys = nullptr;
    ASPathName path = nullptr;
  };
  static Handle None() { return {}; }
  static bool IsValid(const Handle& handle) { return handle.path != nullptr; }
  static void Close(const Handle& handle) noexcept {
    ReleaseToHost([&handle] { host::ASFileSysReleasePath(handle.fileSys, handle.path); });
  }
};
using HostPath = Scoped<HostPathTraits>;

// A callback made for one task (an enumeration) and destroyed after it.
using HostCallback = Scoped<HostReleaseTraits<ASCallback, host::ASCallbackDestroy>>;

// A menu or menu item acquired from the host's menu bar.
using AcquiredMenu = Scoped<HostReleaseTraits<AVMenu, host::AVMenuRelease>>;
using AcquiredMenuItem = Scoped<HostReleaseTraits<AVMenuItem, host::AVMenuItemRelease>>;

// A batch of page-view changes: the page view between its begin and end
// operations. End it with EndPageViewBatch to hear the host's answer; the
// owner only ends a batch that an error left open.
using PageViewBatch = Scoped<HostReleaseTraits<AVPageView, host::AVPageViewEndOperation>>;
inline PageViewBatch BeginPageViewBatch(AVPageView view) {
  host::AVPageViewBeginOperation(view);
  return PageViewBatch(view);
}
inline void EndPageViewBatch(PageViewBatch& batch) { host::AVPageViewEndOperation(batch.release()); }

// --- Win32 ------------------------------------------------------------------------

// A kernel file handle; CreateFileA reports failure as INVALID_HANDLE_VALUE.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle handle) { return handle != INVALID_HANDLE_VALUE && handle != nullptr; }
  static void Close(Handle handle) noexcept { CloseHandle(handle); }
};
using FileHandle = Scoped<FileHandleTraits>;

// A handle given back by one call that takes it alone; null means none.
template <typename H, auto close>
struct ClosedBy : NullIsNone<H> {
  static void Close(H handle) noexcept { close(handle); }
};

// Any other kernel object (process, thread, job, completion port).
using KernelHandle = Scoped<ClosedBy<HANDLE, CloseHandle>>;
// A window this code created (not a child whose parent destroys it).
using WindowHandle = Scoped<ClosedBy<HWND, DestroyWindow>>;
// A menu not attached to a window (an attached one goes with its window).
using MenuHandle = Scoped<ClosedBy<HMENU, DestroyMenu>>;
// GDI objects made here (pen, brush, font, bitmap), no longer selected.
using GdiObject = Scoped<ClosedBy<HGDIOBJ, DeleteObject>>;
using BitmapHandle = Scoped<ClosedBy<HBITMAP, DeleteObject>>;
using BrushHandle = Scoped<ClosedBy<HBRUSH, DeleteObject>>;
// A memory device context from CreateCompatibleDC.
using MemoryDc = Scoped<ClosedBy<HDC, DeleteDC>>;
using AcceleratorTable = Scoped<ClosedBy<HACCEL, DestroyAcceleratorTable>>;
// An image list not (yet) handed to a control that owns it.
using ImageList = Scoped<ClosedBy<HIMAGELIST, ImageList_Destroy>>;
// An open registry key.
using RegistryKey = Scoped<ClosedBy<HKEY, RegCloseKey>>;
// Memory the system allocated for the caller (FormatMessageA's text).
using LocalMemory = Scoped<ClosedBy<HLOCAL, LocalFree>>;
// Memory the shell allocated for the caller with the COM allocator (a known
// folder's path).
using CoTaskMemory = Scoped<ClosedBy<wchar_t*, CoTaskMemFree>>;

// A window's device context from GetDC (the screen's for no window), given
// back to the window it came from.
struct WindowDcTraits {
  struct Handle {
    HWND window = nullptr;
    HDC dc = nullptr;
  };
  static Handle None() { return {}; }
  static bool IsValid(const Handle& handle) { return handle.dc != nullptr; }
  static void Close(const Handle& handle) noexcept { ReleaseDC(handle.window, handle.dc); }
};
using WindowDc = Scoped<WindowDcTraits>;
inline WindowDc GetWindowDc(HWND window) { return WindowDc({window, GetDC(window)}); }

// A selection into a device context, undone when the owner goes: the old
// object is selected back.
struct SelectionTraits {
  struct Handle {
    HDC dc = nullptr;
    HGDIOBJ old = nullptr;
  };
  static Handle None() { return {}; }
  static bool IsValid(const Handle& handle) { return handle.dc != nullptr && handle.old != nullptr; }
  static void Close(const Handle& handle) noexcept { SelectObject(handle.dc, handle.old); }
};
using Selection = Scoped<SelectionTraits>;
inline Selection Select(HDC dc, HGDIOBJ object) { return Selection({dc, SelectObject(dc, object)}); }

// The painting of a window's invalid part, from BeginPaint to EndPaint.
struct PaintingTraits {
  struct Handle {
    HWND window = nullptr;
    PAINTSTRUCT paint{};
  };
  static Handle None() { return {}; }
  static bool IsValid(const Handle& handle) { return handle.paint.hdc != nullptr; }
  static void Close(const Handle& handle) noexcept { EndPaint(handle.window, &handle.paint); }
};
using Painting = Scoped<PaintingTraits>;
inline Painting BeginPainting(HWND window) {
  PaintingTraits::Handle handle{window, {}};
  BeginPaint(window, &handle.paint);
  return Painting(handle);
}

// A COM object this code holds one reference to.
template <typename Interface>
struct ComReleaseTraits : NullIsNone<Interface*> {
  static void Close(Interface* object) noexcept { object->Release(); }
};
template <typename Interface>
using ComObject = Scoped<ComReleaseTraits<Interface>>;
