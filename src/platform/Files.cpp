// File and folder steps: see Files.h.
#include "platform/Files.h"

#include <windows.h>

#include "platform/Handles.h"
#include "platform/Str.h"

namespace platform {

bool GetWindowsFolder(char* out, size_t capacity) {
  out[0] = '\0';
  UINT length = GetWindowsDirectoryA(out, static_cast<UINT>(capacity));
  if (length == 0 || length >= capacity || !str::EnsureTrailingBackslash(out, capacity)) {
    out[0] = '\0';
    return false;
  }
  return true;
}

bool FolderCanBeMadeCurrent(const char* path) { return SetCurrentDirectoryA(path) != FALSE; }

bool CreateFolder(const char* path) { return CreateDirectoryA(path, nullptr) != FALSE; }

bool SetNormalAttributes(const char* path) { return SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL) != FALSE; }

bool CopyOver(const char* source, const char* target, bool resetAfter) {
  SetNormalAttributes(target);  // fails harmlessly when the target does not exist
  bool copied = CopyFileA(source, target, FALSE) != FALSE;
  if (resetAfter) SetNormalAttributes(target);
  return copied;
}

bool JoinPath(char* out, const char* folder, const char* name) {
  return str::Copy(out, kPathCapacity, folder) && str::Append(out, kPathCapacity, name);
}

void ForEachFile(const char* pattern, void (*visit)(const char* name, void* context), void* context) {
  WIN32_FIND_DATAA entry;
  FindHandle find(FindFirstFileA(pattern, &entry));
  if (!find.IsValid()) return;
  do {
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) visit(entry.cFileName, context);
  } while (FindNextFileA(find.Get(), &entry));
}

PathList::~PathList() { Clear(); }

bool PathList::Add(const char* path) {
  if (count_ == capacity_) {
    int grown = capacity_ == 0 ? 16 : capacity_ * 2;
    size_t bytes = static_cast<size_t>(grown) * kPathCapacity;
    void* more = entries_ == nullptr ? HeapAlloc(GetProcessHeap(), 0, bytes)
                                     : HeapReAlloc(GetProcessHeap(), 0, entries_, bytes);
    if (more == nullptr) return false;
    entries_ = static_cast<char*>(more);
    capacity_ = grown;
  }
  char* slot = entries_ + static_cast<size_t>(count_) * kPathCapacity;
  if (!str::Copy(slot, kPathCapacity, path)) return false;
  ++count_;
  return true;
}

void PathList::Clear() {
  if (entries_ != nullptr) HeapFree(GetProcessHeap(), 0, entries_);
  entries_ = nullptr;
  count_ = 0;
  capacity_ = 0;
}

}  // namespace platform
