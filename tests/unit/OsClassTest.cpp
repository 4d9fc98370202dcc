// Windows classification over the values the version query can report,
// including Windows 98 first edition, which no test system reports.
#include <gtest/gtest.h>

#include "app/OsClass.h"

namespace {

struct Row {
  const char* name;
  uint32_t platform, major, minor, build;
  int win95, win98, win98se, winme, nt4, nt5, winxp;
};

const Row kRows[] = {
    {"Windows 95", 1, 4, 0, 0x040003B6, 1, 0, 0, 0, 0, 0, 0},
    {"Windows 95 OSR2", 1, 4, 0, 0x04000457, 1, 0, 0, 0, 0, 0, 0},
    {"Windows 98 first edition", 1, 4, 10, 0x040A07CE, 0, 1, 0, 0, 0, 0, 0},
    {"Windows 98 SE", 1, 4, 10, 0x040A08AE, 0, 1, 1, 0, 0, 0, 0},
    {"Windows ME", 1, 4, 90, 0x045A0BB8, 0, 0, 0, 1, 0, 0, 0},
    {"high word 0x0410 counts as ME", 1, 4, 10, 0x041008AE, 0, 0, 0, 1, 0, 0, 0},
    {"high word 0x040F is still 98", 1, 4, 10, 0x040F08AE, 0, 1, 1, 0, 0, 0, 0},
    {"Windows NT 4.0", 2, 4, 0, 1381, 0, 0, 0, 0, 1, 0, 0},
    {"Windows NT 3.51", 2, 3, 51, 1057, 0, 0, 0, 0, 1, 0, 0},
    {"Windows 2000", 2, 5, 0, 2195, 0, 0, 0, 0, 0, 1, 0},
    {"Windows XP", 2, 5, 1, 2600, 0, 0, 0, 0, 0, 1, 1},
    {"Windows XP build 2599", 2, 5, 1, 2599, 0, 0, 0, 0, 0, 1, 0},
    {"Windows Server 2003", 2, 5, 2, 3790, 0, 0, 0, 0, 0, 1, 1},
    {"Win32s", 0, 3, 10, 0, 0, 0, 0, 0, 0, 0, 0},
    {"unknown platform", 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};

}  // namespace

TEST(OsClassTest, ClassifiesEveryRow) {
  for (const Row& row : kRows) {
    OsClass os = ClassifyWindows(row.platform, row.major, row.minor, row.build);
    int got[] = {os.isWin95, os.isWin98, os.isWin98SE, os.isWinME, os.isNT4, os.isNT5, os.isWinXP};
    int expected[] = {row.win95, row.win98, row.win98se, row.winme, row.nt4, row.nt5, row.winxp};
    for (int i = 0; i < 7; ++i) {
      EXPECT_EQ(expected[i], got[i]) << row.name << ": flag " << i
                                     << " (95, 98, 98SE, ME, NT4, NT5, XP)";
    }
  }
}

TEST(OsClassTest, NineXAndNtGroupsForDetection) {
  EXPECT_TRUE(IsWin9x(ClassifyWindows(1, 4, 10, 0x040A08AE)));
  EXPECT_TRUE(IsWin9x(ClassifyWindows(1, 4, 90, 0x045A0BB8)));
  EXPECT_FALSE(IsWinNT(ClassifyWindows(1, 4, 0, 0x040003B6)));
  EXPECT_TRUE(IsWinNT(ClassifyWindows(2, 4, 0, 1381)));
  EXPECT_FALSE(IsWin9x(ClassifyWindows(2, 5, 1, 2600)));
  OsClass none = ClassifyWindows(0, 3, 10, 0);
  EXPECT_FALSE(IsWin9x(none) || IsWinNT(none));
}
