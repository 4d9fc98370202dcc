/* Stand-in for the hardware-information helper driver: a kernel driver that
 * answers the helper protocol from values a test puts in the registry, and
 * records every request it gets.
 *
 * Configuration, key HKLM\Software\TqTest\Helper (all REG_DWORD, optional):
 *   ChipPresent    nonzero: a request for 1B7D/0342 is answered with it
 *   Ac97VendorId   with Ac97DeviceId: the answer to a zero request
 *   AnswerBytes    how many bytes to report as returned (default 256)
 * Records, same key: QueryCount (REG_DWORD) and Query1, Query2, ... each the
 * requested vendor << 16 | device; Loaded and Unloaded set to 1.
 */
#include <ntddk.h>

#define HELPER_KEY L"\\Registry\\Machine\\Software\\TqTest\\Helper"

static HANDLE OpenHelperKey(void) {
  UNICODE_STRING name;
  OBJECT_ATTRIBUTES attributes;
  HANDLE key = NULL;
  ULONG disposition;
  RtlInitUnicodeString(&name, HELPER_KEY);
  InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
  if (!NT_SUCCESS(ZwCreateKey(&key, KEY_ALL_ACCESS, &attributes, 0, NULL, 0, &disposition))) return NULL;
  return key;
}

static ULONG ReadDword(HANDLE key, PCWSTR valueName, ULONG fallback) {
  UNICODE_STRING name;
  UCHAR buffer[sizeof(KEY_VALUE_PARTIAL_INFORMATION) + 8];
  PKEY_VALUE_PARTIAL_INFORMATION info = (PKEY_VALUE_PARTIAL_INFORMATION)buffer;
  ULONG length = 0;
  RtlInitUnicodeString(&name, valueName);
  if (!key || !NT_SUCCESS(ZwQueryValueKey(key, &name, KeyValuePartialInformation, info, sizeof buffer, &length)))
    return fallback;
  if (info->Type != REG_DWORD || info->DataLength != 4) return fallback;
  return *(ULONG*)info->Data;
}

static void WriteDword(HANDLE key, PCWSTR valueName, ULONG value) {
  UNICODE_STRING name;
  RtlInitUnicodeString(&name, valueName);
  if (key) ZwSetValueKey(key, &name, 0, REG_DWORD, &value, sizeof value);
}

static void RecordQuery(HANDLE key, ULONG vendor, ULONG device) {
  ULONG count = ReadDword(key, L"QueryCount", 0) + 1;
  WCHAR valueName[16] = L"Query";
  ULONG n = count, digits = 0, i;
  WCHAR reversed[8];
  do {
    reversed[digits++] = (WCHAR)(L'0' + n % 10);
    n /= 10;
  } while (n && digits < 7);
  for (i = 0; i < digits; ++i) valueName[5 + i] = reversed[digits - 1 - i];
  valueName[5 + digits] = 0;
  WriteDword(key, valueName, (vendor << 16) | (device & 0xFFFF));
  WriteDword(key, L"QueryCount", count);
}

static NTSTATUS NTAPI DispatchCreateClose(PDEVICE_OBJECT device, PIRP irp) {
  (void)device;
  irp->IoStatus.Status = STATUS_SUCCESS;
  irp->IoStatus.Information = 0;
  IoCompleteRequest(irp, IO_NO_INCREMENT);
  return STATUS_SUCCESS;
}

static NTSTATUS NTAPI DispatchControl(PDEVICE_OBJECT device, PIRP irp) {
  PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
  ULONG code = stack->Parameters.DeviceIoControl.IoControlCode;
  ULONG inLength = stack->Parameters.DeviceIoControl.InputBufferLength;
  ULONG outLength = stack->Parameters.DeviceIoControl.OutputBufferLength;
  UCHAR* buffer = (UCHAR*)irp->AssociatedIrp.SystemBuffer;
  NTSTATUS status = STATUS_INVALID_PARAMETER;
  ULONG information = 0;
  (void)device;
  if (code == 0 && inLength >= 8 && outLength >= 4 && buffer) {
    HANDLE key = OpenHelperKey();
    ULONG vendor = *(ULONG*)buffer, deviceId = *(ULONG*)(buffer + 4);
    ULONG answerVendor = 0, answerDevice = 0, i;
    RecordQuery(key, vendor, deviceId);
    if (vendor == 0x1B7D && deviceId == 0x0342) {
      if (ReadDword(key, L"ChipPresent", 0)) {
        answerVendor = 0x1B7D;
        answerDevice = 0x0342;
      }
    } else if (vendor == 0 && deviceId == 0) {
      answerVendor = ReadDword(key, L"Ac97VendorId", 0);
      answerDevice = ReadDword(key, L"Ac97DeviceId", 0);
    }
    for (i = 0; i < outLength; ++i) buffer[i] = (UCHAR)(i >= 4 ? 0xEE : 0);
    buffer[0] = (UCHAR)answerVendor;
    buffer[1] = (UCHAR)(answerVendor >> 8);
    buffer[2] = (UCHAR)answerDevice;
    buffer[3] = (UCHAR)(answerDevice >> 8);
    information = ReadDword(key, L"AnswerBytes", 256);
    if (information > outLength) information = outLength;
    if (key) ZwClose(key);
    status = STATUS_SUCCESS;
  }
  irp->IoStatus.Status = status;
  irp->IoStatus.Information = information;
  IoCompleteRequest(irp, IO_NO_INCREMENT);
  return status;
}

static void NTAPI DriverUnload(PDRIVER_OBJECT driver) {
  UNICODE_STRING link;
  HANDLE key = OpenHelperKey();
  RtlInitUnicodeString(&link, L"\\DosDevices\\zqhwinfo");
  IoDeleteSymbolicLink(&link);
  if (driver->DeviceObject) IoDeleteDevice(driver->DeviceObject);
  WriteDword(key, L"Unloaded", 1);
  if (key) ZwClose(key);
}

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath) {
  UNICODE_STRING name, link;
  PDEVICE_OBJECT device;
  NTSTATUS status;
  HANDLE key;
  (void)registryPath;
  RtlInitUnicodeString(&name, L"\\Device\\zqhwinfo");
  RtlInitUnicodeString(&link, L"\\DosDevices\\zqhwinfo");
  status = IoCreateDevice(driver, 0, &name, FILE_DEVICE_UNKNOWN, 0, FALSE, &device);
  if (!NT_SUCCESS(status)) return status;
  IoCreateSymbolicLink(&link, &name);
  driver->MajorFunction[IRP_MJ_CREATE] = DispatchCreateClose;
  driver->MajorFunction[IRP_MJ_CLOSE] = DispatchCreateClose;
  driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchControl;
  driver->DriverUnload = DriverUnload;
  key = OpenHelperKey();
  WriteDword(key, L"Loaded", 1);
  if (key) ZwClose(key);
  return STATUS_SUCCESS;
}
