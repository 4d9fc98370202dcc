// PCI configuration sources: see PciConfigSources.h.
#include "detect/PciConfigSources.h"

#include <windows.h>

#include "platform/Handles.h"
#include "platform/Str.h"
#include "platform/System.h"

const char kPciRootVariable[] = "TQSETUP_PCI_ROOT";
const char kDefaultPciRoot[] = "Z:\\sys\\bus\\pci\\devices";

bool PciBiosSource::IsPresent() {
#if defined(__i386__)
  uint32_t eax = 0xB101, ebx = 0, ecx = 0, edx = 0, edi = 0;
  __asm__ volatile("int $0x1a" : "+a"(eax), "+b"(ebx), "+c"(ecx), "+d"(edx), "+D"(edi) : : "cc", "memory");
  return ((eax >> 8) & 0xFF) == 0;  // AH = 0: a PCI BIOS is present
#else
  return false;
#endif
}

uint16_t PciBiosSource::ReadConfigWord(uint8_t bus, uint8_t devfn, uint8_t offset) {
#if defined(__i386__)
  uint32_t eax = 0xB109, ebx = (static_cast<uint32_t>(bus) << 8) | devfn, ecx = 0, edx = 0, edi = offset;
  __asm__ volatile("int $0x1a" : "+a"(eax), "+b"(ebx), "+c"(ecx), "+d"(edx), "+D"(edi) : : "cc", "memory");
  return static_cast<uint16_t>(ecx & 0xFFFF);  // the word comes back in CX
#else
  (void)bus, (void)devfn, (void)offset;
  return 0xFFFF;
#endif
}

PciFolderSource::PciFolderSource(const char* root) {
  if (!str::Copy(root_, sizeof root_, root)) root_[0] = '\0';
}

bool PciFolderSource::IsPresent() { return root_[0] != '\0' && platform::FolderExists(root_); }

namespace {

void AppendHex(char* out, size_t capacity, uint32_t value, int digits) {
  static const char kDigits[] = "0123456789abcdef";
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
    str::AppendChar(out, capacity, kDigits[(value >> shift) & 0xF]);
  }
}

}  // namespace

uint16_t PciFolderSource::ReadConfigWord(uint8_t bus, uint8_t devfn, uint8_t offset) {
  const uint16_t kEmptySlot = 0xFFFF;
  char path[kRootCapacity + 32];
  str::Copy(path, sizeof path, root_);
  str::EnsureTrailingBackslash(path, sizeof path);
  str::Append(path, sizeof path, "0000:");
  AppendHex(path, sizeof path, bus, 2);
  str::AppendChar(path, sizeof path, ':');
  AppendHex(path, sizeof path, devfn >> 3, 2);
  str::AppendChar(path, sizeof path, '.');
  AppendHex(path, sizeof path, devfn & 7, 1);
  if (!str::Append(path, sizeof path, "\\config")) return kEmptySlot;

  platform::FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsValid()) return kEmptySlot;
  if (SetFilePointer(file.Get(), offset, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return kEmptySlot;
  unsigned char bytes[2];
  DWORD read = 0;
  if (!ReadFile(file.Get(), bytes, sizeof bytes, &read, nullptr) || read != sizeof bytes) return kEmptySlot;
  return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

void ScanPci() {
  if (platform::IsRunningUnderWine()) {
    // An unset variable means the host's devices; one too long for the buffer
    // names no folder the program can reach, so it counts as no PCI BIOS.
    char root[512];
    DWORD length = GetEnvironmentVariableA(kPciRootVariable, root, sizeof root);
    if (length == 0) {
      str::Copy(root, sizeof root, kDefaultPciRoot);
    } else if (length >= sizeof root) {
      root[0] = '\0';
    }
    PciFolderSource source(root);
    ScanPciSource(source, detectionMode, deviceSignature);
  } else {
    PciBiosSource source;
    ScanPciSource(source, detectionMode, deviceSignature);
  }
}
