// The default audio format chosen from "SystemFormats".
#include <gtest/gtest.h>

#include <string>

#include "app/AudioFormats.h"

TEST(AudioFormatsTest, ChoosesTheFirstCdItemBeforeAComma) {
  struct Row {
    std::string formats;
    const char* chosen;  // null: nothing chosen
  } rows[] = {
      {"CD Quality,Radio Quality,Telephone Quality", "CD Quality"},
      {"Radio Quality,My CD Format,CD Quality,", "My CD Format"},
      {"Radio Quality,Telephone Quality,CD Quality", nullptr},  // the last item is never examined
      {"CD Quality", nullptr},                                    // no comma at all
      {"cd quality,Radio", nullptr},                              // case-sensitive
      {",CD,", "CD"},
      {"", nullptr},
      {std::string(1000, 'x') + "CD," + std::string(20, 'y'), nullptr},  // see below
  };
  rows[7].chosen = nullptr;
  for (Row& row : rows) {
    char out[1025];
    bool chosen = ChooseCdAudioFormat(row.formats.c_str(), out, sizeof out);
    if (row.formats.size() > 1000) {
      EXPECT_TRUE(chosen);
      EXPECT_EQ(std::string(1000, 'x') + "CD", out);
      continue;
    }
    EXPECT_EQ(row.chosen != nullptr, chosen) << row.formats;
    EXPECT_STREQ(row.chosen ? row.chosen : "", out) << row.formats;
  }
}

TEST(AudioFormatsTest, AnItemLongerThanTheBufferIsNotCut) {
  std::string formats = std::string(40, 'C') + "D,Radio";
  char out[16] = "sentinel";
  EXPECT_FALSE(ChooseCdAudioFormat(formats.c_str(), out, sizeof out));
  EXPECT_STREQ("", out);
}
