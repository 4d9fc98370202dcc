// Hexadecimal numbers written by hand into "setup.ini" ("VenderID=1b7d").
#pragma once

#include <stdint.h>

// Reads a hexadecimal number the way a "%x" scan does: leading blanks, an
// optional "0x", then hexadecimal digits of either case up to the first other
// character. Returns 0 for empty or unparsable text. Longer numbers keep
// their low 32 bits (the caller uses only the low 16).
uint32_t ParseHexText(const char* text);
