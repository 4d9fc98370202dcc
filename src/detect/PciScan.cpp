// The PCI configuration scan: see PciScan.h.
#include "detect/PciScan.h"

namespace {

const uint16_t kPrefilterVendors[] = {0x8086, 0x1039, 0x1B7D, 0x1106, 0x10DE, 0x10B9};

struct Ac97Controller {
  uint16_t vendorId;
  uint16_t deviceId;
};

// The AC'97 controllers on which the TQI5716 codec is supported, in test order.
const Ac97Controller kAc97Controllers[] = {
    {0x8086, 0x2415}, {0x8086, 0x2425}, {0x8086, 0x2445}, {0x8086, 0x24C5}, {0x8086, 0x24D5},
    {0x1039, 0x7012}, {0x1039, 0x7018}, {0x10DE, 0x01B1}, {0x10DE, 0x006A}, {0x10B9, 0x5451},
    {0x1106, 0x3058}, {0x1106, 0x3059},
};

const uint8_t kVendorIdOffset = 0;
const uint8_t kDeviceIdOffset = 2;

}  // namespace

bool VendorPassesPrefilter(uint16_t vendorId) {
  for (uint16_t vendor : kPrefilterVendors) {
    if (vendor == vendorId) return true;
  }
  return false;
}

bool IsListedAc97Controller(uint16_t vendorId, uint16_t deviceId) {
  for (const Ac97Controller& controller : kAc97Controllers) {
    if (controller.vendorId == vendorId && controller.deviceId == deviceId) return true;
  }
  return false;
}

bool ScanPciSource(PciConfigSource& source, int mode, DeviceSignature& signature) {
  if (!source.IsPresent()) return false;
  for (int bus = 0; bus < kPciBusesScanned; ++bus) {
    for (int device = 0; device < kPciDevicesPerBus; ++device) {
      uint8_t functionZero = static_cast<uint8_t>(device * 8);
      uint16_t vendorId = source.ReadConfigWord(static_cast<uint8_t>(bus), functionZero, kVendorIdOffset);
      if (!VendorPassesPrefilter(vendorId)) continue;
      for (int function = 0; function < kPciFunctionsPerDevice; ++function) {
        uint8_t devfn = static_cast<uint8_t>(device * 8 + function);
        uint16_t deviceId = source.ReadConfigWord(static_cast<uint8_t>(bus), devfn, kDeviceIdOffset);
        if (mode == kChipMode) {
          if (vendorId == kMakerVendorId && deviceId == kChipDeviceId) {
            signature.vendorId = kMakerVendorId;
            signature.deviceId = kChipDeviceId;
            signature.signatureWord1 = 0;
            signature.signatureWord2 = 0;
            return true;
          }
        } else if (IsListedAc97Controller(vendorId, deviceId)) {
          signature.vendorId = vendorId;
          signature.deviceId = deviceId;
          signature.signatureWord1 = kSignatureWord1;
          signature.signatureWord2 = kSignatureWord2;
          return true;
        }
      }
    }
  }
  return false;
}
