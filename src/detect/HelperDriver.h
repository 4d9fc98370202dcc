// The program's side of the hardware-information helper driver, which
// answers on Windows NT the question a user-mode program cannot: which PCI
// audio device is present. Start-up installs the driver from the disc as a
// temporary kernel service, queries it and removes it again.
#pragma once

#include <windows.h>
#include <stdint.h>

extern const char kHelperServiceName[];  // also the display name and device name
extern const char kHelperDriverFile[];   // in the SourceFolder

const size_t kHelperResultSize = 256;
const size_t kHelperRequestSize = 8;

// The answer of the last query: vendor ID and device ID of the device found
// (16 bits each, little-endian) in its first four bytes, zeros when none.
extern unsigned char helperResult[kHelperResultSize];
// vendor ID and device ID to look for (32 bits each); zeros ask for any
// supported AC'97 controller.
extern unsigned char helperRequest[kHelperRequestSize];

// Each returns 1 on success and 0 otherwise; start-up judges only helperResult.
int CreateHelperService(SC_HANDLE manager, const char* serviceName, const char* driverPath);
int StartHelperService(SC_HANDLE manager, const char* serviceName);
// Opens "\\.\" + serviceName, clears helperResult, sends control code 0 with the
// request for detectionMode; 1 only when exactly 256 bytes came back.
int QueryHelperDriver(const char* serviceName);
int StopHelperService(SC_HANDLE manager, const char* serviceName);
int DeleteHelperService(SC_HANDLE manager, const char* serviceName);

void ClearHelperResult();
// The first two answer words.
uint16_t HelperResultVendorId();
uint16_t HelperResultDeviceId();
