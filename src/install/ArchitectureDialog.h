// Asks the user to choose the driver architecture (VxD or WDM) on Windows
// 98 SE and ME. The caller presets useVxd; on OK it holds the choice, on
// Cancel the caller abandons its command.
#pragma once

#include "framework/Dialog.h"

class ArchitectureDialog : public framework::Dialog {
 public:
  explicit ArchitectureDialog(HWND parent);

  int useVxd = 0;  // 1 VxD, 0 WDM; follows every click

 protected:
  void DoDataExchange(framework::DataExchange& dx) override;
  bool OnInitDialog() override;
  bool OnCommand(int controlId, int notifyCode) override;

 private:
  void OnVxdClicked();
  void OnWdmClicked();

  static const framework::CommandRoute<ArchitectureDialog> kCommandRoutes[];

  framework::Button wdmButton;
  framework::Button vxdButton;
};
