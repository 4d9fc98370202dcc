// Staging of the WDM driver package: from the disc into the fixed staging
// folder on drive C and (on Windows 98 and 98 SE) the INF folders, where the
// disc's WDM setup program and the hardware installation find it.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "app/OsClass.h"
#include "install/InfJackPatch.h"

extern const char kWdmStagingFolder[];  // "C:\Program Files\Trequa\WIN_ME\"

// The short (8.3) form of the staging folder with a trailing backslash; false
// when the platform cannot give it (the folder does not exist yet).
bool ShortStagingFolder(char* out, size_t capacity);

struct WdmStagingInput {
  OsClass os;
  const char* sourceFolder;   // the disc, ending in a backslash
  int webSetup;               // 2: the StateFile is not written
  int precopyCabsPresent;
  int codecDisc;              // InstallWDMUDACodecDriver of start-up
  uint16_t vendorId;          // the detected hardware, for the INF names
  uint16_t deviceId;
  JackOptions jackOptions;
};

// queueDriverSetup 1: the StateFile queues the staged setup program; 0: it
// records a pending restart. patchJackConfig 1: every INF copy gets the jack
// options. Failures are passed over; the run goes on with the next step.
void RunWdmStaging(const WdmStagingInput& input, int queueDriverSetup, int patchJackConfig);
