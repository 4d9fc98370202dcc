// Retirement of the INF and driver files of earlier drivers (Windows 9x).
//
// Not yet built: the driver command's VxD branch calls it in its place.
#include "launcher/LauncherDialog.h"

void LauncherDialog::RetireOldDriverFiles(int) {}
