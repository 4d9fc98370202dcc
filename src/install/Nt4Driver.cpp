// The Windows NT 4.0 branch of the driver command: the maker's driver files
// staged for the next restart while its driver runs, else copied, registered
// and configured at once (see Nt4Driver.h for the steps).
#include "install/Nt4Driver.h"

#include "app/SetupApp.h"
#include "framework/UserInterface.h"
#include "launcher/LauncherDialog.h"
#include "platform/Files.h"
#include "platform/Handles.h"
#include "platform/Registry.h"
#include "platform/Str.h"

namespace {

const int kChipUninstallerRow = 2;
const int kMaxDriverFiles = 6;
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PCI Audio Driver";

bool MakersMixerPresent() {
  UINT count = mixerGetNumDevs();
  for (UINT device = 0; device < count; ++device) {
    MIXERCAPSA caps;
    if (mixerGetDevCapsA(device, &caps, sizeof caps) != MMSYSERR_NOERROR) continue;
    caps.szPname[MAXPNAMELEN - 1] = '\0';
    if (IsMakersMixerName(caps.szPname)) return true;
  }
  return false;
}

void CopyDirect(const char* windows, const char* source, const Nt4DriverFile& file) {
  char target[kPathCapacity];
  if (platform::JoinPath(target, windows, file.target)) platform::CopyOver(source, target, /*resetAfter=*/true);
}

void WriteUninstallEntry(const char* windows) {
  platform::RegKey key;
  DWORD disposition = 0;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      key.Receive(), &disposition) != ERROR_SUCCESS) {
    return;
  }
  char uninstaller[kPathCapacity];
  if (!platform::JoinPath(uninstaller, windows, "TQUninst.exe")) return;
  platform::SetRegistryText(key.Get(), "DisplayName", "PCI Audio Driver");
  platform::SetRegistryText(key.Get(), "UninstallString", uninstaller);
}

}  // namespace

void LauncherDialog::InstallNt4Driver() {
  bool staged = MakersMixerPresent();
  bool ac97Set = TheSetupApp().Context().InstallWDMUDACodecDriver != 0;
  char windows[kPathCapacity];
  if (!platform::GetWindowsFolder(windows, sizeof windows)) return;
  const Nt4DriverFile* files = nullptr;
  int count = Nt4DriverFiles(ac97Set, &files);
  static char sources[kMaxDriverFiles][kPathCapacity];
  const char* sourcePointers[kMaxDriverFiles];
  for (int i = 0; i < count; ++i) {
    if (!ResolveNt4Source(sourceFolder, files[i], sources[i])) sources[i][0] = '\0';
    sourcePointers[i] = sources[i];
  }

  if (staged) {
    // The maker's driver is running: nothing is registered; Windows puts the
    // files in place at the next restart.
    framework::WaitCursor waitCursor;
    StageNt4FilesForRestart(windows, sourcePointers, files, count);
    return;
  }
  for (int i = 0; i < count; ++i) {
    if (!ac97Set && i == kChipUninstallerRow) continue;  // copied after the others
    CopyDirect(windows, sources[i], files[i]);
  }
  if (ac97Set) {
    RegisterNt4Ac97Driver();
    InstallAndConfigureDriver("LNK97U.dll", Handle());
    return;
  }
  CopyDirect(windows, sources[kChipUninstallerRow], files[kChipUninstallerRow]);
  RegisterNt4ChipDriver();
  if (InstallAndConfigureDriver("tq-pci.dll", Handle()) >= 0) WriteUninstallEntry(windows);
}
