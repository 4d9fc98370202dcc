// Registry text values: see Registry.h.
#include "platform/Registry.h"

#include "platform/Str.h"

namespace platform {

bool SetRegistryText(HKEY key, const char* name, const char* data) {
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                        static_cast<DWORD>(str::Length(data) + 1)) == ERROR_SUCCESS;
}

bool ReadRegistryText(HKEY key, const char* name, char* out, DWORD capacity) {
  if (capacity == 0) return false;
  out[0] = '\0';
  DWORD type = 0;
  DWORD size = capacity - 1;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(out), &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ)) {
    out[0] = '\0';
    return false;
  }
  out[size < capacity ? size : capacity - 1] = '\0';
  return true;
}

}  // namespace platform
