// Bounded ANSI string helpers: see Str.h for the contract.
#include "platform/Str.h"

namespace str {

size_t Length(const char* s) {
  size_t n = 0;
  while (s[n] != '\0') ++n;
  return n;
}

bool Copy(char* dst, size_t capacity, const char* src) {
  if (capacity == 0) return false;
  size_t n = Length(src);
  if (n + 1 > capacity) return false;
  for (size_t i = 0; i <= n; ++i) dst[i] = src[i];
  return true;
}

bool CopyTruncated(char* dst, size_t capacity, const char* src) {
  if (capacity == 0) return false;
  size_t i = 0;
  for (; i + 1 < capacity && src[i] != '\0'; ++i) dst[i] = src[i];
  dst[i] = '\0';
  return src[i] == '\0';
}

bool Append(char* dst, size_t capacity, const char* src) {
  size_t have = Length(dst);
  size_t add = Length(src);
  if (have + add + 1 > capacity) return false;
  for (size_t i = 0; i <= add; ++i) dst[have + i] = src[i];
  return true;
}

bool AppendChar(char* dst, size_t capacity, char c) {
  char one[2] = {c, '\0'};
  return Append(dst, capacity, one);
}

bool EnsureTrailingBackslash(char* dst, size_t capacity) {
  size_t n = Length(dst);
  if (n == 0 || dst[n - 1] == '\\') return true;
  return AppendChar(dst, capacity, '\\');
}

bool Equal(const char* a, const char* b) {
  while (*a != '\0' && *a == *b) {
    ++a;
    ++b;
  }
  return *a == *b;
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualNoCase(const char* a, const char* b) {
  while (*a != '\0' && AsciiUpper(*a) == AsciiUpper(*b)) {
    ++a;
    ++b;
  }
  return AsciiUpper(*a) == AsciiUpper(*b);
}

bool Contains(const char* haystack, const char* needle) {
  if (*needle == '\0') return true;
  for (; *haystack != '\0'; ++haystack) {
    const char* h = haystack;
    const char* n = needle;
    while (*n != '\0' && *h == *n) {
      ++h;
      ++n;
    }
    if (*n == '\0') return true;
  }
  return false;
}

long LastIndexOf(const char* s, char c) {
  long found = -1;
  for (long i = 0; s[i] != '\0'; ++i) {
    if (s[i] == c) found = i;
  }
  return found;
}

}  // namespace str
