// Driver installation decisions: see DriverRules.h.
#include "install/DriverRules.h"

#include "platform/Str.h"

ArchitectureChoice DecideDriverArchitecture(const OsClass& os, const ArchitectureOptions& options,
                                            int currentUseVxdDriver) {
  ArchitectureChoice choice = {currentUseVxdDriver, false};
  if (os.isWin95 || (os.isWin98 && !os.isWin98SE)) choice.useVxdDriver = 1;
  if (options.InstallWDMUDACodecDriver && options.UDAWindows98Driver && os.isWin98) choice.useVxdDriver = 0;
  if ((os.isWinME && options.WindowsMEDriverAskUser) || (os.isWin98SE && options.Windows98SEDriverAskUser)) {
    choice.askUser = true;
    return choice;
  }
  if (os.isWinME) choice.useVxdDriver = options.WindowsMEDriver == 0 ? 1 : 0;
  if (os.isWin98SE) choice.useVxdDriver = options.Windows98SEDriver == 0 ? 1 : 0;
  return choice;
}

StartModeArchitecture DecideStartModeArchitecture(const OsClass& os, const ArchitectureOptions& options) {
  StartModeArchitecture result;
  result.useVxdDriver = options.InstallWDMDriver != 0 ? 0 : 1;
  if (options.InstallWDMUDACodecDriver && options.UDAWindows98Driver && os.isWin98) result.useVxdDriver = 0;
  result.Windows98SEDriver = result.useVxdDriver == 0 ? 1 : 0;
  result.WindowsMEDriver = result.Windows98SEDriver;
  return result;
}

bool HasSwitch(const char* commandLine, const char* text) { return str::Contains(commandLine, text); }

void BuildInfNameKey(uint16_t vendorId, uint16_t deviceId, char* out) {
  static const char kDigits[] = "0123456789ABCDEF";
  const char prefix[] = "INF_";
  int n = 0;
  for (int i = 0; prefix[i] != '\0'; ++i) out[n++] = prefix[i];
  for (int shift = 12; shift >= 0; shift -= 4) out[n++] = kDigits[(vendorId >> shift) & 0xF];
  out[n++] = '&';
  for (int shift = 12; shift >= 0; shift -= 4) out[n++] = kDigits[(deviceId >> shift) & 0xF];
  out[n] = '\0';
}

bool NameLooksLikeInf(const char* name) { return str::Contains(name, ".inf") || str::Contains(name, ".INF"); }

bool NameLooksLikeIni(const char* name) { return str::Contains(name, ".ini") || str::Contains(name, ".INI"); }

bool NameMayGoToSourcePath(const char* name) {
  char upper[260];
  str::CopyTruncated(upper, sizeof upper, name);
  for (char* p = upper; *p != '\0'; ++p) *p = str::AsciiUpper(*p);
  return !str::Contains(upper, "SETUP");
}

int WdmDriverFolderCandidates(const OsClass& os, DiscFolderCandidate* out) {
  int n = 0;
  if (os.isWin98SE) {
    out[n++] = {"Win_98SE\\", "Win_98SE\\drv\\"};
  } else if (os.isWin98) {
    out[n++] = {"Win_98\\", "Win_98\\drv\\"};
  } else if (os.isWinME) {
    out[n++] = {"Win_ME\\", "Win_ME\\drv\\"};
  } else if (os.isWinXP) {
    out[n++] = {"Win_XP\\", "Win_XP\\drv\\"};
  } else if (os.isNT5) {
    out[n++] = {"Win_2K\\", "Win_2K\\drv\\"};
  }
  out[n++] = {"W2K-ME\\", "W2K-ME\\drv\\"};
  out[n++] = {"WIN_ME\\", "WIN_ME\\drv\\"};
  out[n++] = {"XP-2K-ME\\", "XP-2K-ME\\drv\\"};
  out[n++] = {"WDM\\", "WDM\\"};
  out[n++] = {"Driver\\WDM\\", "Driver\\WDM\\"};
  return n;
}

const char* DefaultInfName(bool codecDisc) { return codecDisc ? "tquda.inf" : "tqaudio.inf"; }

const char* DefaultCatalogName(bool codecDisc) { return codecDisc ? "tquda.cat" : "tqaudio.cat"; }
