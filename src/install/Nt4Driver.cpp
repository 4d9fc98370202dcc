// The Windows NT 4.0 driver installation.
//
// Not yet built: the driver command's NT 4.0 branch calls it in its place.
#include "launcher/LauncherDialog.h"

void LauncherDialog::InstallNt4Driver() {}
