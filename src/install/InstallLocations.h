// The system's list of installation locations (".DEFAULT\InstallLocationsMRU":
// values "a" to "z" holding folders, and "MRUList" giving their order), with
// the staging folder added so the hardware installation offers it.
#pragma once

#include <stddef.h>

const int kInstallLocationLetters = 26;

// Stands for a value that exists but holds no usable text (another type, or
// longer than a path): its letter is in use and is never overwritten.
extern const char kUnreadableLocation[];

// What to write, decided from the 26 current values (null or empty when a
// letter is unused) and the folder to add.
struct InstallLocationsUpdate {
  bool writeFolder;       // write folder into value `letter`
  char letter;            // 'a' to 'z'
  bool writeMruList;      // write mruList into "MRUList"
  char mruList[kInstallLocationLetters + 1];
};

// Nothing is written when a letter already holds the folder (compared without
// regard to case). Otherwise the folder goes to the first unused letter and
// "MRUList" is rebuilt as that letter followed by the letters in use in
// alphabetical order; with every letter in use it replaces "a" and "MRUList"
// is left alone.
InstallLocationsUpdate PlanInstallLocations(const char* const values[kInstallLocationLetters], const char* folder);
