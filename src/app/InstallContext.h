// The per-run state of the setup program: the command line, the Windows
// classification, the SourceFolder and the options of "setup.ini". Filled
// once by start-up before the first window, then only read.
#pragma once

#include "app/OsClass.h"
#include "app/SourceFolder.h"

// Section "InstallOption" of "setup.ini". The members keep the names of their
// keys; the defaults are those of an absent key.
struct InstallOptions {
  int DriverOnly = 0;
  int WindowsMEDriverAskUser = 0;
  int WindowsMEDriver = 1;
  int Windows98SEDriverAskUser = 0;
  int Windows98SEDriver = 0;
  int WebSetup = 0;
  int InstallWDMDriver = 0;
  int InstallWDMUDACodecDriver = 0;
  int UDAWindows98Driver = 0;
  int NotCheckHardware = 0;
};

struct InstallContext : OsClass, InstallOptions {
  // The command line after the program name, upper-cased in place by start-up
  // (so every switch test is case-insensitive). Owned by the application.
  char* commandLine = nullptr;
  char sourceFolder[kPathCapacity] = "";
};

// The integer keys of "InstallOption", in the order they are read, with the
// member each one fills and its default.
struct IntegerOptionKey {
  const char* key;
  int InstallOptions::*member;
  int defaultValue;
};
extern const IntegerOptionKey kIntegerOptionKeys[10];

// What codec mode forces before detecting: the AC'97 controller is looked
// for first, and a codec disc always installs the WDM driver without asking.
void ApplyCodecDiscOptions(InstallOptions& options);
