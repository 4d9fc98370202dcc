// File and folder steps shared by the installation routines. Every step
// reports success, but most callers pass failures over by design: a copy that
// fails is skipped and the installation goes on.
#pragma once

#include <stddef.h>

#include "app/SourceFolder.h"

namespace platform {

// The Windows folder with a trailing backslash; false (out empty) when the
// platform cannot give it in a path buffer.
bool GetWindowsFolder(char* out, size_t capacity);

// A folder is present when it can be made the current folder; the test
// leaves it current, as the installation routines expect.
bool FolderCanBeMadeCurrent(const char* path);

bool CreateFolder(const char* path);

// Copies source over target after setting the target's attributes to normal
// (so a read-only target can be replaced). With resetAfter the copy's
// attributes are set to normal again, so that files from the disc lose their
// read-only attribute.
bool CopyOver(const char* source, const char* target, bool resetAfter);

bool SetNormalAttributes(const char* path);

// Joins folder and name into out[kPathCapacity]; false when it does not fit
// (the caller then skips the file rather than use a cut path).
bool JoinPath(char* out, const char* folder, const char* name);

// Calls visit(name, context) for every entry matching pattern that is not a
// folder, in listing order.
void ForEachFile(const char* pattern, void (*visit)(const char* name, void* context), void* context);

// An ordered list of paths that grows as needed.
class PathList {
 public:
  PathList() = default;
  ~PathList();
  PathList(const PathList&) = delete;
  PathList& operator=(const PathList&) = delete;
  bool Add(const char* path);
  int Count() const { return count_; }
  const char* At(int index) const { return entries_ + static_cast<size_t>(index) * kPathCapacity; }
  void Clear();

 private:
  char* entries_ = nullptr;
  int count_ = 0;
  int capacity_ = 0;
};

}  // namespace platform
