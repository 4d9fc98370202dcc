// Asks whether Windows is to be restarted now (preselected) or later; on OK
// with the first choice it asks the system to restart. Escape and the close
// command end it without a restart.
#pragma once

#include "framework/Dialog.h"

class RestartDialog : public framework::Dialog {
 public:
  explicit RestartDialog(HWND parent);

 protected:
  void DoDataExchange(framework::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  framework::Button restartNowButton;
  framework::Button restartLaterButton;
};

// Enables the named privilege in the process token. Nonzero on success; also
// on Windows 9x, which has no security tokens (the call is not implemented).
int EnableShutdownPrivilege(const char* privilegeName);
