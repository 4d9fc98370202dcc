// Writing the jack choices into an INF file in place: see InfJackPatch.h.
#include "install/InfJackPatch.h"

#include <windows.h>

#include "platform/Handles.h"

namespace {

// The INF files of a driver disc are a few kilobytes; anything beyond this is
// not one of them and is left alone.
const DWORD kLargestInf = 8 * 1024 * 1024;

class HeapBuffer {
 public:
  explicit HeapBuffer(DWORD size) : data_(static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, size ? size : 1))) {}
  ~HeapBuffer() {
    if (data_ != nullptr) HeapFree(GetProcessHeap(), 0, data_);
  }
  HeapBuffer(const HeapBuffer&) = delete;
  HeapBuffer& operator=(const HeapBuffer&) = delete;
  char* Get() const { return data_; }

 private:
  char* data_;
};

void WriteByteAt(HANDLE file, long offset, char value) {
  if (offset == kNoPatch) return;
  if (SetFilePointer(file, offset, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return;
  DWORD written = 0;
  WriteFile(file, &value, 1, &written, nullptr);
  FlushFileBuffers(file);
}

}  // namespace

void PatchInfJackConfig(const char* path, const JackOptions& options) {
  platform::FileHandle file(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) return;
  DWORD size = GetFileSize(file.Get(), nullptr);
  if (size == INVALID_FILE_SIZE || size == 0 || size > kLargestInf) return;
  HeapBuffer content(size);
  if (content.Get() == nullptr) return;
  DWORD read = 0;
  if (!ReadFile(file.Get(), content.Get(), size, &read, nullptr) || read != size) return;

  long enableLegacy = FindJackPatchOffset(content.Get(), size, kEnableLegacyPrefix);
  long jackConfig = FindJackPatchOffset(content.Get(), size, kJackConfigPrefix);
  if (enableLegacy != kNoPatch) {
    Sleep(100);  // the launcher has always paused before the first write
    WriteByteAt(file.Get(), enableLegacy, EnableLegacyCharacter(options));
  }
  WriteByteAt(file.Get(), jackConfig, JackConfigCharacter(options));
}
