// Which setup programs of the application suite are tried, in which order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apps/SetupCandidates.h"

namespace {

const std::vector<std::string> kVxd = {"Win_9x\\app\\Setup.exe", "W95-98\\app\\Setup.exe", "XP-2K-ME\\app\\Setup.exe",
                                       "Win_ME\\app\\Setup.exe", "W2K-ME\\app\\Setup.exe", "Applications\\Setup.exe"};
const std::vector<std::string> kWdm = {"Win_ME\\app\\Setup.exe", "XP-2K-ME\\app\\Setup.exe", "W2K-ME\\app\\Setup.exe",
                                       "Applications\\Setup.exe"};
const std::vector<std::string> kNt4 = {"Win_NT40\\app\\Setup.exe", "NT40\\app\\Setup.exe", "Applications\\Setup.exe"};

}  // namespace

TEST(SetupCandidatesTest, ListsByVersionAndDriver) {
  struct Row {
    const char* name;
    OsClass os;
    int se, me;
    std::vector<std::string> expected;
  } rows[] = {
      {"95", ClassifyWindows(1, 4, 0, 0x040003B6), 1, 1, kVxd},
      {"98", ClassifyWindows(1, 4, 10, 0x040A07CE), 1, 1, kVxd},
      {"98 SE with the VxD driver", ClassifyWindows(1, 4, 10, 0x040A08AE), 0, 1, kVxd},
      {"98 SE with the WDM driver", ClassifyWindows(1, 4, 10, 0x040A08AE), 1, 0, kWdm},
      {"ME with the default WDM driver", ClassifyWindows(1, 4, 90, 0x045A0BB8), 0, 1, kWdm},
      {"ME with the VxD driver", ClassifyWindows(1, 4, 90, 0x045A0BB8), 1, 0, kVxd},
      {"NT 4.0", ClassifyWindows(2, 4, 0, 1381), 0, 0, kNt4},
      {"2000", ClassifyWindows(2, 5, 0, 2195), 0, 0, kWdm},
      {"XP", ClassifyWindows(2, 5, 1, 2600), 0, 0, kWdm},
      {"unknown platform", ClassifyWindows(0, 3, 10, 0), 0, 0, {}},
  };
  for (const Row& row : rows) {
    const char* out[kMaxSetupCandidates];
    int count = ApplicationSetupCandidates(row.os, row.se, row.me, out);
    EXPECT_EQ(row.expected, std::vector<std::string>(out, out + count)) << row.name;
  }
}
