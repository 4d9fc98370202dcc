// The two sources of PCI configuration words the program can read.
#pragma once

#include <stddef.h>

#include "detect/PciScan.h"

// The PCI BIOS through software interrupt 1Ah, as Windows 9x lets a program
// call it. Never used under Wine, which has no PCI BIOS to call.
class PciBiosSource : public PciConfigSource {
 public:
  bool IsPresent() override;
  uint16_t ReadConfigWord(uint8_t bus, uint8_t devfn, uint8_t offset) override;
};

// Configuration space captured in a folder in the Linux sysfs layout: one
// sub-folder per function named "0000:BB:DD.F" (hexadecimal bus, device,
// function) holding the binary "config" file (little-endian words). A folder
// that does not exist counts as no PCI BIOS; a missing, unreadable or short
// file reads 0xFFFF, like an empty slot. This lets tests, and support staff
// reproducing a machine from a capture, give the program any hardware.
class PciFolderSource : public PciConfigSource {
 public:
  explicit PciFolderSource(const char* root);
  bool IsPresent() override;
  uint16_t ReadConfigWord(uint8_t bus, uint8_t devfn, uint8_t offset) override;

 private:
  static const size_t kRootCapacity = 512;
  char root_[kRootCapacity];
};

// Where the folder source is looked for: the environment variable
// TQSETUP_PCI_ROOT, else the host's own devices seen through drive Z:.
extern const char kPciRootVariable[];
extern const char kDefaultPciRoot[];

// The scan of start-up over the platform's source: the PCI BIOS on Windows 9x,
// the folder source under Wine. Reads detectionMode, writes deviceSignature
// on a match.
void ScanPci();
