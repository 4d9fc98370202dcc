// Where the jack choices go in an INF file: see InfJackPatch.h.
#include "install/InfJackPatch.h"

const char kEnableLegacyPrefix[] = "HKR,\"Settings\",\"EnableLegacy\",";
const char kJackConfigPrefix[] = "HKR,\"Settings\",\"JackConfig\",";

namespace {

const char kSectionHeader[] = "[CONFIG1.AddReg]";
const size_t kValueOffsetInLine = 48;

bool LineContains(const char* line, size_t length, const char* text) {
  size_t textLength = 0;
  while (text[textLength] != '\0') ++textLength;
  if (textLength > length) return false;
  for (size_t start = 0; start + textLength <= length; ++start) {
    size_t i = 0;
    while (i < textLength && line[start + i] == text[i]) ++i;
    if (i == textLength) return true;
  }
  return false;
}

}  // namespace

char EnableLegacyCharacter(const JackOptions& options) {
  int digit = 2 + (options.gamePortEnabled ? 1 : 0) + (options.midiPortEnabled ? 4 : 0);
  return static_cast<char>('0' + digit);
}

char JackConfigCharacter(const JackOptions& options) {
  int sum = (options.lineInSharesRear ? 1 : 0) + (options.lineInSharesCenterSub ? 2 : 0) +
            (options.micSharesSub ? 4 : 0);
  return static_cast<char>('0' + sum);
}

long FindJackPatchOffset(const char* data, size_t size, const char* valuePrefix) {
  bool armed = false;
  size_t lineStart = 0;
  while (lineStart < size) {
    size_t end = lineStart;
    while (end < size && data[end] != '\n') ++end;
    size_t length = end - lineStart;
    if (length > 0 && data[lineStart + length - 1] == '\r') --length;  // CR LF line end
    const char* line = data + lineStart;
    if (LineContains(line, length, kSectionHeader)) armed = true;
    if (armed && LineContains(line, length, valuePrefix)) {
      if (length <= kValueOffsetInLine) return kNoPatch;
      return static_cast<long>(lineStart + kValueOffsetInLine);
    }
    lineStart = end + 1;
  }
  return kNoPatch;
}
