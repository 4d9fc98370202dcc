// Steps the WDM and VxD staging share: the DOS files, the staged launcher
// set with its rewritten "Setup.ini", "TQAUDIO.INI", and the staging folder
// in the system's list of installation locations.
#pragma once

#include <stddef.h>

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

// The Windows setup source folder ("SourcePath" of the Setup key), where
// Windows looks for driver files it asks for.
enum class SourcePathState {
  kNone,           // no key or no text value
  kFolderMissing,  // names a folder that does not exist (now)
  kUsable,         // out holds it, with a trailing backslash; it is now the current folder
};
SourcePathState ReadSourcePath(char* out, size_t capacity);

// Empties "SourcePath", so that Windows stops asking for a folder that is gone.
void ClearSourcePath();

// Copies each named file from fromFolder to toFolder under the same name
// (attributes of an existing target set to normal first).
void CopyListedFiles(const char* fromFolder, const char* const* names, int count, const char* toFolder);

// Adds the short form of folder (no trailing backslash) to
// ".DEFAULT\InstallLocationsMRU", first in "MRUList"; nothing when it is
// listed already, in any letter case, or the key does not open.
void AddToInstallLocations(const char* folder);
