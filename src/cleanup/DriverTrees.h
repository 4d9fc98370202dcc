// Removal of the Windows 9x registry traces of earlier drivers of the maker:
// the driver's MEDIA class instance with its multimedia resource entries, the
// device's hardware keys, the maker's child and virtual devices, and the
// 3D-audio and ASIO registrations. One walk, two variants: the maker's PCI
// chips, and AC'97 controllers of other vendors.
#pragma once

#include <stdint.h>

#include "cleanup/RegistryAccess.h"

enum DriverTreeStatus {
  kTreesRemoved = 0,         // the walk ran to its end
  kNoDeviceFound = 1,        // no hardware, child or virtual-device key: registrations stay
  kHardwareKeyStuck = 2,     // a key under "Enum\PCI" or "Enum\TQI" could not be deleted
  kVirtualDeviceStuck = 3,   // a virtual-device key could not be deleted
};

struct DriverTreeVariant {
  // Whether one value of a MEDIA class instance marks the earlier driver.
  bool (*isDriverInstanceValue)(const char* name, const char* data);
  // Start of the hardware keys under "Enum\PCI"; null: that pass is skipped.
  const char* hardwarePrefix;
};

DriverTreeVariant ChipDriverVariant();
// The hardware prefix comes from the supported-controller table; an unlisted
// controller gets none.
DriverTreeVariant Ac97DriverVariant(uint16_t vendorId, uint16_t deviceId);

int RemoveDriverTrees(RegistryAccess& registry, const DriverTreeVariant& variant);

// Deletes the multimedia resource entries of one MEDIA instance under a
// device-type key: names ending in "<NNNN>" for instance NNNN (any case).
void DeleteMediaResources(RegistryAccess& registry, const char* typeKeyPath, const char* instanceName);

// The earlier driver's ASIO registration: the CLSID its subkeys of
// "SOFTWARE\ASIO" carry. Other makers' ASIO drivers stay.
extern const char kEarlierAsioClsid[];
