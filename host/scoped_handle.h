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

// --- Win32 ------------------------------------------------------------------------

// A kernel file handle; CreateFileA reports failure as INVALID_HANDLE_VALUE.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle handle) { return handle != INVALID_HANDLE_VALUE && handle != nullptr; }
  static void Close(Handle handle) noexcept { CloseHandle(handle); }
};
using FileHandle = Scoped<FileHandleTraits>;

// Any other kernel object given back with CloseHandle (process, thread, job,
// completion port); null means none.
struct KernelHandleTraits : NullIsNone<HANDLE> {
  static void Close(Handle handle) noexcept { CloseHandle(handle); }
};
using KernelHandle = Scoped<KernelHandleTraits>;

// A GDI object (bitmap, brush, font) made by the plug-in.
template <typename H>
struct GdiObjectTraits : NullIsNone<H> {
  static void Close(H object) noexcept { DeleteObject(object); }
};
using BitmapHandle = Scoped<GdiObjectTraits<HBITMAP>>;
using BrushHandle = Scoped<GdiObjectTraits<HBRUSH>>;

// A device context made with CreateCompatibleDC.
struct MemoryDcTraits : NullIsNone<HDC> {
  static void Close(HDC dc) noexcept { DeleteDC(dc); }
};
using MemoryDc = Scoped<MemoryDcTraits>;

// A window's device context from GetDC: given back to the window it came from.
struct WindowDcTraits {
  struct Handle {
    HWND window = nullptr;
    HDC dc = nullptr;
  };
  static Handle None() { return {}; }
  static bool IsValid(Handle handle) { return handle.dc != nullptr; }
  static void Close(Handle handle) noexcept { ReleaseDC(handle.window, handle.dc); }
};
using WindowDc = Scoped<WindowDcTraits>;
inline WindowDc GetWindowDc(HWND window) { return WindowDc({window, GetDC(window)}); }

// An open registry key.
struct RegistryKeyTraits : NullIsNone<HKEY> {
  static void Close(HKEY key) noexcept { RegCloseKey(key); }
};
using RegistryKey = Scoped<RegistryKeyTraits>;

// Memory the system allocated for the caller (FormatMessageA's text).
struct LocalMemoryTraits : NullIsNone<HLOCAL> {
  static void Close(HLOCAL memory) noexcept { LocalFree(memory); }
};
using LocalMemory = Scoped<LocalMemoryTraits>;

// An image list not (yet) handed to a control, which would then own it.
struct ImageListTraits : NullIsNone<HIMAGELIST> {
  static void Close(HIMAGELIST list) noexcept { ImageList_Destroy(list); }
};
using ImageListHandle = Scoped<ImageListTraits>;
