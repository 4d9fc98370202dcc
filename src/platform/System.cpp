// Questions asked of the running system: see System.h.
#include "platform/System.h"

#include <windows.h>

#include "platform/Handles.h"
#include "platform/Str.h"

namespace platform {

bool IsRunningUnderWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool FolderExists(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileCanBeOpenedForReading(const char* path) {
  FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.IsValid();
}

bool StartProgramShown(const char* programPath, const char* arguments) {
  char commandLine[2 * 260] = "\"";
  if (!str::Append(commandLine, sizeof commandLine, programPath) ||
      !str::Append(commandLine, sizeof commandLine, "\"") ||
      !str::Append(commandLine, sizeof commandLine, arguments)) {
    return false;
  }
  return WinExec(commandLine, SW_SHOW) > 31;
}

namespace {

typedef DWORD(WINAPI* GetShortPathNameWFunction)(const wchar_t*, wchar_t*, DWORD);

bool GetShortPathOfLongPath(const char* path, char* out, size_t capacity) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  FARPROC found = kernel != nullptr ? GetProcAddress(kernel, "GetShortPathNameW") : nullptr;
  // Through the generic function type, which any function pointer converts to.
  GetShortPathNameWFunction getShortPathNameW =
      reinterpret_cast<GetShortPathNameWFunction>(reinterpret_cast<void (*)()>(found));
  if (getShortPathNameW == nullptr) return false;
  const int kWideCapacity = 1100;
  static wchar_t longPath[kWideCapacity];
  static wchar_t shortPath[kWideCapacity];
  const wchar_t kLongPrefix[] = L"\\\\?\\";
  for (int i = 0; i < 4; ++i) longPath[i] = kLongPrefix[i];
  if (MultiByteToWideChar(CP_ACP, 0, path, -1, longPath + 4, kWideCapacity - 4) == 0) return false;
  DWORD length = getShortPathNameW(longPath, shortPath, kWideCapacity);
  if (length == 0 || length >= static_cast<DWORD>(kWideCapacity)) return false;
  const wchar_t* result = shortPath;
  if (result[0] == L'\\' && result[1] == L'\\' && result[2] == L'?' && result[3] == L'\\') result += 4;
  int written = WideCharToMultiByte(CP_ACP, 0, result, -1, out, static_cast<int>(capacity), nullptr, nullptr);
  return written > 0;
}

}  // namespace

bool GetShortPath(const char* path, char* out, size_t capacity) {
  if (capacity == 0) return false;
  out[0] = '\0';
  DWORD length = GetShortPathNameA(path, out, static_cast<DWORD>(capacity));
  if (length != 0 && length < capacity) return true;
  out[0] = '\0';
  if (length == 0 && GetShortPathOfLongPath(path, out, capacity)) return true;
  out[0] = '\0';
  return false;
}

}  // namespace platform
