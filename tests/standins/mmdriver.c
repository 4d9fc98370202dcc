/* Stand-in for the maker's user-mode multimedia driver (tq-pci.dll,
 * LNK97U.dll), and for a mixer device of the maker.
 *
 * As an installable driver its DriverProc records every message it gets,
 * with both parameters, as JSON lines in TQTEST_RECORD_DIR\<file name>.jsonl,
 * and answers DRV_QUERYCONFIGURE with 1 (it has a configuration dialog).
 *
 * As a legacy Wine audio driver (loaded by winmm as "wine<name>.drv" when
 * HKCU\Software\Wine\Drivers "Audio" names it) its mxdMessage reports one
 * mixer device whose product name is TQTEST_MIXER_NAME.
 */
#include <windows.h>
#include <mmsystem.h>
#include <mmddk.h>
#include <stdio.h>

extern IMAGE_DOS_HEADER __ImageBase;

static void Record(const char* event, UINT message, LPARAM p1, LPARAM p2) {
  char folder[MAX_PATH], module[MAX_PATH], path[2 * MAX_PATH], line[256];
  const char* name;
  HANDLE file;
  DWORD written;
  if (!GetEnvironmentVariableA("TQTEST_RECORD_DIR", folder, sizeof folder)) return;
  GetModuleFileNameA((HMODULE)&__ImageBase, module, sizeof module);
  name = strrchr(module, '\\') ? strrchr(module, '\\') + 1 : module;
  snprintf(path, sizeof path, "%s\\%s.jsonl", folder, name);
  snprintf(line, sizeof line, "{\"event\": \"%s\", \"message\": %u, \"p1\": %lu, \"p2\": %lu}\n", event, message,
           (unsigned long)p1, (unsigned long)p2);
  file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS, 0, NULL);
  if (file == INVALID_HANDLE_VALUE) return;
  WriteFile(file, line, (DWORD)strlen(line), &written, NULL);
  CloseHandle(file);
}

LRESULT WINAPI DriverProc(DWORD_PTR id, HDRVR driver, UINT message, LPARAM p1, LPARAM p2) {
  (void)id;
  Record("driver", message, p1, p2);
  switch (message) {
    case DRV_LOAD: case DRV_FREE: case DRV_OPEN: case DRV_CLOSE: case DRV_ENABLE: case DRV_DISABLE:
    case DRV_INSTALL: case DRV_REMOVE: case DRV_CONFIGURE:
      return 1;
    case DRV_QUERYCONFIGURE:
      return 1;
    default:
      return DefDriverProc(id, driver, message, p1, p2);
  }
}

DWORD WINAPI mxdMessage(UINT device, UINT message, DWORD_PTR user, DWORD_PTR p1, DWORD_PTR p2) {
  (void)device, (void)user;
  switch (message) {
    case DRVM_INIT: case DRVM_EXIT: case DRVM_ENABLE: case DRVM_DISABLE:
      return MMSYSERR_NOERROR;
    case MXDM_GETNUMDEVS:
      return 1;
    case MXDM_GETDEVCAPS: {
      MIXERCAPSW caps;
      char name[64] = "Trequa 4716 Mixer";
      memset(&caps, 0, sizeof caps);
      GetEnvironmentVariableA("TQTEST_MIXER_NAME", name, sizeof name);
      MultiByteToWideChar(CP_ACP, 0, name, -1, caps.szPname, MAXPNAMELEN);
      caps.cDestinations = 1;
      memcpy((void*)p1, &caps, p2 < sizeof caps ? p2 : sizeof caps);
      return MMSYSERR_NOERROR;
    }
    default:
      return MMSYSERR_NOTSUPPORTED;
  }
}
