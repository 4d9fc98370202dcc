// Hexadecimal IDs as people write them into "setup.ini".
#include <gtest/gtest.h>

#include "app/HexText.h"

TEST(HexTextTest, ParsesEveryRow) {
  struct Row {
    const char* text;
    uint32_t expected;
  } rows[] = {
      {"1B7D", 0x1B7D},      {"1b7d", 0x1B7D},      {"0342", 0x0342},     {"0x8086", 0x8086},
      {"0X24c5", 0x24C5},    {"  10de", 0x10DE},    {"12G4", 0x12},       {"", 0},
      {"GARBAGE", 0},        {"-1", 0},             {"0x", 0},            {"0", 0},
      {"123456789", 0x23456789},  // longer than 32 bits keeps the low bits
      {"FFFFFFFFF", 0xFFFFFFFF},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.expected, ParseHexText(row.text)) << "text \"" << row.text << "\"";
  }
}
