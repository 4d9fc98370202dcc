// Staging of the VxD driver package for Windows 95 and 98.
//
// Not yet built: the driver command's VxD branch calls it in its place.
#include "launcher/LauncherDialog.h"

void LauncherDialog::StageVxdDriver() {}
