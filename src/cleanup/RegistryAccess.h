// The registry operations the removal of earlier drivers needs, behind an
// interface so that the walk can be tested over an in-memory registry.
// Paths are relative to a root; deleting a key removes its whole tree, as the
// Windows 9x registry does.
#pragma once

#include <stddef.h>

enum class RegistryRoot { kLocalMachine, kClassesRoot };

// Names and data longer than this are not ours: the walk passes over them.
const size_t kRegistryTextLimit = 80;
const size_t kRegistryTextCapacity = kRegistryTextLimit + 1;

enum class EnumResult {
  kFound,    // name (and data) stored
  kTooLong,  // an entry exists at this index but does not fit the limit
  kEnd,      // no entry at this index (or the key does not open)
};

class RegistryAccess {
 public:
  virtual ~RegistryAccess() = default;
  virtual bool KeyOpens(RegistryRoot root, const char* path) = 0;
  // Subkey at index of path; name gets at most kRegistryTextLimit characters.
  virtual EnumResult EnumSubkey(RegistryRoot root, const char* path, unsigned index, char* name) = 0;
  // Value at index of path, its data as text (binary data up to its first zero).
  virtual EnumResult EnumValue(RegistryRoot root, const char* path, unsigned index, char* name, char* data) = 0;
  virtual bool DeleteTree(RegistryRoot root, const char* path) = 0;
};

// The machine's own registry.
class Win32RegistryAccess : public RegistryAccess {
 public:
  bool KeyOpens(RegistryRoot root, const char* path) override;
  EnumResult EnumSubkey(RegistryRoot root, const char* path, unsigned index, char* name) override;
  EnumResult EnumValue(RegistryRoot root, const char* path, unsigned index, char* name, char* data) override;
  bool DeleteTree(RegistryRoot root, const char* path) override;
};
