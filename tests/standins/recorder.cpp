// Stand-in for the outside programs the launcher starts (the WDM setup
// programs "WinMeDrv.dat" and "Win2kDrv.dat", the suite's setup program):
// it records how it was started and ends.
//
// Each start appends one JSON line to TQTEST_RECORD_DIR\<file name>.jsonl:
// the program file, the command line, the current folder and a tick count.
// When a file <program file>.delay holds a number of milliseconds, the
// program then waits that long (an uninstaller that takes a moment) and
// appends a second line, {"ended": tick}, just before it ends.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string>

namespace {

std::string Json(const char* text) {
  std::string out = "\"";
  for (const char* p = text; *p; ++p) {
    unsigned char c = static_cast<unsigned char>(*p);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += *p;
    } else if (c < 0x20) {
      char buffer[8];
      snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    } else {
      out += *p;
    }
  }
  return out + "\"";
}

bool Append(const std::string& path, const std::string& line) {
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return true;
}

}  // namespace

int main() {
  char folder[MAX_PATH];
  if (GetEnvironmentVariableA("TQTEST_RECORD_DIR", folder, sizeof folder) == 0) return 1;
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, sizeof module);
  char current[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof current, current);
  const char* name = strrchr(module, '\\') ? strrchr(module, '\\') + 1 : module;
  std::string path = std::string(folder) + "\\" + name + ".jsonl";
  std::string line = "{\"module\": " + Json(module) + ", \"command_line\": " + Json(GetCommandLineA()) +
                     ", \"cwd\": " + Json(current) + ", \"tick\": " + std::to_string(GetTickCount()) + "}\n";
  if (!Append(path, line)) return 2;
  char delayText[32] = "";
  std::string delayFile = std::string(module) + ".delay";
  HANDLE delay = CreateFileA(delayFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (delay != INVALID_HANDLE_VALUE) {
    DWORD read = 0;
    ReadFile(delay, delayText, sizeof delayText - 1, &read, nullptr);
    CloseHandle(delay);
    Sleep(static_cast<DWORD>(atoi(delayText)));
    Append(path, "{\"ended\": " + std::to_string(GetTickCount()) + "}\n");
  }
  return 0;
}
