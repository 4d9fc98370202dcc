// Test-side driver for the program's windows: run in the same Wine prefix as
// Setup.exe, it finds top-level windows by title and acts on them through
// window messages, as a user would, or reports what they show.
//
//   uidriver wait TITLE MS          wait until a visible window TITLE exists
//   uidriver gone TITLE MS          wait until no window TITLE exists
//   uidriver click TITLE ID         click control ID (BM_CLICK, posted)
//   uidriver key TITLE VK           post a key press to the window
//   uidriver syscommand TITLE CMD   post WM_SYSCOMMAND CMD
//   uidriver dump TITLE             print the window and its controls as JSON
//   uidriver shortpath PATH         print the short form of PATH
//   uidriver hold PATH MS           keep PATH open (not shared) for MS ms
//
// TITLE may be "TITLE||TEXT": the window titled TITLE that has a control
// showing TEXT (message boxes share the launcher's title "Setup").
//
// A TITLE written "x:" followed by hexadecimal UTF-8 bytes is decoded first:
// command-line text outside ASCII does not survive every host locale.
// Exit status 0 on success, 1 on time-out or a missing window, 2 on bad use.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], n, nullptr, nullptr);
  return out;
}

std::string Json(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buffer[8];
      snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string WindowText(HWND hwnd) {
  wchar_t text[1024] = L"";
  GetWindowTextW(hwnd, text, 1024);
  return Utf8(text);
}

struct Search {
  std::wstring title;
  std::wstring childText;
  HWND found;
};

BOOL CALLBACK HasChildText(HWND child, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  wchar_t text[1024] = L"";
  GetWindowTextW(child, text, 1024);
  if (search->childText == text) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK MatchTopLevel(HWND hwnd, LPARAM param) {
  Search* search = reinterpret_cast<Search*>(param);
  wchar_t text[1024] = L"";
  GetWindowTextW(hwnd, text, 1024);
  if (search->title != text || !IsWindowVisible(hwnd)) return TRUE;
  if (!search->childText.empty()) {
    Search inner = {L"", search->childText, nullptr};
    EnumChildWindows(hwnd, HasChildText, reinterpret_cast<LPARAM>(&inner));
    if (inner.found == nullptr) return TRUE;
  }
  search->found = hwnd;
  return FALSE;
}

HWND FindVisible(const wchar_t* selector) {
  std::wstring text = selector;
  size_t split = text.find(L"||");
  Search search = {text.substr(0, split), split == std::wstring::npos ? L"" : text.substr(split + 2), nullptr};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitFor(const wchar_t* title, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    HWND hwnd = FindVisible(title);
    if (hwnd != nullptr) return hwnd;
    if (GetTickCount() - start > ms) return nullptr;
    Sleep(50);
  }
}

std::string RectJson(const RECT& r) {
  char buffer[96];
  snprintf(buffer, sizeof buffer, "[%ld, %ld, %ld, %ld]", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return buffer;
}

struct DumpState {
  HWND parent;
  std::string out;
  bool first;
};

BOOL CALLBACK DumpChild(HWND child, LPARAM param) {
  DumpState* state = reinterpret_cast<DumpState*>(param);
  if (GetParent(child) != state->parent) return TRUE;
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, state->parent, reinterpret_cast<POINT*>(&r), 2);
  wchar_t className[64] = L"";
  GetClassNameW(child, className, 64);
  LONG style = GetWindowLongW(child, GWL_STYLE);
  char head[256];
  snprintf(head, sizeof head, "%s{\"id\": %d, \"style\": %ld, \"enabled\": %s, \"visible\": %s, \"checked\": %d, ",
           state->first ? "" : ", ", GetDlgCtrlID(child), style, IsWindowEnabled(child) ? "true" : "false",
           IsWindowVisible(child) ? "true" : "false",
           static_cast<int>(SendMessageW(child, BM_GETCHECK, 0, 0)));
  state->out += head;
  state->out += "\"class\": " + Json(Utf8(className)) + ", \"text\": " + Json(WindowText(child)) +
                ", \"rect\": " + RectJson(r) + "}";
  state->first = false;
  return TRUE;
}

int Dump(HWND hwnd) {
  RECT window, client;
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  char head[256];
  snprintf(head, sizeof head, "{\"style\": %ld, \"exstyle\": %ld, \"iconic\": %s, \"enabled\": %s, ",
           GetWindowLongW(hwnd, GWL_STYLE), GetWindowLongW(hwnd, GWL_EXSTYLE), IsIconic(hwnd) ? "true" : "false",
           IsWindowEnabled(hwnd) ? "true" : "false");
  DumpState state = {hwnd, "", true};
  EnumChildWindows(hwnd, DumpChild, reinterpret_cast<LPARAM>(&state));
  wchar_t className[64] = L"";
  GetClassNameW(hwnd, className, 64);
  HICON big = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0));
  HICON small = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
  printf("%s\"title\": %s, \"class\": %s, \"rect\": %s, \"client\": %s, \"desktop\": %s, \"has_big_icon\": %s, "
         "\"has_small_icon\": %s, \"controls\": [%s]}\n",
         head, Json(WindowText(hwnd)).c_str(), Json(Utf8(className)).c_str(), RectJson(window).c_str(),
         RectJson(client).c_str(), RectJson(desktop).c_str(), big ? "true" : "false", small ? "true" : "false",
         state.out.c_str());
  return 0;
}

std::wstring DecodeTitle(const wchar_t* text) {
  if (text[0] != L'x' || text[1] != L':') return text;
  std::string bytes;
  for (const wchar_t* p = text + 2; p[0] && p[1]; p += 2) {
    wchar_t pair[3] = {p[0], p[1], 0};
    bytes += static_cast<char>(wcstoul(pair, nullptr, 16));
  }
  int n = MultiByteToWideChar(CP_UTF8, 0, bytes.c_str(), -1, nullptr, 0);
  std::wstring out(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_UTF8, 0, bytes.c_str(), -1, &out[0], n);
  return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  std::wstring command = argv[1];
  std::wstring decodedTitle = DecodeTitle(argv[2]);
  const wchar_t* title = decodedTitle.c_str();
  if (command == L"wait") {
    HWND hwnd = WaitFor(title, argc > 3 ? _wtoi(argv[3]) : 10000);
    if (hwnd == nullptr) return 1;
    printf("%p\n", static_cast<void*>(hwnd));
    return 0;
  }
  if (command == L"shortpath") {
    wchar_t shortPath[1024];
    DWORD n = GetShortPathNameW(title, shortPath, 1024);
    if (n == 0 || n >= 1024) return 1;
    printf("%s\n", Utf8(shortPath).c_str());
    return 0;
  }
  if (command == L"hold") {
    HANDLE file = CreateFileW(title, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    Sleep(argc > 3 ? _wtoi(argv[3]) : 5000);
    CloseHandle(file);
    return 0;
  }
  if (command == L"gone") {
    DWORD ms = argc > 3 ? _wtoi(argv[3]) : 10000;
    DWORD start = GetTickCount();
    while (FindVisible(title) != nullptr) {
      if (GetTickCount() - start > ms) return 1;
      Sleep(50);
    }
    return 0;
  }
  HWND hwnd = WaitFor(title, 10000);
  if (hwnd == nullptr) {
    fprintf(stderr, "no window titled %s\n", Utf8(title).c_str());
    return 1;
  }
  if (command == L"dump") return Dump(hwnd);
  if (argc < 4) return 2;
  int value = _wtoi(argv[3]);
  if (command == L"click") {
    HWND control = GetDlgItem(hwnd, value);
    if (control == nullptr) return 1;
    return PostMessageW(control, BM_CLICK, 0, 0) ? 0 : 1;
  }
  if (command == L"key") {
    PostMessageW(hwnd, WM_KEYDOWN, value, 1);
    PostMessageW(hwnd, WM_KEYUP, value, 0xC0000001);
    return 0;
  }
  if (command == L"syscommand") return PostMessageW(hwnd, WM_SYSCOMMAND, value, 0) ? 0 : 1;
  return 2;
}
