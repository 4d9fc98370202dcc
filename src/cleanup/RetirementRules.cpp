// Retirement decisions: see RetirementRules.h.
#include "cleanup/RetirementRules.h"

#include "platform/Str.h"

const RetiredFile kRetiredFiles[28] = {
    {"SYSTEM\\AUDIO3D.OLD", "SYSTEM\\AUDIO3D.DLL"},
    {"SYSTEM32\\AUDIO3D.OLD", "SYSTEM32\\AUDIO3D.DLL"},
    {"SYSTEM\\A3D.OLD", "SYSTEM\\A3D.DLL"},
    {"SYSTEM\\T3D.OLD", "SYSTEM\\T3D.DLL"},
    {"SYSTEM\\4316VXD.OLD", "SYSTEM\\TQ4316.VXD"},
    {"SYSTEM\\TQAUDIO.OLD", "SYSTEM\\TQAUDIO.VXD"},
    {"SYSTEM\\4316FDRV.OLD", "SYSTEM\\TQ4316FM.DRV"},
    {"SYSTEM\\TQPCIFM.OLD", "SYSTEM\\TQPCIFM.DRV"},
    {"SYSTEM\\TQMPU.OLD", "SYSTEM\\TQMPU.EXE"},
    {"SYSTEM\\TQMPUPCI.OLD", "SYSTEM\\TQMPUPCI.DRV"},
    {"SYSTEM\\TQPCI95.OLD", "SYSTEM\\TQPCI95.DRV"},
    {"SYSTEM\\TQSWSYN.OLD", "SYSTEM\\TQSWSYN.DRV"},
    {"SYSTEM\\TQSWMPU.OLD", "SYSTEM\\TQSWMPU.VXD"},
    {"SYSTEM\\DLSTABLE.OLD", "SYSTEM\\DLSTABLE.DAT"},
    {"SYSTEM\\DLSWAVE.OLD", "SYSTEM\\DLSWAVE.DAT"},
    {"SYSTEM\\SETAUDIO.OLD", "SYSTEM\\SETAUDIO.COM"},
    {"SYSTEM\\SWSYN32.OLD", "SYSTEM\\SWSYN32P.DLL"},
    {"SYSTEM\\SWSYNPCI.OLD", "SYSTEM\\SWSYNPCI.DLL"},
    {"SYSTEM\\PARSEDLS.OLD", "SYSTEM\\PARSEDLS.EXE"},
    {"SYSTEM\\ASIO4716.OLD", "SYSTEM\\ASIO4716.DLL"},
    {"SYSTEM\\TQSYNTH.OLD", "SYSTEM\\TQSYNTH.DRV"},
    {"SYSTEM32\\DRIVERS\\TQPCI.OLD", "SYSTEM32\\DRIVERS\\TQPCI.SYS"},
    {"INF\\CATALOG\\TQPCI.OLD", "INF\\CATALOG\\TQPCI.CAT"},
    {"SYSTEM32\\DRIVERS\\TQAUDIO.OLD", "SYSTEM32\\DRIVERS\\TQAUDIO.SYS"},
    {"INF\\CATALOG\\tqaudioc.OLD", "INF\\CATALOG\\tqaudio.CAT"},
    {"SYSTEM32\\TQprop.OLD", "SYSTEM32\\TQprop.DLL"},
    {"SYSTEM32\\TQNprop.OLD", "SYSTEM32\\TQNprop.DLL"},
    {"SYSTEM\\CRLDS3D.OLD", "SYSTEM\\CRLDS3D.DLL"},
};

namespace {

bool StartsWith(const char* text, const char* prefix) {
  while (*prefix != '\0') {
    if (*text++ != *prefix++) return false;
  }
  return true;
}

bool IsMakerText(const char* value) {
  const char* const kPrefixes[] = {"TQI4316", "TQI4716", "TQAUDIO", "Trequa"};
  for (const char* prefix : kPrefixes) {
    if (StartsWith(value, prefix)) return true;
  }
  return false;
}

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

// The file name of a retired program: the part after the last folder.
const char* FileNamePart(const char* path) {
  const char* name = path;
  for (const char* p = path; *p != '\0'; ++p) {
    if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
  }
  return name;
}

bool EqualNoCaseN(const char* a, size_t aLength, const char* b) {
  size_t i = 0;
  for (; i < aLength && b[i] != '\0'; ++i) {
    if (str::AsciiUpper(a[i]) != str::AsciiUpper(b[i])) return false;
  }
  return i == aLength && b[i] == '\0';
}

// Whether one "run" entry (entry[0..length)) starts a retired program.
bool StartsRetiredProgram(const char* entry, size_t length) {
  size_t nameStart = 0;
  for (size_t i = 0; i < length; ++i) {
    if (entry[i] == '\\' || entry[i] == '/' || entry[i] == ':') nameStart = i + 1;
  }
  const char* name = entry + nameStart;
  size_t nameLength = length - nameStart;
  for (const RetiredFile& file : kRetiredFiles) {
    const char* retired = FileNamePart(file.retired);
    size_t retiredLength = str::Length(retired);
    bool isProgram = retiredLength > 4 && (EqualNoCaseN(retired + retiredLength - 4, 4, ".EXE") ||
                                           EqualNoCaseN(retired + retiredLength - 4, 4, ".COM"));
    if (!isProgram) continue;
    if (EqualNoCaseN(name, nameLength, retired)) return true;
    // Without its extension, as WIN.INI allows for programs.
    char stem[32];
    if (retiredLength - 4 < sizeof stem) {
      for (size_t i = 0; i < retiredLength - 4; ++i) stem[i] = retired[i];
      stem[retiredLength - 4] = '\0';
      if (EqualNoCaseN(name, nameLength, stem)) return true;
    }
  }
  return false;
}

}  // namespace

bool InfBelongsToMaker(const char* legacyDeviceDesc, const char* wdmWaveName, const char* udaWaveName) {
  return IsMakerText(legacyDeviceDesc) || IsMakerText(wdmWaveName) || IsMakerText(udaWaveName);
}

bool PnfPathOf(const char* infPath, char* out, size_t capacity) {
  size_t length = str::Length(infPath);
  if (length < 3 || !str::Copy(out, capacity, infPath)) return false;
  out[length - 3] = 'P';
  out[length - 2] = 'N';
  out[length - 1] = 'F';
  return true;
}

bool RemoveRetiredPrograms(const char* runLine, char* out, size_t capacity) {
  if (capacity == 0) return false;
  // Built in a scratch copy first: out stays untouched unless something goes.
  static char kept[4096];
  kept[0] = '\0';
  bool removed = false;
  const char* p = runLine;
  while (*p != '\0') {
    while (IsSeparator(*p)) ++p;
    const char* start = p;
    while (*p != '\0' && !IsSeparator(*p)) ++p;
    size_t length = static_cast<size_t>(p - start);
    if (length == 0) continue;
    if (StartsRetiredProgram(start, length)) {
      removed = true;
      continue;
    }
    if (kept[0] != '\0' && !str::AppendChar(kept, sizeof kept, ' ')) return false;
    for (size_t i = 0; i < length; ++i) {
      if (!str::AppendChar(kept, sizeof kept, start[i])) return false;
    }
  }
  if (!removed) return false;
  return str::Copy(out, capacity, kept);
}
