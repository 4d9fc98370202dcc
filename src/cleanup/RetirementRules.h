// Decisions of the retirement of earlier drivers' files, as pure functions.
#pragma once

#include <stddef.h>

// An INF of the maker: one of its "Strings" values "TQV-Legacy.DeviceDesc",
// "WDM_TQPCI.Wave.szPname" or "TQUDA.Wave.szPname" begins with "TQI4316",
// "TQI4716", "TQAUDIO" or "Trequa" (case-sensitive).
bool InfBelongsToMaker(const char* legacyDeviceDesc, const char* wdmWaveName, const char* udaWaveName);

// "X.INF" gives "X.PNF": the last three characters replaced; false when the
// path is shorter than that or does not fit.
bool PnfPathOf(const char* infPath, char* out, size_t capacity);

// The old driver files: a leftover name deleted first, then the retired file.
struct RetiredFile {
  const char* leftover;  // relative to the Windows folder
  const char* retired;
};
extern const RetiredFile kRetiredFiles[28];

// The WIN.INI "run" line without the entries that start programs of the
// earlier driver (the retired programs, matched by file name without regard
// to case or folder, with or without their extension). The other entries
// keep their order. Returns false, out untouched, when no entry is removed.
bool RemoveRetiredPrograms(const char* runLine, char* out, size_t capacity);
