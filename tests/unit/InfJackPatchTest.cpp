// The INF jack patch: the characters, the byte chosen in the file, and the
// patch itself on real files.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "install/InfJackPatch.h"

namespace {

// The DWORD form of the disc's AddReg lines: offset 48 is the third digit from
// the end of EnableLegacy and the last digit of JackConfig.
const std::string kLegacyLine = "HKR,\"Settings\",\"EnableLegacy\",0x00010001,0x00000700";
const std::string kJackLine = "HKR,\"Settings\",\"JackConfig\",0x00010001,0x00000001";

std::string Inf(const std::string& eol, const std::string& body) {
  std::string out;
  size_t start = 0;
  while (start <= body.size()) {
    size_t end = body.find('\n', start);
    if (end == std::string::npos) end = body.size();
    out += body.substr(start, end - start);
    if (end < body.size()) out += eol;
    start = end + 1;
  }
  return out;
}

long Offset(const std::string& data, const char* prefix) {
  return FindJackPatchOffset(data.data(), data.size(), prefix);
}

JackOptions Jack(int rear, int centerSub, int mic, int game, int midi) {
  JackOptions o;
  o.lineInSharesRear = rear;
  o.lineInSharesCenterSub = centerSub;
  o.micSharesSub = mic;
  o.gamePortEnabled = game;
  o.midiPortEnabled = midi;
  return o;
}

}  // namespace

TEST(InfJackPatchTest, Characters) {
  struct Row {
    JackOptions options;
    char legacy, jack;
  } rows[] = {
      {Jack(1, 0, 0, 1, 1), '7', '1'},  // the dialog's defaults
      {Jack(0, 0, 0, 0, 0), '2', '0'},  {Jack(0, 0, 0, 1, 0), '3', '0'}, {Jack(0, 0, 0, 0, 1), '6', '0'},
      {Jack(0, 1, 0, 1, 1), '7', '2'},  {Jack(0, 0, 1, 1, 1), '7', '4'}, {Jack(1, 0, 1, 1, 1), '7', '5'},
      {Jack(1, 1, 1, 1, 1), '7', '7'},  {Jack(5, 0, 0, 9, 0), '3', '1'},  // nonzero counts as set
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.legacy, EnableLegacyCharacter(row.options));
    EXPECT_EQ(row.jack, JackConfigCharacter(row.options));
  }
}

TEST(InfJackPatchTest, ChoosesTheByteOfEachValue) {
  const std::string header = "[Version]\nSignature=\"$CHICAGO$\"\n\n[CONFIG1.AddReg]\n";
  struct Row {
    const char* name;
    std::string data;
    long legacy;  // offset, or -1
    long jack;
  };
  std::string crlf = Inf("\r\n", header + kLegacyLine + "\n" + kJackLine + "\n");
  size_t legacyStart = crlf.find("HKR,\"Settings\",\"EnableLegacy\"");
  size_t jackStart = crlf.find("HKR,\"Settings\",\"JackConfig\"");
  std::string lf = Inf("\n", header + kLegacyLine + "\n" + kJackLine);
  std::string before = Inf("\r\n", kJackLine + "\n" + header + kLegacyLine + "\n" + kJackLine + "\n");
  std::string shortLine = Inf("\r\n", header + "HKR,\"Settings\",\"JackConfig\",1,0x1\n" + kJackLine + "\n");
  std::string longLines = Inf("\r\n", std::string(3000, ';') + "\n" + header + std::string(1500, 'x') + "\n" +
                                          kLegacyLine + std::string(2000, ' ') + "\n" + kJackLine + "\n");
  std::string binary = std::string("\0\x01\xff\r\n", 5) + Inf("\r\n", header + kJackLine + "\n");
  Row rows[] = {
      {"CR LF", crlf, static_cast<long>(legacyStart + 48), static_cast<long>(jackStart + 48)},
      {"LF only", lf, static_cast<long>(lf.find("HKR,\"Settings\",\"Enable") + 48),
       static_cast<long>(lf.find("HKR,\"Settings\",\"Jack") + 48)},
      {"a value before the header does not count", before, static_cast<long>(before.find("HKR,\"Settings\",\"Enable") + 48),
       static_cast<long>(before.find("HKR,\"Settings\",\"Jack", before.find("[CONFIG1")) + 48)},
      {"no header", Inf("\r\n", kLegacyLine + "\n" + kJackLine + "\n"), kNoPatch, kNoPatch},
      {"a first value line too short is not patched", shortLine, kNoPatch, kNoPatch},
      {"lines of any length", longLines, static_cast<long>(longLines.find("HKR,\"Settings\",\"Enable") + 48),
       static_cast<long>(longLines.find("HKR,\"Settings\",\"Jack") + 48)},
      {"binary noise before", binary, kNoPatch, static_cast<long>(binary.find("HKR,\"Settings\",\"Jack") + 48)},
      {"empty", "", kNoPatch, kNoPatch},
      {"header only", "[CONFIG1.AddReg]", kNoPatch, kNoPatch},
      {"header case differs", Inf("\r\n", "[config1.addreg]\n" + kJackLine), kNoPatch, kNoPatch},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.legacy, Offset(row.data, kEnableLegacyPrefix)) << row.name;
    EXPECT_EQ(row.jack, Offset(row.data, kJackConfigPrefix)) << row.name;
  }
  // In the disc's DWORD lines the offset is a digit of the value.
  EXPECT_EQ('7', crlf[legacyStart + 48]);
  EXPECT_EQ('1', crlf[jackStart + 48]);
}

namespace {

class InfFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + "jack-" + std::to_string(GetCurrentProcessId()) + ".inf";
  }
  void TearDown() override {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path_.c_str());
  }
  void Write(const std::string& data) {
    std::ofstream(path_, std::ios::binary) << data;
  }
  std::string Read() {
    std::ifstream in(path_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::string path_;
};

}  // namespace

TEST_F(InfFileTest, PatchesOneBytePerValueAndTwiceIsLikeOnce) {
  std::string original = Inf("\r\n", "[CONFIG1.AddReg]\n" + kLegacyLine + "\n" + kJackLine + "\n[Strings]\n");
  Write(original);
  JackOptions options = Jack(1, 0, 1, 1, 0);  // sum 5, MIDI port disabled
  PatchInfJackConfig(path_.c_str(), options);
  std::string once = Read();
  ASSERT_EQ(original.size(), once.size());
  int changed = 0;
  for (size_t i = 0; i < once.size(); ++i) changed += once[i] != original[i];
  EXPECT_EQ(2, changed);
  EXPECT_NE(std::string::npos, once.find("\"EnableLegacy\",0x00010001,0x00000300\r\n"));
  EXPECT_NE(std::string::npos, once.find("\"JackConfig\",0x00010001,0x00000005\r\n"));
  PatchInfJackConfig(path_.c_str(), options);
  EXPECT_EQ(once, Read());
}

TEST_F(InfFileTest, LeavesFilesWithoutTheValuesAlone) {
  const std::string samples[] = {
      "",
      Inf("\r\n", "[Version]\nSignature=\"$CHICAGO$\"\n"),
      Inf("\r\n", kLegacyLine + "\n" + kJackLine + "\n"),
      Inf("\n", "[CONFIG1.AddReg]\nHKR,\"Settings\",\"JackConfig\",1\n"),
      std::string("\x7f" "ELF\0\0\0\x01[CONFIG1.AddReg]", 22),
  };
  for (const std::string& sample : samples) {
    Write(sample);
    PatchInfJackConfig(path_.c_str(), Jack(1, 1, 1, 1, 1));
    EXPECT_EQ(sample, Read());
  }
}

TEST_F(InfFileTest, AMissingFileIsSkipped) {
  PatchInfJackConfig((path_ + ".absent").c_str(), Jack(0, 0, 1, 1, 1));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((path_ + ".absent").c_str()));
}
