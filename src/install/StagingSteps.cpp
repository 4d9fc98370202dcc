// Shared staging steps: see StagingSteps.h.
#include "install/StagingSteps.h"

#include <windows.h>

#include "install/InstallLocations.h"
#include "platform/Files.h"
#include "platform/Handles.h"
#include "platform/Registry.h"
#include "platform/Str.h"
#include "platform/System.h"

namespace {

const char kDosFolder[] = "C:\\Program Files\\Trequa\\DOS\\";
const char kDosAppFolder[] = "C:\\Program Files\\Trequa\\DOS\\DOSAPP\\";

struct CopyAllContext {
  const char* fromFolder;
  const char* toFolder;
};

void CopyOneWithReset(const char* name, void* context) {
  CopyAllContext* c = static_cast<CopyAllContext*>(context);
  char source[kPathCapacity];
  char target[kPathCapacity];
  if (platform::JoinPath(source, c->fromFolder, name) && platform::JoinPath(target, c->toFolder, name)) {
    platform::CopyOver(source, target, /*resetAfter=*/true);
  }
}

void CopyFolderFiles(const char* fromFolder, const char* toFolder) {
  char pattern[kPathCapacity];
  if (!platform::JoinPath(pattern, fromFolder, "*.*")) return;
  CopyAllContext context = {fromFolder, toFolder};
  platform::ForEachFile(pattern, CopyOneWithReset, &context);
}

void CopyBetween(const char* fromFolder, const char* name, const char* toFolder) {
  char source[kPathCapacity];
  char target[kPathCapacity];
  if (platform::JoinPath(source, fromFolder, name) && platform::JoinPath(target, toFolder, name)) {
    platform::CopyOver(source, target, false);
  }
}

}  // namespace

const char kSetupKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Setup";

SourcePathState ReadSourcePath(char* out, size_t capacity) {
  out[0] = '\0';
  platform::RegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSetupKey, 0, KEY_ALL_ACCESS, key.Receive()) != ERROR_SUCCESS ||
      !platform::ReadRegistryText(key.Get(), "SourcePath", out, static_cast<DWORD>(capacity))) {
    out[0] = '\0';
    return SourcePathState::kNone;
  }
  if (out[0] != '\0' && platform::FolderCanBeMadeCurrent(out) && str::EnsureTrailingBackslash(out, capacity)) {
    return SourcePathState::kUsable;
  }
  out[0] = '\0';
  return SourcePathState::kFolderMissing;
}

void ClearSourcePath() {
  platform::RegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSetupKey, 0, KEY_ALL_ACCESS, key.Receive()) == ERROR_SUCCESS) {
    platform::SetRegistryText(key.Get(), "SourcePath", "");
  }
}

void CopyListedFiles(const char* fromFolder, const char* const* names, int count, const char* toFolder) {
  for (int i = 0; i < count; ++i) CopyBetween(fromFolder, names[i], toFolder);
}

void CopyDosFiles(const char* sourceFolder) {
  platform::CreateFolder("C:\\Program Files\\");
  platform::CreateFolder("C:\\Program Files\\Trequa\\");
  platform::CreateFolder(kDosFolder);
  platform::CreateFolder(kDosAppFolder);
  char dosSource[kPathCapacity];
  char dosAppSource[kPathCapacity];
  if (platform::JoinPath(dosSource, sourceFolder, "Dosdrv\\")) CopyFolderFiles(dosSource, kDosFolder);
  if (platform::JoinPath(dosAppSource, sourceFolder, "Dosdrv\\DOSAPP\\")) CopyFolderFiles(dosAppSource, kDosAppFolder);
}

void StageLauncherSet(const char* sourceFolder, const char* stagingFolder, const char* installWdmDriver) {
  const char* const kPrograms[] = {"Setup.exe", "WinMeDrv.dat", "Win2kDrv.dat", "ZQHWINFO.sys", "Setup.ini"};
  for (const char* name : kPrograms) CopyBetween(sourceFolder, name, stagingFolder);
  char stagedIni[kPathCapacity];
  if (!platform::JoinPath(stagedIni, stagingFolder, "Setup.ini")) return;
  WritePrivateProfileStringA("InstallOption", "WebSetup", "2", stagedIni);
  WritePrivateProfileStringA("InstallOption", "FullPackage", "0", stagedIni);
  WritePrivateProfileStringA("InstallOption", "DriverOnly", "1", stagedIni);
  WritePrivateProfileStringA("InstallOption", "InstallWDMDriver", installWdmDriver, stagedIni);
}

void CopyTqaudioIni(const char* sourceFolder, const char* windowsFolder) {
  CopyBetween(sourceFolder, "TQAUDIO.INI", windowsFolder);
}

void AddToInstallLocations(const char* folder) {
  char location[kPathCapacity];
  if (!platform::GetShortPath(folder, location, sizeof location) ||
      !str::EnsureTrailingBackslash(location, sizeof location)) {
    return;
  }
  platform::RegKey key;
  if (RegOpenKeyExA(HKEY_USERS, ".DEFAULT\\InstallLocationsMRU", 0, KEY_ALL_ACCESS, key.Receive()) != ERROR_SUCCESS) {
    return;
  }
  static char values[kInstallLocationLetters][kPathCapacity];
  const char* current[kInstallLocationLetters];
  for (int i = 0; i < kInstallLocationLetters; ++i) {
    char name[2] = {static_cast<char>('a' + i), '\0'};
    DWORD type = 0;
    DWORD size = kPathCapacity - 1;
    LONG status = RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(values[i]), &size);
    if (status == ERROR_FILE_NOT_FOUND) {
      current[i] = nullptr;
    } else if (status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
      values[i][size < kPathCapacity ? size : kPathCapacity - 1] = '\0';
      current[i] = values[i];
    } else {
      current[i] = kUnreadableLocation;  // another type, or too long: not ours to replace
    }
  }
  InstallLocationsUpdate plan = PlanInstallLocations(current, location);
  if (plan.writeFolder) {
    char name[2] = {plan.letter, '\0'};
    platform::SetRegistryText(key.Get(), name, location);
  }
  if (plan.writeMruList) {
    platform::SetRegistryText(key.Get(), "MRUList", plan.mruList);
  }
}
