// The restart prompt: see RestartDialog.h.
#include "restart/RestartDialog.h"

#include "platform/Handles.h"
#include "res/resource.h"

RestartDialog::RestartDialog(HWND parent) : Dialog(IDD_RESTART, parent) {}

void RestartDialog::DoDataExchange(framework::DataExchange& dx) {
  dx.Control(IDC_RESTART_NOW, restartNowButton);
  dx.Control(IDC_RESTART_LATER, restartLaterButton);
}

bool RestartDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  restartNowButton.SetCheck(true);
  restartLaterButton.SetCheck(false);
  return true;
}

// The restart is asked for without forcing: a program that refuses to close
// can still stop it. The dialog ends either way.
void RestartDialog::OnOK() {
  if (restartNowButton.IsChecked()) {
    EnableShutdownPrivilege("SeShutdownPrivilege");
    ExitWindowsEx(EWX_REBOOT, 0);
  }
  Dialog::OnOK();
}

int EnableShutdownPrivilege(const char* privilegeName) {
  platform::KernelHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, token.Receive())) {
    return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? 1 : 0;
  }
  TOKEN_PRIVILEGES privileges;
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueA(nullptr, privilegeName, &privileges.Privileges[0].Luid)) return 0;
  return AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr) ? 1 : 0;
}
