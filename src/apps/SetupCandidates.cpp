// Candidate setup programs of the application suite: see SetupCandidates.h.
#include "apps/SetupCandidates.h"

namespace {

const char* const kVxdCandidates[] = {"Win_9x\\app\\Setup.exe", "W95-98\\app\\Setup.exe",
                                      "XP-2K-ME\\app\\Setup.exe", "Win_ME\\app\\Setup.exe",
                                      "W2K-ME\\app\\Setup.exe", "Applications\\Setup.exe"};
const char* const kWdmCandidates[] = {"Win_ME\\app\\Setup.exe", "XP-2K-ME\\app\\Setup.exe",
                                      "W2K-ME\\app\\Setup.exe", "Applications\\Setup.exe"};
const char* const kNt4Candidates[] = {"Win_NT40\\app\\Setup.exe", "NT40\\app\\Setup.exe", "Applications\\Setup.exe"};

template <int N>
int CopyList(const char* const (&list)[N], const char** out) {
  for (int i = 0; i < N; ++i) out[i] = list[i];
  return N;
}

}  // namespace

int ApplicationSetupCandidates(const OsClass& os, int Windows98SEDriver, int WindowsMEDriver, const char** out) {
  bool vxdSystem = os.isWin95 || (os.isWin98 && !os.isWin98SE) || (os.isWin98SE && Windows98SEDriver == 0) ||
                   (os.isWinME && WindowsMEDriver == 0);
  if (vxdSystem) return CopyList(kVxdCandidates, out);
  bool wdmSystem = (os.isWin98SE && Windows98SEDriver != 0) || (os.isWinME && WindowsMEDriver != 0) || os.isNT5;
  if (wdmSystem) return CopyList(kWdmCandidates, out);
  if (os.isNT4) return CopyList(kNt4Candidates, out);
  return 0;
}
