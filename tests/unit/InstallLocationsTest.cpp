// Adding the staging folder to the install-locations list.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "install/InstallLocations.h"

namespace {

const char kFolder[] = "C:\\PROG~FBU\\TREQUA\\WIN_ME\\";

struct Row {
  const char* name;
  std::map<char, const char*> values;
  bool writeFolder;
  char letter;
  bool writeMru;
  const char* mru;
};

}  // namespace

TEST(InstallLocationsTest, PlansEveryRow) {
  std::map<char, const char*> all;
  for (char c = 'a'; c <= 'z'; ++c) all[c] = "D:\\WIN98\\";
  Row rows[] = {
      {"an empty list", {}, true, 'a', true, "a"},
      {"a to c used, d missing", {{'a', "A:\\"}, {'b', "B:\\"}, {'c', "C:\\X\\"}}, true, 'd', true, "dabc"},
      {"already listed in another letter case",
       {{'a', "A:\\"}, {'b', "c:\\prog~fbu\\trequa\\win_me\\"}}, false, 0, false, ""},
      {"the first gap is used, the order is alphabetical",
       {{'b', "B:\\"}, {'c', ""}, {'e', "E:\\"}}, true, 'a', true, "abe"},
      {"every letter in use: a is replaced, MRUList stays", all, true, 'a', false, ""},
      {"a value of another type keeps its letter",
       {{'a', kUnreadableLocation}, {'c', "C:\\"}}, true, 'b', true, "bac"},
  };
  for (const Row& row : rows) {
    const char* values[kInstallLocationLetters] = {};
    for (const auto& entry : row.values) values[entry.first - 'a'] = entry.second;
    InstallLocationsUpdate plan = PlanInstallLocations(values, kFolder);
    EXPECT_EQ(row.writeFolder, plan.writeFolder) << row.name;
    if (row.writeFolder) {
      EXPECT_EQ(row.letter, plan.letter) << row.name;
    }
    EXPECT_EQ(row.writeMru, plan.writeMruList) << row.name;
    if (row.writeMru) {
      EXPECT_STREQ(row.mru, plan.mruList) << row.name;
    }
  }
}
