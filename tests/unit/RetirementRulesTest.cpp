// Which INF files are the maker's, their PNF names, and the WIN.INI "run"
// line without the earlier driver's programs.
#include <gtest/gtest.h>

#include <string>

#include "cleanup/RetirementRules.h"

TEST(RetirementRulesTest, MakersInfFiles) {
  struct Row {
    const char* legacy;
    const char* wdm;
    const char* uda;
    bool makers;
  } rows[] = {
      {"TQI4716 Legacy Device", "", "", true},       {"", "TQI4316 Wave", "", true},
      {"", "", "TQAUDIO WDM Audio Driver", true},     {"", "", "Trequa AC97", true},
      {"tqi4716 legacy", "", "", false},             {"TREQUA", "", "", false},
      {"", "", "", false},                           {"Creative", "ESS", "Yamaha", false},
      {" TQI4716", "", "", false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.makers, InfBelongsToMaker(row.legacy, row.wdm, row.uda))
        << row.legacy << "|" << row.wdm << "|" << row.uda;
  }
}

TEST(RetirementRulesTest, PnfPaths) {
  char out[64];
  ASSERT_TRUE(PnfPathOf("C:\\WINDOWS\\INF\\OTHER\\OEM12.INF", out, sizeof out));
  EXPECT_STREQ("C:\\WINDOWS\\INF\\OTHER\\OEM12.PNF", out);
  EXPECT_TRUE(PnfPathOf("C:\\WINDOWS\\INF\\tq.inf", out, sizeof out));
  EXPECT_STREQ("C:\\WINDOWS\\INF\\tq.PNF", out);
  EXPECT_FALSE(PnfPathOf("ab", out, sizeof out));
  EXPECT_FALSE(PnfPathOf("C:\\a-path-that-is-longer-than-the-buffer-it-is-given.INF", out, 16));
}

TEST(RetirementRulesTest, RunLine) {
  struct Row {
    const char* line;
    bool changed;
    const char* expected;
  } rows[] = {
      {"C:\\WINDOWS\\SYSTEM\\TQMPU.EXE", true, ""},
      {"C:\\PROGRA~1\\OTHER\\TRAY.EXE tqmpu.exe C:\\WINDOWS\\SYSTEM\\PARSEDLS.EXE NOTEPAD", true,
       "C:\\PROGRA~1\\OTHER\\TRAY.EXE NOTEPAD"},
      {"TQMPU  other.exe", true, "other.exe"},
      {"setaudio.com, other.exe", true, "other.exe"},
      {"C:\\OTHER\\NOTTQMPU.EXE other.exe", false, nullptr},
      {"TQMPU.EXE.BAK", false, nullptr},
      {"", false, nullptr},
  };
  for (const Row& row : rows) {
    char out[256] = "untouched";
    EXPECT_EQ(row.changed, RemoveRetiredPrograms(row.line, out, sizeof out)) << row.line;
    EXPECT_STREQ(row.changed ? row.expected : "untouched", out) << row.line;
  }
  // A line of 1000 characters keeps every other entry, in order.
  std::string longLine;
  std::string expected;
  for (int i = 0; i < 80; ++i) {
    std::string entry = "PROG" + std::to_string(i) + ".EXE";
    longLine += entry + " ";
    expected += (expected.empty() ? "" : " ") + entry;
    if (i == 40) longLine += "C:\\WINDOWS\\SYSTEM\\TQMPU.EXE ";
  }
  longLine += std::string(1000 - std::min<size_t>(longLine.size(), 1000), ' ');
  char out[4096];
  EXPECT_TRUE(RemoveRetiredPrograms(longLine.c_str(), out, sizeof out));
  EXPECT_EQ(expected, out);
}
