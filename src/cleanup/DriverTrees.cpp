// The registry walk that removes earlier drivers: see DriverTrees.h.
#include "cleanup/DriverTrees.h"

#include "platform/Str.h"

const char kEarlierAsioClsid[] = "{188135E1-D565-11d2-854F-00A0C99F5D19}";

namespace {

const char kMediaClass[] = "System\\CurrentControlSet\\services\\Class\\MEDIA";
const char kMediaResources[] = "System\\CurrentControlSet\\control\\MediaResources\\";
const char* const kResourceTypes[] = {"aux", "joystick", "midi", "mixer", "wave"};
const char kPciEnum[] = "Enum\\PCI";
const char kMakerEnum[] = "Enum\\TQI";
const char* const kVirtualDevices[] = {"Enum\\VIRTUAL\\TQV-SWMIDI", "Enum\\VIRTUAL\\TQV-DOSEMU",
                                       "Enum\\VIRTUAL\\TQV-LEGACY", "Enum\\VIRTUAL\\TQV-SBEMU",
                                       "Enum\\VIRTUAL\\TQV-JOYSTK"};
const char kAsioKey[] = "SOFTWARE\\ASIO";

const int kMaxInstances = 100;
const unsigned kMaxValuesPerInstance = 1000;
const int kMaxResourceMatches = 15;
const size_t kInstanceNameLength = 4;
// Walks that delete and start again: a bound on their rounds, so that a key
// that reports deleted but stays cannot keep the walk going for ever.
const int kMaxDeletionRounds = 10000;
const size_t kKeyPathCapacity = 512;

bool StartsWith(const char* text, const char* prefix) {
  while (*prefix != '\0') {
    if (*text++ != *prefix++) return false;
  }
  return true;
}

bool StartsWithNoCase(const char* text, const char* prefix) {
  while (*prefix != '\0') {
    if (str::AsciiUpper(*text++) != str::AsciiUpper(*prefix++)) return false;
  }
  return true;
}

bool ChildPath(char* out, const char* parent, const char* child) {
  return str::Copy(out, kKeyPathCapacity, parent) && str::AppendChar(out, kKeyPathCapacity, '\\') &&
         str::Append(out, kKeyPathCapacity, child);
}

bool IsChipDriverInstanceValue(const char* name, const char* data) {
  if (str::Equal(name, "DriverDesc")) return StartsWithNoCase(data, "TREQUA") || StartsWithNoCase(data, "TQI4716");
  if (str::Equal(name, "InfPath")) return StartsWithNoCase(data, "TQPCI032.INF");
  return false;
}

bool IsAc97DriverInstanceValue(const char* name, const char* data) {
  return str::Equal(name, "ProviderName") && StartsWithNoCase(data, "TREQUA");
}

struct Ac97Prefix {
  uint16_t vendorId;
  uint16_t deviceId;
  const char* prefix;
};

const Ac97Prefix kAc97Prefixes[] = {
    {0x8086, 0x2415, "VEN_8086&DEV_2415"}, {0x8086, 0x2425, "VEN_8086&DEV_2425"},
    {0x8086, 0x2445, "VEN_8086&DEV_2445"}, {0x8086, 0x24C5, "VEN_8086&DEV_24C5"},
    {0x8086, 0x24D5, "VEN_8086&DEV_24D5"}, {0x1039, 0x7012, "VEN_1039&DEV_7012"},
    {0x1039, 0x7018, "VEN_1039&DEV_7018"}, {0x1106, 0x3058, "VEN_1106&DEV_3058"},
    {0x1106, 0x3059, "VEN_1106&DEV_3059"}, {0x10DE, 0x01B1, "VEN_10DE&DEV_01B1"},
    {0x10DE, 0x006A, "VEN_10DE&DEV_006A"}, {0x10B9, 0x5451, "VEN_10B9&DEV_5451"},
};

bool InstanceIsEarlierDriver(RegistryAccess& registry, const char* instancePath, const DriverTreeVariant& variant) {
  for (unsigned index = 0; index < kMaxValuesPerInstance; ++index) {
    char name[kRegistryTextCapacity];
    char data[kRegistryTextCapacity];
    EnumResult result = registry.EnumValue(RegistryRoot::kLocalMachine, instancePath, index, name, data);
    if (result == EnumResult::kEnd) return false;
    if (result == EnumResult::kFound && variant.isDriverInstanceValue(name, data)) return true;
  }
  return false;
}

// The MEDIA class instances of the earlier driver, with their resources. The
// names are all read before any key is deleted, so the enumeration is not
// disturbed by the deletions.
void RemoveDriverInstances(RegistryAccess& registry, const DriverTreeVariant& variant) {
  static char instances[kMaxInstances][kInstanceNameLength + 1];
  int count = 0;
  for (unsigned index = 0; count < kMaxInstances; ++index) {
    char name[kRegistryTextCapacity];
    EnumResult result = registry.EnumSubkey(RegistryRoot::kLocalMachine, kMediaClass, index, name);
    if (result == EnumResult::kEnd) break;
    if (result == EnumResult::kTooLong) continue;
    str::CopyTruncated(instances[count++], kInstanceNameLength + 1, name);
  }
  for (int i = 0; i < count; ++i) {
    char instancePath[kKeyPathCapacity];
    if (!ChildPath(instancePath, kMediaClass, instances[i])) continue;
    if (!registry.KeyOpens(RegistryRoot::kLocalMachine, instancePath)) continue;
    if (!InstanceIsEarlierDriver(registry, instancePath, variant)) continue;
    registry.DeleteTree(RegistryRoot::kLocalMachine, instancePath);
    for (const char* type : kResourceTypes) {
      char typePath[kKeyPathCapacity];
      if (str::Copy(typePath, sizeof typePath, kMediaResources) && str::Append(typePath, sizeof typePath, type)) {
        DeleteMediaResources(registry, typePath, instances[i]);
      }
    }
  }
}

enum class PassResult { kDone, kStuck };

// Deletes every subkey of parent whose name starts with prefix. After each
// deletion the enumeration starts again at index 0.
PassResult RemoveSubkeysWithPrefix(RegistryAccess& registry, const char* parent, const char* prefix,
                                   bool& deviceFound) {
  unsigned index = 0;
  for (int round = 0; round < kMaxDeletionRounds; ++round) {
    char name[kRegistryTextCapacity];
    EnumResult result = registry.EnumSubkey(RegistryRoot::kLocalMachine, parent, index, name);
    if (result == EnumResult::kEnd) return PassResult::kDone;
    if (result == EnumResult::kTooLong || !StartsWith(name, prefix)) {
      ++index;
      continue;
    }
    char path[kKeyPathCapacity];
    if (!ChildPath(path, parent, name) || !registry.KeyOpens(RegistryRoot::kLocalMachine, path)) {
      ++index;
      continue;
    }
    if (!registry.DeleteTree(RegistryRoot::kLocalMachine, path)) return PassResult::kStuck;
    deviceFound = true;
    index = 0;
  }
  return PassResult::kDone;
}

bool SubkeyHasEarlierAsioClsid(RegistryAccess& registry, const char* path) {
  for (unsigned index = 0; index < kMaxValuesPerInstance; ++index) {
    char name[kRegistryTextCapacity];
    char data[kRegistryTextCapacity];
    EnumResult result = registry.EnumValue(RegistryRoot::kLocalMachine, path, index, name, data);
    if (result == EnumResult::kEnd) return false;
    if (result == EnumResult::kFound && str::EqualNoCase(name, "CLSID") && str::EqualNoCase(data, kEarlierAsioClsid)) {
      return true;
    }
  }
  return false;
}

// "SOFTWARE\ASIO" lists the ASIO drivers of every maker: only the subkeys
// that register the earlier driver's CLSID go; the key and the others stay.
void RemoveEarlierAsioRegistration(RegistryAccess& registry) {
  unsigned index = 0;
  for (int round = 0; round < kMaxDeletionRounds; ++round) {
    char name[kRegistryTextCapacity];
    EnumResult result = registry.EnumSubkey(RegistryRoot::kLocalMachine, kAsioKey, index, name);
    if (result == EnumResult::kEnd) return;
    char path[kKeyPathCapacity];
    if (result == EnumResult::kFound && ChildPath(path, kAsioKey, name) && SubkeyHasEarlierAsioClsid(registry, path) &&
        registry.DeleteTree(RegistryRoot::kLocalMachine, path)) {
      continue;  // the next subkey now stands at this index
    }
    ++index;
  }
}

void DeleteIfPresent(RegistryAccess& registry, RegistryRoot root, const char* path) {
  if (registry.KeyOpens(root, path)) registry.DeleteTree(root, path);
}

}  // namespace

DriverTreeVariant ChipDriverVariant() { return {IsChipDriverInstanceValue, "VEN_1B7D&DEV_03"}; }

DriverTreeVariant Ac97DriverVariant(uint16_t vendorId, uint16_t deviceId) {
  DriverTreeVariant variant = {IsAc97DriverInstanceValue, nullptr};
  for (const Ac97Prefix& entry : kAc97Prefixes) {
    if (entry.vendorId == vendorId && entry.deviceId == deviceId) variant.hardwarePrefix = entry.prefix;
  }
  return variant;
}

void DeleteMediaResources(RegistryAccess& registry, const char* typeKeyPath, const char* instanceName) {
  if (!registry.KeyOpens(RegistryRoot::kLocalMachine, typeKeyPath)) return;
  static char matches[kMaxResourceMatches][kRegistryTextCapacity];
  int count = 0;
  for (unsigned index = 0;; ++index) {
    char name[kRegistryTextCapacity];
    EnumResult result = registry.EnumSubkey(RegistryRoot::kLocalMachine, typeKeyPath, index, name);
    if (result == EnumResult::kEnd) break;
    if (result == EnumResult::kTooLong) continue;
    size_t length = str::Length(name);
    if (length < kInstanceNameLength + 1) continue;
    // The four characters before the last one: "wave.drv<0003>" gives "0003".
    char instance[kInstanceNameLength + 1];
    for (size_t i = 0; i < kInstanceNameLength; ++i) instance[i] = name[length - 1 - kInstanceNameLength + i];
    instance[kInstanceNameLength] = '\0';
    if (!str::EqualNoCase(instance, instanceName) || count == kMaxResourceMatches) continue;
    str::Copy(matches[count++], kRegistryTextCapacity, name);
  }
  for (int i = 0; i < count; ++i) {
    char path[kKeyPathCapacity];
    if (ChildPath(path, typeKeyPath, matches[i])) DeleteIfPresent(registry, RegistryRoot::kLocalMachine, path);
  }
}

int RemoveDriverTrees(RegistryAccess& registry, const DriverTreeVariant& variant) {
  RemoveDriverInstances(registry, variant);
  bool deviceFound = false;
  if (variant.hardwarePrefix != nullptr &&
      RemoveSubkeysWithPrefix(registry, kPciEnum, variant.hardwarePrefix, deviceFound) == PassResult::kStuck) {
    return kHardwareKeyStuck;
  }
  if (RemoveSubkeysWithPrefix(registry, kMakerEnum, "CHILD", deviceFound) == PassResult::kStuck) {
    return kHardwareKeyStuck;
  }
  for (const char* path : kVirtualDevices) {
    if (!registry.KeyOpens(RegistryRoot::kLocalMachine, path)) continue;
    if (!registry.DeleteTree(RegistryRoot::kLocalMachine, path)) return kVirtualDeviceStuck;
    deviceFound = true;
  }
  if (!deviceFound) return kNoDeviceFound;
  DeleteIfPresent(registry, RegistryRoot::kClassesRoot, "Audio3D");
  DeleteIfPresent(registry, RegistryRoot::kClassesRoot, "CLSID\\{D8F1EEE0-F634-11CF-8700-00A0245D918B}");
  RemoveEarlierAsioRegistration(registry);
  DeleteIfPresent(registry, RegistryRoot::kClassesRoot, "CLSID\\{188135E1-D565-11d2-854F-00A0C99F5D19}");
  return kTreesRemoved;
}
