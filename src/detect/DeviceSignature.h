// The detected audio hardware, shared program-wide: written during start-up
// by the PCI scan, the helper-driver query or "setup.ini", then only read.
#pragma once

#include <stdint.h>

struct DeviceSignature {
  uint16_t vendorId = 0;
  uint16_t deviceId = 0;
  uint16_t signatureWord1 = 0;  // 0x5A51 unless filled by a chip-mode PCI scan
  uint16_t signatureWord2 = 0;  // 0x4857, or 0x4877 for the chip found in codec mode
};

const uint16_t kMakerVendorId = 0x1B7D;   // the maker's PCI vendor ID
const uint16_t kChipDeviceId = 0x0342;    // the TQI4716 chip
const uint16_t kSignatureWord1 = 0x5A51;
const uint16_t kSignatureWord2 = 0x4857;
const uint16_t kSignatureWord2ChipInCodecMode = 0x4877;

// What detection looks for: 0 the TQI4716 chip, 1 a supported AC'97 controller.
enum DetectionModeValue { kChipMode = 0, kAc97ControllerMode = 1 };

extern DeviceSignature deviceSignature;
extern int detectionMode;

// Vendor 1B7D, device 0342.
bool ChipFound(const DeviceSignature& signature);
// Both IDs nonzero and the signature words of a helper or AC'97 answer.
bool SignatureValid(const DeviceSignature& signature);
