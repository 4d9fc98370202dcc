// The StateFile "TQISETUP.INI" as each writer leaves it, read back through
// the profile functions in the Windows folder of the test prefix.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>

#include "launcher/StateFile.h"

namespace {

using Values = std::map<std::string, std::string>;  // "Section/Key" -> value, "<absent>" when missing

class StateFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    path_ = std::string(windows) + "\\TQISETUP.INI";
    DeleteFileA(path_.c_str());
  }
  void TearDown() override { DeleteFileA(path_.c_str()); }
  std::string Get(const std::string& sectionAndKey) {
    size_t slash = sectionAndKey.find('/');
    char value[256];
    GetPrivateProfileStringA(sectionAndKey.substr(0, slash).c_str(), sectionAndKey.substr(slash + 1).c_str(),
                             "<absent>", value, sizeof value, path_.c_str());
    return value;
  }
  void Expect(const char* name, const Values& expected) {
    for (const auto& entry : expected) EXPECT_EQ(entry.second, Get(entry.first)) << name << ": " << entry.first;
  }
  std::string path_;
};

const char kCommand[] = "C:\\PROG~FBU\\TREQUA\\WIN_ME\\WinMeDrv.dat";

}  // namespace

TEST_F(StateFileTest, ResetOnEveryLauncherStart) {
  ResetStateFile(/*isNT4=*/false);
  Expect("9x", {{"Need_To_Reboot/Install", "YES"}, {"Need_To_InstallDriver/Install", "NO"},
                {"Need_To_InstallDriver/Command", ""}, {"Need_To_InstallDriver/InstallDX", "NO"},
                {"Need_To_InstallDriver/InstallAtFirst", "<absent>"}, {"SETUP/NeedInstallDriver", "<absent>"}});
  ResetStateFile(/*isNT4=*/true);
  Expect("NT 4.0", {{"Need_To_Reboot/Install", "NO"}});
}

TEST_F(StateFileTest, QueuedSetupProgram) {
  struct Row {
    const char* name;
    bool win98se, cabs;
    const char* installDX;
    const char* installAtFirst;
  } rows[] = {
      {"ME, 2000, XP", false, false, "<absent>", "YES"},
      {"98 SE with the six cabinets", true, true, "YES", "YES"},
      {"98 SE without them", true, false, "YES", "NO"},
  };
  for (const Row& row : rows) {
    DeleteFileA(path_.c_str());
    RecordWdmSetupQueued(kCommand, row.win98se, row.cabs);
    Expect(row.name, {{"Need_To_Reboot/Install", "NO"}, {"Need_To_InstallDriver/Install", "YES"},
                      {"Need_To_InstallDriver/Command", kCommand}, {"Need_To_InstallDriver/InstallDX", row.installDX},
                      {"Need_To_InstallDriver/InstallAtFirst", row.installAtFirst},
                      {"SETUP/NeedInstallDriver", "1"}, {"SETUP/DriverSetupFile", kCommand},
                      {"SETUP/NeedInstallDirectX", "0"}, {"SETUP/DirectXFilePath", ""}});
  }
}

TEST_F(StateFileTest, RestartPendingAfterStaging) {
  RecordWdmSetupQueued(kCommand, true, true);
  RecordWdmRestartPending();
  Expect("pending restart", {{"Need_To_Reboot/Install", "YES"}, {"Need_To_InstallDriver/Install", "NO"},
                             {"Need_To_InstallDriver/Command", ""}, {"Need_To_InstallDriver/InstallDX", "NO"},
                             {"Need_To_InstallDriver/InstallAtFirst", "NO"}, {"SETUP/NeedInstallDriver", "0"},
                             {"SETUP/DriverSetupFile", ""}, {"SETUP/NeedInstallDirectX", "0"},
                             {"SETUP/DirectXFilePath", ""}});
}

TEST_F(StateFileTest, RestartNeedOfTheNt4DriverInTheCombinedCommand) {
  RecordRestartNeed(true);
  EXPECT_EQ("YES", Get("Need_To_Reboot/Install"));
  RecordRestartNeed(false);
  EXPECT_EQ("NO", Get("Need_To_Reboot/Install"));
}
