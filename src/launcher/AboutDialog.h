// The About box, opened from the launcher's system menu.
#pragma once

#include "framework/Dialog.h"
#include "res/resource.h"

class AboutDialog : public framework::Dialog {
 public:
  AboutDialog() : Dialog(IDD_ABOUTBOX, nullptr) {}
};
