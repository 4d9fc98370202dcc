// Installation-location list planning: see InstallLocations.h.
#include "install/InstallLocations.h"

#include "platform/Str.h"

const char kUnreadableLocation[] = "\x01";

InstallLocationsUpdate PlanInstallLocations(const char* const values[kInstallLocationLetters], const char* folder) {
  InstallLocationsUpdate plan = {false, 0, false, ""};
  char order[kInstallLocationLetters + 1] = "";
  int orderLength = 0;
  char freeLetter = 0;
  for (int i = 0; i < kInstallLocationLetters; ++i) {
    char letter = static_cast<char>('a' + i);
    const char* value = values[i];
    if (value != nullptr && value[0] != '\0') {
      if (str::EqualNoCase(value, folder)) return plan;  // already listed
      order[orderLength++] = letter;
      order[orderLength] = '\0';
    } else if (freeLetter == 0) {
      freeLetter = letter;
    }
  }
  plan.writeFolder = true;
  if (freeLetter == 0) {
    plan.letter = 'a';
    return plan;
  }
  plan.letter = freeLetter;
  plan.writeMruList = true;
  plan.mruList[0] = freeLetter;
  str::Copy(plan.mruList + 1, sizeof plan.mruList - 1, order);
  return plan;
}
