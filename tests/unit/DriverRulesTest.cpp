// The driver command's decisions over plain values: architecture, start-mode
// architecture, INF name keys, file-name tests and the WDM folder probe.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/DriverRules.h"

namespace {

const OsClass kWin95 = ClassifyWindows(1, 4, 0, 0x040003B6);
const OsClass kWin98 = ClassifyWindows(1, 4, 10, 0x040A07CE);
const OsClass kWin98SE = ClassifyWindows(1, 4, 10, 0x040A08AE);
const OsClass kWinME = ClassifyWindows(1, 4, 90, 0x045A0BB8);
const OsClass kWin2000 = ClassifyWindows(2, 5, 0, 2195);
const OsClass kWinXP = ClassifyWindows(2, 5, 1, 2600);

ArchitectureOptions Options(int meAsk, int me, int seAsk, int se, int codec = 0, int uda98 = 0, int wdm = 0) {
  ArchitectureOptions o;
  o.WindowsMEDriverAskUser = meAsk;
  o.WindowsMEDriver = me;
  o.Windows98SEDriverAskUser = seAsk;
  o.Windows98SEDriver = se;
  o.InstallWDMUDACodecDriver = codec;
  o.UDAWindows98Driver = uda98;
  o.InstallWDMDriver = wdm;
  return o;
}

}  // namespace

TEST(DriverRulesTest, ArchitectureDecision) {
  struct Row {
    const char* name;
    OsClass os;
    ArchitectureOptions options;
    int current;
    int useVxd;
    bool ask;
  } rows[] = {
      {"95 always VxD", kWin95, Options(0, 1, 0, 1), 0, 1, false},
      {"98 first edition VxD", kWin98, Options(0, 1, 0, 1), 0, 1, false},
      {"98 first edition, codec disc for 98: WDM", kWin98, Options(0, 1, 0, 1, 1, 1), 1, 0, false},
      {"98 first edition, codec disc without the 98 option", kWin98, Options(0, 1, 0, 1, 1, 0), 0, 1, false},
      {"98 SE default options: VxD", kWin98SE, Options(0, 1, 0, 0), 0, 1, false},
      {"98 SE with the WDM option", kWin98SE, Options(0, 1, 0, 1), 1, 0, false},
      {"98 SE asks, preset to the current choice", kWin98SE, Options(0, 1, 1, 0), 0, 0, true},
      {"98 SE asks after an earlier VxD choice", kWin98SE, Options(0, 1, 1, 1), 1, 1, true},
      {"98 SE, codec disc for 98 overrides to WDM, then the SE option", kWin98SE, Options(0, 1, 0, 0, 1, 1), 0, 1,
       false},
      {"ME default: WDM", kWinME, Options(0, 1, 0, 0), 0, 0, false},
      {"ME with the VxD option", kWinME, Options(0, 0, 0, 0), 0, 1, false},
      {"ME asks", kWinME, Options(1, 1, 0, 0), 0, 0, true},
      {"ME ignores the 98 SE question", kWinME, Options(0, 1, 1, 0), 1, 0, false},
      {"2000 keeps the current choice (WDM)", kWin2000, Options(1, 0, 1, 0), 0, 0, false},
      {"XP keeps the current choice (VxD set by a start mode)", kWinXP, Options(0, 0, 0, 0), 1, 1, false},
  };
  for (const Row& row : rows) {
    ArchitectureChoice choice = DecideDriverArchitecture(row.os, row.options, row.current);
    EXPECT_EQ(row.useVxd, choice.useVxdDriver) << row.name;
    EXPECT_EQ(row.ask, choice.askUser) << row.name;
  }
}

TEST(DriverRulesTest, StartModeArchitecture) {
  struct Row {
    const char* name;
    OsClass os;
    ArchitectureOptions options;
    int useVxd;
  } rows[] = {
      {"InstallWDMDriver 1", kWinME, Options(0, 1, 0, 0, 0, 0, 1), 0},
      {"InstallWDMDriver 0", kWinXP, Options(0, 1, 0, 0, 0, 0, 0), 1},
      {"codec disc for 98 on 98 SE", kWin98SE, Options(0, 1, 0, 0, 1, 1, 0), 0},
      {"codec disc for 98 on ME does not apply", kWinME, Options(0, 1, 0, 0, 1, 1, 0), 1},
  };
  for (const Row& row : rows) {
    StartModeArchitecture decision = DecideStartModeArchitecture(row.os, row.options);
    EXPECT_EQ(row.useVxd, decision.useVxdDriver) << row.name;
    EXPECT_EQ(row.useVxd ? 0 : 1, decision.Windows98SEDriver) << row.name;
    EXPECT_EQ(row.useVxd ? 0 : 1, decision.WindowsMEDriver) << row.name;
  }
}

TEST(DriverRulesTest, SwitchesArePlainSubstringTests) {
  EXPECT_TRUE(HasSwitch("D:\\MAPS\\SETUP.EXE", "AP"));
  EXPECT_TRUE(HasSwitch("-NO_REBOOT", "NO_REBOOT"));
  EXPECT_TRUE(HasSwitch("/SPEAKER /DRIVER", "DRIVER"));
  EXPECT_FALSE(HasSwitch("/SPEAKR", "/SPEAKER"));
}

TEST(DriverRulesTest, InfNameKeys) {
  struct Row {
    uint16_t vendor, device;
    const char* expected;
  } rows[] = {{0x1B7D, 0x0342, "INF_1B7D&0342"}, {0x8086, 0x005A, "INF_8086&005A"}, {0, 0, "INF_0000&0000"},
              {0xffff, 0xabcd, "INF_FFFF&ABCD"}};
  for (const Row& row : rows) {
    char key[16];
    BuildInfNameKey(row.vendor, row.device, key);
    EXPECT_STREQ(row.expected, key);
  }
}

TEST(DriverRulesTest, FileNameTestsOfTheCopyLoop) {
  struct Row {
    const char* name;
    bool inf, ini, sourcePath;
  } rows[] = {
      {"TQWDM.INF", true, false, true},  {"tqwdm.inf", true, false, true}, {"TqWdm.Inf", false, false, true},
      {"Setup.ini", false, true, false}, {"TQAUDIO.INI", false, true, true}, {"mysetup.dll", false, false, false},
      {"a.inf.bak", true, false, true},  {"tqwdm.sys", false, false, true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.inf, NameLooksLikeInf(row.name)) << row.name;
    EXPECT_EQ(row.ini, NameLooksLikeIni(row.name)) << row.name;
    EXPECT_EQ(row.sourcePath, NameMayGoToSourcePath(row.name)) << row.name;
  }
}

TEST(DriverRulesTest, WdmFolderProbeOrder) {
  const std::vector<std::string> shared = {"W2K-ME\\", "WIN_ME\\", "XP-2K-ME\\", "WDM\\", "Driver\\WDM\\"};
  struct Row {
    const char* name;
    OsClass os;
    const char* specific;
  } rows[] = {{"98 SE", kWin98SE, "Win_98SE\\"}, {"98", kWin98, "Win_98\\"}, {"ME", kWinME, "Win_ME\\"},
              {"XP", kWinXP, "Win_XP\\"},        {"2000", kWin2000, "Win_2K\\"}, {"95", kWin95, nullptr}};
  for (const Row& row : rows) {
    DiscFolderCandidate candidates[kMaxWdmFolderCandidates];
    int count = WdmDriverFolderCandidates(row.os, candidates);
    std::vector<std::string> tested;
    for (int i = 0; i < count; ++i) tested.push_back(candidates[i].tested);
    std::vector<std::string> expected;
    if (row.specific) expected.push_back(row.specific);
    expected.insert(expected.end(), shared.begin(), shared.end());
    EXPECT_EQ(expected, tested) << row.name;
  }
  DiscFolderCandidate candidates[kMaxWdmFolderCandidates];
  WdmDriverFolderCandidates(kWin98SE, candidates);
  EXPECT_STREQ("Win_98SE\\drv\\", candidates[0].filesFrom);
  EXPECT_STREQ("WDM\\", candidates[4].filesFrom);
}
