// The PCI scan over an in-memory configuration space: scan order, the vendor
// pre-filter, the vendor of function 0 reused for every function, the bus
// limit, both modes, and a signature left alone when nothing matches.
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "detect/PciScan.h"

namespace {

struct Function {
  int bus, device, function;
  uint16_t vendorId, deviceId;
};

class MemorySource : public PciConfigSource {
 public:
  explicit MemorySource(std::vector<Function> functions, bool present = true) : present_(present) {
    for (const Function& f : functions) {
      uint8_t devfn = static_cast<uint8_t>(f.device * 8 + f.function);
      words_[{f.bus, devfn, 0}] = f.vendorId;
      words_[{f.bus, devfn, 2}] = f.deviceId;
    }
  }
  bool IsPresent() override { return present_; }
  uint16_t ReadConfigWord(uint8_t bus, uint8_t devfn, uint8_t offset) override {
    reads.push_back({bus, devfn, offset});
    auto it = words_.find({bus, devfn, offset});
    return it == words_.end() ? 0xFFFF : it->second;
  }
  std::vector<std::tuple<int, int, int>> reads;

 private:
  bool present_;
  std::map<std::tuple<int, int, int>, uint16_t> words_;
};

const DeviceSignature kUntouched = {0xAAAA, 0xBBBB, 0xCCCC, 0xDDDD};

struct Row {
  const char* name;
  std::vector<Function> functions;
  int mode;
  bool found;
  DeviceSignature expected;
};

std::vector<Row> Rows() {
  return {
      {"chip mode finds the TQI4716", {{0, 9, 0, 0x1B7D, 0x0342}}, kChipMode, true, {0x1B7D, 0x0342, 0, 0}},
      {"chip mode ignores a listed AC'97 controller", {{0, 31, 0, 0x8086, 0x24C0}, {0, 31, 5, 0x8086, 0x24C5}}, kChipMode, false, kUntouched},
      {"AC'97 mode finds a listed controller",
       {{0, 31, 0, 0x8086, 0x24C0}, {0, 31, 5, 0x8086, 0x24C5}}, kAc97ControllerMode, true, {0x8086, 0x24C5, 0x5A51, 0x4857}},
      {"AC'97 mode never accepts the chip", {{0, 9, 0, 0x1B7D, 0x0342}}, kAc97ControllerMode, false, kUntouched},
      {"AC'97 mode: an unlisted device of a listed vendor",
       {{0, 2, 0, 0x1106, 0x3057}}, kAc97ControllerMode, false, kUntouched},
      {"each listed vendor: ALi", {{1, 4, 0, 0x10B9, 0x5451}}, kAc97ControllerMode, true,
       {0x10B9, 0x5451, 0x5A51, 0x4857}},
      {"each listed vendor: NVIDIA", {{0, 6, 0, 0x10DE, 0x006A}}, kAc97ControllerMode, true,
       {0x10DE, 0x006A, 0x5A51, 0x4857}},
      {"each listed vendor: SiS", {{0, 2, 0, 0x1039, 0x0008}, {0, 2, 7, 0x1039, 0x7018}}, kAc97ControllerMode, true,
       {0x1039, 0x7018, 0x5A51, 0x4857}},
      {"each listed vendor: VIA", {{0, 17, 0, 0x1106, 0x3177}, {0, 17, 5, 0x1106, 0x3059}}, kAc97ControllerMode, true,
       {0x1106, 0x3059, 0x5A51, 0x4857}},
      {"a function is compared under the vendor of function 0",
       {{0, 3, 0, 0x1B7D, 0x0001}, {0, 3, 4, 0x9999, 0x0342}}, kChipMode, true, {0x1B7D, 0x0342, 0, 0}},
      {"a device whose function 0 fails the pre-filter is skipped whole",
       {{0, 3, 0, 0x1234, 0x0001}, {0, 3, 1, 0x1B7D, 0x0342}}, kChipMode, false, kUntouched},
      {"bus 7 is the last one scanned", {{7, 31, 0, 0x1B7D, 0x0001}, {7, 31, 7, 0x1B7D, 0x0342}}, kChipMode, true, {0x1B7D, 0x0342, 0, 0}},
      {"bus 8 is never examined", {{8, 0, 0, 0x1B7D, 0x0342}}, kChipMode, false, kUntouched},
      {"the lower bus wins",
       {{2, 0, 0, 0x8086, 0x2415}, {1, 20, 0, 0x1039, 0x7012}}, kAc97ControllerMode, true,
       {0x1039, 0x7012, 0x5A51, 0x4857}},
      {"then the lower device",
       {{0, 20, 0, 0x8086, 0x2415}, {0, 4, 0, 0x1039, 0x0008}, {0, 4, 6, 0x1039, 0x7012}}, kAc97ControllerMode, true,
       {0x1039, 0x7012, 0x5A51, 0x4857}},
      {"then the lower function",
       {{0, 4, 0, 0x8086, 0x0000}, {0, 4, 6, 0x8086, 0x2445}, {0, 4, 3, 0x8086, 0x2425}}, kAc97ControllerMode, true,
       {0x8086, 0x2425, 0x5A51, 0x4857}},
      {"a function without function 0 is never reached", {{0, 31, 5, 0x8086, 0x24C5}}, kAc97ControllerMode, false,
       kUntouched},
      {"an empty machine", {}, kChipMode, false, kUntouched},
  };
}

}  // namespace

TEST(PciScanTest, ScansEveryRow) {
  for (const Row& row : Rows()) {
    MemorySource source(row.functions);
    DeviceSignature signature = kUntouched;
    EXPECT_EQ(row.found, ScanPciSource(source, row.mode, signature)) << row.name;
    EXPECT_EQ(row.expected.vendorId, signature.vendorId) << row.name;
    EXPECT_EQ(row.expected.deviceId, signature.deviceId) << row.name;
    EXPECT_EQ(row.expected.signatureWord1, signature.signatureWord1) << row.name;
    EXPECT_EQ(row.expected.signatureWord2, signature.signatureWord2) << row.name;
  }
}

TEST(PciScanTest, WithoutAPciBiosNothingIsReadAndTheSignatureStays) {
  MemorySource source({{0, 9, 0, 0x1B7D, 0x0342}}, /*present=*/false);
  DeviceSignature signature = kUntouched;
  EXPECT_FALSE(ScanPciSource(source, kChipMode, signature));
  EXPECT_TRUE(source.reads.empty());
  EXPECT_EQ(0xAAAA, signature.vendorId);
}

TEST(PciScanTest, ReadsVendorOnceThenEveryFunctionsDeviceIdInOrder) {
  MemorySource source({{0, 0, 0, 0x8086, 0x1111}});
  DeviceSignature signature = kUntouched;
  ScanPciSource(source, kChipMode, signature);
  // Device 0 of bus 0: its vendor, then the device IDs of functions 0 to 7.
  ASSERT_GE(source.reads.size(), 9u);
  EXPECT_EQ(std::make_tuple(0, 0, 0), source.reads[0]);
  for (int function = 0; function < 8; ++function) {
    EXPECT_EQ(std::make_tuple(0, function, 2), source.reads[1 + function]) << "function " << function;
  }
  // Then device 1: one vendor read (empty slot), no device reads.
  EXPECT_EQ(std::make_tuple(0, 8, 0), source.reads[9]);
  // 8 buses x 32 devices vendor reads, plus 8 device reads for the one device.
  EXPECT_EQ(8u * 32u + 8u, source.reads.size());
}

TEST(PciScanTest, SignatureChecksOfStartUp) {
  EXPECT_TRUE(ChipFound({0x1B7D, 0x0342, 0, 0}));
  EXPECT_FALSE(ChipFound({0x1B7D, 0x0343, 0, 0}));
  struct Row {
    DeviceSignature signature;
    bool valid;
  } rows[] = {
      {{0x8086, 0x24C5, 0x5A51, 0x4857}, true},  {{0x1B7D, 0x0342, 0x5A51, 0x4877}, true},
      {{0x1B7D, 0x0342, 0, 0}, false},           {{0, 0x24C5, 0x5A51, 0x4857}, false},
      {{0x8086, 0, 0x5A51, 0x4857}, false},      {{0x8086, 0x24C5, 0x5A52, 0x4857}, false},
      {{0x8086, 0x24C5, 0x5A51, 0x4858}, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.valid, SignatureValid(row.signature))
        << std::hex << row.signature.vendorId << "/" << row.signature.deviceId << " "
        << row.signature.signatureWord1 << "/" << row.signature.signatureWord2;
  }
}
