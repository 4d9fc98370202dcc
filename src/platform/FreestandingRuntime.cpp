// The few run-time pieces the compiler expects, for a program linked without
// any C runtime: the process entry point, static construction and destruction,
// the memory primitives the compiler may call on its own, and heap-backed
// operator new/delete.
//
// The shipped program must start on Windows 95, where msvcrt.dll may be
// missing, and on Pentium-class processors, while MinGW's prebuilt start-up
// code and C runtime contain CMOV instructions. So the program brings its own
// start-up code, built for the i586, and imports nothing but system DLLs.
// This file is compiled with -fno-builtin so that the loops below are never
// turned back into calls of themselves.
#include <windows.h>

#include "framework/App.h"

extern "C" {

void* memset(void* dst, int value, size_t count) {
  unsigned char* d = static_cast<unsigned char*>(dst);
  while (count-- != 0) *d++ = static_cast<unsigned char>(value);
  return dst;
}

void* memcpy(void* dst, const void* src, size_t count) {
  unsigned char* d = static_cast<unsigned char*>(dst);
  const unsigned char* s = static_cast<const unsigned char*>(src);
  while (count-- != 0) *d++ = *s++;
  return dst;
}

void* memmove(void* dst, const void* src, size_t count) {
  unsigned char* d = static_cast<unsigned char*>(dst);
  const unsigned char* s = static_cast<const unsigned char*>(src);
  if (d < s) {
    while (count-- != 0) *d++ = *s++;
  } else {
    while (count != 0) {
      --count;
      d[count] = s[count];
    }
  }
  return dst;
}

int memcmp(const void* a, const void* b, size_t count) {
  const unsigned char* x = static_cast<const unsigned char*>(a);
  const unsigned char* y = static_cast<const unsigned char*>(b);
  for (size_t i = 0; i < count; ++i) {
    if (x[i] != y[i]) return x[i] < y[i] ? -1 : 1;
  }
  return 0;
}

size_t strlen(const char* s) {
  size_t n = 0;
  while (s[n] != '\0') ++n;
  return n;
}

void __cxa_pure_virtual() { ExitProcess(3); }

// Destructors of static objects are registered here by the compiler-generated
// initialisers; they run in reverse order when the program ends.
typedef void(__cdecl* ExitFunction)();
static const int kMaxExitFunctions = 32;
static ExitFunction exitFunctions[kMaxExitFunctions];
static int exitFunctionCount = 0;

int atexit(ExitFunction function) {
  if (exitFunctionCount == kMaxExitFunctions) return -1;
  exitFunctions[exitFunctionCount++] = function;
  return 0;
}

// Provided by the linker script: a list of constructor pointers, either counted
// by its first entry or (count -1) terminated by a null entry.
typedef void (*ConstructorFunction)();
extern ConstructorFunction __CTOR_LIST__[];

static void RunStaticConstructors() {
  unsigned long count = reinterpret_cast<unsigned long>(__CTOR_LIST__[0]);
  if (count == static_cast<unsigned long>(-1)) {
    count = 0;
    while (__CTOR_LIST__[count + 1] != nullptr) ++count;
  }
  for (unsigned long i = count; i >= 1; --i) __CTOR_LIST__[i]();
}

static void RunExitFunctions() {
  while (exitFunctionCount > 0) exitFunctions[--exitFunctionCount]();
}

// Process entry point (named in the link command).
void __cdecl SetupStartup() {
  RunStaticConstructors();
  int exitCode = framework::RunApplication();
  RunExitFunctions();
  ExitProcess(static_cast<UINT>(exitCode));
}

}  // extern "C"

void* operator new(size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }
void* operator new[](size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }
void operator delete(void* p) noexcept {
  if (p != nullptr) HeapFree(GetProcessHeap(), 0, p);
}
void operator delete[](void* p) noexcept {
  if (p != nullptr) HeapFree(GetProcessHeap(), 0, p);
}
void operator delete(void* p, size_t) noexcept { operator delete(p); }
void operator delete[](void* p, size_t) noexcept { operator delete[](p); }
