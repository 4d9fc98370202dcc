// Steps the WDM and VxD staging share: the DOS files, the staged launcher
// set with its rewritten "Setup.ini", "TQAUDIO.INI", and the staging folder
// in the system's list of installation locations.
#pragma once

// Creates "C:\Program Files\Trequa\DOS\" and its "DOSAPP\" (with the folders
// above them) and copies the disc's "Dosdrv\" and "Dosdrv\DOSAPP\" files there.
void CopyDosFiles(const char* sourceFolder);

// Copies the launcher, the WDM setup programs, the helper driver and
// "Setup.ini" from the disc into stagingFolder, and rewrites the staged
// "Setup.ini" so that a launcher started from there resumes the driver
// installation with the given architecture ("1" WDM, "0" VxD).
void StageLauncherSet(const char* sourceFolder, const char* stagingFolder, const char* installWdmDriver);

// Copies the disc's "TQAUDIO.INI" into the Windows folder.
void CopyTqaudioIni(const char* sourceFolder, const char* windowsFolder);

// Adds the short form of folder (no trailing backslash) to
// ".DEFAULT\InstallLocationsMRU", first in "MRUList"; nothing when it is
// listed already, in any letter case, or the key does not open.
void AddToInstallLocations(const char* folder);
