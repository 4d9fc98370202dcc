// The information shown instead of the launcher when no supported audio
// hardware is found; its OK button closes it and the program ends.
#pragma once

#include "framework/Dialog.h"
#include "res/resource.h"

class NoChipDialog : public framework::Dialog {
 public:
  explicit NoChipDialog(HWND parent) : Dialog(IDD_NOCHIP, parent) {}
};
