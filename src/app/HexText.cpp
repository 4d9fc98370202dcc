// Hexadecimal text parsing: see HexText.h.
#include "app/HexText.h"

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

uint32_t ParseHexText(const char* text) {
  const char* p = text;
  while (*p == ' ' || *p == '\t') ++p;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && HexDigitValue(p[2]) >= 0) p += 2;
  uint32_t value = 0;
  for (; HexDigitValue(*p) >= 0; ++p) value = (value << 4) | static_cast<uint32_t>(HexDigitValue(*p));
  return value;
}
