// The phone-jack choices written into a WDM INF file: one character of the
// "EnableLegacy" value and one of the "JackConfig" value under the device's
// "Settings" key, changed in place.
#pragma once

#include <stddef.h>

// The user's answers of the jack configuration dialog.
struct JackOptions {
  int lineInSharesRear = 0;
  int lineInSharesCenterSub = 0;
  int micSharesSub = 0;
  int gamePortEnabled = 0;
  int midiPortEnabled = 0;
};

// "2" plus 1 for the game port, plus 4 for the MIDI port: '2', '3', '6', '7'.
char EnableLegacyCharacter(const JackOptions& options);
// The sum 1 (line-in shares rear), 2 (line-in shares center/sub), 4 (mic
// shares sub) as a digit '0' to '7'.
char JackConfigCharacter(const JackOptions& options);

const long kNoPatch = -1;

// The byte to patch for one value: the first line containing valuePrefix
// after (or on) the first line containing "[CONFIG1.AddReg]". The character
// goes at offset 48 of that line, which for the INF files of the disc is the
// digit of the value in the AddReg line's DWORD field. A line whose text
// (without its line end) is shorter than 49 characters is not patched, so
// nothing can land in the next line; LF-only line ends get the same offset in
// the line as CR LF ends. Tests are case-sensitive; lines of any length are
// taken whole. Returns the file offset, or kNoPatch.
long FindJackPatchOffset(const char* data, size_t size, const char* valuePrefix);

extern const char kEnableLegacyPrefix[];  // HKR,"Settings","EnableLegacy",
extern const char kJackConfigPrefix[];    // HKR,"Settings","JackConfig",

// Patches the file in place (one byte per value; nothing else is written).
// The caller sets the file's attributes to normal first. A file that cannot
// be opened is skipped.
void PatchInfJackConfig(const char* path, const JackOptions& options);
