// The single application object, in place of MFC's CWinApp.
//
// The program defines exactly one global object of a class derived from App.
// At start the entry point calls its InitInstance; a program that shows its
// main window modally returns false from InitInstance, which ends the
// program without a message loop of its own (the only mode this framework
// supports, and the only one the setup launcher needs).
#pragma once

#include <windows.h>

namespace framework {

class App {
 public:
  App();
  virtual ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Start-up work. Returning false ends the program; returning true is not
  // supported (there is no message loop) and ends it as well.
  virtual bool InitInstance() = 0;

  static App* Current();

  HINSTANCE Instance() const { return instance_; }

  // The command line after the program name, as the program was started,
  // in a writable copy that lives as long as the program (never null).
  char* CommandLine() { return commandLine_; }

  // The program's first argument (its path as it was started), split from the
  // command line by the usual rules: quoted up to the closing quote, else up
  // to the first blank. Cut to what fits; false when it did not fit.
  bool ProgramArgument(char* out, size_t capacity) const;

  HWND MainWindow() const { return mainWindow_; }
  void SetMainWindow(HWND window) { mainWindow_ = window; }

  HICON LoadIcon(int resourceId) const;

  // The three-dimensional control look is the system's own on every target;
  // kept as a named step of start-up.
  void Enable3dControlsStatic() {}

 private:
  friend int RunApplication();
  void Start();

  HINSTANCE instance_ = nullptr;
  char* commandLine_ = nullptr;
  const char* fullCommandLine_ = nullptr;
  HWND mainWindow_ = nullptr;
};

// Called by the entry point: runs the application object and gives the
// process exit status.
int RunApplication();

}  // namespace framework
