// Thin control wrappers: each holds only the control's window handle (bound
// by DoDataExchange) and makes one call per method. They own nothing.
#pragma once

#include <windows.h>

namespace framework {

class Window {
 public:
  HWND Handle() const { return hwnd_; }
  void Attach(HWND hwnd) { hwnd_ = hwnd; }

  void Enable(bool enabled) const { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
  bool IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetText(const char* text) const { SetWindowTextA(hwnd_, text); }
  // Moves the control to client pixels of its parent, repainting.
  void MoveTo(int x, int y, int width, int height) const { MoveWindow(hwnd_, x, y, width, height, TRUE); }

 protected:
  HWND hwnd_ = nullptr;
};

class Button : public Window {
 public:
  bool IsChecked() const { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetCheck(bool checked) const {
    SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
};

class Static : public Window {
 public:
  // Sets the image of a bitmap static; returns the image it replaced.
  HBITMAP SetBitmap(HBITMAP bitmap) const {
    return reinterpret_cast<HBITMAP>(
        SendMessageA(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  }
};

}  // namespace framework
