// Classification of the running Windows into the seven version flags that
// every later decision reads. Pure: tests feed it any version values,
// including Windows 98 first edition, which no test system can report.
#pragma once

#include <stdint.h>

struct OsClass {
  int isWin95 = 0;
  int isWin98 = 0;    // Windows 98 or 98 SE
  int isWin98SE = 0;  // set together with isWin98
  int isWinME = 0;
  int isNT4 = 0;
  int isNT5 = 0;      // 2000, XP and later
  int isWinXP = 0;    // set together with isNT5
};

// platformId as the extended version query reports it (1 = Windows 9x,
// 2 = Windows NT); build is the full 32-bit build number field, whose high
// word on Windows 9x repeats the version (0x040A on 98, 0x045A on ME).
OsClass ClassifyWindows(uint32_t platformId, uint32_t major, uint32_t minor, uint32_t build);

// "9x" for hardware detection: Windows 95, 98 (and SE) or ME.
inline bool IsWin9x(const OsClass& os) { return os.isWin95 || os.isWin98 || os.isWinME; }
inline bool IsWinNT(const OsClass& os) { return os.isNT5 || os.isNT4; }
