// "Install Device Driver": the driver package that fits the running Windows,
// the options and the detected hardware, in one of three branches (Windows NT
// 4.0; the VxD driver with the removal of earlier drivers; the WDM driver
// handed over to the disc's WDM setup program), and how the command ends.
#include <windows.h>

#include "app/SetupApp.h"
#include "detect/DeviceSignature.h"
#include "framework/UserInterface.h"
#include "install/ArchitectureDialog.h"
#include "install/DriverSigning.h"
#include "install/WdmStaging.h"
#include "launcher/LauncherDialog.h"
#include "launcher/StateFile.h"
#include "platform/Files.h"
#include "platform/System.h"
#include "restart/RestartDialog.h"

void LauncherDialog::OnInstallDeviceDriver() {
  if (isNT4) {
    InstallNt4Driver();
    EndDriverCommand(/*nt4Ending=*/true);
    return;
  }
  framework::WaitCursor waitCursor;
  DeleteMakerHardwareIds();

  ArchitectureChoice choice = DecideDriverArchitecture(Os(), Architecture(), useVxdDriver);
  useVxdDriver = choice.useVxdDriver;
  if (choice.askUser) {
    int chosen = useVxdDriver;
    if (!AskArchitecture(chosen)) {
      SendMessageA(Handle(), WM_CLOSE, 0, 0);
      return;
    }
    useVxdDriver = chosen;
  }

  if (useVxdDriver == 0) {
    StageWdmDriver(0, 0);
    HandOverToWdmSetup();  // does not return
  }

  CloseMixerAndResetTray();
  if (deviceSignature.vendorId == kMakerVendorId) {
    RemoveChipDriverTrees();
  } else {
    RemoveAc97DriverTrees(deviceSignature.vendorId, deviceSignature.deviceId);
  }
  RetireOldDriverFiles(1);
  StageVxdDriver();
  waitCursor.Restore();
  EndDriverCommand(/*nt4Ending=*/false);
}

// Runs the architecture dialog preset to useVxd; true with the user's choice
// on OK, false when it was cancelled or closed.
bool LauncherDialog::AskArchitecture(int& useVxd) {
  ArchitectureDialog dialog(nullptr);
  dialog.useVxd = useVxd;
  if (dialog.DoModal() != IDOK) return false;
  useVxd = dialog.useVxd;
  return true;
}

// Starts the disc's WDM setup program with " /DRIVER" and ends the process.
// On Windows 98 and 98 SE it is started from the staging folder, where the
// staging just copied it; elsewhere from the disc.
void LauncherDialog::HandOverToWdmSetup() {
  const char* name = isNT5 ? "Win2kDrv.dat" : "WinMeDrv.dat";
  char folder[kPathCapacity] = "";
  char program[kPathCapacity] = "";
  bool found;
  if (isWin98) {
    found = ShortStagingFolder(folder, sizeof folder) && platform::JoinPath(program, folder, name);
  } else {
    found = platform::JoinPath(program, sourceFolder, name);
  }
  if (!found || !platform::FileCanBeOpenedForReading(program)) {
    framework::ShowSetupMessage(Handle(), isNT5 ? "Can not find the setup program for Windows 2000 and XP."
                                                : "Can not find the setup program for Windows 98 SE and ME.");
    ExitProcess(0);
  }
  platform::StartProgramShown(program, NoRebootRequested() ? " /DRIVER /NO_REBOOT" : " /DRIVER");
  ExitProcess(0);
}

// The NT 4.0 and VxD endings: inside the combined command the restart need is
// recorded (NT 4.0) or left to the command's end; alone, the restart prompt
// follows unless the command line asks for no restart.
void LauncherDialog::EndDriverCommand(bool nt4Ending) {
  bool noReboot = NoRebootRequested();
  if (nt4Ending && combinedInstall) {
    RecordRestartNeed(!noReboot);
    return;
  }
  if (noReboot || combinedInstall) return;
  ShowRestartPromptAndClose();
}

void LauncherDialog::ShowRestartPromptAndClose() {
  RestartDialog restart(nullptr);
  restart.DoModal();
  OnOK();
}

void LauncherDialog::StageWdmDriver(int queueDriverSetup, int patchJackConfig) {
  WdmStagingInput input;
  input.os = Os();
  input.sourceFolder = sourceFolder;
  input.webSetup = WebSetup;
  input.precopyCabsPresent = precopyCabsPresent;
  input.codecDisc = TheSetupApp().Context().InstallWDMUDACodecDriver;
  input.vendorId = deviceSignature.vendorId;
  input.deviceId = deviceSignature.deviceId;
  input.jackOptions = jackOptions;
  RunWdmStaging(input, queueDriverSetup, patchJackConfig);
}
