// Helper-driver client: see HelperDriver.h.
#include "detect/HelperDriver.h"

#include "detect/DeviceSignature.h"
#include "platform/Handles.h"
#include "platform/Str.h"

const char kHelperServiceName[] = "zqhwinfo";
const char kHelperDriverFile[] = "zqhwinfo.sys";

unsigned char helperResult[kHelperResultSize];
unsigned char helperRequest[kHelperRequestSize];

namespace {

const DWORD kAllServiceAccess = 0xF01FF;
const DWORD kQueryControlCode = 0;

void StoreLittleEndian32(unsigned char* out, uint32_t value) {
  out[0] = static_cast<unsigned char>(value);
  out[1] = static_cast<unsigned char>(value >> 8);
  out[2] = static_cast<unsigned char>(value >> 16);
  out[3] = static_cast<unsigned char>(value >> 24);
}

void FillRequest() {
  bool chipMode = detectionMode == kChipMode;
  StoreLittleEndian32(helperRequest, chipMode ? kMakerVendorId : 0);
  StoreLittleEndian32(helperRequest + 4, chipMode ? kChipDeviceId : 0);
}

platform::ServiceHandle OpenHelper(SC_HANDLE manager, const char* serviceName) {
  return platform::ServiceHandle(OpenServiceA(manager, serviceName, kAllServiceAccess));
}

}  // namespace

void ClearHelperResult() {
  for (unsigned char& b : helperResult) b = 0;
}

uint16_t HelperResultVendorId() { return static_cast<uint16_t>(helperResult[0] | (helperResult[1] << 8)); }
uint16_t HelperResultDeviceId() { return static_cast<uint16_t>(helperResult[2] | (helperResult[3] << 8)); }

int CreateHelperService(SC_HANDLE manager, const char* serviceName, const char* driverPath) {
  platform::ServiceHandle service(CreateServiceA(manager, serviceName, serviceName, kAllServiceAccess,
                                                 SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START,
                                                 SERVICE_ERROR_NORMAL, driverPath, nullptr, nullptr,
                                                 nullptr, nullptr, nullptr));
  return service.IsValid() ? 1 : 0;
}

int StartHelperService(SC_HANDLE manager, const char* serviceName) {
  platform::ServiceHandle service = OpenHelper(manager, serviceName);
  if (!service.IsValid()) return 0;
  return StartServiceA(service.Get(), 0, nullptr) ? 1 : 0;
}

int QueryHelperDriver(const char* serviceName) {
  char devicePath[64] = "\\\\.\\";
  if (!str::Append(devicePath, sizeof devicePath, serviceName)) return 0;
  platform::FileHandle device(CreateFileA(devicePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!device.IsValid()) return 0;
  ClearHelperResult();
  FillRequest();
  DWORD returned = 0;
  BOOL ok = DeviceIoControl(device.Get(), kQueryControlCode, helperRequest, sizeof helperRequest, helperResult,
                            sizeof helperResult, &returned, nullptr);
  return (ok && returned == kHelperResultSize) ? 1 : 0;
}

int StopHelperService(SC_HANDLE manager, const char* serviceName) {
  platform::ServiceHandle service = OpenHelper(manager, serviceName);
  if (!service.IsValid()) return 0;
  SERVICE_STATUS status;
  return ControlService(service.Get(), SERVICE_CONTROL_STOP, &status) ? 1 : 0;
}

int DeleteHelperService(SC_HANDLE manager, const char* serviceName) {
  platform::ServiceHandle service = OpenHelper(manager, serviceName);
  if (!service.IsValid()) return 0;
  return DeleteService(service.Get()) ? 1 : 0;
}
