// Staging of the VxD driver package for Windows 95 and 98 (and 98 SE or ME
// when the VxD architecture is chosen): into the INF folders, the Windows
// setup source folder and "C:\Program Files\Trequa\WIN_9x\", where the
// hardware installation finds it after the restart.
#include <windows.h>

#include "install/DriverRules.h"
#include "install/StagingSteps.h"
#include "launcher/LauncherDialog.h"
#include "platform/Files.h"
#include "platform/Str.h"
#include "platform/System.h"

namespace {

const char kVxdStagingFolder[] = "C:\\Program Files\\Trequa\\WIN_9x\\";
const char kVxdStagingFolderNoBackslash[] = "C:\\Program Files\\Trequa\\WIN_9x";

// The system files of Windows 98 SE that are saved for the driver.
const char* const kSavedSystemFiles[] = {"kscloskf.ax", "ksdata.ax",    "ksinterf.ax",  "ksproxy.ax",
                                         "ksuser.dll",  "MSJSTICK.DRV", "msanalog.vxd", "vjoyd.vxd"};

struct VxdRun {
  LauncherDialog* launcher;
  char windows[kPathCapacity];
  char inf[kPathCapacity];
  char other[kPathCapacity];
  char sourcePath[kPathCapacity];
  char driverFolder[kPathCapacity];
  platform::PathList infCopies;
};

// A setup source folder that no longer exists (a CD-ROM drive letter that
// changed) is emptied in the registry, so that Windows stops asking for it.
void FindSourcePath(VxdRun& run) {
  SourcePathState state = ReadSourcePath(run.sourcePath, sizeof run.sourcePath);
  if (state == SourcePathState::kUsable) run.launcher->sourcePathUsable = 1;
  if (state == SourcePathState::kFolderMissing) ClearSourcePath();
}

bool SourceFolderPlus(const VxdRun& run, const char* relative, char* out) {
  return platform::JoinPath(out, run.launcher->sourceFolder, relative);
}

// The first of "W95-98\", "WIN_9x\" and "Driver\VxD\" on the disc; in the
// first two the "95" or "98" sub-folder when present, else "drv\".
void ChooseDriverFolder(VxdRun& run) {
  const char* const kPackageFolders[] = {"W95-98\\", "WIN_9x\\"};
  const char* version = run.launcher->isWin95 ? "drv\\95\\" : "drv\\98\\";
  for (const char* folder : kPackageFolders) {
    char tested[kPathCapacity];
    if (!SourceFolderPlus(run, folder, tested) || !platform::FolderCanBeMadeCurrent(tested)) continue;
    char versionFolder[kPathCapacity];
    if (platform::JoinPath(versionFolder, tested, version) && platform::FolderCanBeMadeCurrent(versionFolder)) {
      str::Copy(run.driverFolder, sizeof run.driverFolder, versionFolder);
    } else if (!platform::JoinPath(run.driverFolder, tested, "drv\\")) {
      break;
    }
    return;
  }
  char vxd[kPathCapacity];
  if (SourceFolderPlus(run, "Driver\\VxD\\", vxd) && platform::FolderCanBeMadeCurrent(vxd)) {
    str::Copy(run.driverFolder, sizeof run.driverFolder, vxd);
    return;
  }
  str::Copy(run.driverFolder, sizeof run.driverFolder, run.launcher->sourceFolder);
}

void StageInfCopy(VxdRun& run, const char* source, const char* folder, const char* name) {
  char target[kPathCapacity];
  if (!platform::JoinPath(target, folder, name)) return;
  platform::CopyOver(source, target, /*resetAfter=*/true);
  run.infCopies.Add(target);
}

void StageDriverFile(const char* name, void* context) {
  VxdRun& run = *static_cast<VxdRun*>(context);
  char source[kPathCapacity];
  char staged[kPathCapacity];
  if (!platform::JoinPath(source, run.driverFolder, name) || !platform::JoinPath(staged, kVxdStagingFolder, name)) {
    return;  // a name that makes an overlong path is skipped, never cut
  }
  platform::CopyOver(source, staged, false);
  bool mayGoToSourcePath = NameMayGoToSourcePath(name);
  if (run.launcher->sourcePathUsable && mayGoToSourcePath) {
    char target[kPathCapacity];
    if (!platform::JoinPath(target, run.sourcePath, name) || !platform::CopyOver(source, target, false)) {
      run.launcher->sourcePathUsable = 0;
      char other[kPathCapacity];
      if (platform::JoinPath(other, run.other, name)) platform::CopyOver(source, other, false);
    }
  }
  if (run.launcher->isWin98SE && mayGoToSourcePath) {
    // From the setup source folder's copy (or, without one, the file of that
    // name in the current folder) into "System\Precopy", never replacing a
    // file there; the folder itself is made only later, for the system files.
    char fromSourcePath[kPathCapacity];
    char precopy[kPathCapacity];
    if (platform::JoinPath(fromSourcePath, run.sourcePath, name) &&
        platform::JoinPath(precopy, run.windows, "System\\Precopy\\") && str::Append(precopy, sizeof precopy, name)) {
      CopyFileA(fromSourcePath, precopy, TRUE);
    }
  }
  if (NameLooksLikeInf(name)) {
    StageInfCopy(run, source, run.inf, name);
    StageInfCopy(run, source, run.other, name);
  }
  if (NameLooksLikeIni(name)) {
    char target[kPathCapacity];
    if (platform::JoinPath(target, run.windows, name)) platform::CopyOver(source, target, true);
  }
}

// Points the source disk "1" of every INF copy at the staging folder, keeping
// the disk's label family.
void RedirectSourceDisks(VxdRun& run) {
  char shortStaging[kPathCapacity];
  if (!platform::GetShortPath(kVxdStagingFolderNoBackslash, shortStaging, sizeof shortStaging)) return;
  for (int i = 0; i < run.infCopies.Count(); ++i) {
    const char* path = run.infCopies.At(i);
    char old[1024];
    GetPrivateProfileStringA("SourceDisksNames", "1", "", old, sizeof old, path);
    if (old[0] == '\0') continue;
    const char* label = "TQI4716/T3DX PCI Audio Driver Disk";
    if (!str::Contains(old, "TQI4716/T3DX") && str::Contains(old, "TQI5716")) label = "TQI5716 WIN95 Driver Disk";
    char entry[2 * kPathCapacity] = "\"";
    if (str::Append(entry, sizeof entry, label) && str::Append(entry, sizeof entry, "\",,0000-0000, ") &&
        str::Append(entry, sizeof entry, shortStaging)) {
      WritePrivateProfileStringA("SourceDisksNames", "1", entry, path);
    }
  }
  run.infCopies.Clear();
}

void SaveWin98SeSystemFiles(const VxdRun& run) {
  char system[kPathCapacity];
  char precopy[kPathCapacity];
  if (!platform::JoinPath(system, run.windows, "System\\") ||
      !platform::JoinPath(precopy, run.windows, "System\\Precopy\\")) {
    return;
  }
  platform::CreateFolder(precopy);
  CopyListedFiles(system, kSavedSystemFiles, sizeof kSavedSystemFiles / sizeof kSavedSystemFiles[0], precopy);
  for (const char* name : kSavedSystemFiles) {
    char source[kPathCapacity];
    char target[kPathCapacity];
    if (!platform::JoinPath(source, system, name) || !platform::JoinPath(target, kVxdStagingFolder, name)) continue;
    if (str::Equal(name, "kscloskf.ax")) {
      CopyFileA(source, target, FALSE);  // this one keeps the target's attributes
    } else {
      platform::CopyOver(source, target, false);
    }
  }
}

}  // namespace

void LauncherDialog::StageVxdDriver() {
  static VxdRun run;  // large: kept off the stack
  run.launcher = this;
  run.infCopies.Clear();
  sourcePathUsable = 0;
  if (!platform::GetWindowsFolder(run.windows, sizeof run.windows) ||
      !platform::JoinPath(run.inf, run.windows, "INF\\") || !platform::JoinPath(run.other, run.inf, "OTHER\\")) {
    return;
  }
  char catalog[kPathCapacity];
  platform::CreateFolder(run.other);
  if (platform::JoinPath(catalog, run.inf, "CATALOG\\")) platform::CreateFolder(catalog);
  FindSourcePath(run);
  CopyDosFiles(sourceFolder);
  ChooseDriverFolder(run);
  platform::CreateFolder(kVxdStagingFolder);

  char pattern[kPathCapacity];
  if (platform::JoinPath(pattern, run.driverFolder, "*.*")) platform::ForEachFile(pattern, StageDriverFile, &run);
  RedirectSourceDisks(run);
  StageLauncherSet(sourceFolder, kVxdStagingFolder, "0");
  CopyTqaudioIni(sourceFolder, run.windows);
  AddToInstallLocations(kVxdStagingFolderNoBackslash);
  if (isWin98SE) SaveWin98SeSystemFiles(run);
}
