// The machine's registry for the removal walk: see RegistryAccess.h.
#include <windows.h>

#include "cleanup/RegistryAccess.h"
#include "platform/Handles.h"
#include "platform/Str.h"

namespace {

HKEY RootKey(RegistryRoot root) { return root == RegistryRoot::kClassesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE; }

bool Open(RegistryRoot root, const char* path, REGSAM access, platform::RegKey& key) {
  return RegOpenKeyExA(RootKey(root), path, 0, access, key.Receive()) == ERROR_SUCCESS;
}

// Deletes the subkeys of key first, so that the deletion of a tree works on
// every Windows (Windows NT refuses to delete a key that has subkeys).
bool DeleteSubtree(HKEY parent, const char* name, int depth) {
  const int kDeepestTree = 32;
  if (depth > kDeepestTree) return false;
  {
    platform::RegKey key;
    if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, key.Receive()) == ERROR_SUCCESS) {
      char child[256];
      // Always the first subkey: each deletion moves the next one to index 0.
      for (;;) {
        DWORD length = sizeof child;
        if (RegEnumKeyExA(key.Get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        if (!DeleteSubtree(key.Get(), child, depth + 1)) break;
      }
    }
  }
  return RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
}

}  // namespace

bool Win32RegistryAccess::KeyOpens(RegistryRoot root, const char* path) {
  platform::RegKey key;
  return Open(root, path, KEY_READ, key);
}

EnumResult Win32RegistryAccess::EnumSubkey(RegistryRoot root, const char* path, unsigned index, char* name) {
  platform::RegKey key;
  if (!Open(root, path, KEY_ENUMERATE_SUB_KEYS, key)) return EnumResult::kEnd;
  char buffer[256];
  DWORD length = sizeof buffer;
  LONG status = RegEnumKeyExA(key.Get(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
  if (status == ERROR_MORE_DATA) return EnumResult::kTooLong;
  if (status != ERROR_SUCCESS) return EnumResult::kEnd;
  if (!str::Copy(name, kRegistryTextCapacity, buffer)) return EnumResult::kTooLong;
  return EnumResult::kFound;
}

EnumResult Win32RegistryAccess::EnumValue(RegistryRoot root, const char* path, unsigned index, char* name,
                                          char* data) {
  platform::RegKey key;
  if (!Open(root, path, KEY_QUERY_VALUE, key)) return EnumResult::kEnd;
  char nameBuffer[kRegistryTextCapacity];
  BYTE dataBuffer[kRegistryTextCapacity];
  DWORD nameLength = sizeof nameBuffer;
  DWORD dataLength = sizeof dataBuffer - 1;
  LONG status = RegEnumValueA(key.Get(), index, nameBuffer, &nameLength, nullptr, nullptr, dataBuffer, &dataLength);
  if (status == ERROR_MORE_DATA) return EnumResult::kTooLong;
  if (status != ERROR_SUCCESS) return EnumResult::kEnd;
  dataBuffer[dataLength < sizeof dataBuffer ? dataLength : sizeof dataBuffer - 1] = '\0';
  str::Copy(name, kRegistryTextCapacity, nameBuffer);
  str::CopyTruncated(data, kRegistryTextCapacity, reinterpret_cast<const char*>(dataBuffer));
  return EnumResult::kFound;
}

bool Win32RegistryAccess::DeleteTree(RegistryRoot root, const char* path) {
  // The parent and the last name of the path.
  char parent[512];
  if (!str::Copy(parent, sizeof parent, path)) return false;
  long cut = str::LastIndexOf(parent, '\\');
  const char* name = path;
  HKEY parentKey = RootKey(root);
  platform::RegKey opened;
  if (cut >= 0) {
    parent[cut] = '\0';
    name = path + cut + 1;
    if (RegOpenKeyExA(RootKey(root), parent, 0, KEY_ALL_ACCESS, opened.Receive()) != ERROR_SUCCESS) return false;
    parentKey = opened.Get();
  }
  return DeleteSubtree(parentKey, name, 0);
}
