// Closing the running mixer and resetting the tray's volume indicator before
// a VxD driver is installed.
//
// Not yet built: the driver command's VxD branch calls it in its place.
#include "launcher/LauncherDialog.h"

void LauncherDialog::CloseMixerAndResetTray() {}
