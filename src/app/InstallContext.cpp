// The "setup.ini" option table and the codec-disc forcing: see InstallContext.h.
#include "app/InstallContext.h"

const IntegerOptionKey kIntegerOptionKeys[10] = {
    {"DriverOnly", &InstallOptions::DriverOnly, 0},
    {"WindowsMEDriverAskUser", &InstallOptions::WindowsMEDriverAskUser, 0},
    {"WindowsMEDriver", &InstallOptions::WindowsMEDriver, 1},
    {"Windows98SEDriverAskUser", &InstallOptions::Windows98SEDriverAskUser, 0},
    {"Windows98SEDriver", &InstallOptions::Windows98SEDriver, 0},
    {"WebSetup", &InstallOptions::WebSetup, 0},
    {"InstallWDMDriver", &InstallOptions::InstallWDMDriver, 0},
    {"InstallWDMUDACodecDriver", &InstallOptions::InstallWDMUDACodecDriver, 0},
    {"UDAWindows98Driver", &InstallOptions::UDAWindows98Driver, 0},
    {"NotCheckHardware", &InstallOptions::NotCheckHardware, 0},
};

void ApplyCodecDiscOptions(InstallOptions& options) {
  options.Windows98SEDriver = 1;
  options.WindowsMEDriver = 1;
  options.InstallWDMDriver = 1;
  options.Windows98SEDriverAskUser = 0;
  options.WindowsMEDriverAskUser = 0;
}
