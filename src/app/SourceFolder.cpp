// SourceFolder derivation: see SourceFolder.h.
#include "app/SourceFolder.h"

#include "platform/Str.h"

bool FolderOfFile(const char* filePath, char* out, size_t capacity) {
  out[0] = '\0';
  long cut = str::LastIndexOf(filePath, '\\');
  if (cut < 0 || static_cast<size_t>(cut) + 2 > capacity) return false;
  for (long i = 0; i <= cut; ++i) out[i] = filePath[i];
  out[cut + 1] = '\0';
  return true;
}

namespace {

bool IsUncPath(const char* p) { return p[0] == '\\' && p[1] == '\\'; }
bool HasDriveLetter(const char* p) { return p[0] != '\0' && p[1] == ':'; }

// The program's own rule, for paths it handles soundly.
bool DeriveFromArgument(const char* argument, const char* currentDirectory, char* out) {
  // The argument still holds the file name: work in a larger buffer and
  // require only the folder to fit.
  char folder[4 * kPathCapacity];
  if (!str::Copy(folder, sizeof folder, argument)) return false;
  // Cut at the last backslash found above position 0.
  long cut = str::LastIndexOf(folder, '\\');
  if (cut > 0) folder[cut] = '\0';

  char result[kPathCapacity] = "";
  if (!HasDriveLetter(folder)) {
    // The current directory's drive, as "C:".
    long colon = -1;
    for (long i = 0; currentDirectory[i] != '\0'; ++i) {
      if (currentDirectory[i] == ':') {
        colon = i;
        break;
      }
    }
    for (long i = 0; i <= colon && i + 1 < static_cast<long>(sizeof result); ++i) {
      result[i] = currentDirectory[i];
      result[i + 1] = '\0';
    }
    if (folder[1] == '\\' && !str::AppendChar(result, sizeof result, '\\')) return false;
  }
  if (!str::Append(result, sizeof result, folder)) return false;
  if (!str::EnsureTrailingBackslash(result, sizeof result)) return false;
  return str::Copy(out, kPathCapacity, result);
}

bool RuleHasSoundAnswer(const char* argument, const char* currentDirectory) {
  if (IsUncPath(argument)) return false;
  long lastBackslash = str::LastIndexOf(argument, '\\');
  if (lastBackslash <= 0) return false;  // bare name, or only a leading backslash
  if (!HasDriveLetter(argument) && !str::Contains(currentDirectory, ":")) return false;
  return true;
}

}  // namespace

bool DeriveSourceFolder(const char* programArgument, const char* currentDirectory,
                        const char* programFile, char* out) {
  out[0] = '\0';
  if (RuleHasSoundAnswer(programArgument, currentDirectory)) {
    return DeriveFromArgument(programArgument, currentDirectory, out);
  }
  return FolderOfFile(programFile, out, kPathCapacity);
}
