// Driver-signing clean-up: see DriverSigning.h.
#include "install/DriverSigning.h"

#include <windows.h>

#include "platform/Handles.h"
#include "platform/Str.h"

void DeleteMakerHardwareIds() {
  platform::RegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Driver Signing\\Classes\\HWID", 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE, key.Receive()) != ERROR_SUCCESS) {
    return;
  }
  // A deleted value moves the ones after it down by one index, so the index
  // advances only past values that stay; otherwise two neighbouring entries
  // of the maker would leave the second one behind.
  DWORD index = 0;
  for (;;) {
    char name[1024];
    DWORD nameLength = sizeof name;
    if (RegEnumValueA(key.Get(), index, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      break;
    }
    if (str::Contains(name, "PCI\\VEN_1B7D") && RegDeleteValueA(key.Get(), name) == ERROR_SUCCESS) continue;
    ++index;
  }
}
