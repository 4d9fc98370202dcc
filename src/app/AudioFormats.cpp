// The default audio format: see AudioFormats.h.
#include "app/AudioFormats.h"

#include "platform/Str.h"

bool ChooseCdAudioFormat(const char* systemFormats, char* out, size_t capacity) {
  if (capacity == 0) return false;
  out[0] = '\0';
  const char* item = systemFormats;
  for (const char* p = systemFormats; *p != '\0'; ++p) {
    if (*p != ',') continue;
    size_t length = static_cast<size_t>(p - item);
    bool hasCd = false;
    for (size_t i = 0; i + 1 < length; ++i) {
      if (item[i] == 'C' && item[i + 1] == 'D') hasCd = true;
    }
    if (hasCd) {
      if (length + 1 > capacity) return false;
      for (size_t i = 0; i < length; ++i) out[i] = item[i];
      out[length] = '\0';
      return true;
    }
    item = p + 1;
  }
  return false;
}
