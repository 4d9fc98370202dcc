// The Windows NT 4.0 installation: which mixers are the maker's, and staged
// mode's copies and pending operations (Wine offers no mixer device that a
// test could name after the maker, so staged mode is exercised here).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "install/Nt4Driver.h"

TEST(Nt4DriverTest, MakersMixerNames) {
  struct Row {
    const char* name;
    bool makers;
  } rows[] = {
      {"Trequa 4716 Mixer", true},     {"trequa pci mixer", true},        {"TREQUA AUDIO MIXER v2", true},
      {"tq4316 pci mixer", true},      {"Audio by Trequa", true},         {"TREQUA MIXER", false},
      {"SB16 Mixer", false},           {"", false},                       {"Trequ", false},
  };
  for (const Row& row : rows) EXPECT_EQ(row.makers, IsMakersMixerName(row.name)) << row.name;
}

TEST(Nt4DriverTest, FileSets) {
  const Nt4DriverFile* files = nullptr;
  ASSERT_EQ(6, Nt4DriverFiles(false, &files));
  EXPECT_STREQ("TQUninst.exe", files[2].target);
  EXPECT_EQ(nullptr, files[0].fallback);
  ASSERT_EQ(5, Nt4DriverFiles(true, &files));
  EXPECT_STREQ("System32\\Drivers\\LNK97K.sys", files[1].target);
  EXPECT_STREQ("LNK97K.sys", files[1].fallback);
}

namespace {

std::vector<std::string> PendingOperations() {
  HKEY key;
  std::vector<std::string> out;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0, KEY_ALL_ACCESS,
                    &key) != ERROR_SUCCESS) {
    return out;
  }
  std::vector<char> data(65536);
  DWORD size = static_cast<DWORD>(data.size());
  if (RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()),
                       &size) == ERROR_SUCCESS) {
    // Pairs of names; a deletion's new name is empty, so the list is read by
    // its size rather than up to the first empty string.
    std::string all(data.data(), size);
    while (!all.empty() && all.back() == '\0') all.pop_back();
    size_t start = 0;
    while (start <= all.size()) {
      size_t end = all.find('\0', start);
      if (end == std::string::npos) end = all.size();
      out.push_back(all.substr(start, end - start));
      start = end + 1;
    }
  }
  RegDeleteValueA(key, "PendingFileRenameOperations");
  RegCloseKey(key);
  return out;
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

TEST(Nt4DriverTest, StagedModeCopiesAndSchedulesDeletionThenRename) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  std::string windows = std::string(temp) + "nt4-" + std::to_string(GetCurrentProcessId()) + "\\";
  std::string disc = windows + "disc\\";
  for (const char* folder : {"", "System32", "System32\\Drivers", "disc"}) {
    CreateDirectoryA((windows + folder).c_str(), nullptr);
  }
  const Nt4DriverFile* files = nullptr;
  int count = Nt4DriverFiles(false, &files);
  std::vector<std::string> sources;
  for (int i = 0; i < count; ++i) {
    sources.push_back(disc + "file" + std::to_string(i));
    HANDLE h = CreateFileA(sources.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    WriteFile(h, "new", 3, &written, nullptr);
    CloseHandle(h);
  }
  std::vector<const char*> pointers;
  for (const std::string& s : sources) pointers.push_back(s.c_str());
  PendingOperations();  // start from none

  StageNt4FilesForRestart(windows.c_str(), pointers.data(), files, count);

  std::vector<std::string> pending = PendingOperations();
  ASSERT_EQ(static_cast<size_t>(count) * 4, pending.size());
  for (int i = 0; i < count; ++i) {
    std::string target = Upper(windows + files[i].target);
    std::string staging = Upper(windows + files[i].staging);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((windows + files[i].staging).c_str())) << files[i].staging;
    // Deletion of the target (no new name), then the staging copy renamed onto it.
    EXPECT_EQ("\\??\\" + target, Upper(pending[i * 4])) << i;
    EXPECT_EQ("", pending[i * 4 + 1]) << i;
    EXPECT_EQ("\\??\\" + staging, Upper(pending[i * 4 + 2])) << i;
    EXPECT_EQ("\\??\\" + target, Upper(pending[i * 4 + 3])) << i;
  }
}
