// "Install Device Driver and Applications": the driver (or, for the WDM
// architecture, the staged WDM package queued in the StateFile), then the
// applications, which end the process.
#include <windows.h>

#include "framework/UserInterface.h"
#include "install/DriverSigning.h"
#include "launcher/LauncherDialog.h"
#include "platform/Files.h"
#include "platform/Handles.h"
#include "platform/Str.h"

namespace {

// The Windows 98 SE driver cabinets that make the WDM setup install first.
const char* const kDriverCabinets[] = {"DRIVER11.CAB", "DRIVER12.CAB", "DRIVER14.CAB",
                                       "DRIVER15.CAB", "DRIVER17.CAB", "DRIVER20.CAB"};

void CountDriverCabinet(const char* name, void* context) {
  char upper[kPathCapacity];
  str::CopyTruncated(upper, sizeof upper, name);
  for (char* p = upper; *p != '\0'; ++p) *p = str::AsciiUpper(*p);
  for (const char* cabinet : kDriverCabinets) {
    if (str::Equal(upper, cabinet)) ++*static_cast<int*>(context);
  }
}

bool AllDriverCabinetsPrecopied() {
  char windows[kPathCapacity];
  char pattern[kPathCapacity];
  if (!platform::GetWindowsFolder(windows, sizeof windows) ||
      !platform::JoinPath(pattern, windows, "System\\Precopy\\*.cab")) {
    return false;
  }
  int matches = 0;
  platform::ForEachFile(pattern, CountDriverCabinet, &matches);
  return matches >= 6;
}

}  // namespace

void LauncherDialog::OnInstallDriverAndApplications() {
  framework::WaitCursor waitCursor;
  if (!isNT4) DeleteMakerHardwareIds();
  combinedInstall = 1;
  if (isWin95 || (isWin98 && !isWin98SE)) useVxdDriver = 1;

  // The same question and options as the driver command; only Windows ME and
  // 98 SE take their choice from them here (the driver command, when it runs,
  // applies its own rules again).
  ArchitectureChoice choice = DecideDriverArchitecture(Os(), Architecture(), useVxdDriver);
  if (choice.askUser) {
    int chosen = useVxdDriver;
    if (!AskArchitecture(chosen)) {
      SendMessageA(Handle(), WM_CLOSE, 0, 0);
      waitCursor.Restore();
      return;
    }
    useVxdDriver = chosen;
  } else if (isWinME || isWin98SE) {
    useVxdDriver = choice.useVxdDriver;
  }

  if (useVxdDriver == 1 || isNT4) {
    OnInstallDeviceDriver();
    OnInstallApplications();
    return;
  }
  precopyCabsPresent = 0;
  if (isWin98 && AllDriverCabinetsPrecopied()) precopyCabsPresent = 1;
  StageWdmDriver(1, 0);
  OnInstallApplications();
}
