// Removal of the registry device trees of earlier drivers (Windows 9x).
//
// Not yet built: the driver command's VxD branch calls these in their place.
#include "launcher/LauncherDialog.h"

int LauncherDialog::RemoveChipDriverTrees() { return 0; }

int LauncherDialog::RemoveAc97DriverTrees(uint16_t, uint16_t) { return 0; }
