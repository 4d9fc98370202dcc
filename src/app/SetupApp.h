// The setup program's application object and its start-up.
#pragma once

#include "app/InstallContext.h"
#include "framework/App.h"

class SetupApp : public framework::App {
 public:
  // Classifies Windows, reads "setup.ini", corrects multimedia settings,
  // checks the hardware and runs the launcher (or the no-chip information).
  // Always returns false: the program ends when the launcher closes.
  bool InitInstance() override;

  const InstallContext& Context() const { return context_; }

 private:
  void DeriveSourceFolderOfProgram();
  void ReadInstallOptions(const char* setupIniPath);
  bool CheckHardware(const char* setupIniPath);
  bool TakeSignatureFromSetupIni(const char* setupIniPath);
  bool DetectInCodecMode();
  bool DetectInChipMode();
  void RunLauncher();
  void RunNoChipDialog();

  InstallContext context_;
};

// The version query of the running system, classified.
OsClass ClassifyRunningWindows();

// The running application (start-up's InstallContext is reached through it).
SetupApp& TheSetupApp();
