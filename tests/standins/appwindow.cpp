// Stand-in for a running application of the suite (or the mixer): a
// top-level window with the title given on the command line. When it
// receives WM_CLOSE it appends {"closed": title, "tick": tick} to
// TQTEST_RECORD_DIR\windows.jsonl and ends.
#include <windows.h>

#include <stdio.h>
#include <string>

namespace {

std::string title;

void RecordClose() {
  char folder[MAX_PATH];
  if (GetEnvironmentVariableA("TQTEST_RECORD_DIR", folder, sizeof folder) == 0) return;
  std::string path = std::string(folder) + "\\windows.jsonl";
  std::string line = "{\"closed\": \"" + title + "\", \"tick\": " + std::to_string(GetTickCount()) + "}\n";
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    RecordClose();
    DestroyWindow(hwnd);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  title = commandLine;
  if (title.size() >= 2 && title.front() == '"' && title.back() == '"') title = title.substr(1, title.size() - 2);
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "TqTestAppWindow";
  RegisterClassA(&windowClass);
  CreateWindowA("TqTestAppWindow", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                instance, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
