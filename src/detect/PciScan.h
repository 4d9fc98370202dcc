// The PCI configuration scan that finds the supported audio hardware on
// Windows 9x, over any source of configuration-space words.
#pragma once

#include <stdint.h>

#include "detect/DeviceSignature.h"

// A source of PCI configuration words, standing for the two PCI BIOS
// functions the scan uses.
class PciConfigSource {
 public:
  virtual ~PciConfigSource() = default;
  // The PCI BIOS installation check: true when configuration space can be read.
  virtual bool IsPresent() = 0;
  // One configuration word; devfn holds the device in bits 7-3 and the
  // function in bits 2-0. An empty slot reads 0xFFFF.
  virtual uint16_t ReadConfigWord(uint8_t bus, uint8_t devfn, uint8_t offset) = 0;
};

const int kPciBusesScanned = 8;
const int kPciDevicesPerBus = 32;
const int kPciFunctionsPerDevice = 8;

bool VendorPassesPrefilter(uint16_t vendorId);
bool IsListedAc97Controller(uint16_t vendorId, uint16_t deviceId);

// Walks buses 0-7, devices 0-31 and their eight functions in that order and
// records the first match in signature: in chip mode the TQI4716, in AC'97
// mode a listed controller. A device is skipped whole when the vendor of its
// function 0 is not one of the pre-filter's, and that vendor is used for all
// its functions. Without a match, or without a source, signature is left
// unchanged. Returns true on a match.
bool ScanPciSource(PciConfigSource& source, int mode, DeviceSignature& signature);
