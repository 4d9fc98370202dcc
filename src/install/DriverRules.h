// Decisions of the driver installation, as pure functions over plain values:
// the driver architecture, the command-line switches, the names read from
// "setup.ini", the disc folders probed for the WDM package and the file-name
// tests of the copy loop.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "app/OsClass.h"

// The options of "setup.ini" that decide the driver architecture.
struct ArchitectureOptions {
  int WindowsMEDriverAskUser = 0;
  int WindowsMEDriver = 1;
  int Windows98SEDriverAskUser = 0;
  int Windows98SEDriver = 0;
  int InstallWDMDriver = 0;
  int InstallWDMUDACodecDriver = 0;
  int UDAWindows98Driver = 0;
};

struct ArchitectureChoice {
  int useVxdDriver;  // 1 VxD, 0 WDM
  bool askUser;      // show the architecture dialog, preset to useVxdDriver
};

// The driver command's rules, in order: Windows 95 and 98 first edition take
// the VxD driver; a codec disc that asks for it takes WDM on 98 and 98 SE; on
// ME and 98 SE the user is asked where "setup.ini" says so, else the ME and
// 98 SE options decide. Elsewhere (2000, XP) the current choice stays.
ArchitectureChoice DecideDriverArchitecture(const OsClass& os, const ArchitectureOptions& options,
                                            int currentUseVxdDriver);

// The start modes 1 (web setup) and 2 (resume): "InstallWDMDriver" decides,
// a codec disc for Windows 98 takes WDM on 98; both version options then
// follow, so the driver command reaches the same choice unless it asks.
struct StartModeArchitecture {
  int useVxdDriver;
  int Windows98SEDriver;
  int WindowsMEDriver;
};
StartModeArchitecture DecideStartModeArchitecture(const OsClass& os, const ArchitectureOptions& options);

// A command-line switch: a plain substring test on the upper-cased command line.
bool HasSwitch(const char* commandLine, const char* text);

// "INF_1B7D&0342" for vendor 1B7D, device 0342: upper-case hexadecimal, four
// digits each. out needs 14 characters.
void BuildInfNameKey(uint16_t vendorId, uint16_t deviceId, char* out);

// The case-sensitive name tests of the copy loop: "A.INF" and "A.inf" are INF
// files, "A.Inf" is not.
bool NameLooksLikeInf(const char* name);
bool NameLooksLikeIni(const char* name);
// Files whose upper-cased name contains "SETUP" never go to the Windows
// setup source folder.
bool NameMayGoToSourcePath(const char* name);

// Where the WDM package is looked for on the disc: the folders tested, in
// order, and for each the folder its files are taken from (relative to the
// SourceFolder). At most one version-specific folder, then the shared ones.
struct DiscFolderCandidate {
  const char* tested;
  const char* filesFrom;
};
const int kMaxWdmFolderCandidates = 6;
int WdmDriverFolderCandidates(const OsClass& os, DiscFolderCandidate* out);

// The default INF and catalog names when "setup.ini" names none.
const char* DefaultInfName(bool codecDisc);
const char* DefaultCatalogName(bool codecDisc);
