// The launcher: the program's main window, a caption-less 640 x 480 picture
// with four buttons (driver and applications, driver, applications, exit).
// It owns its own copy of the start-up options, which its start modes and
// commands may change, and the flags the commands pass to each other.
#pragma once

#include "app/InstallContext.h"
#include "framework/Dialog.h"
#include "install/DriverRules.h"
#include "install/InfJackPatch.h"

// The launcher's own Windows classification (isWin95 ... isWinXP, same rules
// as start-up) is its OsClass part.
class LauncherDialog : public framework::Dialog, public OsClass {
 public:
  explicit LauncherDialog(HWND parent);

  // The three install commands.
  void OnInstallDriverAndApplications();
  void OnInstallDeviceDriver();
  void OnInstallApplications();

  char sourceFolder[kPathCapacity] = "";
  // Copies of the "setup.ini" options.
  int DriverOnly = 0;
  int WindowsMEDriverAskUser = 0;
  int WindowsMEDriver = 1;
  int Windows98SEDriverAskUser = 0;
  int Windows98SEDriver = 0;
  int WebSetup = 0;
  int InstallWDMDriver = 0;
  int precopyCabsPresent = 0;  // all six Windows 98 SE driver cabinets found
  int InstallWDMUDACodecDriver = 0;
  int UDAWindows98Driver = 0;
  // The upper-cased command line; a longer one keeps its first 1023 characters.
  static const int kCommandLineCapacity = 1024;
  char commandLine[kCommandLineCapacity] = "";
  int combinedInstall = 0;   // the driver command runs inside the combined command
  int useVxdDriver = 0;      // 1 VxD, 0 WDM
  int sourcePathUsable = 0;  // copies into the Windows setup source folder still work
  JackOptions jackOptions;

 protected:
  void DoDataExchange(framework::DataExchange& dx) override;
  bool OnInitDialog() override;
  bool OnCommand(int controlId, int notifyCode) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  bool OnSysCommand(WPARAM wParam, LPARAM lParam, INT_PTR& result);
  bool OnPaint(WPARAM wParam, LPARAM lParam, INT_PTR& result);
  bool OnQueryDragIcon(WPARAM wParam, LPARAM lParam, INT_PTR& result);

  // Appearance (first half of the initialisation).
  void ShowBackgroundForVendor();
  void CentreOnDesktop();
  void PlaceButtons();
  void AddAboutEntryToSystemMenu();

  // Start modes (second half of the initialisation).
  void CopyInstallContext();
  void RunStartModes();
  void RunSpeakerMode();
  void RunWebSetupMode();
  void DecideStartModeDriverArchitecture();
  void RestrictButtonsForCodecDisc();

  // The driver command and its steps.
  const OsClass& Os() const { return *this; }
  ArchitectureOptions Architecture() const;
  bool NoRebootRequested() const;
  bool AskArchitecture(int& useVxd);
  void HandOverToWdmSetup();
  void EndDriverCommand(bool nt4Ending);
  void ShowRestartPromptAndClose();

  // The applications command's steps.
  void RunEarlierSuiteUninstaller();

 public:
  // Installation steps the commands call.
  void StageWdmDriver(int queueDriverSetup, int patchJackConfig);
  void StageVxdDriver();
  void InstallNt4Driver();
  void CloseMixerAndResetTray();
  int RemoveChipDriverTrees();
  int RemoveAc97DriverTrees(uint16_t vendorId, uint16_t deviceId);
  void RetireOldDriverFiles(int retireDriverFiles);

 private:
  static const framework::CommandRoute<LauncherDialog> kCommandRoutes[];
  static const framework::MessageRoute<LauncherDialog> kMessageRoutes[];

  framework::Static backgroundPicture;
  framework::Button exitButton;
  framework::Button driverAndApplicationsButton;
  framework::Button driverButton;
  framework::Button applicationsButton;
  HICON icon;
};
