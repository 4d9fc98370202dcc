// Closing the running mixer and resetting the tray's volume indicator before
// a VxD driver is installed: the mixer of an earlier driver is closed and its
// program files removed, the tray's volume indicator is switched on for the
// AC'97 driver family (which has no mixer of its own) and off for the chip
// family, and the tray program is restarted.
#include <windows.h>

#include "app/SetupApp.h"
#include "launcher/LauncherDialog.h"
#include "platform/Files.h"
#include "platform/Handles.h"
#include "platform/System.h"

namespace {

const char kTrayKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Systray";
const char kDefaultUserTrayKey[] = ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Systray";
const DWORD kVolumeIndicator = 4;

void DeleteProgramFile(const char* windows, const char* name) {
  char path[kPathCapacity];
  if (!platform::JoinPath(path, windows, name)) return;
  platform::SetNormalAttributes(path);
  DeleteFileA(path);
}

// Only a 4-byte binary or number value is the tray's flag word; a value of
// another size or type is not rewritten (4 bytes written over it would
// corrupt it).
void SetVolumeIndicator(HKEY root, const char* path, bool on) {
  platform::RegKey key;
  if (RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, key.Receive()) != ERROR_SUCCESS) return;
  DWORD type = 0;
  BYTE data[4];
  DWORD size = sizeof data;
  if (RegQueryValueExA(key.Get(), "Services", nullptr, &type, data, &size) != ERROR_SUCCESS || size != sizeof data ||
      (type != REG_BINARY && type != REG_DWORD)) {
    return;
  }
  DWORD services = data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<DWORD>(data[3]) << 24);
  services = on ? (services | kVolumeIndicator) : (services & ~kVolumeIndicator);
  for (int i = 0; i < 4; ++i) data[i] = static_cast<BYTE>(services >> (8 * i));
  RegSetValueExA(key.Get(), "Services", 0, type, data, sizeof data);
}

}  // namespace

void LauncherDialog::CloseMixerAndResetTray() {
  char windows[kPathCapacity];
  bool haveWindows = platform::GetWindowsFolder(windows, sizeof windows);
  HWND mixer = FindWindowA(nullptr, "Mixer");
  if (mixer != nullptr) {
    SendMessageA(mixer, WM_CLOSE, 0, 0);
    Sleep(1000);
    if (haveWindows) {
      DeleteProgramFile(windows, "Mixer.exe");
      DeleteProgramFile(windows, "NewMixer.exe");
    }
  }
  bool ac97Family = TheSetupApp().Context().InstallWDMUDACodecDriver != 0;
  SetVolumeIndicator(HKEY_CURRENT_USER, kTrayKey, ac97Family);
  SetVolumeIndicator(HKEY_USERS, kDefaultUserTrayKey, ac97Family);
  WinExec("SysTray.exe", SW_SHOW);
  Sleep(500);
  char mixerSettings[kPathCapacity];
  if (haveWindows && platform::JoinPath(mixerSettings, windows, "mixerdef.ini") &&
      platform::FileCanBeOpenedForReading(mixerSettings)) {
    WritePrivateProfileStringA("RUNTIME", "Initialize", "0", mixerSettings);
  }
}
