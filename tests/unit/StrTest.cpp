// The bounded string helpers never write past a buffer and say when text
// did not fit.
#include <gtest/gtest.h>

#include <string.h>

#include "platform/Str.h"

TEST(StrTest, CopyRefusesTextThatDoesNotFitAndLeavesTheBufferAlone) {
  char buffer[6];
  memset(buffer, 'x', sizeof buffer);
  buffer[5] = '\0';
  EXPECT_FALSE(str::Copy(buffer, 5, "abcde"));
  EXPECT_STREQ("xxxxx", buffer);
  EXPECT_TRUE(str::Copy(buffer, 5, "abcd"));
  EXPECT_STREQ("abcd", buffer);
}

TEST(StrTest, CopyTruncatedCutsToCapacityAndReportsIt) {
  char buffer[8] = {};
  buffer[4] = '#';
  EXPECT_FALSE(str::CopyTruncated(buffer, 4, "abcdef"));
  EXPECT_STREQ("abc", buffer);
  EXPECT_EQ('#', buffer[4]);
}

TEST(StrTest, AppendKeepsTheTextWhenTheResultWouldNotFit) {
  char buffer[8] = "abc";
  EXPECT_FALSE(str::Append(buffer, sizeof buffer, "defgh"));
  EXPECT_STREQ("abc", buffer);
  EXPECT_TRUE(str::Append(buffer, sizeof buffer, "defg"));
  EXPECT_STREQ("abcdefg", buffer);
}

TEST(StrTest, TrailingBackslash) {
  struct Row {
    const char* text;
    size_t capacity;
    bool ok;
    const char* expected;
  } rows[] = {
      {"C:\\A", 8, true, "C:\\A\\"},
      {"C:\\A\\", 8, true, "C:\\A\\"},
      {"", 8, true, ""},
      {"C:\\A", 5, false, "C:\\A"},  // no room for the backslash
  };
  for (const Row& row : rows) {
    char buffer[16];
    strcpy(buffer, row.text);
    EXPECT_EQ(row.ok, str::EnsureTrailingBackslash(buffer, row.capacity)) << row.text;
    EXPECT_STREQ(row.expected, buffer) << row.text;
  }
}

TEST(StrTest, ContainsIsAPlainCaseSensitiveSubstringTest) {
  EXPECT_TRUE(str::Contains("D:\\MAPS\\SETUP.EXE", "AP"));
  EXPECT_TRUE(str::Contains("/NO_MSG", "NO_MSG"));
  EXPECT_FALSE(str::Contains("/no_msg", "NO_MSG"));
  EXPECT_FALSE(str::Contains("NO_MS", "NO_MSG"));
  EXPECT_TRUE(str::Contains("anything", ""));
}
