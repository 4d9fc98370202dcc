// Retirement of the files earlier drivers of the maker left in the Windows
// folder of a Windows 9x system: the maker's INF files with their PNF files,
// a fixed list of old driver files (those in use are deleted at the next
// start through WININIT.INI), and their entries in WIN.INI's "run" line.
#include <windows.h>

#include "cleanup/RetirementRules.h"
#include "launcher/LauncherDialog.h"
#include "platform/Files.h"
#include "platform/Str.h"

namespace {

// Paths of any length up to the platform's limit are handled (never cut into
// another path); a longer one is skipped.
struct InfSearch {
  const char* folder;  // where the files found are, with a trailing backslash
};

void RetireInfIfMakers(const char* name, void* context) {
  const InfSearch* search = static_cast<const InfSearch*>(context);
  char path[kPathCapacity];
  if (!platform::JoinPath(path, search->folder, name)) return;
  const DWORD kValueCapacity = 64;  // 63 characters are enough to recognise the maker
  char legacy[kValueCapacity];
  char wdm[kValueCapacity];
  char uda[kValueCapacity];
  GetPrivateProfileStringA("Strings", "TQV-Legacy.DeviceDesc", "", legacy, kValueCapacity, path);
  GetPrivateProfileStringA("Strings", "WDM_TQPCI.Wave.szPname", "", wdm, kValueCapacity, path);
  GetPrivateProfileStringA("Strings", "TQUDA.Wave.szPname", "", uda, kValueCapacity, path);
  if (!InfBelongsToMaker(legacy, wdm, uda)) return;
  platform::SetNormalAttributes(path);
  DeleteFileA(path);
  char pnf[kPathCapacity];
  if (PnfPathOf(path, pnf, sizeof pnf)) {
    platform::SetNormalAttributes(pnf);
    DeleteFileA(pnf);
  }
}

// Whether a search pattern finds any file (not folder).
void NoteFound(const char*, void* context) { *static_cast<bool*>(context) = true; }

void RetireMatchingInfs(const char* pattern, const char* folder) {
  InfSearch search = {folder};
  platform::ForEachFile(pattern, RetireInfIfMakers, &search);
}

void RetireInfFiles(const char* windows) {
  char inf[kPathCapacity];
  char other[kPathCapacity];
  char pattern[kPathCapacity];
  if (!platform::JoinPath(inf, windows, "INF\\") || !platform::JoinPath(other, windows, "INF\\OTHER\\")) return;
  bool otherHasInfs = false;
  if (platform::JoinPath(pattern, other, "*.INF")) platform::ForEachFile(pattern, NoteFound, &otherHasInfs);
  if (otherHasInfs) {
    RetireMatchingInfs(pattern, other);
  } else if (platform::JoinPath(pattern, inf, "OEM*.INF")) {
    RetireMatchingInfs(pattern, inf);
  }
  if (platform::JoinPath(pattern, inf, "TQ*.INF")) RetireMatchingInfs(pattern, inf);
  if (platform::JoinPath(pattern, inf, "oem*.INF")) RetireMatchingInfs(pattern, inf);
}

bool FileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

// Adds "NUL=path" to WININIT.INI's [rename], which Windows 9x carries out at
// the next start (deleting the file). The section may hold several "NUL"
// entries, so it is rewritten whole with the new entry added; a section too
// large to read whole is left as it is rather than lose entries.
void ScheduleDeletionAtStart(const char* windows, const char* path) {
  char wininit[kPathCapacity];
  if (!platform::JoinPath(wininit, windows, "WININIT.INI")) return;
  const DWORD kSectionCapacity = 32768;
  static char section[kSectionCapacity + kPathCapacity + 8];
  DWORD length = GetPrivateProfileSectionA("rename", section, kSectionCapacity, wininit);
  if (length >= kSectionCapacity - 2) return;
  // The section comes back as "key=value\0...\0\0"; the new entry goes last.
  char* end = section + length;
  const char kKey[] = "NUL=";
  for (const char* p = kKey; *p != '\0'; ++p) *end++ = *p;
  for (const char* p = path; *p != '\0'; ++p) *end++ = *p;
  *end++ = '\0';
  *end = '\0';
  WritePrivateProfileSectionA("rename", section, wininit);
}

void RetireOldFiles(const char* windows) {
  for (const RetiredFile& file : kRetiredFiles) {
    char leftover[kPathCapacity];
    char retired[kPathCapacity];
    if (platform::JoinPath(leftover, windows, file.leftover)) DeleteFileA(leftover);
    if (!platform::JoinPath(retired, windows, file.retired)) continue;
    DeleteFileA(retired);  // attributes as they are: a read-only file waits for the restart
    if (FileExists(retired)) ScheduleDeletionAtStart(windows, retired);
  }
}

void RemoveRetiredProgramsFromRunLine(const char* windows) {
  char winIni[kPathCapacity];
  if (!platform::JoinPath(winIni, windows, "WIN.INI")) return;
  const DWORD kLineCapacity = 4096;
  static char line[kLineCapacity];
  static char kept[kLineCapacity];
  DWORD length = GetPrivateProfileStringA("windows", "run", "", line, kLineCapacity, winIni);
  if (length == 0 || length >= kLineCapacity - 1) return;  // empty, or too long to rewrite safely
  if (RemoveRetiredPrograms(line, kept, sizeof kept)) WritePrivateProfileStringA("windows", "run", kept, winIni);
}

}  // namespace

void LauncherDialog::RetireOldDriverFiles(int retireDriverFiles) {
  char windows[kPathCapacity];
  if (!platform::GetWindowsFolder(windows, sizeof windows)) return;
  RetireInfFiles(windows);
  if (retireDriverFiles == 0) return;
  RetireOldFiles(windows);
  RemoveRetiredProgramsFromRunLine(windows);
}
