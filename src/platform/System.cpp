// Questions asked of the running system: see System.h.
#include "platform/System.h"

#include <windows.h>

#include "platform/Handles.h"

namespace platform {

bool IsRunningUnderWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool GetEnvironmentText(const char* name, char* out, size_t capacity) {
  if (capacity == 0) return false;
  out[0] = '\0';
  DWORD length = GetEnvironmentVariableA(name, out, static_cast<DWORD>(capacity));
  if (length == 0 || length >= capacity) {
    out[0] = '\0';
    return false;
  }
  return true;
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

}  // namespace platform
