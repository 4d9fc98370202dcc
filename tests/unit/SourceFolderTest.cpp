// The SourceFolder rule: the examples of the program's rule, and the cases
// where the folder of the running program file is used instead.
#include <gtest/gtest.h>

#include <string>

#include "app/SourceFolder.h"

namespace {

struct Row {
  const char* argument;
  const char* currentDirectory;
  const char* programFile;
  bool ok;
  const char* expected;
};

const Row kRows[] = {
    {"D:\\Setup.exe", "C:\\", "D:\\Setup.exe", true, "D:\\"},
    {"E:\\Drivers\\Audio\\Setup.exe", "C:\\", "E:\\Drivers\\Audio\\Setup.exe", true, "E:\\Drivers\\Audio\\"},
    {"\\Audio\\Setup.exe", "C:\\Temp", "C:\\Audio\\Setup.exe", true, "C:\\Audio\\"},
    {"Audio\\Setup.exe", "C:\\Temp", "C:\\Temp\\Audio\\Setup.exe", true, "C:Audio\\"},
    {"d:\\setup.exe", "C:\\", "D:\\SETUP.EXE", true, "d:\\"},  // kept as typed
    // Where the rule has no sound answer: the running program file's folder.
    {"\\\\server\\disc\\Setup.exe", "C:\\Temp", "\\\\server\\disc\\Setup.exe", true, "\\\\server\\disc\\"},
    {"Setup", "D:\\", "D:\\Setup.exe", true, "D:\\"},
    {"Setup.exe", "C:\\Windows", "D:\\Audio\\Setup.exe", true, "D:\\Audio\\"},
    {"\\Setup.exe", "C:\\Temp", "C:\\Setup.exe", true, "C:\\"},
    {"Audio\\Setup.exe", "\\\\server\\share", "\\\\server\\share\\Audio\\Setup.exe", true,
     "\\\\server\\share\\Audio\\"},
    {"", "C:\\", "C:\\Disc\\Setup.exe", true, "C:\\Disc\\"},
    // Nothing usable at all.
    {"Setup", "C:\\", "", false, ""},
};

}  // namespace

TEST(SourceFolderTest, DerivesTheFolderForEveryRow) {
  for (const Row& row : kRows) {
    char out[kPathCapacity];
    memset(out, 'x', sizeof out);
    bool ok = DeriveSourceFolder(row.argument, row.currentDirectory, row.programFile, out);
    EXPECT_EQ(row.ok, ok) << row.argument << " in " << row.currentDirectory;
    EXPECT_STREQ(row.expected, out) << row.argument << " in " << row.currentDirectory;
  }
}

TEST(SourceFolderTest, AFolderThatDoesNotFitIsRefusedNotCut) {
  // 259 characters of folder plus the backslash: one more than a path may hold.
  std::string folder = "C:\\" + std::string(256, 'a');
  std::string argument = folder + "\\Setup.exe";
  char out[kPathCapacity + 16];
  memset(out, 'x', sizeof out);
  out[kPathCapacity] = '#';
  EXPECT_FALSE(DeriveSourceFolder(argument.c_str(), "C:\\", argument.c_str(), out));
  EXPECT_STREQ("", out);
  EXPECT_EQ('#', out[kPathCapacity]);

  // One shorter fits exactly: 258 characters, the backslash, the terminator.
  std::string fits = "C:\\" + std::string(255, 'a');
  std::string fitsArgument = fits + "\\Setup.exe";
  EXPECT_TRUE(DeriveSourceFolder(fitsArgument.c_str(), "C:\\", fitsArgument.c_str(), out));
  EXPECT_EQ(fits + "\\", out);
}

TEST(SourceFolderTest, AnOverlongProgramFileFolderIsRefused) {
  std::string file = "\\\\server\\" + std::string(300, 'b') + "\\Setup.exe";
  char out[kPathCapacity];
  EXPECT_FALSE(DeriveSourceFolder(file.c_str(), "C:\\", file.c_str(), out));
  EXPECT_STREQ("", out);
}

TEST(SourceFolderTest, FolderOfFile) {
  char out[16];
  EXPECT_TRUE(FolderOfFile("C:\\A\\b.exe", out, sizeof out));
  EXPECT_STREQ("C:\\A\\", out);
  EXPECT_FALSE(FolderOfFile("b.exe", out, sizeof out));
  EXPECT_STREQ("", out);
  EXPECT_FALSE(FolderOfFile("C:\\folder1234567\\b.exe", out, sizeof out));
  EXPECT_STREQ("", out);
}
