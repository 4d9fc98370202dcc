// "Install Applications": closes the suite's running applications, runs the
// uninstaller of an earlier suite installation and waits for it, then starts
// the suite's setup program found for this Windows and driver, and ends the
// process with exit status 0 in every outcome.
#include <windows.h>

#include "apps/SetupCandidates.h"
#include "framework/UserInterface.h"
#include "launcher/LauncherDialog.h"
#include "platform/Files.h"
#include "platform/Handles.h"
#include "platform/Str.h"
#include "platform/System.h"

namespace {

const char* const kUninstallKeys[] = {
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quavelo Audio Applications",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quavelo Audio WinNT Applications",
};
const char* const kUninstallValues[] = {"InstallShieldUninstallString", "UninstallString"};
const char* const kPlayerWindows[] = {"CD Player", "MIDI Player", "MP3 Player"};
const DWORD kClosePause = 500;
const DWORD kExitPause = 3000;
const char kUninstallSuffix[] = " -a";

bool CloseWindowTitled(const char* title) {
  HWND window = FindWindowA(nullptr, title);
  if (window == nullptr) return false;
  SendMessageA(window, WM_CLOSE, 0, 0);
  return true;
}

// Starts a process with its window shown; false when it could not start.
bool StartProcess(const char* applicationName, char* commandLine, platform::KernelHandle* process) {
  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION info;
  if (!CreateProcessA(applicationName, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  if (process != nullptr) {
    *process->Receive() = info.hProcess;
  } else {
    CloseHandle(info.hProcess);
  }
  return true;
}

// The uninstall command of an earlier suite installation, as registered: a
// text value of at most 259 characters (an expandable one is expanded).
// Values of another type or longer than that are passed over.
bool ReadUninstallCommand(HKEY key, const char* valueName, char* out, size_t capacity) {
  char raw[kPathCapacity];
  DWORD type = 0;
  DWORD size = sizeof raw;
  if (RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(raw), &size) != ERROR_SUCCESS) {
    return false;
  }
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) return false;
  if (raw[size - 1] != '\0') {
    if (size == sizeof raw) return false;  // no room left for the terminator: longer than a path
    raw[size] = '\0';
  }
  if (raw[0] == '\0') return false;
  if (type == REG_EXPAND_SZ) {
    DWORD length = ExpandEnvironmentStringsA(raw, out, static_cast<DWORD>(capacity));
    return length != 0 && length <= capacity;
  }
  return str::Copy(out, capacity, raw);
}

}  // namespace

void LauncherDialog::OnInstallApplications() {
  framework::WaitCursor waitCursor;  // until the process ends

  if (CloseWindowTitled("AudioShelf")) {
    Sleep(kClosePause);
  } else {
    for (const char* title : kPlayerWindows) CloseWindowTitled(title);
  }
  if (isNT4) CloseWindowTitled("Mixer");
  Sleep(kClosePause);

  RunEarlierSuiteUninstaller();

  const char* candidates[kMaxSetupCandidates];
  int count = ApplicationSetupCandidates(Os(), Windows98SEDriver, WindowsMEDriver, candidates);
  char chosen[kPathCapacity] = "";
  for (int i = 0; i < count; ++i) {
    char path[kPathCapacity];
    if (!platform::JoinPath(path, sourceFolder, candidates[i])) continue;  // too long to exist
    str::Copy(chosen, sizeof chosen, path);
    if (platform::FileCanBeOpenedForReading(path)) break;
  }
  if (chosen[0] == '\0' || !platform::FileCanBeOpenedForReading(chosen)) {
    framework::ShowSetupMessage(Handle(), "Can not find the Quavelo Audio Applications setup program.");
    ExitProcess(0);
  }
  // Started as exactly that file (a folder with a blank in its name must not
  // start another program) and with no arguments.
  char commandLine[kPathCapacity + 2] = "\"";
  str::Append(commandLine, sizeof commandLine, chosen);
  str::Append(commandLine, sizeof commandLine, "\"");
  StartProcess(chosen, commandLine, nullptr);
  Sleep(kExitPause);
  ExitProcess(0);
}

// Runs the uninstall command registered by an earlier suite installation with
// " -a" appended to it (it may carry its own quotes and arguments) and waits
// until the uninstaller has ended.
void LauncherDialog::RunEarlierSuiteUninstaller() {
  platform::RegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKeys[0], 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS &&
      RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKeys[1], 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS) {
    return;
  }
  char commandLine[kPathCapacity + sizeof kUninstallSuffix];
  bool found = false;
  for (const char* value : kUninstallValues) {
    if (ReadUninstallCommand(key.Get(), value, commandLine, kPathCapacity)) {
      found = true;
      break;
    }
  }
  if (!found) return;
  str::Append(commandLine, sizeof commandLine, kUninstallSuffix);
  platform::KernelHandle process;
  if (!StartProcess(nullptr, commandLine, &process)) return;
  // Waiting on the process itself ends exactly when it ends, also for an
  // uninstaller whose exit code happens to equal STILL_ACTIVE. No messages
  // are processed meanwhile.
  WaitForInputIdle(process.Get(), 1000);
  WaitForSingleObject(process.Get(), INFINITE);
}
