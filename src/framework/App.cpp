// The single application object: see App.h.
#include "framework/App.h"

#include "platform/Str.h"

namespace framework {
namespace {

App* currentApp = nullptr;
char emptyCommandLine[1] = {'\0'};

// Skips the program name the way the system's start-up code does for WinMain:
// a quoted name up to its closing quote, else up to the first blank; then the
// blanks before the arguments.
const char* SkipProgramName(const char* p) {
  if (*p == '"') {
    ++p;
    while (*p != '\0' && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p != '\0' && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

}  // namespace

App::App() { currentApp = this; }

App::~App() {
  if (currentApp == this) currentApp = nullptr;
  if (commandLine_ != emptyCommandLine && commandLine_ != nullptr) {
    HeapFree(GetProcessHeap(), 0, commandLine_);
  }
}

App* App::Current() { return currentApp; }

void App::Start() {
  instance_ = GetModuleHandleA(nullptr);
  fullCommandLine_ = GetCommandLineA();
  if (fullCommandLine_ == nullptr) fullCommandLine_ = "";
  const char* args = SkipProgramName(fullCommandLine_);
  size_t length = str::Length(args);
  char* copy = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, length + 1));
  if (copy != nullptr) {
    for (size_t i = 0; i <= length; ++i) copy[i] = args[i];
    commandLine_ = copy;
  } else {
    commandLine_ = emptyCommandLine;
  }
}

bool App::ProgramArgument(char* out, size_t capacity) const {
  if (capacity == 0) return false;
  const char* p = fullCommandLine_ != nullptr ? fullCommandLine_ : "";
  size_t n = 0;
  bool fits = true;
  bool quoted = false;
  for (; *p != '\0'; ++p) {
    if (*p == '"') {
      quoted = !quoted;
      continue;
    }
    if (!quoted && (*p == ' ' || *p == '\t')) break;
    if (n + 1 < capacity) {
      out[n++] = *p;
    } else {
      fits = false;
    }
  }
  out[n] = '\0';
  return fits;
}

HICON App::LoadIcon(int resourceId) const {
  return ::LoadIconA(instance_, MAKEINTRESOURCEA(resourceId));
}

int RunApplication() {
  App* app = App::Current();
  if (app == nullptr) return 1;
  app->Start();
  app->InitInstance();
  return 0;
}

}  // namespace framework
