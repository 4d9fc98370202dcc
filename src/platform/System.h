// Small questions asked of the running system.
#pragma once

#include <stddef.h>

namespace platform {

// True under Wine, which exports wine_get_version from ntdll.dll. Windows 9x
// has no ntdll in a program's address space, so the test is safe there.
bool IsRunningUnderWine();

bool FolderExists(const char* path);

// A file is present when it can be opened for reading.
bool FileCanBeOpenedForReading(const char* path);

// The short (8.3) form of a path into out[capacity]; false (out empty) when
// the platform cannot give one or it does not fit. Paths longer than 260
// characters, which the ANSI call refuses, are tried through the wide call on
// systems that have a working one (Windows NT).
bool GetShortPath(const char* path, char* out, size_t capacity);

// Starts a program by command line with its window shown, without waiting.
// The program path is quoted, so that a folder with a blank in its name
// ("C:\Drivers and Tools\") starts exactly that program; the arguments follow
// as given. False when the command line does not fit or the start failed.
bool StartProgramShown(const char* programPath, const char* arguments);

}  // namespace platform
