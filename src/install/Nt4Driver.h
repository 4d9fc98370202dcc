// The Windows NT 4.0 driver installation: the driver files copied into the
// Windows folders by the launcher itself (or staged for replacement at the
// next restart while the old driver runs), the multimedia driver registered,
// and the user-mode driver sent its install and configure messages.
#pragma once

#include <windows.h>

// Whether a mixer device's product name is one of the maker's: it contains
// "Trequa" (exact case), or begins with "Trequa Audio Mixer", "Trequa 4716
// Mixer", "Trequa PCI Mixer" or "TQ4316 PCI Mixer" (any case).
bool IsMakersMixerName(const char* productName);

// One driver file: where it comes from on the disc and where it goes.
struct Nt4DriverFile {
  const char* probeFolder;  // tested under the SourceFolder
  const char* ifProbed;     // the source when the probe folder exists
  const char* otherwise;    // the source when it does not
  const char* fallback;     // replaces an unreadable source (in the SourceFolder), or null
  const char* target;       // relative to the Windows folder
  const char* staging;      // the copy that replaces target at the next restart
};

// The files of the chip set (six, the uninstaller third) or of the AC'97 set (five).
int Nt4DriverFiles(bool ac97Set, const Nt4DriverFile** out);

// The source of one file on the disc (the probe leaves its folder current).
bool ResolveNt4Source(const char* sourceFolder, const Nt4DriverFile& file, char* out);

// Staged mode: copies each source to its staging name and schedules, for the
// next restart, the deletion of the target and then the renaming of the
// staging copy onto it. windowsFolder ends in a backslash.
void StageNt4FilesForRestart(const char* windowsFolder, const char* const* sources, const Nt4DriverFile* files,
                             int count);

// Registers data under a value of the key (local machine): the name itself,
// else the first of name1 to name9 that is free; 0 when the data is
// registered (newly or already), -1 otherwise.
int RegisterDriverValue(const char* keyPath, const char* valueName, const char* data);
int RegisterNt4ChipDriver();
int RegisterNt4Ac97Driver();

// Opens system32\fileName as an installable driver and sends it DRV_INSTALL,
// DRV_QUERYCONFIGURE and, when it has one, DRV_CONFIGURE, owned by owner.
// 0 when the driver opened, -1 otherwise.
int InstallAndConfigureDriver(const char* fileName, HWND owner);
