// Message box and wait cursor: see UserInterface.h.
#include "framework/UserInterface.h"

namespace framework {

void ShowSetupMessage(HWND owner, const char* text) { MessageBoxA(owner, text, "Setup", MB_OK); }

WaitCursor::WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))), active_(true) {}

WaitCursor::~WaitCursor() { Restore(); }

void WaitCursor::Restore() {
  if (!active_) return;
  SetCursor(previous_);
  active_ = false;
}

}  // namespace framework
