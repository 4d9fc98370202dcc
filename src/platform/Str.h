// Bounded ANSI string helpers for fixed character buffers.
//
// The program keeps its texts in fixed buffers (paths of 260 characters, the
// launcher's 1024-character command line). Every helper here takes the full
// capacity of the destination, always leaves it zero-terminated and never
// writes past it; the ones that can run out of room say so in their result, so
// that a caller can refuse a truncated path instead of using a different one.
// No C runtime is used: the shipped program links none.
#pragma once

#include <stddef.h>

namespace str {

size_t Length(const char* s);

// Copies src into dst[capacity]. Returns false (and stores nothing) when src
// does not fit with its terminator.
bool Copy(char* dst, size_t capacity, const char* src);

// Copies src into dst[capacity], cutting it to what fits. Returns false when cut.
bool CopyTruncated(char* dst, size_t capacity, const char* src);

// Appends src to the text in dst[capacity]. Returns false (and leaves dst as
// it was) when the result would not fit.
bool Append(char* dst, size_t capacity, const char* src);

// Appends one character; false (dst unchanged) when it would not fit.
bool AppendChar(char* dst, size_t capacity, char c);

// Appends a backslash unless the text already ends in one. An empty text
// stays empty. False (dst unchanged) when it would not fit.
bool EnsureTrailingBackslash(char* dst, size_t capacity);

bool Equal(const char* a, const char* b);
bool EqualNoCase(const char* a, const char* b);  // ASCII letters only

// Plain, case-sensitive substring test.
bool Contains(const char* haystack, const char* needle);

// Position of the last occurrence of c, or -1.
long LastIndexOf(const char* s, char c);

char AsciiUpper(char c);

}  // namespace str
