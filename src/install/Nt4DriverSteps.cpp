// The steps of the Windows NT 4.0 driver installation: see Nt4Driver.h.
#include "install/Nt4Driver.h"

#include "platform/Files.h"
#include "platform/Handles.h"
#include "platform/Registry.h"
#include "platform/Str.h"
#include "platform/System.h"

namespace {

const Nt4DriverFile kChipFiles[] = {
    {"NT40\\", "NT40\\drv\\tq-pci.dll", "Win_NT40\\drv\\tq-pci.dll", nullptr, "System32\\tq-pci.dll",
     "System32\\tq-pci.new"},
    {"NT40\\", "NT40\\drv\\tqpci.sys", "Win_NT40\\drv\\tqpci.sys", nullptr, "System32\\Drivers\\tqpci.sys",
     "System32\\Drivers\\tqpci.new"},
    {"NT40\\", "NT40\\drv\\TQUninst.exe", "Win_NT40\\drv\\TQUninst.exe", nullptr, "TQUninst.exe", "TQUninst.new"},
    {"Win_NT40\\", "Win_NT40\\drv\\SwSyn32.dll", "Driver\\NT40\\SwSyn32.dll", "SwSyn32.dll", "System32\\SwSyn32.dll",
     "System32\\SwSyn32.new"},
    {"Win_NT40\\", "Win_NT40\\drv\\Table.dat", "Driver\\NT40\\Table.dat", "Table.dat", "System32\\Table.dat",
     "System32\\Table.new"},
    {"Win_NT40\\", "Win_NT40\\drv\\Wave.dat", "Driver\\NT40\\Wave.dat", "Wave.dat", "System32\\Wave.dat",
     "System32\\Wave.new"},
};

const Nt4DriverFile kAc97Files[] = {
    {"Win_NT40\\", "Win_NT40\\drv\\LNK97U.dll", "Driver\\NT40\\LNK97U.dll", "LNK97U.dll", "System32\\LNK97U.dll",
     "System32\\LNK97U.new"},
    {"Win_NT40\\", "Win_NT40\\drv\\LNK97K.sys", "Driver\\NT40\\LNK97K.sys", "LNK97K.sys",
     "System32\\Drivers\\LNK97K.sys", "System32\\Drivers\\LNK97K.new"},
    {"Win_NT40\\", "Win_NT40\\drv\\SwSyn32.dll", "Driver\\NT40\\SwSyn32.dll", "SwSyn32.dll", "System32\\SwSyn32.dll",
     "System32\\SwSyn32.new"},
    {"Win_NT40\\", "Win_NT40\\drv\\Table.dat", "Driver\\NT40\\Table.dat", "Table.dat", "System32\\Table.dat",
     "System32\\Table.new"},
    {"Win_NT40\\", "Win_NT40\\drv\\Wave.dat", "Driver\\NT40\\Wave.dat", "Wave.dat", "System32\\Wave.dat",
     "System32\\Wave.new"},
};

const char kDrivers32[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Drivers32";
const char kDriversDesc[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Drivers.Desc";

bool StartsWithNoCase(const char* text, const char* prefix) {
  while (*prefix != '\0') {
    if (str::AsciiUpper(*text++) != str::AsciiUpper(*prefix++)) return false;
  }
  return true;
}

bool AllSynthesizerFilesPresent() {
  char windows[kPathCapacity];
  if (!platform::GetWindowsFolder(windows, sizeof windows)) return false;
  const char* const kFiles[] = {"System32\\SwSyn32.dll", "System32\\Table.dat", "System32\\Wave.dat"};
  for (const char* file : kFiles) {
    char path[kPathCapacity];
    if (!platform::JoinPath(path, windows, file) || !platform::FileCanBeOpenedForReading(path)) return false;
  }
  return true;
}

}  // namespace

bool IsMakersMixerName(const char* productName) {
  if (str::Contains(productName, "Trequa")) return true;
  const char* const kNames[] = {"Trequa Audio Mixer", "Trequa 4716 Mixer", "Trequa PCI Mixer", "TQ4316 PCI Mixer"};
  for (const char* name : kNames) {
    if (StartsWithNoCase(productName, name)) return true;
  }
  return false;
}

int Nt4DriverFiles(bool ac97Set, const Nt4DriverFile** out) {
  if (ac97Set) {
    *out = kAc97Files;
    return sizeof kAc97Files / sizeof kAc97Files[0];
  }
  *out = kChipFiles;
  return sizeof kChipFiles / sizeof kChipFiles[0];
}

bool ResolveNt4Source(const char* sourceFolder, const Nt4DriverFile& file, char* out) {
  char probe[kPathCapacity];
  bool probed = platform::JoinPath(probe, sourceFolder, file.probeFolder) && platform::FolderCanBeMadeCurrent(probe);
  if (!platform::JoinPath(out, sourceFolder, probed ? file.ifProbed : file.otherwise)) return false;
  if (file.fallback != nullptr && !platform::FileCanBeOpenedForReading(out)) {
    return platform::JoinPath(out, sourceFolder, file.fallback);
  }
  return true;
}

void StageNt4FilesForRestart(const char* windowsFolder, const char* const* sources, const Nt4DriverFile* files,
                             int count) {
  for (int i = 0; i < count; ++i) {
    char staging[kPathCapacity];
    char target[kPathCapacity];
    if (!platform::JoinPath(staging, windowsFolder, files[i].staging) ||
        !platform::JoinPath(target, windowsFolder, files[i].target)) {
      continue;
    }
    platform::CopyOver(sources[i], staging, false);
    platform::SetNormalAttributes(target);
    // The old file goes first, then the new one takes its name.
    MoveFileExA(target, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    MoveFileExA(staging, target, MOVEFILE_DELAY_UNTIL_REBOOT);
  }
}

int RegisterDriverValue(const char* keyPath, const char* valueName, const char* data) {
  platform::RegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_ALL_ACCESS, key.Receive()) != ERROR_SUCCESS) return -1;
  // A value that cannot be read (missing, not text, or over 1024 bytes)
  // counts as free.
  const DWORD kValueCapacity = 1024;
  char current[kValueCapacity];
  char name[64];
  if (!str::Copy(name, sizeof name - 1, valueName)) return -1;
  if (platform::ReadRegistryText(key.Get(), name, current, kValueCapacity)) {
    if (str::Equal(current, data)) return 0;
    bool free = false;
    for (char digit = '1'; digit <= '9'; ++digit) {
      str::Copy(name, sizeof name - 1, valueName);
      str::AppendChar(name, sizeof name, digit);
      if (!platform::ReadRegistryText(key.Get(), name, current, kValueCapacity)) {
        free = true;
        break;
      }
      if (str::Equal(current, data)) return 0;
    }
    if (!free) return -1;
  }
  return platform::SetRegistryText(key.Get(), name, data) ? 0 : -1;
}

int RegisterNt4ChipDriver() {
  struct Row {
    const char* key;
    const char* name;
    const char* data;
  };
  const Row kRows[] = {
      {kDrivers32, "aux", "tq-pci.dll"},   {kDrivers32, "midi", "tq-pci.dll"},
      {kDrivers32, "mixer", "tq-pci.dll"}, {kDrivers32, "wave", "tq-pci.dll"},
      {kDriversDesc, "tq-pci.dll", "Trequa PCI Device"},
  };
  for (const Row& row : kRows) {
    int result = RegisterDriverValue(row.key, row.name, row.data);
    if (result < 0) return result;
  }
  return 0;
}

int RegisterNt4Ac97Driver() {
  int result = RegisterDriverValue(kDrivers32, "mixer", "LNK97U.dll");
  if (result < 0) return result;
  result = RegisterDriverValue(kDrivers32, "wave", "LNK97U.dll");
  if (result < 0) return result;
  // The synthesizer is offered only when all of its files made it.
  if (AllSynthesizerFilesPresent()) {
    result = RegisterDriverValue(kDrivers32, "MIDI", "LNK97U.dll");
    if (result < 0) return result;
  }
  return RegisterDriverValue(kDriversDesc, "LNK97U.dll", "Trequa TQI5716 AC'97 Audio Ctrlr Driver");
}

int InstallAndConfigureDriver(const char* fileName, HWND owner) {
  char path[kPathCapacity];
  UINT length = GetWindowsDirectoryA(path, sizeof path);
  if (length == 0 || length >= sizeof path) return -1;
  if (!str::Append(path, sizeof path, "\\system32\\") || !str::Append(path, sizeof path, fileName)) return -1;
  wchar_t widePath[kPathCapacity];
  if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, path, -1, widePath, kPathCapacity) == 0) return -1;
  HDRVR driver = OpenDriver(widePath, nullptr, 0);
  if (driver == nullptr) return -1;
  SendDriverMessage(driver, DRV_INSTALL, reinterpret_cast<LPARAM>(owner), 0);
  if (SendDriverMessage(driver, DRV_QUERYCONFIGURE, 0, 0) != 0) {
    SendDriverMessage(driver, DRV_CONFIGURE, reinterpret_cast<LPARAM>(owner), 0);
  }
  CloseDriver(driver, 0, 0);
  return 0;
}

