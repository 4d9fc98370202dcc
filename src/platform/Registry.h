// Registry text values, as the installation routines write and read them.
#pragma once

#include <windows.h>

namespace platform {

// Writes a text value whose stored size counts the terminating zero.
bool SetRegistryText(HKEY key, const char* name, const char* data);

// Reads a text value (of any string type) into out[capacity], always
// terminated; false when it is missing, of another type or does not fit.
bool ReadRegistryText(HKEY key, const char* name, char* out, DWORD capacity);

}  // namespace platform
