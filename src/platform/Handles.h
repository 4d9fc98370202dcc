// Move-only owners for the Win32 handles the program opens, so that no early
// return can leak one. Each owner closes its handle with the matching call.
#pragma once

#include <windows.h>

namespace platform {

template <class Traits>
class UniqueHandle {
 public:
  using Type = typename Traits::Type;

  UniqueHandle() : handle_(Traits::Invalid()) {}
  explicit UniqueHandle(Type handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = other.Release();
    }
    return *this;
  }

  bool IsValid() const { return handle_ != Traits::Invalid(); }
  Type Get() const { return handle_; }

  // For out-parameters of the opening call: closes what was held first.
  Type* Receive() {
    Reset();
    return &handle_;
  }

  Type Release() {
    Type h = handle_;
    handle_ = Traits::Invalid();
    return h;
  }

  void Reset() {
    if (IsValid()) Traits::Close(handle_);
    handle_ = Traits::Invalid();
  }

 private:
  Type handle_;
};

struct FileHandleTraits {
  using Type = HANDLE;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Type h) { CloseHandle(h); }
};

struct KernelHandleTraits {  // process, thread and event handles: null when absent
  using Type = HANDLE;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { CloseHandle(h); }
};

struct FindHandleTraits {
  using Type = HANDLE;
  static Type Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Type h) { FindClose(h); }
};

struct RegKeyTraits {
  using Type = HKEY;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { RegCloseKey(h); }
};

struct ServiceHandleTraits {
  using Type = SC_HANDLE;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { CloseServiceHandle(h); }
};

struct GdiObjectTraits {
  using Type = HGDIOBJ;
  static Type Invalid() { return nullptr; }
  static void Close(Type h) { DeleteObject(h); }
};

using FileHandle = UniqueHandle<FileHandleTraits>;
using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;
using RegKey = UniqueHandle<RegKeyTraits>;
using ServiceHandle = UniqueHandle<ServiceHandleTraits>;
using GdiObject = UniqueHandle<GdiObjectTraits>;

}  // namespace platform
