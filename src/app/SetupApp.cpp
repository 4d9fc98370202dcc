// Start-up of the setup program: see SetupApp.h.
#include "app/SetupApp.h"

#include <windows.h>

#include "app/HexText.h"
#include "app/MultimediaTouchups.h"
#include "detect/DeviceSignature.h"
#include "detect/HelperDriver.h"
#include "detect/PciConfigSources.h"
#include "launcher/LauncherDialog.h"
#include "launcher/NoChipDialog.h"
#include "platform/Handles.h"
#include "platform/Str.h"
#include "platform/System.h"

namespace {

SetupApp theApp;

const char kSetupIniName[] = "setup.ini";
const char kOptionSection[] = "InstallOption";

// The helper-driver conversation of one NT detection, in start-up's order.
// The service control manager is opened with full access; when it cannot be
// opened the service steps fail quietly and only a helper driver that is
// still loaded can answer.
class HelperSession {
 public:
  HelperSession() : manager_(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS)) {}
  ~HelperSession() {
    StopHelperService(manager_.Get(), kHelperServiceName);
    DeleteHelperService(manager_.Get(), kHelperServiceName);
  }
  void Start(const char* sourceFolder) {
    char driverPath[kPathCapacity];
    str::Copy(driverPath, sizeof driverPath, sourceFolder);
    str::Append(driverPath, sizeof driverPath, kHelperDriverFile);
    CreateHelperService(manager_.Get(), kHelperServiceName, driverPath);
    StartHelperService(manager_.Get(), kHelperServiceName);
  }

 private:
  platform::ServiceHandle manager_;
};

void CopyHelperAnswerToSignature() {
  deviceSignature.vendorId = HelperResultVendorId();
  deviceSignature.deviceId = HelperResultDeviceId();
  deviceSignature.signatureWord1 = kSignatureWord1;
  deviceSignature.signatureWord2 = kSignatureWord2;
}

}  // namespace

SetupApp& TheSetupApp() { return theApp; }

OsClass ClassifyRunningWindows() {
  OSVERSIONINFOA version;
  ZeroMemory(&version, sizeof version);
  version.dwOSVersionInfoSize = sizeof version;  // 148 bytes
  GetVersionExA(&version);
  return ClassifyWindows(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion,
                         version.dwBuildNumber);
}

bool SetupApp::InitInstance() {
  context_.commandLine = CommandLine();
  CharUpperA(context_.commandLine);
  static_cast<OsClass&>(context_) = ClassifyRunningWindows();
  DeriveSourceFolderOfProgram();

  char setupIniPath[kPathCapacity] = "";
  bool haveSetupIni = context_.sourceFolder[0] != '\0' &&
                      str::Copy(setupIniPath, sizeof setupIniPath, context_.sourceFolder) &&
                      str::Append(setupIniPath, sizeof setupIniPath, kSetupIniName);
  if (!haveSetupIni) setupIniPath[0] = '\0';
  ReadInstallOptions(setupIniPath);

  ScanMediaClass();
  if (context_.isNT4) EnableNt4AtapiDma();

  detectionMode = context_.InstallWDMUDACodecDriver != 0 ? kAc97ControllerMode : kChipMode;
  if (!CheckHardware(setupIniPath)) {
    if (!str::Contains(context_.commandLine, "NO_MSG")) RunNoChipDialog();
    return false;
  }
  RunLateTouchups(setupIniPath);
  Enable3dControlsStatic();
  RunLauncher();
  return false;
}

void SetupApp::DeriveSourceFolderOfProgram() {
  char argument[1024];
  if (!ProgramArgument(argument, sizeof argument)) argument[0] = '\0';
  char currentDirectory[kPathCapacity];
  DWORD length = GetCurrentDirectoryA(sizeof currentDirectory, currentDirectory);
  if (length == 0 || length >= sizeof currentDirectory) currentDirectory[0] = '\0';
  char programFile[1024];
  length = GetModuleFileNameA(nullptr, programFile, sizeof programFile);
  if (length == 0 || length >= sizeof programFile) programFile[0] = '\0';

  if (DeriveSourceFolder(argument, currentDirectory, programFile, context_.sourceFolder)) return;

  // The folder is longer than a path may be on the older systems: use the
  // short form of the program file's folder when that fits, else no folder
  // (the defaults apply and nothing from the disc is found).
  char longFolder[1024];
  char shortFolder[kPathCapacity];
  context_.sourceFolder[0] = '\0';
  if (!FolderOfFile(programFile, longFolder, sizeof longFolder)) return;
  if (!platform::GetShortPath(longFolder, shortFolder, sizeof shortFolder)) return;
  if (!str::EnsureTrailingBackslash(shortFolder, sizeof shortFolder)) return;
  str::Copy(context_.sourceFolder, sizeof context_.sourceFolder, shortFolder);
}

void SetupApp::ReadInstallOptions(const char* setupIniPath) {
  InstallOptions& options = context_;
  for (const IntegerOptionKey& key : kIntegerOptionKeys) {
    options.*key.member = setupIniPath[0] != '\0'
                              ? static_cast<int>(GetPrivateProfileIntA(kOptionSection, key.key, key.defaultValue,
                                                                       setupIniPath))
                              : key.defaultValue;
  }
}

bool SetupApp::CheckHardware(const char* setupIniPath) {
  if (context_.NotCheckHardware != 0) return TakeSignatureFromSetupIni(setupIniPath);
  if (context_.InstallWDMUDACodecDriver != 0) return DetectInCodecMode();
  return DetectInChipMode();
}

bool SetupApp::TakeSignatureFromSetupIni(const char* setupIniPath) {
  const DWORD kIdTextCapacity = 10;
  char vendorText[kIdTextCapacity] = "";
  char deviceText[kIdTextCapacity] = "";
  if (setupIniPath[0] != '\0') {
    GetPrivateProfileStringA(kOptionSection, "VenderID", "", vendorText, kIdTextCapacity, setupIniPath);
    GetPrivateProfileStringA(kOptionSection, "DeviceID", "", deviceText, kIdTextCapacity, setupIniPath);
  }
  deviceSignature.vendorId = static_cast<uint16_t>(ParseHexText(vendorText) & 0xFFFF);
  deviceSignature.deviceId = static_cast<uint16_t>(ParseHexText(deviceText) & 0xFFFF);
  deviceSignature.signatureWord1 = kSignatureWord1;
  deviceSignature.signatureWord2 = kSignatureWord2;
  return true;
}

bool SetupApp::DetectInCodecMode() {
  detectionMode = kAc97ControllerMode;
  ApplyCodecDiscOptions(context_);
  if (IsWin9x(context_)) {
    ScanPci();
    if (!SignatureValid(deviceSignature)) {
      detectionMode = kChipMode;
      ScanPci();
      if (ChipFound(deviceSignature)) {
        deviceSignature.signatureWord1 = kSignatureWord1;
        deviceSignature.signatureWord2 = kSignatureWord2ChipInCodecMode;
      }
    }
    return SignatureValid(deviceSignature);
  }
  if (IsWinNT(context_)) {
    ClearHelperResult();
    {
      HelperSession helper;
      helper.Start(context_.sourceFolder);
      QueryHelperDriver(kHelperServiceName);
      CopyHelperAnswerToSignature();
      if (!SignatureValid(deviceSignature)) {
        detectionMode = kChipMode;
        QueryHelperDriver(kHelperServiceName);
        CopyHelperAnswerToSignature();
        if (ChipFound(deviceSignature)) deviceSignature.signatureWord2 = kSignatureWord2ChipInCodecMode;
      }
    }  // stops and deletes the service, closes the manager
    return SignatureValid(deviceSignature);
  }
  return true;
}

bool SetupApp::DetectInChipMode() {
  detectionMode = kChipMode;
  if (IsWin9x(context_)) {
    ScanPci();
    return ChipFound(deviceSignature);
  }
  if (IsWinNT(context_)) {
    ClearHelperResult();
    {
      HelperSession helper;
      helper.Start(context_.sourceFolder);
      QueryHelperDriver(kHelperServiceName);
    }  // stops and deletes the service before the answer is read
    CopyHelperAnswerToSignature();
    return ChipFound(deviceSignature);
  }
  return true;
}

void SetupApp::RunLauncher() {
  LauncherDialog launcher(nullptr);
  launcher.DoModal();
}

void SetupApp::RunNoChipDialog() {
  NoChipDialog dialog(nullptr);
  dialog.DoModal();
}
