// "Install Device Driver and Applications".
//
// Not yet built: the button does nothing until then.
#include "launcher/LauncherDialog.h"

void LauncherDialog::OnInstallDriverAndApplications() {}
