// Multimedia settings corrected on every start: see MultimediaTouchups.h.
//
// Every step works on the registry or a profile file and passes over what it
// cannot open or read; nothing is reported.
#include "app/MultimediaTouchups.h"

#include <windows.h>

#include "app/AudioFormats.h"
#include "app/SetupApp.h"
#include "platform/Files.h"
#include "platform/Handles.h"
#include "platform/Registry.h"
#include "platform/Str.h"
#include "platform/System.h"

namespace {

const char kWin9xMediaClass[] = "System\\CurrentControlSet\\Services\\Class\\MEDIA";
const char* const kControlSetClasses[] = {"SYSTEM\\CurrentControlSet\\Control\\Class\\",
                                          "SYSTEM\\ControlSet001\\Control\\Class\\",
                                          "SYSTEM\\ControlSet002\\Control\\Class\\"};
const char* const kChipDescriptions[] = {"TQI4716/T3DX PCI Audio Device", "TQI4316/T3DX PCI Audio Device"};
const size_t kKeyPathCapacity = 600;

// Reads a value of at most limit bytes as text, always terminated; values of
// another length or type fail the read the way the platform reports them.
bool ReadLimited(HKEY key, const char* name, char* out, DWORD limit, DWORD* type = nullptr) {
  DWORD size = limit;
  DWORD valueType = 0;
  if (RegQueryValueExA(key, name, nullptr, &valueType, reinterpret_cast<BYTE*>(out), &size) != ERROR_SUCCESS) {
    return false;
  }
  out[size <= limit ? size : limit] = '\0';
  if (type != nullptr) *type = valueType;
  return true;
}

bool EnumSubkeyName(HKEY key, DWORD index, char* name, DWORD capacity, LONG* status) {
  DWORD length = capacity;
  *status = RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
  return *status == ERROR_SUCCESS;
}

bool IsChipDescription(const char* description) {
  for (const char* chip : kChipDescriptions) {
    if (str::Equal(description, chip)) return true;
  }
  return false;
}

// The misspelt value goes to the right name, keeping its type and data.
void RenameVolumeControlValue(const char* settingsPath) {
  platform::RegKey settings;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, settingsPath, 0, KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY,
                    settings.Receive()) != ERROR_SUCCESS) {
    return;
  }
  BYTE data[10];
  DWORD type = 0;
  DWORD size = sizeof data;
  if (RegQueryValueExA(settings.Get(), "IndepedentVolumeControl", nullptr, &type, data, &size) != ERROR_SUCCESS) {
    return;  // missing, or larger than 10 bytes: left alone
  }
  if (RegSetValueExA(settings.Get(), "IndependentVolumeControl", 0, type, data, size) == ERROR_SUCCESS) {
    RegDeleteValueA(settings.Get(), "IndepedentVolumeControl");
  }
}

void WriteCdAudioSetting(const char* setupIniPath) {
  int usingCdda = setupIniPath[0] != '\0' ? static_cast<int>(GetPrivateProfileIntA("Default", "UsingCDDA", 0,
                                                                                    setupIniPath))
                                          : 0;
  char windows[kPathCapacity];
  char cdPlayer[kPathCapacity];
  if (!platform::GetWindowsFolder(windows, sizeof windows) || !platform::JoinPath(cdPlayer, windows, "TQCDPLAY.INI")) {
    return;
  }
  WritePrivateProfileStringA("CD PLAYER", "UsingCDDA", usingCdda != 0 ? "1" : "0", cdPlayer);
}

void WriteDefaultFormat(HKEY root, const char* path, const char* format) {
  platform::RegKey key;
  if (RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, key.Receive()) == ERROR_SUCCESS) {
    platform::SetRegistryText(key.Get(), "DefaultFormat", format);
  }
}

void ChooseDefaultAudioFormat() {
  const DWORD kFormatsLimit = 1024;
  static char formats[kFormatsLimit + 1];
  char chosen[kFormatsLimit + 1];
  {
    platform::RegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Multimedia\\Audio", 0, KEY_ALL_ACCESS,
                      key.Receive()) != ERROR_SUCCESS ||
        !ReadLimited(key.Get(), "SystemFormats", formats, kFormatsLimit)) {
      return;
    }
  }
  if (!ChooseCdAudioFormat(formats, chosen, sizeof chosen)) return;
  WriteDefaultFormat(HKEY_CURRENT_USER, "Software\\Microsoft\\Multimedia\\Audio", chosen);
  WriteDefaultFormat(HKEY_USERS, ".Default\\Software\\Microsoft\\Multimedia\\Audio", chosen);
}

void RemoveApplicationsAutoStart() {
  platform::RegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_ALL_ACCESS,
                    key.Receive()) == ERROR_SUCCESS) {
    RegDeleteValueA(key.Get(), "Quavelo Audio Applications");
  }
}

// A start-up sound that is missing, or names a file that no longer exists,
// gets the scheme's default back (expandable when it holds a variable).
void RepairStartupSound() {
  const DWORD kPathLimit = 260;
  char schemeDefault[kPathLimit + 1] = "";
  {
    platform::RegKey key;
    if (RegOpenKeyExA(HKEY_USERS, ".DEFAULT\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Default", 0,
                      KEY_ALL_ACCESS, key.Receive()) == ERROR_SUCCESS &&
        !ReadLimited(key.Get(), nullptr, schemeDefault, kPathLimit)) {
      schemeDefault[0] = '\0';
    }
  }
  struct Current {
    HKEY root;
    const char* path;
  } const kCurrents[] = {
      {HKEY_USERS, ".DEFAULT\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current"},
      {HKEY_CURRENT_USER, "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current"},
  };
  for (const Current& current : kCurrents) {
    platform::RegKey key;
    if (RegOpenKeyExA(current.root, current.path, 0, KEY_ALL_ACCESS, key.Receive()) != ERROR_SUCCESS) continue;
    char path[kPathLimit + 1];
    bool keep = ReadLimited(key.Get(), nullptr, path, kPathLimit) && platform::FileCanBeOpenedForReading(path) &&
                !str::Equal(path, schemeDefault);
    if (keep) continue;
    DWORD type = str::Contains(schemeDefault, "%") ? REG_EXPAND_SZ : REG_SZ;
    RegSetValueExA(key.Get(), nullptr, 0, type, reinterpret_cast<const BYTE*>(schemeDefault),
                   static_cast<DWORD>(str::Length(schemeDefault) + 1));
  }
}

}  // namespace

int MigrateVolumeControlValue(const char* classKeyPath) {
  platform::RegKey classKey;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, classKeyPath, 0, KEY_ENUMERATE_SUB_KEYS, classKey.Receive()) != ERROR_SUCCESS) {
    return 1;
  }
  char instance[257];
  LONG status = ERROR_SUCCESS;
  for (DWORD index = 0; EnumSubkeyName(classKey.Get(), index, instance, sizeof instance, &status); ++index) {
    char instancePath[kKeyPathCapacity];
    if (!str::Copy(instancePath, sizeof instancePath, classKeyPath) ||
        !str::AppendChar(instancePath, sizeof instancePath, '\\') ||
        !str::Append(instancePath, sizeof instancePath, instance)) {
      continue;
    }
    bool chip = false;
    {
      platform::RegKey instanceKey;
      char description[256];
      chip = RegOpenKeyExA(HKEY_LOCAL_MACHINE, instancePath, 0, KEY_READ, instanceKey.Receive()) == ERROR_SUCCESS &&
             ReadLimited(instanceKey.Get(), "DriverDesc", description, 255) && IsChipDescription(description);
    }
    char settingsPath[kKeyPathCapacity];
    if (chip && str::Copy(settingsPath, sizeof settingsPath, instancePath) &&
        str::Append(settingsPath, sizeof settingsPath, "\\Settings")) {
      RenameVolumeControlValue(settingsPath);
    }
  }
  return 1;
}

void ScanMediaClass() {
  OsClass os = ClassifyRunningWindows();
  if (os.isWin98 || os.isWinME) {
    MigrateVolumeControlValue(kWin9xMediaClass);
    return;
  }
  if (!os.isNT5) return;
  platform::RegKey classes;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kControlSetClasses[0], 0, KEY_ENUMERATE_SUB_KEYS, classes.Receive()) !=
      ERROR_SUCCESS) {
    return;
  }
  char name[257];
  for (DWORD index = 0;; ++index) {
    LONG status = ERROR_SUCCESS;
    if (!EnumSubkeyName(classes.Get(), index, name, sizeof name, &status)) {
      if (status == ERROR_NO_MORE_ITEMS) break;
      continue;  // this index failed otherwise: go on with the next
    }
    platform::RegKey classKey;
    char className[256];
    if (RegOpenKeyExA(classes.Get(), name, 0, KEY_READ, classKey.Receive()) != ERROR_SUCCESS ||
        !ReadLimited(classKey.Get(), "Class", className, 255) || !str::Equal(className, "MEDIA")) {
      continue;
    }
    for (const char* controlSet : kControlSetClasses) {
      char path[kKeyPathCapacity];
      if (str::Copy(path, sizeof path, controlSet) && str::Append(path, sizeof path, name)) {
        MigrateVolumeControlValue(path);
      }
    }
  }
}

int EnableNt4AtapiDma() {
  struct Setting {
    const char* parent;
    bool (*needsWrite)(HKEY key);
    void (*write)(HKEY key);
  };
  const Setting kSettings[] = {
      {"SYSTEM\\CurrentControlSet\\Services\\atapi\\Parameter",
       [](HKEY key) {
         char value[256];
         return !ReadLimited(key, "DriverParameter", value, 255) || !str::Equal(value, "DmaDetectionLevel=0x1");
       },
       [](HKEY key) { platform::SetRegistryText(key, "DriverParameter", "DmaDetectionLevel=0x1"); }},
      {"HARDWARE\\DEVICEMAP\\Scsi",
       [](HKEY key) {
         BYTE data[255];
         DWORD size = sizeof data;
         if (RegQueryValueExA(key, "DMAEnabled", nullptr, nullptr, data, &size) != ERROR_SUCCESS) return true;
         // The first four bytes as a number; a shorter value counts its zeros.
         DWORD enabled = 0;
         for (DWORD i = 0; i < 4 && i < size; ++i) enabled |= static_cast<DWORD>(data[i]) << (8 * i);
         return enabled == 0;
       },
       [](HKEY key) {
         DWORD one = 1;
         RegSetValueExA(key, "DMAEnabled", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
       }},
  };
  for (const Setting& setting : kSettings) {
    platform::RegKey parent;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, setting.parent, 0, KEY_ENUMERATE_SUB_KEYS, parent.Receive()) !=
        ERROR_SUCCESS) {
      continue;
    }
    char name[257];
    LONG status = ERROR_SUCCESS;
    for (DWORD index = 0; EnumSubkeyName(parent.Get(), index, name, sizeof name, &status); ++index) {
      platform::RegKey key;
      if (RegOpenKeyExA(parent.Get(), name, 0, KEY_ALL_ACCESS, key.Receive()) != ERROR_SUCCESS) continue;
      if (setting.needsWrite(key.Get())) setting.write(key.Get());
    }
  }
  return 1;
}

void RunLateTouchups(const char* setupIniPath) {
  WriteCdAudioSetting(setupIniPath);
  ChooseDefaultAudioFormat();
  RemoveApplicationsAutoStart();
  RepairStartupSound();
}
