// Where the application suite's setup program is looked for on the disc,
// by Windows version and driver architecture.
#pragma once

#include "app/OsClass.h"

const int kMaxSetupCandidates = 6;

// Fills out with the candidate paths (relative to the SourceFolder), in the
// order they are tried, and returns their number (0 when no row applies).
// VxD systems fall back to the WDM folders; NT 4.0 has none of them; every
// system ends with "Applications\Setup.exe".
int ApplicationSetupCandidates(const OsClass& os, int Windows98SEDriver, int WindowsMEDriver,
                               const char** out);
