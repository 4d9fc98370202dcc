// The launcher's two removal steps of earlier drivers' registry traces, on
// the machine's registry (see DriverTrees.h for the walk).
#include "cleanup/DriverTrees.h"
#include "launcher/LauncherDialog.h"

int LauncherDialog::RemoveChipDriverTrees() {
  Win32RegistryAccess registry;
  return RemoveDriverTrees(registry, ChipDriverVariant());
}

int LauncherDialog::RemoveAc97DriverTrees(uint16_t vendorId, uint16_t deviceId) {
  Win32RegistryAccess registry;
  return RemoveDriverTrees(registry, Ac97DriverVariant(vendorId, deviceId));
}
