// The second half of the launcher's initialisation: its own copy of the
// start-up options, the StateFile reset, and the start modes chosen by the
// command line and "WebSetup" (speaker configuration, applications or driver
// at once, resume of a staged installation, web setup).
#include <windows.h>

#include "app/SetupApp.h"
#include "framework/UserInterface.h"
#include "install/JackConfigDialog.h"
#include "install/WdmStaging.h"
#include "launcher/LauncherDialog.h"
#include "launcher/StateFile.h"
#include "platform/Files.h"
#include "platform/Str.h"
#include "platform/System.h"

namespace {

const int kWebSetupNormal = 0;
const int kWebSetupWeb = 1;
const int kWebSetupResume = 2;

}  // namespace

ArchitectureOptions LauncherDialog::Architecture() const {
  ArchitectureOptions options;
  options.WindowsMEDriverAskUser = WindowsMEDriverAskUser;
  options.WindowsMEDriver = WindowsMEDriver;
  options.Windows98SEDriverAskUser = Windows98SEDriverAskUser;
  options.Windows98SEDriver = Windows98SEDriver;
  options.InstallWDMDriver = InstallWDMDriver;
  options.InstallWDMUDACodecDriver = InstallWDMUDACodecDriver;
  options.UDAWindows98Driver = UDAWindows98Driver;
  return options;
}

bool LauncherDialog::NoRebootRequested() const { return HasSwitch(commandLine, "NO_REBOOT"); }

void LauncherDialog::CopyInstallContext() {
  const InstallContext& context = TheSetupApp().Context();
  static_cast<OsClass&>(*this) = ClassifyRunningWindows();
  str::Copy(sourceFolder, sizeof sourceFolder, context.sourceFolder);
  DriverOnly = context.DriverOnly;
  WindowsMEDriverAskUser = context.WindowsMEDriverAskUser;
  WindowsMEDriver = context.WindowsMEDriver;
  Windows98SEDriverAskUser = context.Windows98SEDriverAskUser;
  Windows98SEDriver = context.Windows98SEDriver;
  WebSetup = context.WebSetup;
  InstallWDMDriver = context.InstallWDMDriver;
  InstallWDMUDACodecDriver = context.InstallWDMUDACodecDriver;
  UDAWindows98Driver = context.UDAWindows98Driver;
  str::CopyTruncated(commandLine, sizeof commandLine, context.commandLine);
  combinedInstall = 0;
  useVxdDriver = 0;
}

void LauncherDialog::RunStartModes() {
  CopyInstallContext();
  ResetStateFile(isNT4 != 0);
  if (HasSwitch(commandLine, "/SPEAKER")) RunSpeakerMode();
  if (WebSetup == kWebSetupNormal && HasSwitch(commandLine, "AP")) OnInstallApplications();
  if (WebSetup == kWebSetupNormal && (HasSwitch(commandLine, "DRIVER") || DriverOnly != 0)) {
    OnInstallDeviceDriver();
    Windows98SEDriverAskUser = 0;
    WindowsMEDriverAskUser = 0;
  }
  if (WebSetup == kWebSetupResume) {
    DecideStartModeDriverArchitecture();
    OnInstallDeviceDriver();
  }
  if (WebSetup == kWebSetupWeb) RunWebSetupMode();
  RestrictButtonsForCodecDisc();
}

// Hands the speaker configuration to the WDM setup program of the disc.
void LauncherDialog::RunSpeakerMode() {
  char program[kPathCapacity];
  const char* name = isNT5 ? "Win2kDrv.dat" : "WinMeDrv.dat";
  if (!platform::JoinPath(program, sourceFolder, name) || !platform::FileCanBeOpenedForReading(program)) {
    framework::ShowSetupMessage(Handle(), isNT5 ? "Can not find the setup program for Windows 2000 and XP."
                                                : "Can not find the setup program for Windows 98 SE and ME.");
    ExitProcess(0);
  }
  platform::StartProgramShown(program, " /SPEAKER");
  ExitProcess(0);
}

// Web setup: the jack configuration, the WDM package staged with it, and the
// staged setup program started in resume mode. The launcher never shows.
void LauncherDialog::RunWebSetupMode() {
  JackConfigDialog jackDialog(nullptr);
  if (jackDialog.DoModal() != IDOK) ExitProcess(0);
  DecideStartModeDriverArchitecture();
  jackOptions = jackDialog.Options();
  if (useVxdDriver == 0) {
    StageWdmDriver(0, 1);
    char staging[kPathCapacity];
    char stagedIni[kPathCapacity];
    char program[kPathCapacity];
    bool found = ShortStagingFolder(staging, sizeof staging) &&
                 platform::JoinPath(stagedIni, staging, "Setup.ini") &&
                 platform::JoinPath(program, staging, isNT5 ? "Win2kDrv.dat" : "WinMeDrv.dat");
    if (found) WritePrivateProfileStringA("InstallOption", "WebSetup", "2", stagedIni);
    if (!found || !platform::FileCanBeOpenedForReading(program)) {
      framework::ShowSetupMessage(Handle(), "Can not find the setup program.");
      ExitProcess(0);
    }
    platform::StartProgramShown(program, NoRebootRequested() ? " /DRIVER /NO_REBOOT" : " /DRIVER");
  }
  ExitProcess(0);
}

void LauncherDialog::DecideStartModeDriverArchitecture() {
  StartModeArchitecture decision = DecideStartModeArchitecture(Os(), Architecture());
  useVxdDriver = decision.useVxdDriver;
  Windows98SEDriver = decision.Windows98SEDriver;
  WindowsMEDriver = decision.WindowsMEDriver;
}

// A codec disc installs only the driver on systems where the suite has no
// package for it.
void LauncherDialog::RestrictButtonsForCodecDisc() {
  if (TheSetupApp().Context().InstallWDMUDACodecDriver == 0) return;
  if (isNT4 || isWin95 || (isWin98 && !isWin98SE)) {
    driverAndApplicationsButton.Enable(false);
    applicationsButton.Enable(false);
  }
}
