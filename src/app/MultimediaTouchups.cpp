// Multimedia settings touch-ups: see MultimediaTouchups.h.
//
// Not yet built: each step is in place in start-up and does nothing.
#include "app/MultimediaTouchups.h"

void ScanMediaClass() {}

int EnableNt4AtapiDma() { return 1; }

void RunLateTouchups(const char*) {}
