// The folder source of configuration space, on real files: a capture in the
// Linux sysfs layout stands for the PCI BIOS under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "detect/PciConfigSources.h"

namespace {

class PciFolderSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    root_ = std::string(temp) + "pci-capture-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(root_.c_str(), nullptr);
  }
  void TearDown() override {
    for (const std::string& file : files_) DeleteFileA(file.c_str());
    for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) RemoveDirectoryA(it->c_str());
    RemoveDirectoryA(root_.c_str());
  }
  void AddFunction(const char* name, const std::string& bytes) {
    std::string folder = root_ + "\\" + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    folders_.push_back(folder);
    std::string file = folder + "\\config";
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    files_.push_back(file);
  }
  static std::string Config(uint16_t vendor, uint16_t device) {
    std::string bytes(64, '\0');
    bytes[0] = static_cast<char>(vendor & 0xFF);
    bytes[1] = static_cast<char>(vendor >> 8);
    bytes[2] = static_cast<char>(device & 0xFF);
    bytes[3] = static_cast<char>(device >> 8);
    return bytes;
  }

  std::string root_;
  std::vector<std::string> files_;
  std::vector<std::string> folders_;
};

}  // namespace

TEST_F(PciFolderSourceTest, ReadsLittleEndianWordsByBusDeviceAndFunction) {
  AddFunction("0000:00:00.0", Config(0x8086, 0x7190));
  AddFunction("0000:02:1f.5", Config(0x1b7d, 0x0342));
  PciFolderSource source(root_.c_str());
  ASSERT_TRUE(source.IsPresent());
  EXPECT_EQ(0x8086, source.ReadConfigWord(0, 0, 0));
  EXPECT_EQ(0x7190, source.ReadConfigWord(0, 0, 2));
  EXPECT_EQ(0x1B7D, source.ReadConfigWord(2, 31 * 8 + 5, 0));
  EXPECT_EQ(0x0342, source.ReadConfigWord(2, 31 * 8 + 5, 2));
  EXPECT_EQ(0xFFFF, source.ReadConfigWord(0, 1 * 8, 0)) << "a slot without a folder";
}

TEST_F(PciFolderSourceTest, ShortOrUnreadableConfigReadsAsAnEmptySlot) {
  AddFunction("0000:00:01.0", std::string("\x7d", 1));        // one byte only
  AddFunction("0000:00:02.0", std::string("\x7d\x1b\x42", 3));  // vendor whole, device cut
  AddFunction("0000:00:03.0", "");                               // empty
  std::string folderAsConfig = root_ + "\\0000:00:04.0";
  CreateDirectoryA(folderAsConfig.c_str(), nullptr);
  CreateDirectoryA((folderAsConfig + "\\config").c_str(), nullptr);  // a folder, not a file
  folders_.push_back(folderAsConfig);
  folders_.push_back(folderAsConfig + "\\config");

  PciFolderSource source(root_.c_str());
  EXPECT_EQ(0xFFFF, source.ReadConfigWord(0, 1 * 8, 0));
  EXPECT_EQ(0x1B7D, source.ReadConfigWord(0, 2 * 8, 0));
  EXPECT_EQ(0xFFFF, source.ReadConfigWord(0, 2 * 8, 2));
  EXPECT_EQ(0xFFFF, source.ReadConfigWord(0, 3 * 8, 0));
  EXPECT_EQ(0xFFFF, source.ReadConfigWord(0, 4 * 8, 0));
}

TEST_F(PciFolderSourceTest, AMissingRootCountsAsNoPciBios) {
  PciFolderSource missing((root_ + "\\absent").c_str());
  EXPECT_FALSE(missing.IsPresent());
  PciFolderSource empty("");
  EXPECT_FALSE(empty.IsPresent());
  std::string overlong(2000, 'a');
  PciFolderSource tooLong(overlong.c_str());
  EXPECT_FALSE(tooLong.IsPresent());
}

TEST_F(PciFolderSourceTest, ScanFindsTheChipInACapture) {
  AddFunction("0000:00:00.0", Config(0x8086, 0x7190));
  AddFunction("0000:00:1f.0", Config(0x8086, 0x24c0));
  AddFunction("0000:00:1f.5", Config(0x8086, 0x24c5));
  AddFunction("0000:01:0a.0", Config(0x1b7d, 0x0342));
  PciFolderSource source(root_.c_str());
  DeviceSignature signature;
  EXPECT_TRUE(ScanPciSource(source, kChipMode, signature));
  EXPECT_EQ(0x1B7D, signature.vendorId);
  EXPECT_EQ(0x0342, signature.deviceId);
  DeviceSignature codec;
  EXPECT_TRUE(ScanPciSource(source, kAc97ControllerMode, codec));
  EXPECT_EQ(0x24C5, codec.deviceId);
}
