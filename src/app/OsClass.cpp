// Windows version classification: see OsClass.h.
#include "app/OsClass.h"

OsClass ClassifyWindows(uint32_t platformId, uint32_t major, uint32_t minor, uint32_t build) {
  OsClass os;
  const uint32_t kWin9x = 1;
  const uint32_t kWinNT = 2;
  if (platformId == kWin9x) {
    if (minor == 0) {
      os.isWin95 = 1;
    } else {
      // The high word of the 9x build field holds major.minor: 0x0410 and above is ME.
      uint32_t versionWord = (build >> 16) & 0xFFFF;
      if ((versionWord >> 4) > 0x40) {
        os.isWinME = 1;
      } else {
        os.isWin98 = 1;
        if (((build >> 8) & 0xFF) == 8) os.isWin98SE = 1;
      }
    }
  } else if (platformId == kWinNT) {
    if (major < 5) {
      os.isNT4 = 1;
    } else {
      os.isNT5 = 1;
      if (build >= 2600) os.isWinXP = 1;
    }
  }
  return os;
}
