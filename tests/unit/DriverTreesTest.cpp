// The removal walk over an in-memory registry: which keys go, which stay,
// the status values with their early ends, and the limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cleanup/DriverTrees.h"

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(tolower(c)); });
  return s;
}

// Keys as "HKLM\path" or "HKCR\path", each with its values in order. Key
// names compare without regard to case, as in the registry.
class FakeRegistry : public RegistryAccess {
 public:
  void Add(const std::string& key, std::vector<std::pair<std::string, std::string>> values = {}) {
    std::string path;
    size_t start = 0;
    while (true) {
      size_t slash = key.find('\\', start);
      path = key.substr(0, slash);
      if (keys_.find(Lower(path)) == keys_.end()) {
        keys_[Lower(path)] = Key{path, {}};
        order_.push_back(Lower(path));
      }
      if (slash == std::string::npos) break;
      start = slash + 1;
    }
    keys_[Lower(key)].values = std::move(values);
  }
  bool Has(const std::string& key) const { return keys_.count(Lower(key)) != 0; }
  std::set<std::string> undeletable;
  int deletions = 0;

  bool KeyOpens(RegistryRoot root, const char* path) override { return Has(Full(root, path)); }
  EnumResult EnumSubkey(RegistryRoot root, const char* path, unsigned index, char* name) override {
    std::vector<std::string> children = Children(Full(root, path));
    if (index >= children.size()) return EnumResult::kEnd;
    if (children[index].size() > kRegistryTextLimit) return EnumResult::kTooLong;
    strcpy(name, children[index].c_str());
    return EnumResult::kFound;
  }
  EnumResult EnumValue(RegistryRoot root, const char* path, unsigned index, char* name, char* data) override {
    auto it = keys_.find(Lower(Full(root, path)));
    if (it == keys_.end() || index >= it->second.values.size()) return EnumResult::kEnd;
    const auto& value = it->second.values[index];
    if (value.first.size() > kRegistryTextLimit || value.second.size() > kRegistryTextLimit) {
      return EnumResult::kTooLong;
    }
    strcpy(name, value.first.c_str());
    strcpy(data, value.second.c_str());
    return EnumResult::kFound;
  }
  bool DeleteTree(RegistryRoot root, const char* path) override {
    std::string full = Lower(Full(root, path));
    if (undeletable.count(full) || !Has(full)) return false;
    ++deletions;
    for (auto it = keys_.begin(); it != keys_.end();) {
      if (it->first == full || it->first.rfind(full + "\\", 0) == 0) {
        order_.erase(std::find(order_.begin(), order_.end(), it->first));
        it = keys_.erase(it);
      } else {
        ++it;
      }
    }
    return true;
  }

 private:
  struct Key {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values;
  };
  static std::string Full(RegistryRoot root, const char* path) {
    return std::string(root == RegistryRoot::kClassesRoot ? "HKCR\\" : "HKLM\\") + path;
  }
  std::vector<std::string> Children(const std::string& parent) const {
    std::vector<std::string> out;
    std::string prefix = Lower(parent) + "\\";
    for (const std::string& key : order_) {
      if (key.rfind(prefix, 0) == 0 && key.find('\\', prefix.size()) == std::string::npos) {
        const std::string& name = keys_.at(key).name;
        out.push_back(name.substr(name.rfind('\\') + 1));
      }
    }
    return out;
  }
  std::map<std::string, Key> keys_;
  std::vector<std::string> order_;  // creation order: the enumeration order
};

const char kMedia[] = "HKLM\\System\\CurrentControlSet\\services\\Class\\MEDIA\\";
const char kResources[] = "HKLM\\System\\CurrentControlSet\\control\\MediaResources\\";

// A Windows 98 SE machine with an earlier chip driver and other makers' entries.
void EarlierChipMachine(FakeRegistry& r) {
  r.Add(std::string(kMedia) + "0000", {{"DriverDesc", "Other Sound Blaster"}, {"ProviderName", "Trequa"}});
  r.Add(std::string(kMedia) + "0001", {{"Class", "MEDIA"}, {"DriverDesc", "tqi4716 PCI Audio"}});
  r.Add(std::string(kMedia) + "0002", {{"InfPath", "tqpci032.inf"}, {"DriverDesc", "Whatever"}});
  r.Add(std::string(kMedia) + "0001\\Config");
  r.Add(std::string(kResources) + "wave\\sb16.drv<0000>");
  r.Add(std::string(kResources) + "wave\\tqpci.drv<0001>");
  r.Add(std::string(kResources) + "midi\\tqpcifm.drv<0002>");
  r.Add(std::string(kResources) + "mixer\\tqpci.drv<0001>");
  r.Add("HKLM\\Enum\\PCI\\VEN_1B7D&DEV_0342&SUBSYS_00011B7D&REV_01\\BUS_00&DEV_09&FUNC_00");
  r.Add("HKLM\\Enum\\PCI\\VEN_8086&DEV_7110&SUBSYS_00000000&REV_02\\BUS_00&DEV_07&FUNC_00");
  r.Add("HKLM\\Enum\\PCI\\VEN_1B7D&DEV_0312&SUBSYS_00011B7D&REV_00\\BUS_00&DEV_0A&FUNC_00");
  r.Add("HKLM\\Enum\\PCI\\VEN_1B7D&DEV_0511&SUBSYS_00011B7D&REV_00\\BUS_00&DEV_0B&FUNC_00");
  r.Add("HKLM\\Enum\\TQI\\CHILD0000\\0001");
  r.Add("HKLM\\Enum\\TQI\\CHILD0001\\0001");
  r.Add("HKLM\\Enum\\TQI\\OTHER");
  r.Add("HKLM\\Enum\\VIRTUAL\\TQV-SWMIDI\\0000");
  r.Add("HKLM\\Enum\\VIRTUAL\\TQV-JOYSTK\\0000");
  r.Add("HKLM\\Enum\\VIRTUAL\\OTHERVDEV\\0000");
  r.Add("HKCR\\Audio3D");
  r.Add("HKCR\\CLSID\\{D8F1EEE0-F634-11CF-8700-00A0245D918B}\\InprocServer32");
  r.Add("HKCR\\CLSID\\{188135E1-D565-11d2-854F-00A0C99F5D19}\\InprocServer32");
  r.Add("HKCR\\CLSID\\{00000000-1111-2222-3333-444444444444}");
  r.Add("HKLM\\SOFTWARE\\ASIO\\Other Maker ASIO", {{"CLSID", "{11111111-2222-3333-4444-555555555555}"}});
  r.Add("HKLM\\SOFTWARE\\ASIO\\TQI4716 ASIO", {{"CLSID", "{188135e1-d565-11D2-854f-00a0c99f5d19}"},
                                               {"Description", "TQI4716 ASIO"}});
}

}  // namespace

TEST(DriverTreesTest, ChipVariantRemovesTheEarlierDriverAndKeepsTheRest) {
  FakeRegistry r;
  EarlierChipMachine(r);
  EXPECT_EQ(kTreesRemoved, RemoveDriverTrees(r, ChipDriverVariant()));
  struct Row {
    const char* key;
    bool stays;
  } rows[] = {
      {"HKLM\\System\\CurrentControlSet\\services\\Class\\MEDIA\\0000", true},  // ProviderName is not looked at
      {"HKLM\\System\\CurrentControlSet\\services\\Class\\MEDIA\\0001", false},
      {"HKLM\\System\\CurrentControlSet\\services\\Class\\MEDIA\\0002", false},
      {"HKLM\\System\\CurrentControlSet\\control\\MediaResources\\wave\\sb16.drv<0000>", true},
      {"HKLM\\System\\CurrentControlSet\\control\\MediaResources\\wave\\tqpci.drv<0001>", false},
      {"HKLM\\System\\CurrentControlSet\\control\\MediaResources\\mixer\\tqpci.drv<0001>", false},
      {"HKLM\\System\\CurrentControlSet\\control\\MediaResources\\midi\\tqpcifm.drv<0002>", false},
      {"HKLM\\Enum\\PCI\\VEN_1B7D&DEV_0342&SUBSYS_00011B7D&REV_01", false},
      {"HKLM\\Enum\\PCI\\VEN_1B7D&DEV_0312&SUBSYS_00011B7D&REV_00", false},
      {"HKLM\\Enum\\PCI\\VEN_1B7D&DEV_0511&SUBSYS_00011B7D&REV_00", true},
      {"HKLM\\Enum\\PCI\\VEN_8086&DEV_7110&SUBSYS_00000000&REV_02", true},
      {"HKLM\\Enum\\TQI\\CHILD0000", false},
      {"HKLM\\Enum\\TQI\\CHILD0001", false},
      {"HKLM\\Enum\\TQI\\OTHER", true},
      {"HKLM\\Enum\\VIRTUAL\\TQV-SWMIDI", false},
      {"HKLM\\Enum\\VIRTUAL\\TQV-JOYSTK", false},
      {"HKLM\\Enum\\VIRTUAL\\OTHERVDEV", true},
      {"HKCR\\Audio3D", false},
      {"HKCR\\CLSID\\{D8F1EEE0-F634-11CF-8700-00A0245D918B}", false},
      {"HKCR\\CLSID\\{188135E1-D565-11d2-854F-00A0C99F5D19}", false},
      {"HKCR\\CLSID\\{00000000-1111-2222-3333-444444444444}", true},
      {"HKLM\\SOFTWARE\\ASIO", true},
      {"HKLM\\SOFTWARE\\ASIO\\Other Maker ASIO", true},
      {"HKLM\\SOFTWARE\\ASIO\\TQI4716 ASIO", false},
  };
  for (const Row& row : rows) EXPECT_EQ(row.stays, r.Has(row.key)) << row.key;
}

TEST(DriverTreesTest, Ac97VariantUsesProviderNameAndTheControllerPrefix) {
  FakeRegistry r;
  r.Add(std::string(kMedia) + "0000", {{"DriverDesc", "TQI4716 Audio"}, {"ProviderName", "Microsoft"}});
  r.Add(std::string(kMedia) + "0001", {{"DriverDesc", "Intel AC'97"}, {"ProviderName", "tReQuA Inc."}});
  r.Add(std::string(kResources) + "wave\\a.drv<0000>");
  r.Add(std::string(kResources) + "wave\\b.drv<0001>");
  r.Add("HKLM\\Enum\\PCI\\VEN_8086&DEV_2415&SUBSYS_11111111&REV_01\\x");
  r.Add("HKLM\\Enum\\PCI\\VEN_8086&DEV_24150000\\x");  // only the start is compared
  r.Add("HKLM\\Enum\\PCI\\VEN_8086&DEV_2425&SUBSYS_11111111&REV_01\\x");
  EXPECT_EQ(kTreesRemoved, RemoveDriverTrees(r, Ac97DriverVariant(0x8086, 0x2415)));
  EXPECT_TRUE(r.Has(std::string(kMedia) + "0000"));
  EXPECT_FALSE(r.Has(std::string(kMedia) + "0001"));
  EXPECT_TRUE(r.Has(std::string(kResources) + "wave\\a.drv<0000>"));
  EXPECT_FALSE(r.Has(std::string(kResources) + "wave\\b.drv<0001>"));
  EXPECT_FALSE(r.Has("HKLM\\Enum\\PCI\\VEN_8086&DEV_2415&SUBSYS_11111111&REV_01"));
  EXPECT_FALSE(r.Has("HKLM\\Enum\\PCI\\VEN_8086&DEV_24150000"));
  EXPECT_TRUE(r.Has("HKLM\\Enum\\PCI\\VEN_8086&DEV_2425&SUBSYS_11111111&REV_01"));
}

TEST(DriverTreesTest, Statuses) {
  struct Row {
    const char* name;
    const char* undeletable;  // key that refuses deletion, or null
    bool withDevices;
    int status;
    bool registrationsStay;
    bool childStays;
  } rows[] = {
      {"everything removed", nullptr, true, kTreesRemoved, false, false},
      {"no device keys: the registrations stay", nullptr, false, kNoDeviceFound, true, false},
      {"a hardware key that cannot be deleted ends the walk",
       "hklm\\enum\\pci\\ven_1b7d&dev_0342&subsys_00011b7d&rev_01", true, kHardwareKeyStuck, true, true},
      {"a child key that cannot be deleted", "hklm\\enum\\tqi\\child0000", true, kHardwareKeyStuck, true, true},
      {"a virtual device that cannot be deleted", "hklm\\enum\\virtual\\tqv-swmidi", true, kVirtualDeviceStuck, true,
       false},
  };
  for (const Row& row : rows) {
    FakeRegistry r;
    if (row.withDevices) {
      EarlierChipMachine(r);
    } else {
      r.Add(std::string(kMedia) + "0001", {{"DriverDesc", "TQI4716"}});
      r.Add("HKCR\\Audio3D");
    }
    if (row.undeletable) r.undeletable.insert(row.undeletable);
    EXPECT_EQ(row.status, RemoveDriverTrees(r, ChipDriverVariant())) << row.name;
    EXPECT_FALSE(r.Has(std::string(kMedia) + "0001")) << row.name << ": instances go first";
    EXPECT_EQ(row.registrationsStay, r.Has("HKCR\\Audio3D")) << row.name;
    if (row.withDevices) EXPECT_EQ(row.childStays, r.Has("HKLM\\Enum\\TQI\\CHILD0001")) << row.name;
  }
}

TEST(DriverTreesTest, UnlistedControllerSkipsOnlyTheHardwarePass) {
  FakeRegistry r;
  r.Add("HKLM\\Enum\\PCI\\VEN_8086&DEV_9999\\x");
  r.Add("HKLM\\Enum\\VIRTUAL\\TQV-SBEMU\\0000");
  r.Add("HKCR\\Audio3D");
  EXPECT_EQ(kTreesRemoved, RemoveDriverTrees(r, Ac97DriverVariant(0x8086, 0x9999)));
  EXPECT_TRUE(r.Has("HKLM\\Enum\\PCI\\VEN_8086&DEV_9999"));
  EXPECT_FALSE(r.Has("HKLM\\Enum\\VIRTUAL\\TQV-SBEMU"));
  EXPECT_FALSE(r.Has("HKCR\\Audio3D"));
}

TEST(DriverTreesTest, Limits) {
  FakeRegistry r;
  // 101 instances of the earlier driver: the first 100 go.
  for (int i = 0; i <= 100; ++i) {
    char name[8];
    snprintf(name, sizeof name, "%04d", i);
    r.Add(std::string(kMedia) + name, {{"DriverDesc", "Trequa TQI4716"}});
  }
  // 16 resource entries of instance 0003: 15 go.
  for (int i = 0; i < 16; ++i) r.Add(std::string(kResources) + "wave\\dev" + std::to_string(i) + ".drv<0003>");
  // Names and data beyond 80 characters are passed over, not stopped at.
  std::string longName(90, 'L');
  r.Add("HKLM\\Enum\\PCI\\" + longName);
  r.Add("HKLM\\Enum\\PCI\\VEN_1B7D&DEV_0342\\x");
  EXPECT_EQ(kTreesRemoved, RemoveDriverTrees(r, ChipDriverVariant()));
  EXPECT_FALSE(r.Has(std::string(kMedia) + "0099"));
  EXPECT_TRUE(r.Has(std::string(kMedia) + "0100"));
  int left = 0;
  for (int i = 0; i < 16; ++i) left += r.Has(std::string(kResources) + "wave\\dev" + std::to_string(i) + ".drv<0003>");
  EXPECT_EQ(1, left);
  EXPECT_TRUE(r.Has("HKLM\\Enum\\PCI\\" + longName));
  EXPECT_FALSE(r.Has("HKLM\\Enum\\PCI\\VEN_1B7D&DEV_0342"));
}

TEST(DriverTreesTest, InstanceValuesBeyondTheLimitDoNotPass) {
  FakeRegistry r;
  r.Add(std::string(kMedia) + "0000", {{"DriverDesc", "TQI4716" + std::string(80, 'x')}});
  r.Add(std::string(kMedia) + "0001", {{"Junk", std::string(100, 'j')}, {"InfPath", "TQPCI032.INF"}});
  RemoveDriverTrees(r, ChipDriverVariant());
  EXPECT_TRUE(r.Has(std::string(kMedia) + "0000"));
  EXPECT_FALSE(r.Has(std::string(kMedia) + "0001"));
}

TEST(DriverTreesTest, MediaResourceNamesMatchTheirLastFourBeforeTheEnd) {
  FakeRegistry r;
  const std::string wave = std::string(kResources) + "wave";
  for (const char* name : {"a.drv<0000>", "b.drv<0001>", "c.DRV<00a1>", "<0001", "0001>", "x"}) r.Add(wave + "\\" + name);
  DeleteMediaResources(r, "System\\CurrentControlSet\\control\\MediaResources\\wave", "0001");
  EXPECT_TRUE(r.Has(wave + "\\a.drv<0000>"));
  EXPECT_FALSE(r.Has(wave + "\\b.drv<0001>"));
  EXPECT_FALSE(r.Has(wave + "\\0001>"));
  EXPECT_TRUE(r.Has(wave + "\\<0001"));
  DeleteMediaResources(r, "System\\CurrentControlSet\\control\\MediaResources\\wave", "00A1");
  EXPECT_FALSE(r.Has(wave + "\\c.DRV<00a1>"));
}
