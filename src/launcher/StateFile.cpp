// The StateFile writer: see StateFile.h.
#include "launcher/StateFile.h"

#include <windows.h>

#include "app/SourceFolder.h"
#include "platform/Files.h"

namespace {

const char kRebootSection[] = "Need_To_Reboot";
const char kDriverSection[] = "Need_To_InstallDriver";
const char kSetupSection[] = "SETUP";

class StateFile {
 public:
  StateFile() {
    char windows[kPathCapacity];
    usable_ = platform::GetWindowsFolder(windows, sizeof windows) &&
              platform::JoinPath(path_, windows, "TQISETUP.INI");
  }
  void Write(const char* section, const char* key, const char* value) const {
    if (usable_) WritePrivateProfileStringA(section, key, value, path_);
  }

 private:
  char path_[kPathCapacity] = "";
  bool usable_ = false;
};

}  // namespace

void ResetStateFile(bool isNT4) {
  StateFile file;
  file.Write(kRebootSection, "Install", isNT4 ? "NO" : "YES");
  file.Write(kDriverSection, "Install", "NO");
  file.Write(kDriverSection, "Command", "");
  file.Write(kDriverSection, "InstallDX", "NO");
}

void RecordRestartNeed(bool restartNeeded) {
  StateFile file;
  file.Write(kRebootSection, "Install", restartNeeded ? "YES" : "NO");
}

void RecordWdmSetupQueued(const char* setupCommand, bool isWin98SE, bool precopyCabsPresent) {
  StateFile file;
  file.Write(kRebootSection, "Install", "NO");
  file.Write(kDriverSection, "Install", "YES");
  file.Write(kDriverSection, "Command", setupCommand);
  file.Write(kDriverSection, "InstallAtFirst", "NO");
  if (isWin98SE) file.Write(kDriverSection, "InstallDX", "YES");
  if (!isWin98SE || precopyCabsPresent) file.Write(kDriverSection, "InstallAtFirst", "YES");
  file.Write(kSetupSection, "NeedInstallDriver", "1");
  file.Write(kSetupSection, "DriverSetupFile", setupCommand);
  file.Write(kSetupSection, "NeedInstallDirectX", "0");
  file.Write(kSetupSection, "DirectXFilePath", "");
}

void RecordWdmRestartPending() {
  StateFile file;
  file.Write(kRebootSection, "Install", "YES");
  file.Write(kDriverSection, "Install", "NO");
  file.Write(kDriverSection, "Command", "");
  file.Write(kDriverSection, "InstallDX", "NO");
  file.Write(kDriverSection, "InstallAtFirst", "NO");
  file.Write(kSetupSection, "NeedInstallDriver", "0");
  file.Write(kSetupSection, "DriverSetupFile", "");
  file.Write(kSetupSection, "NeedInstallDirectX", "0");
  file.Write(kSetupSection, "DirectXFilePath", "");
}
