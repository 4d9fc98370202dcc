// WDM package staging: see WdmStaging.h.
#include "install/WdmStaging.h"

#include <windows.h>

#include "install/DriverRules.h"
#include "install/StagingSteps.h"
#include "launcher/StateFile.h"
#include "platform/Files.h"
#include "platform/Str.h"
#include "platform/System.h"

const char kWdmStagingFolder[] = "C:\\Program Files\\Trequa\\WIN_ME\\";

namespace {

const char kStagingFolderNoBackslash[] = "C:\\Program Files\\Trequa\\WIN_ME";
const size_t kNameCapacity = 25;  // INF and catalog names: at most 24 characters
const char kQuotedDiskDescription[] = "\"Trequa WDM Audio Driver Disk\",,,";
const char kDiskDescriptionVariable[] = "%DiskDescription%,,,";

// The system files of Windows 98 SE saved for the driver: the first list into
// "System\Precopy\", the second into the staging folder (its first name is
// spelt as the setup programs expect it).
const char* const kPrecopyFiles[] = {"ksclockf.ax", "ksdata.ax",    "ksinterf.ax",  "ksproxy.ax", "ksvpintf.ax",
                                     "ksuser.dll",  "MSJSTICK.DRV", "msanalog.vxd", "vjoyd.vxd"};
const char* const kStagedSystemFiles[] = {"kscloskf.ax", "ksdata.ax",    "ksinterf.ax",  "ksproxy.ax",
                                          "ksuser.dll",  "MSJSTICK.DRV", "msanalog.vxd", "vjoyd.vxd"};

struct Folders {
  char windows[kPathCapacity];
  char inf[kPathCapacity];
  char other[kPathCapacity];
  char catalog[kPathCapacity];
  char precopy[kPathCapacity];
  char system[kPathCapacity];
};

bool BuildFolders(Folders& f) {
  return platform::GetWindowsFolder(f.windows, sizeof f.windows) && platform::JoinPath(f.inf, f.windows, "INF\\") &&
         platform::JoinPath(f.other, f.windows, "INF\\OTHER\\") &&
         platform::JoinPath(f.catalog, f.windows, "INF\\CATALOG\\") &&
         platform::JoinPath(f.precopy, f.windows, "System\\Precopy\\") &&
         platform::JoinPath(f.system, f.windows, "System\\");
}

// One run's working values.
struct Run {
  const WdmStagingInput* input;
  int patchJackConfig;
  Folders folders;
  char infFileName[kNameCapacity];
  char catFileName[kNameCapacity];
  char driverSourceFolder[kPathCapacity];
  char sourcePath[kPathCapacity];
  int copyToSourcePath;
  platform::PathList stagedInfCopies;
};

void ReadPackageNames(Run& run) {
  char setupIni[kPathCapacity];
  run.infFileName[0] = '\0';
  run.catFileName[0] = '\0';
  if (!platform::JoinPath(setupIni, run.input->sourceFolder, "setup.ini")) return;
  char key[16];
  BuildInfNameKey(run.input->vendorId, run.input->deviceId, key);
  GetPrivateProfileStringA("INF_FILE_NAME", key, "", run.infFileName, kNameCapacity, setupIni);
  key[0] = 'C';
  key[1] = 'A';
  key[2] = 'T';
  GetPrivateProfileStringA("CAT_FILE_NAME", key, "", run.catFileName, kNameCapacity, setupIni);
}

void FindSourcePath(Run& run) {
  run.copyToSourcePath = ReadSourcePath(run.sourcePath, sizeof run.sourcePath) == SourcePathState::kUsable ? 1 : 0;
}

void ChooseDriverSourceFolder(Run& run) {
  DiscFolderCandidate candidates[kMaxWdmFolderCandidates];
  int count = WdmDriverFolderCandidates(run.input->os, candidates);
  for (int i = 0; i < count; ++i) {
    char tested[kPathCapacity];
    if (platform::JoinPath(tested, run.input->sourceFolder, candidates[i].tested) &&
        platform::FolderCanBeMadeCurrent(tested) &&
        platform::JoinPath(run.driverSourceFolder, run.input->sourceFolder, candidates[i].filesFrom)) {
      return;
    }
  }
  str::Copy(run.driverSourceFolder, sizeof run.driverSourceFolder, run.input->sourceFolder);
}

void PatchCopy(const Run& run, const char* path) {
  if (!run.patchJackConfig) return;
  platform::SetNormalAttributes(path);
  PatchInfJackConfig(path, run.input->jackOptions);
}

// Copies an INF file into one of the INF folders, remembers the copy for the
// source-disk redirection and patches it when asked.
void StageInfCopy(Run& run, const char* source, const char* folder, const char* name) {
  char target[kPathCapacity];
  if (!platform::JoinPath(target, folder, name)) return;
  platform::CopyOver(source, target, /*resetAfter=*/true);
  run.stagedInfCopies.Add(target);
  PatchCopy(run, target);
}

void StageDriverFile(const char* name, void* context) {
  Run& run = *static_cast<Run*>(context);
  char source[kPathCapacity];
  char staged[kPathCapacity];
  if (!platform::JoinPath(source, run.driverSourceFolder, name) ||
      !platform::JoinPath(staged, kWdmStagingFolder, name)) {
    return;  // a name that makes an overlong path is skipped, never cut
  }
  platform::CopyOver(source, staged, /*resetAfter=*/false);
  bool isInf = NameLooksLikeInf(name);
  if (isInf) PatchCopy(run, staged);

  if (run.copyToSourcePath && NameMayGoToSourcePath(name)) {
    char target[kPathCapacity];
    if (!platform::JoinPath(target, run.sourcePath, name) || !platform::CopyOver(source, target, false)) {
      run.copyToSourcePath = 0;
      char other[kPathCapacity];
      if (platform::JoinPath(other, run.folders.other, name)) platform::CopyOver(source, other, false);
    }
  }
  if (isInf && run.input->os.isWin98) {
    StageInfCopy(run, source, run.folders.inf, name);
    StageInfCopy(run, source, run.folders.other, name);
  }
  if (NameLooksLikeIni(name)) {
    char target[kPathCapacity];
    if (platform::JoinPath(target, run.folders.windows, name)) platform::CopyOver(source, target, true);
  }
}

bool DiskEntry(const char* description, char* out, size_t capacity) {
  char shortStaging[kPathCapacity];
  return platform::GetShortPath(kStagingFolderNoBackslash, shortStaging, sizeof shortStaging) &&
         str::Copy(out, capacity, description) && str::Append(out, capacity, shortStaging);
}

void WriteDisk(const char* path, const char* diskKey, const char* entry, const char* catFileName) {
  WritePrivateProfileStringA("SourceDisksNames", diskKey, entry, path);
  WritePrivateProfileStringA("SourceDisksFiles", catFileName, diskKey, path);
}

bool HasDisk(const char* path, const char* diskKey) {
  char value[1024];
  GetPrivateProfileStringA("SourceDisksNames", diskKey, "", value, sizeof value, path);
  return value[0] != '\0';
}

// Points the source disk of every INF copy at the staging folder and makes the
// catalog file part of that disk, so the hardware installation finds both.
void RedirectSourceDisks(const Run& run) {
  char quoted[2 * kPathCapacity];
  char variable[2 * kPathCapacity];
  if (!DiskEntry(kQuotedDiskDescription, quoted, sizeof quoted) ||
      !DiskEntry(kDiskDescriptionVariable, variable, sizeof variable)) {
    return;
  }
  for (int i = 0; i < run.stagedInfCopies.Count(); ++i) {
    const char* path = run.stagedInfCopies.At(i);
    if (HasDisk(path, "200")) {
      WriteDisk(path, "200", quoted, run.catFileName);
    } else if (HasDisk(path, "222")) {
      WriteDisk(path, "222", variable, run.catFileName);
    }
  }
}

void WriteDiskToBothInfFolders(const Run& run, const char* name, const char* diskKey, const char* entry) {
  char inInf[kPathCapacity];
  char inOther[kPathCapacity];
  if (platform::JoinPath(inInf, run.folders.inf, name) && platform::JoinPath(inOther, run.folders.other, name)) {
    WriteDisk(inInf, diskKey, entry, run.catFileName);
    WriteDisk(inOther, diskKey, entry, run.catFileName);
  }
}

void RedirectWin98SeInfFiles(const Run& run, const char* quoted, const char* variable) {
  if (run.input->codecDisc) {
    WriteDiskToBothInfFolders(run, run.infFileName, "222", variable);
    for (int n = 1; n <= 9; ++n) {
      char name[16] = "TQUDA0.INF";
      name[5] = static_cast<char>('0' + n);
      char inInf[kPathCapacity];
      if (platform::JoinPath(inInf, run.folders.inf, name) && platform::FileCanBeOpenedForReading(inInf)) {
        WriteDiskToBothInfFolders(run, name, "222", variable);
      }
    }
    return;
  }
  const char* const names[] = {run.infFileName, "TQAUDIO1.INF"};
  for (const char* name : names) {
    char inInf[kPathCapacity];
    if (!platform::JoinPath(inInf, run.folders.inf, name)) continue;
    if (HasDisk(inInf, "200")) WriteDiskToBothInfFolders(run, name, "200", quoted);
    if (HasDisk(inInf, "222")) WriteDiskToBothInfFolders(run, name, "222", variable);
  }
}

void PrecopySystemFiles(const Run& run) {
  platform::CreateFolder(run.folders.precopy);
  CopyListedFiles(run.folders.system, kPrecopyFiles, sizeof kPrecopyFiles / sizeof kPrecopyFiles[0],
                  run.folders.precopy);
  CopyListedFiles(run.folders.system, kStagedSystemFiles, sizeof kStagedSystemFiles / sizeof kStagedSystemFiles[0],
                  kWdmStagingFolder);
}

void StageWin98SeExtras(const Run& run) {
  char quoted[2 * kPathCapacity];
  char variable[2 * kPathCapacity];
  if (DiskEntry(kQuotedDiskDescription, quoted, sizeof quoted) &&
      DiskEntry(kDiskDescriptionVariable, variable, sizeof variable)) {
    RedirectWin98SeInfFiles(run, quoted, variable);
  }
  PrecopySystemFiles(run);
}

void WriteStateFile(const Run& run, int queueDriverSetup) {
  if (run.input->webSetup == 2) return;
  if (!queueDriverSetup) {
    RecordWdmRestartPending();
    return;
  }
  // The setup command: the staged setup program under the staging folder's
  // short name, which also becomes the current folder.
  char command[kPathCapacity] = "";
  char shortStaging[kPathCapacity];
  if (platform::GetShortPath(kStagingFolderNoBackslash, shortStaging, sizeof shortStaging)) {
    platform::FolderCanBeMadeCurrent(shortStaging);
    bool built = str::Copy(command, sizeof command, shortStaging) &&
                 str::EnsureTrailingBackslash(command, sizeof command) &&
                 str::Append(command, sizeof command, run.input->os.isNT5 ? "Win2kDrv.dat" : "WinMeDrv.dat");
    if (!built) command[0] = '\0';
  }
  RecordWdmSetupQueued(command, run.input->os.isWin98SE != 0, run.input->precopyCabsPresent != 0);
}

}  // namespace

bool ShortStagingFolder(char* out, size_t capacity) {
  if (!platform::GetShortPath(kStagingFolderNoBackslash, out, capacity)) return false;
  return str::EnsureTrailingBackslash(out, capacity);
}

void RunWdmStaging(const WdmStagingInput& input, int queueDriverSetup, int patchJackConfig) {
  static Run run;  // large: kept off the stack
  run.input = &input;
  run.patchJackConfig = patchJackConfig;
  run.stagedInfCopies.Clear();
  ReadPackageNames(run);
  if (!BuildFolders(run.folders)) return;
  platform::CreateFolder(run.folders.other);
  platform::CreateFolder(run.folders.catalog);
  FindSourcePath(run);
  CopyDosFiles(input.sourceFolder);
  platform::CreateFolder(kWdmStagingFolder);
  ChooseDriverSourceFolder(run);

  char pattern[kPathCapacity];
  if (platform::JoinPath(pattern, run.driverSourceFolder, "*.*")) platform::ForEachFile(pattern, StageDriverFile, &run);

  if (run.infFileName[0] == '\0') str::Copy(run.infFileName, kNameCapacity, DefaultInfName(input.codecDisc != 0));
  if (run.catFileName[0] == '\0') str::Copy(run.catFileName, kNameCapacity, DefaultCatalogName(input.codecDisc != 0));
  char catalogSource[kPathCapacity];
  char catalogTarget[kPathCapacity];
  if (platform::JoinPath(catalogSource, run.driverSourceFolder, run.catFileName) &&
      platform::JoinPath(catalogTarget, run.folders.catalog, run.catFileName)) {
    platform::CopyOver(catalogSource, catalogTarget, false);
  }
  StageLauncherSet(input.sourceFolder, kWdmStagingFolder, "1");
  CopyTqaudioIni(input.sourceFolder, run.folders.windows);
  RedirectSourceDisks(run);
  if (input.os.isWin98SE) StageWin98SeExtras(run);
  run.stagedInfCopies.Clear();
  AddToInstallLocations(kStagingFolderNoBackslash);
  WriteStateFile(run, queueDriverSetup);
}
