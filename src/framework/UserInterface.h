// Small user-interface services shared by the dialogs: the program's one
// kind of message box, and the wait cursor.
#pragma once

#include <windows.h>

namespace framework {

// The program's only message to the user: caption "Setup", an OK button.
void ShowSetupMessage(HWND owner, const char* text);

// Shows the hourglass for as long as the object lives, then restores the
// cursor that was shown before.
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  void Restore();

 private:
  HCURSOR previous_;
  bool active_;
};

}  // namespace framework
